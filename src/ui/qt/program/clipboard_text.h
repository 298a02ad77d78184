#pragma once

#include <QMimeData>
#include <QString>

namespace tavro::qt {

// The plain text that a clipboard's contents offer, decoded by what they say
// of their encoding:
// - plain text: as the toolkit reads it, or by its byte-order mark when it is
//   UTF-16 or UTF-32 text that did not say so;
// - plain text only in a named character set ("text/plain;charset=windows-1251"):
//   decoded from that set, bytes that do not belong to it becoming U+FFFD;
// - nothing else (a picture, HTML, a character set nobody knows, an empty
//   clipboard): the empty text, since no text can be had from it.
// The result never holds a broken UTF-16 sequence.
QString PlainTextOf(const QMimeData& data);

}  // namespace tavro::qt
