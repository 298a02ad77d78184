#include "ui/qt/program/desktop_program.h"

#include <QApplication>
#include <functional>
#include <utility>

#include "ui/qt/look/assets.h"
#include "ui/qt/look/native_style.h"
#include "ui/qt/program/regional_settings.h"

namespace tavro::qt {

DesktopProgram::Assets::Assets() {
  LoadAssets();
  UseProgramStyle();
  QApplication::setWindowIcon(ProgramIcon());
}

DesktopProgram::DesktopProgram(std::function<void()> end_process)
    : windows_(std::move(end_process)), shell_(windows_, SystemDecimalSeparator(), clipboard_) {
  windows_.Attach(shell_);
}

DesktopProgram::~DesktopProgram() {
  // The windows refer to the models the shell owns: they go first.
  windows_.DestroyAll();
}

}  // namespace tavro::qt
