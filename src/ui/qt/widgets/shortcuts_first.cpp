#include "ui/qt/widgets/shortcuts_first.h"

#include <QKeyEvent>

namespace tavro::qt {

ShortcutsFirst::ShortcutsFirst(QList<QKeySequence> shortcuts, QObject* parent)
    : QObject(parent), shortcuts_(std::move(shortcuts)) {}

bool ShortcutsFirst::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ShortcutOverride) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers modifiers =
        key->modifiers() &
        (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (Claims(QKeySequence(QKeyCombination(modifiers, Qt::Key(key->key()))))) {
      event->ignore();  // not wanted by the field: the shortcut fires
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace tavro::qt
