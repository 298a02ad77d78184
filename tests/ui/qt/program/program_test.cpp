// The desktop program driven through its widgets: start, typing and clicking,
// switching with the menus and their shortcuts, Help, End, the close button,
// Enter and the space bar, the clipboard and the decimal separator.
#include <QClipboard>
#include <QImage>
#include <QLocale>
#include <QMenu>

#include "test_program.h"

namespace tavro::qt::testing {

using support::Click;
using support::Settle;
using support::Type;

class ProgramTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void startShowsTheStandardWindowAlone() {
    TestProgram program;
    LayoutWindow* standard = program.Open("Form1");
    QVERIFY(standard);
    QCOMPARE(TestProgram::VisibleWindows(), QStringList{"Form1"});
    QCOMPARE(standard->windowTitle(), QStringLiteral("Standart"));
    for (const char* name : {"Text1", "Text2", "Text3"})
      QCOMPARE(standard->Field(name)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), standard->Field("Text1"));
    QCOMPARE(QApplication::activeWindow(), standard);
  }

  void typedTextReachesTheModelAndResultsComeBack() {
    TestProgram program;
    LayoutWindow* standard = program.Open("Form1");
    QVERIFY(standard);
    Type(standard->Field("Text1"), QStringLiteral("2"));
    Type(standard->Field("Text2"), QStringLiteral("3"));
    QCOMPARE(program.shell().Model("Form1")->FindField("Text1")->text(), std::string("2"));
    Click(standard->Button("Command1"));
    QCOMPARE(standard->Field("Text3")->text(), QStringLiteral("5"));
    // "Send top" writes the answer into the first field and empties the third.
    Click(standard->Button("Command5"));
    QCOMPARE(standard->Field("Text1")->text(), QStringLiteral("5"));
    QCOMPARE(standard->Field("Text3")->text(), QString());
  }

  void aSwitchKeepsCellsAndEmptiesFields() {
    TestProgram program;
    LayoutWindow* standard = program.Open("Form1");
    QVERIFY(standard);
    Type(standard->Field("Text1"), QStringLiteral("7"));
    Click(standard->Button("Command10"));  // MEM of the first number
    QTest::keyClick(standard->Field("Text1"), Qt::Key_F, Qt::ControlModifier);
    Settle();
    QVERIFY(!program.Window("Form1"));
    QCOMPARE(TestProgram::VisibleWindows(), QStringList{"Form2"});
    LayoutWindow* converter = program.Window("Form2");
    QVERIFY(QTest::qWaitForWindowActive(converter));
    QCOMPARE(QApplication::focusWidget(), converter->Field("Text1"));

    QTest::keyClick(converter->Field("Text1"), Qt::Key_S, Qt::ControlModifier);
    Settle();
    standard = program.Window("Form1");
    QVERIFY(standard);
    QVERIFY(QTest::qWaitForWindowActive(standard));
    QCOMPARE(standard->Field("Text1")->text(), QString());
    Click(standard->Button("Command11"));  // MRC into the first number
    QCOMPARE(standard->Field("Text1")->text(), QStringLiteral("7"));
  }

  void everyShortcutWorksFromATextField_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QKeySequence>("keys");
    for (const layout::WindowLayout* layout : support::AllLayouts())
      for (const layout::MenuBarEntry& top : layout->menu_bar)
        for (const layout::MenuEntry& entry : top.entries)
          if (!entry.shortcut.empty())
            QTest::addRow("%s %s", layout->name.data(), entry.name.data())
                << Q(layout->name) << Q(entry.name) << QKeySequence(Q(entry.shortcut));
  }
  void everyShortcutWorksFromATextField() {
    QFETCH(QString, window);
    QFETCH(QString, entry);
    QFETCH(QKeySequence, keys);
    TestProgram program;
    LayoutWindow* open = program.Open(window.toStdString());
    QVERIFY(open);
    QLineEdit* field = open->Client()->findChild<QLineEdit*>();
    QVERIFY(field);
    field->setFocus();
    QTest::keySequence(field, keys);
    Settle();

    const auto action =
        support::FindNavigation(window.toStdString(), layout::HandlerOf(entry.toStdString()));
    QVERIFY(action);
    if (action->kind == shell::NavigationKind::End) {
      QCOMPARE(program.ends(), 1);
      QCOMPARE(TestProgram::VisibleWindows(), QStringList());
    } else {
      QCOMPARE(action->kind, shell::NavigationKind::SwitchTo);
      QCOMPARE(TestProgram::VisibleWindows(), QStringList{Q(support::NameOf(*action->target))});
      QCOMPARE(program.ends(), 0);
    }
  }

  void keysWithoutAnEntryDoNothing_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QKeySequence>("keys");
    QTest::newRow("Ctrl+B in Form4") << "Form4" << QKeySequence(QStringLiteral("Ctrl+B"));
    QTest::newRow("Ctrl+P in Form4") << "Form4" << QKeySequence(QStringLiteral("Ctrl+P"));
    QTest::newRow("Ctrl+F in Form6") << "Form6" << QKeySequence(QStringLiteral("Ctrl+F"));
    QTest::newRow("Ctrl+S in Form1") << "Form1" << QKeySequence(QStringLiteral("Ctrl+S"));
  }
  void keysWithoutAnEntryDoNothing() {
    QFETCH(QString, window);
    QFETCH(QKeySequence, keys);
    TestProgram program;
    LayoutWindow* open = program.Open(window.toStdString());
    QVERIFY(open);
    QTest::keySequence(open->Client()->findChild<QLineEdit*>(), keys);
    Settle();
    QCOMPARE(TestProgram::VisibleWindows(), QStringList{window});
    QCOMPARE(program.ends(), 0);
  }

  void accessKeysOpenTheMenus() {
    TestProgram program;
    LayoutWindow* triangle = program.Open("Form3");
    QVERIFY(triangle);
    // Alt+H chooses the Help entry of the menu bar at once.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_H, Qt::AltModifier);
    Settle();
    QCOMPARE(TestProgram::VisibleWindows(), (QStringList{"Form3", "Form5"}));
    // Alt+O opens the drop-down, where a letter alone chooses an entry.
    QVERIFY(QTest::qWaitForWindowActive(program.Window("Form5")));
    triangle->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(triangle));
    QTest::keyClick(triangle->Field("Text1"), Qt::Key_O, Qt::AltModifier);
    auto* options = triangle->MenuBar()->findChild<QMenu*>(QStringLiteral("main"));
    QVERIFY(options);
    QTRY_VERIFY(options->isVisible());
    QTest::keyClick(options, Qt::Key_P);
    Settle();
    QCOMPARE(TestProgram::VisibleWindows(), (QStringList{"Form4", "Form5"}));
  }

  void helpOpensOnceAndStaysBeside() {
    TestProgram program;
    QVERIFY(program.Open("Form3"));
    program.Choose("Form3", "help2");
    program.Choose("Form3", "help2");
    QCOMPARE(TestProgram::VisibleWindows(), (QStringList{"Form3", "Form5"}));
    LayoutWindow* help = program.Window("Form5");
    QCOMPARE(help->windowTitle(), QStringLiteral("Help"));
    QVERIFY(!(help->windowFlags() & Qt::WindowMinimizeButtonHint));
    // A switch leaves the Help window alone; Help from the next solver finds it.
    program.Choose("Form3", "f3");
    QCOMPARE(TestProgram::VisibleWindows(), (QStringList{"Form4", "Form5"}));
    program.Choose("Form4", "help1");
    QCOMPARE(TestProgram::VisibleWindows(), (QStringList{"Form4", "Form5"}));
    QCOMPARE(program.Window("Form5"), help);
    // Minimised by the user, Help comes back and is the active window again.
    help->showMinimized();
    QVERIFY(help->isMinimized());
    program.Window("Form4")->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(program.Window("Form4")));
    program.Choose("Form4", "help1");
    QVERIFY(!help->isMinimized());
    QVERIFY(QTest::qWaitForWindowActive(help));
    QCOMPARE(program.ends(), 0);
  }

  void framesStayFixed() {
    // Neither a maximised state nor a larger size that the window system
    // gives a window sticks: the window asks for its own size back.
    TestProgram program;
    LayoutWindow* form1 = program.Window("Form1");
    QVERIFY(form1);
    const QSize fixed = form1->size();
    form1->showMaximized();
    QTRY_VERIFY(!(form1->windowState() & Qt::WindowMaximized));
    QTRY_COMPARE(form1->size(), fixed);
    form1->windowHandle()->showFullScreen();
    QTRY_VERIFY(!(form1->windowState() & Qt::WindowFullScreen));
    QTRY_COMPARE(form1->size(), fixed);
    form1->windowHandle()->resize(fixed * 2);
    QTRY_COMPARE(form1->size(), fixed);
  }

  void endClosesEverything() {
    TestProgram program;
    QVERIFY(program.Open("Form5"));
    LayoutWindow* triangle = program.Window("Form3");
    triangle->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(triangle));
    QTest::keyClick(triangle->Field("Text2"), Qt::Key_E, Qt::ControlModifier);
    Settle();
    QCOMPARE(program.ends(), 1);
    QCOMPARE(TestProgram::VisibleWindows(), QStringList());
    QVERIFY(!program.shell().Running());
  }

  void everyExitButtonEnds_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    QTest::newRow("Form1") << "Form1"
                           << "Command9";
    QTest::newRow("Form2") << "Form2"
                           << "exit";
    QTest::newRow("Form3") << "Form3"
                           << "Command4";
    QTest::newRow("Form4") << "Form4"
                           << "Command4";
    QTest::newRow("Form6") << "Form6"
                           << "Command5";
  }
  void everyExitButtonEnds() {
    QFETCH(QString, window);
    QFETCH(QString, button);
    TestProgram program;
    LayoutWindow* open = program.Open(window.toStdString());
    QVERIFY(open);
    Click(open->Button(button.toStdString()));
    QCOMPARE(program.ends(), 1);
    QCOMPARE(TestProgram::VisibleWindows(), QStringList());
  }

  void closeButtonClosesOneWindow() {
    TestProgram program;
    QVERIFY(program.Open("Form5"));
    // The mode window closed by its title bar: Help alone keeps the program.
    QVERIFY(!program.Window("Form3")->close());
    Settle();
    QCOMPARE(TestProgram::VisibleWindows(), QStringList{"Form5"});
    QCOMPARE(program.ends(), 0);
    QVERIFY(program.shell().Running());
    program.Window("Form5")->close();
    Settle();
    QCOMPARE(program.ends(), 1);
    QVERIFY(!program.shell().Running());
  }

  void closingTheOnlyWindowEnds() {
    TestProgram program;
    QVERIFY(program.Open("Form1"));
    program.Window("Form1")->close();
    Settle();
    QCOMPARE(program.ends(), 1);
  }

  void enterAndSpacePressTheFocusedButton_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
    QTest::newRow("space") << int(Qt::Key_Space);
  }
  void enterAndSpacePressTheFocusedButton() {
    QFETCH(int, key);
    TestProgram program;
    LayoutWindow* brackets = program.Open("Form6");
    QVERIFY(brackets);
    // The EXIT button is first in tab order and has the focus.
    QCOMPARE(QApplication::focusWidget(), brackets->Button("Command5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                    key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
    Settle();
    QCOMPARE(program.ends(), 1);
  }

  void tabFromTheAreaThenEnterEnds() {
    TestProgram program;
    LayoutWindow* triangle = program.Open("Form3");
    QVERIFY(triangle);
    triangle->Field("Text3")->setFocus();
    QTest::keyClick(triangle->Field("Text3"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), triangle->Button("Command4"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    Settle();
    QCOMPARE(program.ends(), 1);
  }

  void enterAndEscapeInAFieldDoNothing() {
    TestProgram program;
    LayoutWindow* standard = program.Open("Form1");
    QVERIFY(standard);
    Type(standard->Field("Text1"), QStringLiteral("2"));
    Type(standard->Field("Text2"), QStringLiteral("3"));
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
      QTest::keyClick(standard->Field("Text2"), key);
    Settle();
    QCOMPARE(TestProgram::VisibleWindows(), QStringList{"Form1"});
    QCOMPARE(standard->Field("Text3")->text(), QString());  // no button was pressed
    QCOMPARE(standard->Field("Text2")->text(), QStringLiteral("3"));
    QCOMPARE(program.ends(), 0);
  }

  void pasteReadsTheClipboardAsPlainText() {
    TestProgram program;
    LayoutWindow* converter = program.Open("Form2");
    QVERIFY(converter);
    Type(converter->Field("Text1"), QStringLiteral("99"));
    QGuiApplication::clipboard()->setText(QStringLiteral("12.5 см"));
    Click(converter->Button("Command15"));
    QCOMPARE(converter->Field("Text1")->text(), QStringLiteral("12.5 см"));
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(picture);
    Click(converter->Button("Command15"));
    QCOMPARE(converter->Field("Text1")->text(), QString());
  }

  void commaWhereTheRegionUsesOne() {
    // Run under LC_ALL=bg_BG.UTF-8: numbers are read and written with a comma.
    TAVRO_SKIP_UNLESS(QLocale::system().decimalPoint() == QStringLiteral(","),
                      "needs a locale with a decimal comma");
    TestProgram program;
    LayoutWindow* standard = program.Open("Form1");
    QVERIFY(standard);
    Type(standard->Field("Text1"), QStringLiteral("2,5"));
    Type(standard->Field("Text2"), QStringLiteral("1"));
    Click(standard->Button("Command1"));
    QCOMPARE(standard->Field("Text3")->text(), QStringLiteral("3,5"));
  }
};

}  // namespace tavro::qt::testing

QTEST_MAIN(tavro::qt::testing::ProgramTest)
#include "program_test.moc"
