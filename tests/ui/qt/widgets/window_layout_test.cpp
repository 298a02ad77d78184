// Every window built from its layout: frame, client area, controls, colours,
// fonts, pictures, pointers, tooltips, lines, tab order and menus.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>
#include <algorithm>
#include <optional>

#include "test_program.h"
#include "ui/qt/look/assets.h"
#include "ui/qt/look/colours.h"
#include "ui/qt/widgets/character_limit.h"
#include "ui/qt/widgets/client_area.h"
#include "ui/qt/widgets/layout_field.h"
#include "ui/qt/widgets/layout_label.h"

namespace tavro::qt::testing {

namespace {

// The colour a layout colour stands for, or `otherwise` for the default.
QColor Expected(const layout::Colour& colour, const QColor& otherwise) {
  return ColourOf(colour, QApplication::palette()).value_or(otherwise);
}

// A field's maximum length in characters, as its validator keeps it; nothing
// when it has none.
std::optional<int> MaximumCharacters(const QLineEdit& field) {
  if (const auto* limit = dynamic_cast<const CharacterLimit*>(field.validator()))
    return limit->maximum();
  return std::nullopt;
}

// The controls that take the focus, in tab order.
QStringList TabOrderOf(const layout::WindowLayout& layout) {
  std::vector<std::pair<int, QString>> controls;
  for (const auto& button : layout.buttons) controls.emplace_back(button.tab_index, Q(button.name));
  for (const auto& field : layout.fields) controls.emplace_back(field.tab_index, Q(field.name));
  std::sort(controls.begin(), controls.end());
  QStringList names;
  for (const auto& [index, name] : controls) names << name;
  return names;
}

// Whether the image has the colour at or right beside a point in
// device-independent pixels.
bool HasPixelNear(const QImage& image, QPoint at, QColor colour) {
  const QPoint pixel = at * image.devicePixelRatio();
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (image.pixelColor(pixel + QPoint(dx, dy)).rgb() == colour.rgb()) return true;
  return false;
}

}  // namespace

class WindowLayoutTest : public QObject {
  Q_OBJECT

 private:
  static void AddWindows() {
    QTest::addColumn<QString>("window");
    for (const layout::WindowLayout* layout : support::AllLayouts())
      QTest::newRow(layout->name.data()) << Q(layout->name);
  }

 private Q_SLOTS:
  void initTestCase() { QApplication::setApplicationName(QStringLiteral("Tavro")); }

  void frameAndClientArea_data() { AddWindows(); }
  void frameAndClientArea() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    TestProgram program;
    LayoutWindow* built = program.Open(layout.name);
    QVERIFY(built);

    // The menu bar's height comes from its font and the style: the height it
    // needs for the window's width, never less than its minimum. Under the
    // Windows style that is a pixel more than the height it asks for alone,
    // the style's space below a menu bar. The client area lies below it.
    QMenuBar* menu_bar = built->MenuBar();
    const int menu_height = menu_bar ? menu_bar->height() : 0;
    QCOMPARE(menu_bar != nullptr, !layout.menu_bar.empty());
    if (menu_bar) {
      int needed = menu_bar->heightForWidth(layout.client_width);
      if (needed < 0) needed = menu_bar->sizeHint().height();
      QVERIFY(menu_height > 0);
      QCOMPARE(menu_height, std::max(needed, menu_bar->minimumSizeHint().height()));
      QCOMPARE(menu_bar->geometry(), QRect(0, 0, layout.client_width, menu_height));
    }
    QCOMPARE(built->Client()->geometry(),
             QRect(0, menu_height, layout.client_width, layout.client_height));
    QCOMPARE(built->size(), QSize(layout.client_width, layout.client_height + menu_height));
    QCOMPARE(built->minimumSize(), built->size());
    QCOMPARE(built->maximumSize(), built->size());

    const Qt::WindowFlags flags = built->windowFlags();
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QCOMPARE(bool(flags & Qt::WindowMinimizeButtonHint), layout.minimise_button);

    QCOMPARE(built->windowTitle(), Q(layout.title));
    // An empty title must not be filled with the application's name.
    const QString shown = built->windowHandle()->title();
    QVERIFY(!shown.isEmpty());
    QCOMPARE(shown.trimmed(), Q(layout.title));

    const QList<QSize> icon_sizes = built->windowIcon().availableSizes();
    QVERIFY(icon_sizes.contains(QSize(16, 16)));
    QVERIFY(icon_sizes.contains(QSize(32, 32)));

    // Controls without a font of their own use the classic 8-point size.
    QCOMPARE(built->Client()->font().pointSizeF(), 8.0);
    QCOMPARE(built->Client()->palette().color(QPalette::Window),
             Expected(layout.background, QApplication::palette().color(QPalette::Window)));

    if (layout.start == layout::StartPosition::CentreOfScreen) {
      const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
      QVERIFY((built->frameGeometry().center() - centre).manhattanLength() <= 2);
    }
  }

  void buttons_data() { AddWindows(); }
  void buttons() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    TestProgram program;
    LayoutWindow* built = program.Open(layout.name);
    QVERIFY(built);
    QCOMPARE(built->Client()->findChildren<QPushButton*>().size(),
             qsizetype(layout.buttons.size()));
    for (const layout::Button& button : layout.buttons) {
      QPushButton* widget = built->Button(button.name);
      QVERIFY2(widget, button.name.data());
      QCOMPARE(widget->geometry(),
               QRect(button.rect.left, button.rect.top, button.rect.width, button.rect.height));
      QCOMPARE(widget->text(), Q(button.caption));
      QCOMPARE(widget->toolTip(), Q(button.tooltip));
      QCOMPARE(widget->palette().color(QPalette::Button),
               Expected(button.background, QApplication::palette().color(QPalette::Button)));
      QVERIFY(!widget->isDefault());
      QCOMPARE(widget->focusPolicy(), Qt::StrongFocus);
      if (button.picture == layout::Picture::None) {
        QVERIFY(widget->icon().isNull());
      } else {
        // The picture really loads, at 32 pixels and crisp at twice that.
        const QList<QSize> sizes = widget->icon().availableSizes();
        QVERIFY2(sizes.contains(QSize(32, 32)), button.name.data());
        QVERIFY2(sizes.contains(QSize(64, 64)), button.name.data());
        QCOMPARE(widget->iconSize(), QSize(32, 32));
      }
    }
  }

  void fields_data() { AddWindows(); }
  void fields() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    TestProgram program;
    LayoutWindow* built = program.Open(layout.name);
    QVERIFY(built);
    WindowModel* model = program.shell().Model(layout.name);
    QVERIFY(model);
    QCOMPARE(built->Client()->findChildren<QLineEdit*>().size(), qsizetype(layout.fields.size()));
    // Every field the model has is shown, and every field shown has its model field.
    QCOMPARE(model->fields().size(), layout.fields.size());
    for (const layout::Field& field : layout.fields) {
      QLineEdit* edit = built->Field(field.name);
      QVERIFY2(edit, field.name.data());
      QVERIFY2(model->FindField(field.name), field.name.data());
      QCOMPARE(edit->geometry(),
               QRect(field.rect.left, field.rect.top, field.rect.width, field.rect.height));
      QCOMPARE(edit->text(), QString());
      QCOMPARE(edit->toolTip(), Q(field.tooltip));
      QCOMPARE(edit->palette().color(QPalette::Base),
               Expected(field.background, QApplication::palette().color(QPalette::Base)));
      QCOMPARE(MaximumCharacters(*edit).value_or(-1), field.max_length.value_or(-1));
      if (field.pointer == layout::Pointer::Pencil) {
        QCOMPARE(edit->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(edit->cursor().hotSpot(), QPoint(5, 9));
        QCOMPARE(edit->cursor().pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
      } else {
        QCOMPARE(edit->cursor().shape(), Qt::IBeamCursor);
      }
    }
  }

  void systemColours() {
    // The roles stand for concrete colours of the palette; the desktop's is fixed.
    const QPalette palette = QApplication::palette();
    using layout::Colour;
    using layout::SystemColour;
    QCOMPARE(*ColourOf(Colour::System(SystemColour::TooltipBackground), palette),
             palette.color(QPalette::ToolTipBase));
    QCOMPARE(*ColourOf(Colour::System(SystemColour::Highlight3D), palette),
             palette.color(QPalette::Light));
    QCOMPARE(*ColourOf(Colour::System(SystemColour::DesktopBackground), palette),
             QColor(0x00, 0x80, 0x80));
    QCOMPARE(*ColourOf(Colour::Rgb(0xFFE0C0), palette), QColor(0xFF, 0xE0, 0xC0));
    QVERIFY(!ColourOf(Colour::Default(), palette));
  }

  void labels_data() { AddWindows(); }
  void labels() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    TestProgram program;
    LayoutWindow* built = program.Open(layout.name);
    QVERIFY(built);
    const QList<QLabel*> widgets = built->Client()->findChildren<QLabel*>();
    QCOMPARE(widgets.size(), qsizetype(layout.labels.size()));
    for (const layout::Label& label : layout.labels) {
      const auto found = std::find_if(widgets.begin(), widgets.end(), [&](QLabel* widget) {
        return widget->objectName() == Q(label.name) &&
               widget->property("index").toInt() == label.index;
      });
      QVERIFY2(found != widgets.end(),
               qPrintable(QStringLiteral("label index %1").arg(label.index)));
      QLabel* widget = *found;
      QCOMPARE(widget->geometry(),
               QRect(label.rect.left, label.rect.top, label.rect.width, label.rect.height));
      QCOMPARE(widget->text(), Q(label.caption));
      QVERIFY(widget->wordWrap());
      QVERIFY(widget->alignment() & Qt::AlignLeft);
      QVERIFY(widget->testAttribute(Qt::WA_TransparentForMouseEvents));
      QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
      QVERIFY(!widget->autoFillBackground());
      if (label.font) {
        QCOMPARE(widget->font().families().value(0), Q(label.font->family));
        const qreal shown = widget->font().pointSizeF();
        QVERIFY(shown <= label.font->points);
        if (shown < label.font->points) {
          // Set smaller only because the caption did not fit at its own size.
          QLabel probe;
          probe.setWordWrap(true);
          probe.setFont(FontOf(*label.font));
          probe.setText(widget->text());
          QVERIFY(probe.heightForWidth(widget->width()) > widget->height());
        }
      } else {
        QCOMPARE(widget->font(), built->Client()->font());
      }
      // The whole caption is shown.
      QVERIFY(widget->heightForWidth(widget->width()) <=
              std::max(widget->height(), widget->fontMetrics().height()));
      // Labels lie beneath every field and button.
      for (QObject* sibling : built->Client()->children()) {
        auto* control = qobject_cast<QWidget*>(sibling);
        if (!control || qobject_cast<QLabel*>(control)) continue;
        const QObjectList order = built->Client()->children();
        QVERIFY(order.indexOf(widget) < order.indexOf(control));
      }
    }
  }

  void helpTextWraps() {
    TestProgram program;
    LayoutWindow* help = program.Open("Form5");
    QVERIFY(help);
    auto* label = help->Client()->findChild<QLabel*>();
    QVERIFY(label);
    // The paragraph wraps within the label's width.
    QVERIFY(label->heightForWidth(label->width()) > label->fontMetrics().height() * 2);
  }

  void lines_data() { AddWindows(); }
  void lines() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    TestProgram program;
    LayoutWindow* built = program.Open(layout.name);
    QVERIFY(built);
    ClientArea* client = built->Client();
    QCOMPARE(client->lines().size(), layout.lines.size());
    const QImage image = client->grab().toImage();
    for (const layout::Line& line : layout.lines) {
      const QColor colour = line.colour.kind == layout::Colour::Kind::Default
                                ? client->palette().color(QPalette::WindowText)
                                : Expected(line.colour, QColor());
      QCOMPARE(client->LineColour(line), colour);
      // A solid line is drawn through its middle; a dotted one has gaps.
      if (!line.dotted) {
        const QPoint middle((line.x1 + line.x2) / 2, (line.y1 + line.y2) / 2);
        QVERIFY2(HasPixelNear(image, middle, colour), line.name.data());
      }
    }
  }

  void tabOrder_data() { AddWindows(); }
  void tabOrder() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    TestProgram program;
    LayoutWindow* built = program.Open(layout.name);
    QVERIFY(built);
    const QStringList expected = TabOrderOf(layout);
    if (expected.isEmpty()) {
      QVERIFY(!built->focusWidget() || built->focusWidget()->focusPolicy() == Qt::NoFocus);
      return;
    }
    // The focus starts on the first control and Tab walks them all, wrapping.
    QStringList walked;
    for (qsizetype step = 0; step <= expected.size(); ++step) {
      QWidget* focus = QApplication::focusWidget();
      QVERIFY(focus);
      walked << focus->objectName();
      QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(walked, expected + QStringList{expected.first()});
    // Shift+Tab walks back.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), expected.first());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(QApplication::focusWidget()->objectName(), expected.last());
  }

  void menus_data() { AddWindows(); }
  void menus() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    TestProgram program;
    LayoutWindow* built = program.Open(layout.name);
    QVERIFY(built);
    if (layout.menu_bar.empty()) return;
    const QList<QAction*> tops = built->MenuBar()->actions();
    QCOMPARE(tops.size(), qsizetype(layout.menu_bar.size()));
    for (std::size_t i = 0; i < layout.menu_bar.size(); ++i) {
      const layout::MenuBarEntry& top = layout.menu_bar[i];
      QCOMPARE(tops[i]->text(), Q(top.caption));
      if (top.entries.empty()) {
        QVERIFY(!tops[i]->menu());  // acts at once when chosen
        continue;
      }
      QVERIFY(tops[i]->menu());
      const QList<QAction*> entries = tops[i]->menu()->actions();
      QCOMPARE(entries.size(), qsizetype(top.entries.size()));
      for (std::size_t j = 0; j < top.entries.size(); ++j) {
        QCOMPARE(entries[j]->text(), Q(top.entries[j].caption));
        QCOMPARE(entries[j]->shortcut(), QKeySequence(Q(top.entries[j].shortcut)));
      }
    }
  }

  void everyOperationResolves_data() { AddWindows(); }
  void everyOperationResolves() {
    QFETCH(QString, window);
    const layout::WindowLayout& layout = LayoutNamed(window);
    TestProgram program;
    QVERIFY(program.Open(layout.name));
    for (const layout::Button& button : layout.buttons)
      QVERIFY2(program.shell().CanInvoke(layout.name, layout::HandlerOf(button.name)),
               button.name.data());
    for (const layout::MenuBarEntry& top : layout.menu_bar) {
      if (top.entries.empty())
        QVERIFY2(program.shell().CanInvoke(layout.name, layout::HandlerOf(top.name)),
                 top.name.data());
      for (const layout::MenuEntry& entry : top.entries)
        QVERIFY2(program.shell().CanInvoke(layout.name, layout::HandlerOf(entry.name)),
                 entry.name.data());
    }
  }

  void pencilPointerAtTwiceTheScale() {
    // The large picture, with its hot spot still at the pencil's tip.
    const QCursor pointer = FieldPointer(layout::Pointer::Pencil, 2.0);
    QCOMPARE(pointer.pixmap().size(), QSize(64, 64));
    QCOMPARE(pointer.pixmap().devicePixelRatio(), 2.0);
    QCOMPARE(pointer.hotSpot(), QPoint(5, 9));
    QCOMPARE(FieldPointer(layout::Pointer::Standard, 2.0).shape(), Qt::IBeamCursor);
  }

  void scaledScreen() {
    // Run with QT_SCALE_FACTOR=2: the geometry doubles on the screen, the
    // pictures come from their large versions.
    TAVRO_SKIP_UNLESS(qEnvironmentVariable("QT_SCALE_FACTOR") == QStringLiteral("2") &&
                          qApp->devicePixelRatio() == 2.0,
                      "needs QT_SCALE_FACTOR=2, taken by Qt");
    TestProgram program;
    LayoutWindow* built = program.Open("Form1");
    QVERIFY(built);
    QCOMPARE(built->devicePixelRatioF(), 2.0);
    const QPixmap client = built->Client()->grab();
    QCOMPARE(client.size(), QSize(2 * 307, 2 * 146));
    const QPixmap plus = built->Button("Command1")->icon().pixmap(QSize(32, 32), 2.0);
    QCOMPARE(plus.size(), QSize(64, 64));
    QCOMPARE(plus.toImage().convertToFormat(QImage::Format_ARGB32),
             QImage(QStringLiteral(":/tavro/plus@2x.png")).convertToFormat(QImage::Format_ARGB32));
  }
};

}  // namespace tavro::qt::testing

QTEST_MAIN(tavro::qt::testing::WindowLayoutTest)
#include "window_layout_test.moc"
