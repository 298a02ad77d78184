#include "ui/qt/program/clipboard_text.h"

#include <QStringDecoder>
#include <optional>

namespace tavro::qt {

namespace {

constexpr QLatin1StringView kPlainText("text/plain");
constexpr QLatin1StringView kPlainTextIn("text/plain;charset=");

QString Decode(QStringDecoder& decoder, const QByteArray& bytes) { return decoder.decode(bytes); }

// The character set named by a format such as "text/plain;charset=utf-16".
std::optional<QByteArray> CharsetOf(const QString& format) {
  if (!format.startsWith(kPlainTextIn, Qt::CaseInsensitive)) return std::nullopt;
  QString charset = format.mid(kPlainTextIn.size()).section(QLatin1Char(';'), 0, 0).trimmed();
  if (charset.size() >= 2 && charset.startsWith(QLatin1Char('"')) &&
      charset.endsWith(QLatin1Char('"')))
    charset = charset.mid(1, charset.size() - 2);
  if (charset.isEmpty()) return std::nullopt;
  return charset.toLatin1();
}

}  // namespace

QString PlainTextOf(const QMimeData& data) {
  if (data.hasText()) {
    // A byte-order mark says how the text is encoded, and is not part of it.
    const QByteArray bytes = data.data(kPlainText);
    if (const auto marked = QStringConverter::encodingForData(bytes)) {
      QStringDecoder decoder(*marked);
      return Decode(decoder, bytes);
    }
    return data.text();
  }
  for (const QString& format : data.formats()) {
    const auto charset = CharsetOf(format);
    if (!charset) continue;
    QStringDecoder decoder(charset->constData());
    if (decoder.isValid()) return Decode(decoder, data.data(format));
  }
  return QString();
}

}  // namespace tavro::qt
