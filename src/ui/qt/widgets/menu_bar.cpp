#include "ui/qt/widgets/menu_bar.h"

#include <QAction>
#include <QMenu>

#include "ui/qt/widgets/geometry.h"

namespace tavro::qt {

namespace {

QKeySequence SequenceOf(std::string_view shortcut) {
  return QKeySequence(TextOf(shortcut), QKeySequence::PortableText);
}

}  // namespace

QMenuBar* BuildMenuBar(const layout::WindowLayout& layout, QWidget* parent,
                       const std::function<void(const std::string& handler)>& choose) {
  if (layout.menu_bar.empty()) return nullptr;
  auto* bar = new QMenuBar(parent);
  // The client area lies right below the menu bar in the window, never
  // moved into a desktop-wide menu.
  bar->setNativeMenuBar(false);
  for (const layout::MenuBarEntry& top : layout.menu_bar) {
    QAction* top_action = nullptr;
    if (top.entries.empty()) {
      top_action = bar->addAction(TextOf(top.caption));
      QObject::connect(top_action, &QAction::triggered, bar,
                       [choose, handler = layout::HandlerOf(top.name)] { choose(handler); });
    } else {
      QMenu* menu = bar->addMenu(TextOf(top.caption));
      menu->setObjectName(TextOf(top.name));
      top_action = menu->menuAction();
      for (const layout::MenuEntry& entry : top.entries) {
        QAction* action = menu->addAction(TextOf(entry.caption));
        action->setObjectName(TextOf(entry.name));
        if (!entry.shortcut.empty()) {
          action->setShortcut(SequenceOf(entry.shortcut));
          action->setShortcutContext(Qt::WindowShortcut);
        }
        QObject::connect(action, &QAction::triggered, menu,
                         [choose, handler = layout::HandlerOf(entry.name)] { choose(handler); });
      }
    }
    top_action->setObjectName(TextOf(top.name));
  }
  return bar;
}

QList<QKeySequence> ShortcutsOf(const layout::WindowLayout& layout) {
  QList<QKeySequence> shortcuts;
  for (const layout::MenuBarEntry& top : layout.menu_bar)
    for (const layout::MenuEntry& entry : top.entries)
      if (!entry.shortcut.empty()) shortcuts.append(SequenceOf(entry.shortcut));
  return shortcuts;
}

}  // namespace tavro::qt
