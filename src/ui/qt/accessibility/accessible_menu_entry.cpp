#include "ui/qt/accessibility/accessible_menu_entry.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QStyle>
#include <QWindow>

namespace tavro::qt {

namespace {

// The caption without its "&" marks, as it is shown.
QString Shown(const QString& caption) {
  QString shown;
  for (qsizetype i = 0; i < caption.size(); ++i) {
    if (caption.at(i) == QLatin1Char('&')) {
      if (++i == caption.size()) break;
    }
    shown += caption.at(i);
  }
  return shown;
}

// The letter after a single "&".
QString AccessKey(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption.at(i) != QLatin1Char('&')) continue;
    if (caption.at(i + 1) != QLatin1Char('&')) return caption.at(i + 1).toUpper();
    ++i;
  }
  return {};
}

bool Lists(QWidget* widget, QAction* action) {
  return (qobject_cast<QMenuBar*>(widget) || qobject_cast<QMenu*>(widget)) &&
         widget->actions().contains(action);
}

}  // namespace

AccessibleMenuEntry::AccessibleMenuEntry(QWidget* owner, QAction* action)
    : action_(action), owner_(owner) {}

QAccessibleInterface* AccessibleMenuEntry::Create(const QString& class_name, QObject* object) {
  if (class_name != QLatin1StringView("QAction")) return nullptr;
  auto* action = static_cast<QAction*>(object);
  for (QObject* associated : action->associatedObjects()) {
    auto* widget = qobject_cast<QWidget*>(associated);
    if (widget && Lists(widget, action)) return new AccessibleMenuEntry(widget, action);
  }
  return nullptr;  // not listed by a menu: Qt decides
}

bool AccessibleMenuEntry::isValid() const { return action_ && owner_; }

QObject* AccessibleMenuEntry::object() const { return action_; }

QWindow* AccessibleMenuEntry::window() const {
  return owner_ ? owner_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleMenuEntry::parent() const {
  return QAccessible::queryAccessibleInterface(owner_);
}

QAccessibleInterface* AccessibleMenuEntry::child(int index) const {
  if (index == 0 && action_->menu()) return QAccessible::queryAccessibleInterface(action_->menu());
  return nullptr;
}

int AccessibleMenuEntry::childCount() const { return action_->menu() ? 1 : 0; }

int AccessibleMenuEntry::indexOfChild(const QAccessibleInterface* child) const {
  return child && action_->menu() && child->object() == action_->menu() ? 0 : -1;
}

QAccessibleInterface* AccessibleMenuEntry::childAt(int x, int y) const {
  QAccessibleInterface* drop_down = child(0);
  return drop_down && drop_down->rect().contains(x, y) ? drop_down : nullptr;
}

QString AccessibleMenuEntry::Keys() const {
  if (qobject_cast<QMenuBar*>(owner_)) {
    const QString key = AccessKey(action_->text());
    return key.isEmpty() ? QString() : QKeySequence(Qt::ALT).toString() + key;
  }
  return action_->shortcut().toString();
}

QString AccessibleMenuEntry::text(QAccessible::Text t) const {
  switch (t) {
    case QAccessible::Name:
      return Shown(action_->text());
    case QAccessible::Accelerator:
      return Keys();
    default:
      return {};
  }
}

QRect AccessibleMenuEntry::rect() const {
  QRect area;
  if (auto* bar = qobject_cast<QMenuBar*>(owner_))
    area = bar->actionGeometry(action_);
  else if (auto* menu = qobject_cast<QMenu*>(owner_))
    area = menu->actionGeometry(action_);
  return area.translated(owner_->mapToGlobal(QPoint(0, 0)));
}

QAccessible::Role AccessibleMenuEntry::role() const {
  return action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State AccessibleMenuEntry::state() const {
  QAccessible::State state;
  if (!owner_->isVisible() || !action_->isVisible()) state.invisible = true;
  QAction* active = nullptr;
  if (auto* bar = qobject_cast<QMenuBar*>(owner_))
    active = bar->activeAction();
  else if (auto* menu = qobject_cast<QMenu*>(owner_))
    active = menu->activeAction();
  if (active == action_) state.focused = true;
  if (owner_->style()->styleHint(QStyle::SH_Menu_MouseTracking, nullptr, owner_))
    state.hotTracked = true;
  if (action_->isSeparator() || !action_->isEnabled()) state.disabled = true;
  state.checkable = action_->isCheckable();
  state.checked = action_->isChecked();
  return state;
}

void* AccessibleMenuEntry::interface_cast(QAccessible::InterfaceType type) {
  return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                              : nullptr;
}

QStringList AccessibleMenuEntry::actionNames() const {
  if (!action_ || action_->isSeparator()) return {};
  return {action_->menu() ? showMenuAction() : pressAction()};
}

void AccessibleMenuEntry::doAction(const QString& action_name) {
  if (!action_->isEnabled()) return;
  if (action_name == pressAction()) {
    action_->trigger();
  } else if (action_name == showMenuAction()) {
    QMenu* drop_down = action_->menu();
    if (drop_down && drop_down->isVisible())
      drop_down->hide();
    else if (auto* bar = qobject_cast<QMenuBar*>(owner_))
      bar->setActiveAction(action_);
    else if (auto* menu = qobject_cast<QMenu*>(owner_))
      menu->setActiveAction(action_);
  }
}

QStringList AccessibleMenuEntry::keyBindingsForAction(const QString& action_name) const {
  const QString keys = Keys();
  if (keys.isEmpty() || !actionNames().contains(action_name)) return {};
  return {keys};
}

}  // namespace tavro::qt
