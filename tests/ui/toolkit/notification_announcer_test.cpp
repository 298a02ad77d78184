// Announcements through AT-SPI: a notification that appears with the text.
#include "ui/toolkit/notification_announcer.h"

#include <QAccessible>
#include <QTest>
#include <QWidget>

namespace tavro::toolkit::testing {

class NotificationAnnouncerTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void anAnnouncementAppearsAsANotification() {
    // A screen reader speaks a notification when it appears.
    QWidget window;
    NotificationAnnouncer announcer(&window);
    window.show();
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&announcer);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Notification);
    QVERIFY(accessible->state().invisible);
    announcer.Announce(QStringLiteral("ОТГОВОР 5"));
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("ОТГОВОР 5"));
    QVERIFY(!accessible->state().invisible);
    QVERIFY(!accessible->state().focusable);
  }
};

}  // namespace tavro::toolkit::testing

QTEST_MAIN(tavro::toolkit::testing::NotificationAnnouncerTest)
#include "notification_announcer_test.moc"
