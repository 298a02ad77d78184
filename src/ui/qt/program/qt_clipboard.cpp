#include "ui/qt/program/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "ui/qt/program/clipboard_text.h"

namespace tavro::qt {

std::string QtClipboard::PlainText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
  return data ? PlainTextOf(*data).toStdString() : std::string();
}

}  // namespace tavro::qt
