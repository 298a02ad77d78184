// Announcements through AT-SPI: a notification that appears with the text.
#include "ui/qt/platform/unix/notification_announcer.h"

#include <QAccessible>
#include <QTest>
#include <QWidget>

namespace tavro::qt::testing {

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

}  // namespace tavro::qt::testing

QTEST_MAIN(tavro::qt::testing::NotificationAnnouncerTest)
#include "notification_announcer_test.moc"
