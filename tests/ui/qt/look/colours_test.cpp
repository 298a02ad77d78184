// Every window drawn under a light, a dark and a high-contrast colour
// scheme, measured by its pixels: every caption, field text, label, picture
// and the menu bar is readable on what is behind it, and the faces of the
// layout's own colours show exactly those colours.
//
// The "system" row uses whatever scheme the platform gives; run under the
// GTK theme with a dark GTK theme and TAVRO_EXPECT_DARK=1, it checks that
// scheme and that it really is dark.
#include "ui/qt/look/colours.h"

#include <QLabel>
#include <algorithm>
#include <limits>
#include <map>

#include "core/decimal_separator.h"
#include "test_program.h"

namespace tavro::qt::testing {

namespace {

// Lines are no text; they need to stand out from the background only.
constexpr double kVisibleLineContrast = 3.0;

// Entry i sets colour role i, in the order of QPalette::ColorRole.
QPalette PaletteOf(const std::vector<QRgb>& roles) {
  QPalette palette;
  for (std::size_t role = 0; role < roles.size(); ++role)
    palette.setColor(QPalette::ColorRole(role), QColor(roles[role]));
  return palette;
}

// A dark scheme as desktops' colour-scheme tools ship it: the tooltip
// background stays dark, the 3-D highlight is a middle grey.
QPalette DarkPalette() {
  return PaletteOf({0xFFFFFF, 0x424245, 0x979797, 0x5E5C5B, 0x302F2E, 0x4A4947, 0xFFFFFF,
                    0xFFFFFF, 0xFFFFFF, 0x3D3D3D, 0x222020, 0xE7E4E0, 0x12608A, 0xF9F9F9,
                    0x0986D3, 0xA70B06, 0x5C5B5A, 0x000000, 0x3F3F36, 0xFFFFFF, 0x808080});
}

// White on black, with a white 3-D highlight and yellow tooltip text.
QPalette HighContrastPalette() {
  return PaletteOf({0xFFFFFF, 0x000000, 0xFFFFFF, 0x808080, 0x808080, 0x808080, 0xFFFFFF,
                    0xFFFFFF, 0xFFFFFF, 0x000000, 0x000000, 0xFFFFFF, 0x1AEBFF, 0x000000,
                    0xFFFF00, 0x00FF00, 0x000000, 0x000000, 0x000000, 0xFFFF00, 0xC0C0C0});
}

// The most frequent colour of the pixels of an image that `take` accepts.
template <typename Take>
QColor Commonest(const QImage& image, const QRect& area, Take take) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (take(QPoint(x, y))) ++counts[image.pixel(x, y)];
  if (counts.empty()) return QColor();
  return QColor(std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                  return a.second < b.second;
                })->first);
}

QColor Commonest(const QImage& image, const QRect& area) {
  return Commonest(image, area, [](QPoint) { return true; });
}

// The contrast of the pixel that stands out most from the background.
double StrongestContrast(const QImage& image, const QRect& area, const QColor& background) {
  double strongest = 1;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      strongest = std::max(strongest, ContrastRatio(QColor(image.pixel(x, y)), background));
  return strongest;
}

// A control's area in the image, in device pixels, without its frame.
QRect Inside(const QImage& image, const QRect& rect, int frame) {
  const qreal ratio = image.devicePixelRatio();
  const QRect device((QPointF(rect.topLeft()) * ratio).toPoint(),
                     (QSizeF(rect.size()) * ratio).toSize());
  return device.adjusted(frame, frame, -frame, -frame) & image.rect();
}

bool Near(const QColor& a, const QColor& b) {
  constexpr int kUnits = 3;
  return std::abs(a.red() - b.red()) <= kUnits && std::abs(a.green() - b.green()) <= kUnits &&
         std::abs(a.blue() - b.blue()) <= kUnits;
}

}  // namespace

class ColoursTest : public QObject {
  Q_OBJECT

 private:
  // What one window's measurement found: the lowest contrast of a text.
  struct Lowest {
    double contrast = std::numeric_limits<double>::infinity();
    QString where;
    void Take(double measured, const QString& control) {
      if (measured < contrast) contrast = measured, where = control;
    }
  };

  void Measure(const QString& scheme, const layout::WindowLayout& layout) {
    TestProgram program;
    LayoutWindow* window = program.Open(layout.name);
    QVERIFY(window);
    const QPalette scheme_palette = QApplication::palette();
    // A digit typed into every field, a longer text written into the first
    // by its handler's way (the model), so both ways are seen.
    for (const layout::Field& field : layout.fields)
      QTest::keyClicks(window->Field(field.name), "8");
    if (!layout.fields.empty()) {
      program.shell()
          .Model(layout.name)
          ->FindField(layout.fields.front().name)
          ->Write("0.25", DecimalSeparator::FullStop());
      window->ShowModel();
    }
    if (QWidget* focus = QApplication::focusWidget()) focus->clearFocus();  // no text cursor
    const QImage image = window->Client()->grab().toImage();
    constexpr int kFrame = 3;
    Lowest lowest;
    QStringList faults;
    const auto check = [&faults](bool holds, const QString& fault) {
      if (!holds) faults << fault;
    };
    const auto text_on = [&](const QRect& rect, const QString& name) {
      const QRect area = Inside(image, rect, kFrame);
      const QColor face = Commonest(image, area);
      const double contrast = StrongestContrast(image, area, face);
      lowest.Take(contrast, name);
      check(contrast >= kReadableContrast,
            QStringLiteral("%1: contrast %2 on %3").arg(name).arg(contrast).arg(face.name()));
      return face;
    };
    const auto own_face = [&](const layout::Colour& colour, const QColor& face,
                              const QString& name) {
      if (const auto expected = ColourOf(colour, scheme_palette))
        check(Near(face, *expected), name + " shows " + face.name() + " for " + expected->name());
    };
    for (const layout::Button& button : layout.buttons) {
      const QColor face = text_on(window->Button(button.name)->geometry(), Q(button.name));
      own_face(button.background, face, Q(button.name));
    }
    for (const layout::Field& field : layout.fields) {
      const QColor face = text_on(window->Field(field.name)->geometry(), Q(field.name));
      own_face(field.background, face, Q(field.name));
    }
    for (const QLabel* label : window->Client()->findChildren<QLabel*>())
      text_on(label->geometry(), label->objectName() + "(" + label->text() + ")");

    // The client area's own background, where no control covers it, and the
    // lines in the system's colours on it.
    QRegion uncovered(window->Client()->rect());
    for (const QWidget* control : window->Client()->findChildren<QWidget*>())
      uncovered -= control->geometry();
    const QColor background = Commonest(image, image.rect(), [&](QPoint pixel) {
      return uncovered.contains((QPointF(pixel) / image.devicePixelRatio()).toPoint());
    });
    if (background.isValid()) {
      const QColor expected = ColourOf(layout.background, scheme_palette)
                                  .value_or(scheme_palette.color(QPalette::Window));
      check(Near(background, expected),
            "background " + background.name() + " for " + expected.name());
    }
    for (const layout::Line& line : layout.lines) {
      if (line.colour.kind == layout::Colour::Kind::Rgb || line.dotted) continue;
      const QPoint middle =
          QPoint((line.x1 + line.x2) / 2, (line.y1 + line.y2) / 2) * image.devicePixelRatio();
      const double contrast = ContrastRatio(image.pixelColor(middle), background);
      check(contrast >= kVisibleLineContrast,
            Q(line.name) + QStringLiteral(": contrast %1").arg(contrast));
    }

    if (auto* menu_bar = window->findChild<QMenuBar*>()) {
      const QImage bar = menu_bar->grab().toImage();
      const QRect area = bar.rect().adjusted(0, 2, 0, -2);
      const double contrast = StrongestContrast(bar, area, Commonest(bar, area));
      lowest.Take(contrast, QStringLiteral("menu bar"));
      check(contrast >= kReadableContrast, QStringLiteral("menu bar: contrast %1").arg(contrast));
    }
    qInfo("%s %s: lowest contrast %.2f (%s)", qPrintable(scheme), layout.name.data(),
          lowest.contrast, qPrintable(lowest.where));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
  }

 private Q_SLOTS:
  void readableEverywhere_data() {
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QPalette>("palette");
    for (const layout::WindowLayout* layout : support::AllLayouts()) {
      const QString name = Q(layout->name);
      QTest::newRow(qPrintable("system " + name))
          << QStringLiteral("system") << QApplication::palette();
      QTest::newRow(qPrintable("dark " + name)) << QStringLiteral("dark") << DarkPalette();
      QTest::newRow(qPrintable("high contrast " + name))
          << QStringLiteral("high contrast") << HighContrastPalette();
    }
  }
  void readableEverywhere() {
    QFETCH(QString, scheme);
    QFETCH(QPalette, palette);
    const QString row = QString::fromLatin1(QTest::currentDataTag());
    const layout::WindowLayout& layout = *support::LayoutOf(row.section(' ', -1).toStdString());
    if (scheme == QLatin1String("system") && qEnvironmentVariableIsSet("TAVRO_EXPECT_DARK"))
      QVERIFY2(palette.color(QPalette::Window).lightness() < 128,
               "the platform's scheme is not dark");
    const QPalette before = QApplication::palette();
    QApplication::setPalette(palette);
    Measure(scheme, layout);
    QApplication::setPalette(before);
  }

  void focusShownWhenTheWindowOpens() {
    // The Brackets window opens with the focus on EXIT, which Enter ends
    // the program with: its focus frame is there before any key.
    TestProgram program;
    LayoutWindow* window = program.Open("Form6");
    QVERIFY(window);
    QPushButton* exit = window->Button("Command5");
    QVERIFY(exit->hasFocus());
    const QImage focused = exit->grab().toImage();
    exit->clearFocus();
    QVERIFY(focused != exit->grab().toImage());
  }
};

}  // namespace tavro::qt::testing

QTEST_MAIN(tavro::qt::testing::ColoursTest)
#include "colours_test.moc"
