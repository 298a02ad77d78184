#include "ui/toolkit/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tavro::toolkit {

std::string QtClipboard::PlainText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? clipboard->text(QClipboard::Clipboard).toStdString() : std::string();
}

}  // namespace tavro::toolkit
