#pragma once

#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/window_model.h"
#include "ui/layout/window_layout.h"
#include "ui/qt/widgets/fixed_size_guard.h"

class QLineEdit;
class QMenuBar;
class QPushButton;

namespace tavro::qt {

class ClientArea;

// The visible part of one window, realised from its layout: a fixed-size
// top-level window whose client area below the menu bar has exactly the
// layout's size, with the layout's controls and menu bar. What the user types
// goes straight into the window's model; ShowModel() puts the model's texts
// back into the fields. Nothing here is specific to one window.
class LayoutWindow : public QWidget {
  Q_OBJECT

 public:
  struct Routes {
    std::function<void(const std::string& handler)> run;  // a button or menu entry was chosen
    std::function<void()> close;                          // the title bar's close button was used
  };

  // `accessible_name` is what a screen reader calls the window, which may
  // have an empty title.
  LayoutWindow(const layout::WindowLayout& layout, WindowModel& model,
               std::string_view accessible_name, Routes routes);
  ~LayoutWindow() override;

  const layout::WindowLayout& Layout() const { return layout_; }
  std::string_view Name() const { return layout_.name; }
  ClientArea* Client() const { return client_; }
  QMenuBar* MenuBar() const { return menu_bar_; }  // nullptr when the layout has none
  QLineEdit* Field(std::string_view name) const;
  QPushButton* Button(std::string_view name) const;
  // The buttons and fields in tab order; labels and lines take no focus.
  const std::vector<QWidget*>& TabOrder() const { return tab_order_; }

  // The fields show the model's texts.
  void ShowModel();
  // Shows the window at its start position as the active window, with the
  // focus on its first control in tab order.
  void Present();
  // Hides the window for good and deletes it once the current event is done,
  // so that a handler run from one of its own controls may close it.
  void Discard();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  struct BoundField {
    QLineEdit* widget;
    TextField* field;  // nullptr when the model has no field of that name
  };

  void BuildControls();
  std::vector<QLineEdit*> FieldWidgets() const;
  void PlaceAtStart();

  const layout::WindowLayout& layout_;
  WindowModel& model_;
  Routes routes_;
  ClientArea* client_ = nullptr;
  QMenuBar* menu_bar_ = nullptr;
  std::vector<BoundField> fields_;
  std::vector<QWidget*> tab_order_;
  bool discarded_ = false;
  FixedSizeGuard fixed_size_;
};

}  // namespace tavro::qt
