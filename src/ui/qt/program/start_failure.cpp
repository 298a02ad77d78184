#include "ui/qt/program/start_failure.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace tavro::qt {

namespace {

struct HeldMessage {
  QtMsgType type;
  QByteArray file, function, category;
  int line;
  QString text;
};

QtMessageHandler previous_handler = nullptr;
std::vector<HeldMessage>* held = nullptr;

// The first line of a message, with control characters as '?'.
QByteArray FirstLine(const QString& text) {
  QByteArray line = text.section(QLatin1Char('\n'), 0, 0).toUtf8();
  for (char& c : line)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = '?';
  return line;
}

void HoldBack(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type == QtFatalMsg) {
    // What went wrong first says most ("could not connect to display :0");
    // the fatal message itself only says that no window system could start.
    const QString& first = held->empty() ? text : held->front().text;
    std::fprintf(stderr, "tavro: no display to open its windows on: %s\n",
                 FirstLine(first).constData());
    std::fflush(stderr);
    std::_Exit(1);
  }
  held->push_back({type, context.file, context.function, context.category, context.line, text});
}

}  // namespace

StartFailureEndsQuietly::StartFailureEndsQuietly() {
  held = new std::vector<HeldMessage>;
  previous_handler = qInstallMessageHandler(HoldBack);
}

StartFailureEndsQuietly::~StartFailureEndsQuietly() { End(); }

void StartFailureEndsQuietly::End() {
  if (!held) return;
  qInstallMessageHandler(previous_handler);
  for (const HeldMessage& message : *held) {
    const QMessageLogContext context(message.file.constData(), message.line,
                                     message.function.constData(), message.category.constData());
    qt_message_output(message.type, context, message.text);
  }
  delete held;
  held = nullptr;
}

}  // namespace tavro::qt
