#include <QApplication>

#include "ui/toolkit/desktop_program.h"
#include "ui/toolkit/display_check.h"
#include "ui/toolkit/screen_readers.h"
#include "ui/toolkit/start_failure.h"
#include "ui/toolkit/window_system_choice.h"

int main(int argc, char* argv[]) {
  tavro::toolkit::DisplayCheck display(argc, argv);
  if (!display.CanOpenWindows()) return 1;
  tavro::toolkit::ChooseWindowSystem();
  tavro::toolkit::StayVisibleToLaterScreenReaders();
  tavro::toolkit::StartFailureEndsQuietly start;
  QApplication application(argc, argv);
  start.End();
  display.Release();  // Qt has its own connection now
  QApplication::setApplicationName(QStringLiteral("Tavro"));
  QApplication::setApplicationVersion(QStringLiteral(TAVRO_VERSION));
  QApplication::setDesktopFileName(QStringLiteral("org.tavro.Tavro"));
  tavro::toolkit::DesktopProgram program;
  program.Start();
  return QApplication::exec();
}
