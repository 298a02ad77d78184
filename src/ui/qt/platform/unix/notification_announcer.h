#pragma once

#include <QString>
#include <QWidget>

namespace tavro::qt {

// How announcements reach a screen reader through AT-SPI. Qt has no call for
// a spoken announcement; this is a small notification of the window,
// invisible on the screen, that appears with the announcement as its name
// each time. Screen readers speak a notification when it appears (AT-SPI
// "showing" state), wherever the focus is.
class NotificationAnnouncer : public QWidget {
  Q_OBJECT

 public:
  explicit NotificationAnnouncer(QWidget* window);

  void Announce(const QString& text);
};

}  // namespace tavro::qt
