#include "ui/toolkit/desktop_program.h"

#include <QApplication>

#include "ui/toolkit/assets.h"
#include "ui/toolkit/regional_settings.h"

namespace tavro::toolkit {

DesktopProgram::Assets::Assets() {
  LoadAssets();
  QApplication::setWindowIcon(ProgramIcon());
}

DesktopProgram::DesktopProgram(std::function<void()> end_process)
    : windows_(std::move(end_process)),
      shell_(windows_, SystemDecimalSeparator(), clipboard_) {
  windows_.Attach(shell_);
}

DesktopProgram::~DesktopProgram() {
  // The windows refer to the models the shell owns: they go first.
  windows_.DestroyAll();
}

}  // namespace tavro::toolkit
