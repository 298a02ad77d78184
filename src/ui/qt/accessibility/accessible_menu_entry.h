#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QPointer>

class QAction;

namespace tavro::qt {

// A menu entry as a screen reader sees it, with only the keys that choose it.
// Qt offers Alt with the access key for every entry that has no shortcut,
// but Alt with a letter opens only a menu-bar entry; inside an open drop-down
// the letter alone chooses, and a shortcut works from anywhere in the window.
// So a menu-bar entry offers Alt with its access key, a drop-down entry its
// shortcut, and one without a shortcut no key at all. Everything else is as
// Qt tells it.
class AccessibleMenuEntry final : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  AccessibleMenuEntry(QWidget* owner, QAction* action);

  // For QAccessible::installFactory: the entries of menu bars and drop-downs.
  static QAccessibleInterface* Create(const QString& class_name, QObject* object);

  bool isValid() const override;
  QObject* object() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int index) const override;
  int childCount() const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QString text(QAccessible::Text t) const override;
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override;
  void doAction(const QString& action_name) override;
  QStringList keyBindingsForAction(const QString& action_name) const override;

 private:
  // The keys that choose the entry, as text; empty when none does.
  QString Keys() const;

  QPointer<QAction> action_;
  QPointer<QWidget> owner_;  // the menu bar or drop-down that lists the entry
};

}  // namespace tavro::qt
