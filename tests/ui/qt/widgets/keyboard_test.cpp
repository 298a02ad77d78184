// Every function of every window from the keyboard alone: each button by Tab
// and Space or Enter, each menu entry by its access keys, each shortcut from
// whatever control has the focus. The windows are built straight from their
// layouts, and what their controls ask to run is recorded instead of run.
#include <QMenu>
#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <utility>

#include "test_program.h"
#include "ui/qt/look/assets.h"

namespace tavro::qt::testing {

namespace {

// A window built from its layout alone, shown and active, that records the
// handlers its buttons and menu entries ask for.
class RecordingWindow {
 public:
  explicit RecordingWindow(const layout::WindowLayout& layout)
      : model_(std::string(layout.name), DecimalSeparator::FullStop()),
        window_(std::make_unique<LayoutWindow>(
            layout, model_, layout.name,
            LayoutWindow::Routes{[this](const std::string& handler) { run_ << Q(handler); },
                                 [] {}})) {
    window_->Present();
  }

  LayoutWindow* get() const { return window_.get(); }
  // The handlers asked for since the last call.
  QStringList TakeRun() { return std::exchange(run_, {}); }

 private:
  WindowModel model_;
  std::unique_ptr<LayoutWindow> window_;
  QStringList run_;
};

// The letter that "&" marks in a caption.
Qt::Key AccessKeyOf(std::string_view caption) {
  const auto amp = caption.find('&');
  if (amp == std::string_view::npos || amp + 1 >= caption.size()) return Qt::Key_unknown;
  return Qt::Key(QChar(caption[amp + 1]).toUpper().unicode());
}

QStringList HandlersInTabOrder(const layout::WindowLayout& layout) {
  std::vector<std::pair<int, QString>> buttons;
  for (const layout::Button& button : layout.buttons)
    buttons.emplace_back(button.tab_index, Q(layout::HandlerOf(button.name)));
  std::sort(buttons.begin(), buttons.end());
  QStringList handlers;
  for (const auto& [index, handler] : buttons) handlers << handler;
  return handlers;
}

}  // namespace

class KeyboardTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() {
    QuietenOffscreenRaise();
    // An open drop-down would grab the keyboard, which the offscreen platform
    // cannot do and says so each time; the keys reach the drop-down anyway.
    static const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
          if (!message.contains(QStringLiteral("does not support grabbing the keyboard")))
            previous(type, context, message);
        });
    LoadAssets();
  }

  void everyButtonByTabAndKey_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("key");
    for (const layout::WindowLayout* layout : support::AllLayouts()) {
      if (layout->buttons.empty()) continue;
      QTest::addRow("%s space", layout->name.data()) << Q(layout->name) << int(Qt::Key_Space);
      QTest::addRow("%s Enter", layout->name.data()) << Q(layout->name) << int(Qt::Key_Return);
    }
  }
  void everyButtonByTabAndKey() {
    QFETCH(QString, window);
    QFETCH(int, key);
    const layout::WindowLayout& layout = LayoutNamed(window);
    RecordingWindow built(layout);
    QVERIFY(QTest::qWaitForWindowActive(built.get()));
    // Tab from the first control round to it again, pressing every button on
    // the way: each button runs its own handler, once.
    for (std::size_t step = 0; step < layout.buttons.size() + layout.fields.size(); ++step) {
      QWidget* focus = QApplication::focusWidget();
      QVERIFY(focus);
      if (qobject_cast<QPushButton*>(focus)) QTest::keyClick(focus, Qt::Key(key));
      QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(QApplication::focusWidget(), built.get()->TabOrder().front());
    QCOMPARE(built.TakeRun(), HandlersInTabOrder(layout));
  }

  void everyMenuEntryByAccessKeys_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("top");
    QTest::addColumn<QString>("entry");  // empty for a menu-bar entry without a drop-down
    for (const layout::WindowLayout* layout : support::AllLayouts())
      for (const layout::MenuBarEntry& top : layout->menu_bar) {
        if (top.entries.empty())
          QTest::addRow("%s %s", layout->name.data(), top.name.data())
              << Q(layout->name) << Q(top.name) << QString();
        for (const layout::MenuEntry& entry : top.entries)
          QTest::addRow("%s %s", layout->name.data(), entry.name.data())
              << Q(layout->name) << Q(top.name) << Q(entry.name);
      }
  }
  void everyMenuEntryByAccessKeys() {
    QFETCH(QString, window);
    QFETCH(QString, top);
    QFETCH(QString, entry);
    const layout::WindowLayout& layout = LayoutNamed(window);
    const auto top_entry =
        std::find_if(layout.menu_bar.begin(), layout.menu_bar.end(),
                     [&](const layout::MenuBarEntry& e) { return Q(e.name) == top; });
    QVERIFY(top_entry != layout.menu_bar.end());
    RecordingWindow built(layout);
    QVERIFY(QTest::qWaitForWindowActive(built.get()));

    // Alt with the menu-bar entry's letter, from whatever has the focus.
    QTest::keyClick(QApplication::focusWidget(), AccessKeyOf(top_entry->caption), Qt::AltModifier);
    if (entry.isEmpty()) {
      QCOMPARE(built.TakeRun(), QStringList{Q(layout::HandlerOf(top_entry->name))});
      return;
    }
    auto* menu = built.get()->MenuBar()->findChild<QMenu*>(top);
    QVERIFY(menu);
    QTRY_VERIFY(menu->isVisible());
    QCOMPARE(built.TakeRun(), QStringList());  // opening the drop-down runs nothing
    // Then the entry's letter alone.
    const auto chosen =
        std::find_if(top_entry->entries.begin(), top_entry->entries.end(),
                     [&](const layout::MenuEntry& e) { return Q(e.name) == entry; });
    QVERIFY(chosen != top_entry->entries.end());
    QTest::keyClick(menu, AccessKeyOf(chosen->caption));
    QCOMPARE(built.TakeRun(), QStringList{Q(layout::HandlerOf(chosen->name))});
    QTRY_VERIFY(!menu->isVisible());
  }

  void accessKeysAreUnambiguous() {
    // A letter that marked two entries of one menu would only move between
    // them instead of choosing one.
    for (const layout::WindowLayout* layout : support::AllLayouts()) {
      std::set<int> tops;
      for (const layout::MenuBarEntry& top : layout->menu_bar) {
        QVERIFY2(tops.insert(AccessKeyOf(top.caption)).second, top.caption.data());
        std::set<int> letters;
        for (const layout::MenuEntry& entry : top.entries) {
          QVERIFY2(AccessKeyOf(entry.caption) != Qt::Key_unknown, entry.caption.data());
          QVERIFY2(letters.insert(AccessKeyOf(entry.caption)).second, entry.caption.data());
        }
      }
    }
  }

  void everyShortcutFromEveryControl_data() {
    QTest::addColumn<QString>("window");
    for (const layout::WindowLayout* layout : support::AllLayouts())
      if (!layout->menu_bar.empty()) QTest::newRow(layout->name.data()) << Q(layout->name);
  }
  void everyShortcutFromEveryControl() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    RecordingWindow built(layout);
    QVERIFY(QTest::qWaitForWindowActive(built.get()));
    for (QWidget* control : built.get()->TabOrder()) {
      control->setFocus();
      QCOMPARE(QApplication::focusWidget(), control);
      for (const layout::MenuBarEntry& top : layout.menu_bar)
        for (const layout::MenuEntry& entry : top.entries) {
          if (entry.shortcut.empty()) continue;
          QTest::keySequence(control, QKeySequence(Q(entry.shortcut), QKeySequence::PortableText));
          QVERIFY2(built.TakeRun() == QStringList{Q(layout::HandlerOf(entry.name))},
                   qPrintable(control->objectName() + " " + Q(entry.shortcut)));
        }
    }
  }
};

}  // namespace tavro::qt::testing

QTEST_MAIN(tavro::qt::testing::KeyboardTest)
#include "keyboard_test.moc"
