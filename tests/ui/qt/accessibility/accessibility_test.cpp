// What a screen reader learns about every window and every control, through
// Qt's accessibility interface: names, descriptions and roles, the help text
// read whole, the menus, and which control has the focus as Tab moves it.
#include <QAccessible>
#include <QLabel>
#include <QMenu>
#include <map>
#include <set>

#include "modes/solvers/help_text.h"
#include "test_program.h"
#include "ui/layout/accessible_text.h"

namespace tavro::qt::testing {

namespace {

QAccessibleInterface* Accessible(QObject* object) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
  if (!accessible) qWarning("no accessible interface for %s", qPrintable(object->objectName()));
  return accessible;
}

QLabel* LabelOf(LayoutWindow& window, const layout::Label& label) {
  for (QLabel* widget : window.Client()->findChildren<QLabel*>())
    if (widget->objectName() == Q(label.name) && widget->property("index").toInt() == label.index)
      return widget;
  return nullptr;
}

// The descriptions chosen for buttons that have no tooltip but share their
// caption with another button of the window: what the button works on.
const std::map<std::pair<QString, QString>, QString> kSharedCaptionDescriptions{
    {{"Form1", "Command11"}, "ПЪРВО ЧИСЛО"},  // MRC beside the first number
    {{"Form1", "Command10"}, "ПЪРВО ЧИСЛО"},  // MEM beside it
    {{"Form1", "Command13"}, "ВТОРО ЧИСЛО"}, {{"Form1", "Command12"}, "ВТОРО ЧИСЛО"},
    {{"Form1", "Command14"}, "ОТГОВОР"},  // MEM beside the answer
    {{"Form6", "Command1"}, "Row 1"},     // ANSWER
    {{"Form6", "Command3"}, "Row 1"},     // CE
    {{"Form6", "Command2"}, "Row 2"},        {{"Form6", "Command4"}, "Row 2"},
};

// The labels that name fields, by window and caption.
const std::map<std::pair<QString, QString>, QString> kLabelledFields{
    {{"Form3", "A"}, "Text1"}, {{"Form3", "hA"}, "Text2"}, {{"Form3", "S"}, "Text3"},
    {{"Form4", "A"}, "Text1"}, {{"Form4", "B"}, "Text2"},  {{"Form4", "C"}, "Text3"},
    {{"Form4", "V"}, "Text4"},
};

// The Brackets window's fields have no tooltips: each is named by its row and
// its role there, and described by its row as it reads.
const QString kRow1 =
    QStringLiteral("( operand 1 operator 1 operand 2 ) operator 2 operand 3 = result");
const QString kRow2 = QStringLiteral(
    "( operand 1 operator 1 operand 2 ) operator 2 ( operand 3 operator 3 operand 4 ) = result");
const std::map<QString, std::pair<QString, QString>> kBracketFields{
    {"Text1", {"Row 1, operand 1", kRow1}},  {"Text2", {"Row 1, operator 1", kRow1}},
    {"Text3", {"Row 1, operand 2", kRow1}},  {"Text4", {"Row 1, operator 2", kRow1}},
    {"Text5", {"Row 1, operand 3", kRow1}},  {"Text6", {"Row 1, result", kRow1}},
    {"Text7", {"Row 2, operand 1", kRow2}},  {"Text8", {"Row 2, operator 1", kRow2}},
    {"Text9", {"Row 2, operand 2", kRow2}},  {"Text10", {"Row 2, operator 2", kRow2}},
    {"Text11", {"Row 2, operand 3", kRow2}}, {"Text12", {"Row 2, operator 3", kRow2}},
    {"Text13", {"Row 2, operand 4", kRow2}}, {"Text14", {"Row 2, result", kRow2}},
};

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

 private:
  static void AddWindows() {
    QTest::addColumn<QString>("window");
    for (const layout::WindowLayout* layout : support::AllLayouts())
      QTest::newRow(layout->name.data()) << Q(layout->name);
  }

 private Q_SLOTS:
  void windowNames_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::newRow("Form1") << "Form1"
                           << "Standart" << QAccessible::Window;
    QTest::newRow("Form2") << "Form2"
                           << "Functional" << QAccessible::Window;
    QTest::newRow("Form3") << "Form3"
                           << "Triangle" << QAccessible::Window;
    // No title: named as the other windows' menus name it.
    QTest::newRow("Form4") << "Form4"
                           << "Paralelepiped" << QAccessible::Window;
    // Only read: a dialog, whose text a screen reader reads when it opens.
    QTest::newRow("Form5") << "Form5"
                           << "Help" << QAccessible::Dialog;
    QTest::newRow("Form6") << "Form6"
                           << "Brackets" << QAccessible::Window;
  }
  void windowNames() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    TestProgram program;
    LayoutWindow* built = program.Open(window.toStdString());
    QVERIFY(built);
    QAccessibleInterface* accessible = Accessible(built);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    // The name is announced only: the title bar shows the layout's title.
    QCOMPARE(built->windowTitle(), Q(LayoutNamed(window).title));
  }

  void buttons_data() { AddWindows(); }
  void buttons() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    TestProgram program;
    LayoutWindow* built = program.Open(layout.name);
    QVERIFY(built);
    for (const layout::Button& button : layout.buttons) {
      QAccessibleInterface* accessible = Accessible(built->Button(button.name));
      QVERIFY2(accessible, button.name.data());
      QCOMPARE(accessible->role(), QAccessible::Button);
      // By its caption; a picture button, which has none, by its tooltip.
      const QString name = accessible->text(QAccessible::Name);
      QCOMPARE(name, Q(button.picture == layout::Picture::None ? button.caption : button.tooltip));
      QVERIFY2(!name.isEmpty() && !name.contains('&'), button.name.data());
      const auto shared = kSharedCaptionDescriptions.find({window, Q(button.name)});
      const QString description = !button.tooltip.empty()                      ? Q(button.tooltip)
                                  : shared != kSharedCaptionDescriptions.end() ? shared->second
                                                                               : QString();
      QCOMPARE(accessible->text(QAccessible::Description), description);
      QVERIFY(accessible->state().focusable);
      QVERIFY(accessible->actionInterface());
      QVERIFY(accessible->actionInterface()->actionNames().contains(
          QAccessibleActionInterface::pressAction()));
    }
  }

  void pressingThroughTheInterfaceRunsTheButton() {
    // A screen reader's "press" is a click.
    TestProgram program;
    LayoutWindow* standard = program.Open("Form1");
    QVERIFY(standard);
    standard->Field("Text1")->setText(QStringLiteral("2"));
    standard->Field("Text2")->setText(QStringLiteral("3"));
    QAccessibleInterface* plus = Accessible(standard->Button("Command1"));
    QVERIFY(plus);
    plus->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(standard->Field("Text3")->text(), QStringLiteral("5"));
    QCOMPARE(Accessible(standard->Field("Text3"))->text(QAccessible::Value), QStringLiteral("5"));
  }

  void fields_data() { AddWindows(); }
  void fields() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    TestProgram program;
    LayoutWindow* built = program.Open(layout.name);
    QVERIFY(built);
    for (const layout::Field& field : layout.fields) {
      QAccessibleInterface* accessible = Accessible(built->Field(field.name));
      QVERIFY2(accessible, field.name.data());
      QCOMPARE(accessible->role(), QAccessible::EditableText);
      QVERIFY(accessible->state().editable);
      QVERIFY(accessible->state().focusable);
      QString name = Q(field.tooltip);
      QString description = Q(field.tooltip);
      if (field.tooltip.empty()) {
        const auto chosen = kBracketFields.find(Q(field.name));
        QVERIFY2(chosen != kBracketFields.end(), field.name.data());
        std::tie(name, description) = chosen->second;
      }
      QCOMPARE(accessible->text(QAccessible::Name), name);
      QCOMPARE(accessible->text(QAccessible::Description), description);
    }
  }

  void labels_data() { AddWindows(); }
  void labels() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    TestProgram program;
    LayoutWindow* built = program.Open(layout.name);
    QVERIFY(built);
    for (const layout::Label& label : layout.labels) {
      QLabel* widget = LabelOf(*built, label);
      QVERIFY(widget);
      QAccessibleInterface* accessible = Accessible(widget);
      QVERIFY(accessible);
      QCOMPARE(accessible->role(), QAccessible::StaticText);
      QCOMPARE(accessible->text(QAccessible::Name), Q(label.caption));
      QCOMPARE(accessible->text(QAccessible::Description), QString());
      QVERIFY(!accessible->state().focusable);
      // A letter names the field beside it, and the field is announced with it.
      const auto named = kLabelledFields.find({window, Q(label.caption)});
      const auto relations = accessible->relations(QAccessible::Labelled);
      if (named == kLabelledFields.end()) {
        QVERIFY2(relations.isEmpty(), label.caption.data());
        continue;
      }
      QLineEdit* field = built->Field(named->second.toStdString());
      QCOMPARE(relations.size(), 1);
      QCOMPARE(relations.front().first->object(), field);
      const auto labels = Accessible(field)->relations(QAccessible::Label);
      QCOMPARE(labels.size(), 1);
      QCOMPARE(labels.front().first->object(), widget);
    }
  }

  void helpTextIsReadWhole() {
    TestProgram program;
    LayoutWindow* help = program.Open("Form5");
    QVERIFY(help);
    const QList<QLabel*> labels = help->Client()->findChildren<QLabel*>();
    QCOMPARE(labels.size(), 1);
    QAccessibleInterface* accessible = Accessible(labels.front());
    QVERIFY(accessible);
    const QString text = Q(kHelpText);
    QCOMPARE(text.size(), 118);
    QCOMPARE(accessible->text(QAccessible::Name), text);
    // Where the label offers its text character by character, it is the same.
    if (QAccessibleTextInterface* characters = accessible->textInterface())
      QCOMPARE(characters->text(0, characters->characterCount()), text);
  }

  void everyControlIsInTheTreeAndToldApart_data() { AddWindows(); }
  void everyControlIsInTheTreeAndToldApart() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    TestProgram program;
    LayoutWindow* built = program.Open(layout.name);
    QVERIFY(built);
    // Walking down from the window reaches every field, button and label,
    // and nothing stands for the lines, which only draw a figure.
    std::set<QObject*> reached;
    std::vector<QAccessibleInterface*> pending{Accessible(built)};
    while (!pending.empty()) {
      QAccessibleInterface* accessible = pending.back();
      pending.pop_back();
      reached.insert(accessible->object());
      for (int i = 0; i < accessible->childCount(); ++i)
        if (QAccessibleInterface* child = accessible->child(i)) pending.push_back(child);
    }
    const QList<QWidget*> controls =
        built->Client()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    QCOMPARE(controls.size(),
             qsizetype(layout.buttons.size() + layout.fields.size() + layout.labels.size()));
    for (QWidget* control : controls)
      QVERIFY2(reached.count(control), qPrintable(control->objectName()));
    QCOMPARE(Accessible(built->Client())->childCount(), controls.size());

    // Every control that takes the focus is told apart from the others by
    // what is announced for it.
    std::set<std::pair<QString, QString>> announced;
    for (QWidget* control : built->TabOrder()) {
      QAccessibleInterface* accessible = Accessible(control);
      const QString name = accessible->text(QAccessible::Name);
      QVERIFY2(!name.trimmed().isEmpty(), qPrintable(control->objectName()));
      QVERIFY2(announced.insert({name, accessible->text(QAccessible::Description)}).second,
               qPrintable(control->objectName() + ": " + name));
    }
  }

  void menus_data() { AddWindows(); }
  void menus() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    TestProgram program;
    LayoutWindow* built = program.Open(layout.name);
    QVERIFY(built);
    if (layout.menu_bar.empty()) {
      QVERIFY(!built->MenuBar());
      return;
    }
    QAccessibleInterface* bar = Accessible(built->MenuBar());
    QVERIFY(bar);
    QCOMPARE(bar->role(), QAccessible::MenuBar);
    QCOMPARE(bar->childCount(), int(layout.menu_bar.size()));
    for (std::size_t i = 0; i < layout.menu_bar.size(); ++i) {
      const layout::MenuBarEntry& top = layout.menu_bar[i];
      QAccessibleInterface* item = bar->child(int(i));
      QVERIFY(item);
      QCOMPARE(item->role(), QAccessible::MenuItem);
      QCOMPARE(item->text(QAccessible::Name), Q(layout::WithoutAccessKey(top.caption)));
      // Alt with the access key opens a menu-bar entry.
      QCOMPARE(item->text(QAccessible::Accelerator),
               QStringLiteral("Alt+") + layout::WithoutAccessKey(top.caption).front());
      if (top.entries.empty()) continue;
      auto* menu = built->MenuBar()->findChild<QMenu*>(Q(top.name));
      QVERIFY(menu);
      QAccessibleInterface* drop_down = Accessible(menu);
      QVERIFY(drop_down);
      QCOMPARE(drop_down->childCount(), int(top.entries.size()));
      for (std::size_t j = 0; j < top.entries.size(); ++j) {
        const layout::MenuEntry& entry = top.entries[j];
        QAccessibleInterface* entry_item = drop_down->child(int(j));
        QVERIFY(entry_item);
        QCOMPARE(entry_item->role(), QAccessible::MenuItem);
        QCOMPARE(entry_item->text(QAccessible::Name), Q(layout::WithoutAccessKey(entry.caption)));
        // The shortcut is announced with the entry; without one, no key is:
        // Alt with its access key does nothing inside a drop-down.
        const QString keys = entry_item->text(QAccessible::Accelerator);
        QCOMPARE(QKeySequence(keys, QKeySequence::PortableText),
                 QKeySequence(Q(entry.shortcut), QKeySequence::PortableText));
        QCOMPARE(entry_item->actionInterface()->keyBindingsForAction(
                     QAccessibleActionInterface::pressAction()),
                 entry.shortcut.empty() ? QStringList() : QStringList{keys});
      }
    }
  }

  void focusFollowsTab_data() { AddWindows(); }
  void focusFollowsTab() {
    // A screen reader asks the active window which control has the focus and
    // announces it; as Tab moves the focus, so does the answer.
    QFETCH(QString, window);
    TestProgram program;
    LayoutWindow* built = program.Open(window.toStdString());
    QVERIFY(built);
    QAccessibleInterface* accessible = Accessible(built);
    QVERIFY(accessible);
    QCOMPARE(accessible->state().active, true);
    QStringList expected;
    for (QWidget* control : built->TabOrder())
      expected << Accessible(control)->text(QAccessible::Name);
    QStringList announced;
    for (qsizetype step = 0; step <= expected.size(); ++step) {
      QAccessibleInterface* focused = accessible->focusChild();
      if (!focused) break;
      QVERIFY(focused->state().focused);
      announced << focused->text(QAccessible::Name);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    if (expected.isEmpty()) {
      QCOMPARE(announced, QStringList());  // the Help window has nothing to focus
      return;
    }
    QCOMPARE(announced, expected + expected.mid(0, 1));
  }
};

}  // namespace tavro::qt::testing

QTEST_MAIN(tavro::qt::testing::AccessibilityTest)
#include "accessibility_test.moc"
