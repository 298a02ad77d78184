#include "ui/toolkit/announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLineEdit>
#include <string>
#include <utility>

#include "ui/layout/accessible_text.h"

namespace tavro::toolkit {

namespace {

QAccessibleInterface* AccessibleAnnouncerOf(const QString& class_name, QObject* object) {
  if (class_name != QLatin1StringView(Announcer::staticMetaObject.className())) return nullptr;
  return new QAccessibleWidget(static_cast<Announcer*>(object), QAccessible::Notification);
}

}  // namespace

Announcer::Announcer(QWidget* window) : QWidget(window) {
  static const bool installed = (QAccessible::installFactory(AccessibleAnnouncerOf), true);
  (void)installed;
  setObjectName(QStringLiteral("announcement"));
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(0, 0, 0, 0);  // nothing to see
  hide();
}

void Announcer::Announce(const QString& text) {
  // Hidden and shown again, so that the same text twice is spoken twice.
  hide();
  setAccessibleName(text);
  show();
}

ChangedFields::ChangedFields(std::vector<QLineEdit*> fields) : fields_(std::move(fields)) {
  if (!QAccessible::isActive()) return;
  before_.reserve(fields_.size());
  for (const QLineEdit* field : fields_) before_.push_back(field->text());
}

void ChangedFields::Announce(QWidget& window) const {
  if (before_.size() != fields_.size() || !QAccessible::isActive()) return;
  std::vector<layout::ChangedField> changed;
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    const QString now = fields_[i]->text();
    if (now != before_[i])
      changed.push_back({fields_[i]->accessibleName().toStdString(), now.toStdString()});
  }
  if (changed.empty()) return;
  auto* announcer = window.findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
  if (!announcer) announcer = new Announcer(&window);
  announcer->Announce(QString::fromStdString(layout::AnnouncementOf(changed)));
}

}  // namespace tavro::toolkit
