#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QLineEdit;

namespace tavro::toolkit {

// Tells a screen reader `text` on behalf of `window`, a top-level window,
// while the focus stays where it is. Each platform delivers it in its own way
// (notification_announcer.cpp, uia_announcer.cpp).
void Announce(QWidget& window, const QString& text);

// The texts of a window's fields before a handler runs. Announce() tells the
// screen reader the fields whose texts the handler changed. Nothing is done
// while no screen reader listens.
class ChangedFields {
 public:
  explicit ChangedFields(std::vector<QLineEdit*> fields);

  void Announce(QWidget& window) const;

 private:
  std::vector<QLineEdit*> fields_;
  std::vector<QString> before_;
};

}  // namespace tavro::toolkit
