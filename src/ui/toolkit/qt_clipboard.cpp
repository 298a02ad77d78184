#include "ui/toolkit/qt_clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "ui/toolkit/clipboard_text.h"

namespace tavro::toolkit {

std::string QtClipboard::PlainText() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  const QMimeData* data = clipboard ? clipboard->mimeData(QClipboard::Clipboard) : nullptr;
  return data ? PlainTextOf(*data).toStdString() : std::string();
}

}  // namespace tavro::toolkit
