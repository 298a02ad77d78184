#include <QApplication>

#include "ui/qt/platform/platform.h"
#include "ui/qt/program/desktop_program.h"
#include "ui/qt/program/start_failure.h"

int main(int argc, char* argv[]) {
  tavro::qt::DisplayCheck display(argc, argv);
  if (!display.CanOpenWindows()) return 1;
  tavro::qt::ChooseWindowSystem();
  tavro::qt::StayVisibleToLaterScreenReaders();
  tavro::qt::StartFailureEndsQuietly start;
  QApplication application(argc, argv);
  start.End();
  display.Release();  // Qt has its own connection now
  QApplication::setApplicationName(QStringLiteral("Tavro"));
  QApplication::setApplicationVersion(QStringLiteral(TAVRO_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("org.tavro.Tavro"));
  tavro::qt::DesktopProgram program;
  program.Start();
  return QApplication::exec();
}
