#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QLineEdit;

namespace tavro::qt {

// The texts of a window's fields before a handler runs. Announce() tells the
// screen reader the fields whose texts the handler changed, as the platform
// delivers announcements (platform.h). Nothing is done
// while no screen reader listens.
class ChangedFields {
 public:
  explicit ChangedFields(std::vector<QLineEdit*> fields);

  void Announce(QWidget& window) const;

 private:
  std::vector<QLineEdit*> fields_;
  std::vector<QString> before_;
};

}  // namespace tavro::qt
