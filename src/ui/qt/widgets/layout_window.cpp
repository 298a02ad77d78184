#include "ui/qt/widgets/layout_window.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <mutex>
#include <utility>

#include "ui/layout/accessible_text.h"
#include "ui/qt/accessibility/accessible_menu_entry.h"
#include "ui/qt/accessibility/announcer.h"
#include "ui/qt/look/assets.h"
#include "ui/qt/platform/platform.h"
#include "ui/qt/widgets/client_area.h"
#include "ui/qt/widgets/fixed_size_guard.h"
#include "ui/qt/widgets/geometry.h"
#include "ui/qt/widgets/layout_button.h"
#include "ui/qt/widgets/layout_field.h"
#include "ui/qt/widgets/layout_label.h"
#include "ui/qt/widgets/menu_bar.h"
#include "ui/qt/widgets/shortcuts_first.h"
#include "ui/qt/widgets/title_bar.h"

namespace tavro::qt {

namespace {

// A fixed single-line frame: title, close button, minimise per window, never
// a maximise button. Where the window system draws no frame, the window draws
// its own title bar (with those buttons), and Qt none.
Qt::WindowFlags FlagsOf(const layout::WindowLayout& layout) {
  if (!WindowSystemDrawsFrames()) return Qt::Window | Qt::FramelessWindowHint;
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint;
  if (layout.minimise_button) flags |= Qt::WindowMinimizeButtonHint;
  return flags;
}

void ShowTitle(QWidget& window, const QString& title) {
  window.setWindowTitle(title);
  if (!title.isEmpty()) return;
  // Qt writes the application's name into an empty title bar; a single blank
  // keeps the bar empty. The widget's own title stays empty.
  window.winId();
  window.windowHandle()->setTitle(QStringLiteral(" "));
}

// To a screen reader, each of the program's windows is a window with a name,
// as a dialog or main window would be, not a mere area of a plain widget. A
// window that is only read (Help) is a dialog, whose text is read when it opens.
QAccessibleInterface* AccessibleWindowOf(const QString& class_name, QObject* object) {
  if (class_name != QLatin1StringView(LayoutWindow::staticMetaObject.className())) return nullptr;
  auto* window = static_cast<LayoutWindow*>(object);
  const bool read_whole = layout::ReadWholeWhenOpened(window->Layout());
  return new QAccessibleWidget(window, read_whole ? QAccessible::Dialog : QAccessible::Window);
}

void InstallAccessibleInterfaces() {
  QAccessible::installFactory(AccessibleWindowOf);
  QAccessible::installFactory(AccessibleMenuEntry::Create);
}

// What a screen reader announces for a control.
void Describe(QWidget* control, const layout::AccessibleText& text) {
  control->setAccessibleName(TextOf(text.name));
  control->setAccessibleDescription(TextOf(text.description));
}

}  // namespace

LayoutWindow::LayoutWindow(const layout::WindowLayout& layout, WindowModel& model,
                           std::string_view accessible_name, Routes routes)
    : QWidget(nullptr, FlagsOf(layout)),
      layout_(layout),
      model_(model),
      routes_(std::move(routes)) {
  static std::once_flag accessible;
  std::call_once(accessible, InstallAccessibleInterfaces);
  setObjectName(TextOf(layout.name));
  setWindowIcon(ProgramIcon());
  // A window with an empty title bar still needs a name to be announced by.
  setAccessibleName(TextOf(accessible_name));

  client_ = new ClientArea(layout, this);
  menu_bar_ = BuildMenuBar(layout, this, [this](const std::string& handler) {
    if (!discarded_) routes_.run(handler);
  });
  auto* frame = new QVBoxLayout(this);
  frame->setContentsMargins(0, 0, 0, 0);
  frame->setSpacing(0);
  if (windowFlags() & Qt::FramelessWindowHint) {
    frame->addWidget(new TitleBar(TextOf(layout.title), layout.minimise_button, this));
    if (menu_bar_) frame->addWidget(menu_bar_);
  } else if (menu_bar_) {
    frame->setMenuBar(menu_bar_);
  }
  frame->addWidget(client_);
  // The window's size is the client area plus the menu bar's height for the
  // current font (and the title bar's, where the window draws its own), and
  // the user cannot change it: the window system is told a minimum and a
  // maximum size, both the window's, so that it offers no maximise and no
  // resizing.
  frame->setSizeConstraint(QLayout::SetFixedSize);

  BuildControls();
  frame->activate();
  ShowTitle(*this, TextOf(layout.title));
}

LayoutWindow::~LayoutWindow() = default;

void LayoutWindow::BuildControls() {
  // Labels first: later siblings are drawn above earlier ones, and the lines
  // are drawn by the client area itself, beneath all of them.
  std::vector<QLabel*> labels;
  for (const layout::Label& label : layout_.labels) {
    labels.push_back(BuildLabel(label, client_));
    Describe(labels.back(), layout::AccessibleTextOf(layout_, label));
  }

  auto* shortcuts_first = new ShortcutsFirst(ShortcutsOf(layout_), this);
  std::vector<std::pair<int, QWidget*>> focusable;
  for (const layout::Field& field : layout_.fields) {
    QLineEdit* edit = BuildField(field, client_);
    Describe(edit, layout::AccessibleTextOf(layout_, field));
    edit->installEventFilter(shortcuts_first);
    TextField* model_field = model_.FindField(field.name);
    fields_.push_back({edit, model_field});
    if (model_field) {
      connect(edit, &QLineEdit::textChanged, this, [this, model_field](const QString& text) {
        if (discarded_) return;
        const std::string typed = text.toStdString();
        if (typed != model_field->text()) model_field->Type(typed);
      });
    }
    focusable.emplace_back(field.tab_index, edit);
  }
  // A field is announced with the label that names it.
  for (std::size_t i = 0; i < labels.size(); ++i)
    if (const layout::Field* named = layout::FieldNamedBy(layout_, layout_.labels[i]))
      labels[i]->setBuddy(Field(named->name));

  for (const layout::Button& button : layout_.buttons) {
    auto* widget = new LayoutButton(button, client_);
    Describe(widget, layout::AccessibleTextOf(layout_, button));
    connect(widget, &QPushButton::clicked, this, [this, handler = layout::HandlerOf(button.name)] {
      if (discarded_) return;
      // What the handler writes is told to a screen reader; the focus stays.
      const ChangedFields changes(FieldWidgets());
      routes_.run(handler);
      if (!discarded_) changes.Announce(*this);
    });
    focusable.emplace_back(button.tab_index, widget);
  }

  std::stable_sort(focusable.begin(), focusable.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (const auto& [index, widget] : focusable) tab_order_.push_back(widget);
  for (std::size_t i = 1; i < tab_order_.size(); ++i) setTabOrder(tab_order_[i - 1], tab_order_[i]);
}

QLineEdit* LayoutWindow::Field(std::string_view name) const {
  for (const BoundField& bound : fields_)
    if (bound.widget->objectName() == TextOf(name)) return bound.widget;
  return nullptr;
}

std::vector<QLineEdit*> LayoutWindow::FieldWidgets() const {
  std::vector<QLineEdit*> widgets;
  for (const BoundField& bound : fields_) widgets.push_back(bound.widget);
  return widgets;
}

QPushButton* LayoutWindow::Button(std::string_view name) const {
  return client_->findChild<QPushButton*>(TextOf(name), Qt::FindDirectChildrenOnly);
}

void LayoutWindow::ShowModel() {
  for (const BoundField& bound : fields_) {
    if (!bound.field) continue;
    const QString text = QString::fromStdString(bound.field->text());
    // Only a changed text is set, so the cursor stays where the user left it.
    if (bound.widget->text() != text) bound.widget->setText(text);
  }
}

void LayoutWindow::PlaceAtStart() {
  if (layout_.start != layout::StartPosition::CentreOfScreen)
    return;  // the window system places it
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  winId();  // the frame is known, where the window system tells it, once the window exists
  QRect placed(QPoint(0, 0), frameGeometry().size());
  placed.moveCenter(screen->availableGeometry().center());
  move(placed.topLeft());
}

void LayoutWindow::Present() {
  PlaceAtStart();
  show();
  raise();
  activateWindow();
  if (tab_order_.empty()) return;
  tab_order_.front()->setFocus(Qt::ActiveWindowFocusReason);
  // Qt shows where the focus is only after the first Tab; a window that
  // opens with the focus on a button, which Enter or the space bar presses,
  // shows it from the start.
  setAttribute(Qt::WA_KeyboardFocusChange);
}

void LayoutWindow::Discard() {
  discarded_ = true;
  hide();
  deleteLater();
}

void LayoutWindow::closeEvent(QCloseEvent* event) {
  // The shell decides what closing means; it discards this window itself.
  event->ignore();
  if (!discarded_ && routes_.close) routes_.close();
}

void LayoutWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  fixed_size_.Resized(*this, event->size());
}

void LayoutWindow::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange) FixedSizeGuard::StateChanged(*this);
}

}  // namespace tavro::qt
