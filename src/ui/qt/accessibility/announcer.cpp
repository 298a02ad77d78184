#include "ui/qt/accessibility/announcer.h"

#include <QAccessible>
#include <QLineEdit>
#include <string>
#include <utility>

#include "ui/layout/accessible_text.h"
#include "ui/qt/platform/platform.h"

namespace tavro::qt {

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
  qt::Announce(window, QString::fromStdString(layout::AnnouncementOf(changed)));
}

}  // namespace tavro::qt
