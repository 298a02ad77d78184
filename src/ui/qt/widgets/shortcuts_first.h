#pragma once

#include <QKeySequence>
#include <QList>
#include <QObject>

namespace tavro::qt {

// Lets a window's menu shortcuts win over a text field's own editing keys.
// Before a shortcut fires, Qt asks the focused widget whether it wants the
// key itself; a line edit on X11 claims Ctrl+E (end of line) and would keep
// the Exit entry from ever working while it has the focus. Installed on a
// field, this answers that question for the window's own shortcuts: the field
// does not want them.
class ShortcutsFirst : public QObject {
 public:
  ShortcutsFirst(QList<QKeySequence> shortcuts, QObject* parent);

  bool Claims(const QKeySequence& keys) const { return shortcuts_.contains(keys); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QList<QKeySequence> shortcuts_;
};

}  // namespace tavro::qt
