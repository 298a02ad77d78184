#include <QApplication>

#include "ui/toolkit/desktop_program.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tavro"));
  QApplication::setApplicationVersion(QStringLiteral("1.00"));
  QApplication::setDesktopFileName(QStringLiteral("org.tavro.Tavro"));
  tavro::toolkit::DesktopProgram program;
  program.Start();
  return QApplication::exec();
}
