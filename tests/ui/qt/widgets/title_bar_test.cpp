// The title bar a window draws for itself where the window system draws none:
// for every window, its title, close, and minimise where the window has one,
// never maximise; the buttons act on the window and take no keyboard focus.
#include "ui/qt/widgets/title_bar.h"

#include <QAbstractButton>
#include <QLabel>

#include "test_program.h"

namespace tavro::qt::testing {

class TitleBarTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void buttonsOfEveryWindow_data() {
    QTest::addColumn<QString>("window");
    for (const layout::WindowLayout* layout : support::AllLayouts())
      QTest::newRow(layout->name.data()) << Q(layout->name);
  }
  void buttonsOfEveryWindow() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    QWidget frame;
    auto* bar = new TitleBar(Q(layout.title), layout.minimise_button, &frame);
    QCOMPARE(bar->MinimiseButton() != nullptr, layout.minimise_button);
    const QList<QAbstractButton*> buttons = bar->findChildren<QAbstractButton*>();
    QCOMPARE(buttons.size(), layout.minimise_button ? 2 : 1);  // no maximise
    for (QAbstractButton* button : buttons) {
      QCOMPARE(button->focusPolicy(), Qt::NoFocus);
      QVERIFY(!button->accessibleName().isEmpty());
    }
    QStringList texts;
    for (const QLabel* label : bar->findChildren<QLabel*>()) texts << label->text();
    QVERIFY(texts.contains(Q(layout.title)));
  }

  void closeAndMinimiseActOnTheWindow() {
    QWidget frame;
    auto* bar = new TitleBar(QStringLiteral("Standart"), true, &frame);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QTest::mouseClick(bar->MinimiseButton(), Qt::LeftButton);
    QVERIFY(frame.isMinimized());
    frame.showNormal();
    QTest::mouseClick(bar->CloseButton(), Qt::LeftButton);
    QTRY_VERIFY(!frame.isVisible());
  }

  void aDoubleClickDoesNotMaximise() {
    // The offscreen window system cannot move a window: the presses do nothing.
    QWidget frame;
    auto* bar = new TitleBar(QStringLiteral("Help"), false, &frame);
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, bar->height() / 2));
    QVERIFY(frame.isVisible());
    QVERIFY(!frame.isMaximized());
  }
};

}  // namespace tavro::qt::testing

QTEST_MAIN(tavro::qt::testing::TitleBarTest)
#include "title_bar_test.moc"
