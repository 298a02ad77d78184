#include "ui/qt/platform/unix/notification_announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <mutex>

#include "ui/qt/platform/platform.h"

namespace tavro::qt {

namespace {

QAccessibleInterface* AccessibleAnnouncerOf(const QString& class_name, QObject* object) {
  if (class_name != QLatin1StringView(NotificationAnnouncer::staticMetaObject.className()))
    return nullptr;
  return new QAccessibleWidget(static_cast<NotificationAnnouncer*>(object),
                               QAccessible::Notification);
}

}  // namespace

NotificationAnnouncer::NotificationAnnouncer(QWidget* window) : QWidget(window) {
  static std::once_flag installed;
  std::call_once(installed, [] { QAccessible::installFactory(AccessibleAnnouncerOf); });
  setObjectName(QStringLiteral("announcement"));
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 0, 0);  // nothing to see
  hide();
}

void NotificationAnnouncer::Announce(const QString& text) {
  // Hidden and shown again, so that the same text twice is spoken twice.
  hide();
  setAccessibleName(text);
  show();
}

void Announce(QWidget& window, const QString& text) {
  auto* announcer = window.findChild<NotificationAnnouncer*>(QString(), Qt::FindDirectChildrenOnly);
  if (!announcer) announcer = new NotificationAnnouncer(&window);
  announcer->Announce(text);
}

}  // namespace tavro::qt
