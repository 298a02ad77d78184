// Text fields: maximum lengths counted in characters, never cutting one;
// fields without a limit; clicks through the labels that overlap fields; the
// decimal separator of a locale.
#include <QAccessible>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <algorithm>

#include "test_program.h"
#include "ui/qt/program/regional_settings.h"
#include "ui/qt/widgets/character_limit.h"
#include "ui/qt/widgets/shortcuts_first.h"

namespace tavro::qt::testing {

namespace {

const QString kEmoji = QString::fromUtf8("\xF0\x9F\x98\x80");  // one character, two UTF-16 units

// What an input method or a keyboard delivers as one typed text.
void Commit(QLineEdit* field, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
  QApplication::sendEvent(field, &press);
}

void Paste(QLineEdit* field, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  field->paste();
}

}  // namespace

class FieldTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void countsCharacters_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("characters");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("digits") << QStringLiteral("12.5") << 4;
    QTest::newRow("Cyrillic") << QStringLiteral("ЧИСЛО") << 5;
    QTest::newRow("emoji") << kEmoji << 1;
    QTest::newRow("mixed") << (QStringLiteral("a") + kEmoji + QStringLiteral("б") + kEmoji) << 4;
    QTest::newRow("lone high surrogate") << QString(QChar(0xD83D)) << 1;
  }
  void countsCharacters() {
    QFETCH(QString, text);
    QFETCH(int, characters);
    QCOMPARE(CountCharacters(text), characters);
  }

  void fitsAnEdit_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("fitted");
    QTest::addColumn<int>("cursor");
    QTest::newRow("typing into a full field") << "ab"
                                              << "abc" << 2 << "ab" << 2;
    QTest::newRow("paste keeps what fits") << ""
                                           << "12345" << 3 << "123" << 3;
    QTest::newRow("insert in the middle") << "ad"
                                          << "abcd" << 3 << "abd" << 2;
    QTest::newRow("replacing a selection") << "abc"
                                           << "axyzc" << 3 << "axc" << 2;
    QTest::newRow("emoji kept whole") << "" << (kEmoji + "x") << 1 << kEmoji << 2;
    QTest::newRow("emoji does not fit") << "a" << ("a" + kEmoji) << 1 << "a" << 1;
    QTest::newRow("emoji after an emoji") << kEmoji << (kEmoji + kEmoji) << 1 << kEmoji << 2;
    QTest::newRow("emoji into the last place")
        << "abc" << ("abc" + kEmoji + kEmoji) << 4 << ("abc" + kEmoji) << 5;
  }
  void fitsAnEdit() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(int, limit);
    QFETCH(QString, fitted);
    QFETCH(int, cursor);
    const FittedEdit result = FitEdit(before, after, limit);
    QCOMPARE(result.text, fitted);
    QCOMPARE(result.cursor, cursor);
  }

  void oneCharacterFieldTakesAWholeEmoji() {
    TestProgram program;
    LayoutWindow* brackets = program.Open("Form6");
    QVERIFY(brackets);
    QLineEdit* operator_field = brackets->Field("Text2");
    operator_field->setFocus();
    Commit(operator_field, kEmoji);
    QCOMPARE(operator_field->text(), kEmoji);
    Commit(operator_field, QStringLiteral("+"));
    QCOMPARE(operator_field->text(), kEmoji);
    QCOMPARE(program.shell().Model("Form6")->FindField("Text2")->text(), kEmoji.toStdString());

    // A second character, and half of an emoji, never get in.
    QLineEdit* outer = brackets->Field("Text4");
    outer->setFocus();
    QTest::keyClicks(outer, QStringLiteral("*/"));
    QCOMPARE(outer->text(), QStringLiteral("*"));
    outer->clear();
    Paste(outer, QStringLiteral("-") + kEmoji);
    QCOMPARE(outer->text(), QStringLiteral("-"));
    outer->clear();
    Paste(outer, kEmoji + QStringLiteral("-"));
    QCOMPARE(outer->text(), kEmoji);
    QCOMPARE(program.shell().Model("Form6")->FindField("Text4")->text(), kEmoji.toStdString());
  }

  void twentyCharactersAtMost() {
    TestProgram program;
    LayoutWindow* standard = program.Open("Form1");
    QVERIFY(standard);
    QLineEdit* first = standard->Field("Text1");
    QTest::keyClicks(first, QStringLiteral("12345678901234567890"));
    QTest::keyClicks(first, QStringLiteral("1"));
    QCOMPARE(first->text(), QStringLiteral("12345678901234567890"));

    // Nineteen characters and an emoji make twenty; nothing after that.
    first->clear();
    QTest::keyClicks(first, QStringLiteral("1234567890123456789"));
    Commit(first, kEmoji);
    Commit(first, kEmoji);
    QCOMPARE(first->text(), QStringLiteral("1234567890123456789") + kEmoji);
    QCOMPARE(program.shell().Model("Form1")->FindField("Text1")->text(),
             first->text().toStdString());

    // A paste keeps what fits.
    QLineEdit* second = standard->Field("Text2");
    Paste(second, QStringLiteral("ЧИСЛО").repeated(5));
    QCOMPARE(second->text(), QStringLiteral("ЧИСЛО").repeated(4));
  }

  void theLimitHoldsForEveryWayTextArrives_data() {
    // How a text reaches Text1 of the Standard window (at most 20
    // characters), already holding nineteen: what the field holds then.
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("held");
    const QString nineteen = QStringLiteral("1234567890123456789");
    QTest::newRow("set whole") << "set" << (nineteen + "ab") << (nineteen + "a");
    QTest::newRow("set whole, emoji") << "set" << (nineteen + kEmoji + "a") << (nineteen + kEmoji);
    QTest::newRow("screen reader inserts") << "insert" << QStringLiteral("ab") << (nineteen + "a");
    QTest::newRow("screen reader replaces") << "replace" << (nineteen + "xyz") << (nineteen + "x");
  }
  void theLimitHoldsForEveryWayTextArrives() {
    QFETCH(QString, route);
    QFETCH(QString, text);
    QFETCH(QString, held);
    TestProgram program;
    LayoutWindow* standard = program.Open("Form1");
    QVERIFY(standard);
    QLineEdit* first = standard->Field("Text1");
    first->setText(QStringLiteral("1234567890123456789"));
    QAccessibleEditableTextInterface* editing =
        QAccessible::queryAccessibleInterface(first)->editableTextInterface();
    QVERIFY(editing);
    if (route == "set")
      first->setText(text);
    else if (route == "insert")
      editing->insertText(19, text);
    else
      editing->replaceText(0, 19, text);
    QCOMPARE(first->text(), held);
    QCOMPARE(program.shell().Model("Form1")->FindField("Text1")->text(), held.toStdString());
    // Once full, a screen reader's insertion adds nothing.
    editing->insertText(0, QStringLiteral("9"));
    QCOMPARE(first->text(), held);
  }

  void fieldsWithoutALimitTakeAnyText() {
    TestProgram program;
    LayoutWindow* standard = program.Open("Form1");
    QVERIFY(standard);
    const QString long_text = (QStringLiteral("7") + kEmoji).repeated(60000);
    QLineEdit* answer = standard->Field("Text3");
    Paste(answer, long_text);
    QCOMPARE(answer->text(), long_text);
    QCOMPARE(program.shell().Model("Form1")->FindField("Text3")->text(), long_text.toStdString());
  }

  void handlerTextsReachTheFields() {
    // A text too long for a limited field arrives cut by the model, in characters.
    TestProgram program;
    LayoutWindow* brackets = program.Open("Form6");
    QVERIFY(brackets);
    brackets->Field("Text1")->setFocus();
    QTest::keyClicks(brackets->Field("Text1"), QStringLiteral("12"));
    brackets->Field("Text2")->setFocus();
    QTest::keyClicks(brackets->Field("Text2"), QStringLiteral("+"));
    brackets->Field("Text3")->setFocus();
    QTest::keyClicks(brackets->Field("Text3"), QStringLiteral("3"));
    brackets->Field("Text4")->setFocus();
    QTest::keyClicks(brackets->Field("Text4"), QStringLiteral("*"));
    brackets->Field("Text5")->setFocus();
    QTest::keyClicks(brackets->Field("Text5"), QStringLiteral("2"));
    QTest::mouseClick(brackets->Button("Command1"), Qt::LeftButton);
    QCOMPARE(brackets->Field("Text6")->text(), QStringLiteral("30"));
    QTest::mouseClick(brackets->Button("Command3"), Qt::LeftButton);
    for (int i = 1; i <= 6; ++i)
      QCOMPARE(brackets->Field(QStringLiteral("Text%1").arg(i).toStdString())->text(), QString());
  }

  void clickOnAFieldUnderALabelReachesTheField_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QPoint>("point");  // in the client area, where a ")" label covers the field
    QTest::newRow("Text4") << "Text4" << QPoint(236, 9);
    QTest::newRow("Text10") << "Text10" << QPoint(204, 57);
  }
  void clickOnAFieldUnderALabelReachesTheField() {
    QFETCH(QString, field);
    QFETCH(QPoint, point);
    TestProgram program;
    LayoutWindow* brackets = program.Open("Form6");
    QVERIFY(brackets);
    QLineEdit* target = brackets->Field(field.toStdString());
    // A ")" label covers the point, and the field lies above it there.
    const QList<QLabel*> labels = brackets->Client()->findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) {
      return label->text() == QStringLiteral(")") && label->geometry().contains(point);
    }));
    QCOMPARE(brackets->Client()->childAt(point), target);
    QVERIFY(QApplication::focusWidget() != target);
    // Clicked through the window, as the window system delivers it.
    const QPoint in_window = brackets->Client()->mapTo(brackets, point);
    QTest::mouseClick(brackets->windowHandle(), Qt::LeftButton, Qt::NoModifier, in_window);
    QCOMPARE(QApplication::focusWidget(), target);
  }

  void windowShortcutsWinOverFieldKeys() {
    // A line edit claims Ctrl+A (select all) for itself; as one of the
    // window's shortcuts it goes to the window, as Ctrl+E does on X11.
    QWidget window;
    auto* field = new QLineEdit(QStringLiteral("text"), &window);
    int fired = 0;
    auto* action = new QAction(&window);
    action->setShortcut(QKeySequence(QStringLiteral("Ctrl+A")));
    window.addAction(action);
    QObject::connect(action, &QAction::triggered, [&fired] { ++fired; });
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(fired, 0);  // the field took it
    QVERIFY(field->hasSelectedText());
    field->deselect();

    field->installEventFilter(
        new ShortcutsFirst({QKeySequence(QStringLiteral("Ctrl+A"))}, &window));
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(fired, 1);
    QVERIFY(!field->hasSelectedText());
    // Keys that are not the window's shortcuts still reach the field.
    QTest::keyClick(field, Qt::Key_End);
    QTest::keyClicks(field, QStringLiteral("s"));
    QCOMPARE(field->text(), QStringLiteral("texts"));
  }

  void decimalSeparatorOfALocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<char>("separator");
    QTest::newRow("Bulgarian") << "bg_BG" << ',';
    QTest::newRow("German") << "de_DE" << ',';
    QTest::newRow("English") << "en_US" << '.';
    QTest::newRow("C") << "C" << '.';
    QTest::newRow("Arabic separator") << "ar_EG" << '.';  // neither comma nor full stop
  }
  void decimalSeparatorOfALocale() {
    QFETCH(QString, locale);
    QFETCH(char, separator);
    QCOMPARE(DecimalSeparatorOf(QLocale(locale)).symbol, separator);
  }
};

}  // namespace tavro::qt::testing

QTEST_MAIN(tavro::qt::testing::FieldTest)
#include "field_test.moc"
