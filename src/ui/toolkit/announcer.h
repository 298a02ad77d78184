#pragma once

#include <QString>
#include <QWidget>
#include <vector>

class QLineEdit;

namespace tavro::toolkit {

// Tells a screen reader what a button's handler wrote, while the focus stays
// on the button. Qt has no call for a spoken announcement; this is a small
// notification of the window, invisible on the screen, that appears with the
// announcement as its name each time. Screen readers speak a notification
// when it appears (AT-SPI "showing" state), wherever the focus is.
class Announcer : public QWidget {
  Q_OBJECT

 public:
  explicit Announcer(QWidget* window);

  void Announce(const QString& text);
};

// The texts of a window's fields before a handler runs. Announce() tells the
// screen reader, through the window's announcer, the fields whose texts the
// handler changed. Nothing is done while no screen reader listens.
class ChangedFields {
 public:
  explicit ChangedFields(std::vector<QLineEdit*> fields);

  void Announce(QWidget& window) const;

 private:
  std::vector<QLineEdit*> fields_;
  std::vector<QString> before_;
};

}  // namespace tavro::toolkit
