#pragma once

#include <QKeySequence>
#include <QList>
#include <QMenuBar>
#include <functional>
#include <string>

#include "ui/layout/window_layout.h"

namespace tavro::qt {

// Builds a window's menu bar from its layout, in the listed order. A menu-bar
// entry with drop-down entries opens its drop-down; one without acts at once
// when chosen. Every chosen entry calls `choose` with the name of its handler.
// Captions keep their "&" access keys; shortcuts work whenever the window is
// the active one. Nothing (nullptr) for a window without a menu bar.
QMenuBar* BuildMenuBar(const layout::WindowLayout& layout, QWidget* parent,
                       const std::function<void(const std::string& handler)>& choose);

// The shortcut keys of a window's menu entries.
QList<QKeySequence> ShortcutsOf(const layout::WindowLayout& layout);

}  // namespace tavro::qt
