// The line drawings and the pencil pointer on a scaled screen, found in the
// pixels of the windows as they are drawn. Run under several scales (CTest
// sets QT_SCALE_FACTOR, or runs it on an X server with an Xft.dpi of its own
// and says the scale to expect in TAVRO_EXPECTED_SCALE).
#include <cmath>

#include "test_program.h"
#include "ui/qt/look/assets.h"

namespace tavro::qt::testing {

namespace {

// The scale the run is made for.
qreal ExpectedScale() {
  for (const char* variable : {"TAVRO_EXPECTED_SCALE", "QT_SCALE_FACTOR"}) {
    bool ok = false;
    const qreal scale = qEnvironmentVariable(variable).toDouble(&ok);
    if (ok) return scale;
  }
  return 1.0;
}

// A window drawn as it is on the screen, and where its client area lies in
// the picture's device pixels.
struct Drawn {
  QImage image;
  QRect client;  // the device pixels of the client area
  QPointF origin;
  qreal scale = 1;

  bool Inside(QPoint pixel) const { return client.contains(pixel); }
  bool Is(QPoint pixel, QColor colour) const {
    return Inside(pixel) && image.pixelColor(pixel).rgb() == colour.rgb();
  }
  // The middle of a layout pixel, in device pixels.
  QPointF Device(QPointF layout) const { return (origin + layout + QPointF(0.5, 0.5)) * scale; }
};

Drawn Draw(LayoutWindow& window) {
  Drawn drawn;
  drawn.scale = window.devicePixelRatioF();
  drawn.image = window.grab().toImage();
  drawn.origin = window.Client()->mapTo(&window, QPoint(0, 0));
  const QPointF top_left = drawn.origin * drawn.scale;
  const QPointF bottom_right =
      (drawn.origin + QPointF(window.Client()->width(), window.Client()->height())) * drawn.scale;
  // Qt rounds the edges of a widget to whole device pixels, half up.
  const auto round = [](qreal value) { return int(std::floor(value + 0.5)); };
  drawn.client = QRect(QPoint(round(top_left.x()), round(top_left.y())),
                       QPoint(round(bottom_right.x()) - 1, round(bottom_right.y()) - 1));
  return drawn;
}

// Whether a pixel of the colour lies within `reach` device pixels of a point.
bool Near(const Drawn& drawn, QPointF at, QColor colour, int reach) {
  const QPoint centre(int(std::floor(at.x())), int(std::floor(at.y())));
  for (int dx = -reach; dx <= reach; ++dx)
    for (int dy = -reach; dy <= reach; ++dy)
      if (drawn.Is(centre + QPoint(dx, dy), colour)) return true;
  return false;
}

}  // namespace

class ScaledDrawingTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void initTestCase() { qInfo("scale %g", ExpectedScale()); }

  void everyLineIsDrawn_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("Form3") << QStringLiteral("Form3");
    QTest::newRow("Form4") << QStringLiteral("Form4");
  }
  void everyLineIsDrawn() {
    QFETCH(QString, window);
    TestProgram program;
    LayoutWindow* built = program.Open(window.toStdString());
    QVERIFY(built);
    QCOMPARE(built->devicePixelRatioF(), ExpectedScale());
    const Drawn drawn = Draw(*built);
    // One pixel of the layout, in whole device pixels, never less than one.
    const int width = std::max(1, qRound(drawn.scale));
    const int reach = int(std::ceil(drawn.scale));

    for (const layout::Line& line : built->Client()->lines()) {
      const QColor colour = built->Client()->LineColour(line);
      const QPointF from(line.x1, line.y1);
      const QPointF to(line.x2, line.y2);
      const int steps = int(std::max(std::abs(line.x2 - line.x1), std::abs(line.y2 - line.y1)));
      int found = 0;
      for (int step = 1; step < steps; ++step)
        if (Near(drawn, drawn.Device(from + (to - from) * step / steps), colour, reach)) ++found;
      const QByteArray name(line.name.data(), qsizetype(line.name.size()));
      if (!line.dotted) {
        QVERIFY2(found == steps - 1, name + " has gaps: " + QByteArray::number(found) + " of " +
                                         QByteArray::number(steps - 1) + " points drawn");
      } else {
        QVERIFY2(found > 0, name + " is not drawn");
      }
      if (line.x1 != line.x2 && line.y1 != line.y2) continue;

      // Across the middle of a straight line: as wide as one layout pixel.
      const bool horizontal = line.y1 == line.y2;
      const QPoint across = horizontal ? QPoint(0, 1) : QPoint(1, 0);
      const QPoint along = horizontal ? QPoint(1, 0) : QPoint(0, 1);
      const QPointF middle = drawn.Device((from + to) / 2);
      QPoint start(int(std::floor(middle.x())), int(std::floor(middle.y())));
      start -= across * (reach + 1);
      // The row (or column) of device pixels the line is drawn on, and its thickness.
      int thickness = 0;
      QPoint band;
      for (int offset = 0; offset <= 2 * reach + 2; ++offset) {
        QPoint pixel = start + across * offset;
        int on = 0;
        for (int i = -3 * width; i <= 3 * width; ++i)
          on += drawn.Is(pixel + along * i, colour) ? 1 : 0;
        if (on > 0) {
          if (thickness == 0) band = pixel;
          ++thickness;
        }
      }
      QVERIFY2(thickness == width, name + " is " + QByteArray::number(thickness) +
                                       " device pixels wide, not " + QByteArray::number(width));
      if (!line.dotted) continue;

      // A dotted line keeps its pattern: dots and gaps of a fixed length.
      const QPointF first = drawn.Device(from);
      const QPointF last = drawn.Device(to);
      const int begin =
          int(horizontal ? std::min(first.x(), last.x()) : std::min(first.y(), last.y())) + width;
      const int end =
          int(horizontal ? std::max(first.x(), last.x()) : std::max(first.y(), last.y())) - width;
      // Pixels of another line (where lines cross) cut the line into pieces;
      // within a piece, the runs but the first and the last are whole.
      const QColor background = built->Client()->palette().color(QPalette::Window);
      QList<int> dots, gaps;
      QList<std::pair<bool, int>> runs;  // on, length
      const auto end_piece = [&] {
        for (qsizetype i = 1; i + 1 < runs.size(); ++i)
          (runs[i].first ? dots : gaps).append(runs[i].second);
        runs.clear();
      };
      for (int i = begin; i <= end; ++i) {
        const QPoint pixel = horizontal ? QPoint(i, band.y()) : QPoint(band.x(), i);
        const bool dot = drawn.Is(pixel, colour);
        if (!dot && !drawn.Is(pixel, background)) {
          end_piece();
          continue;
        }
        if (!runs.isEmpty() && runs.last().first == dot) {
          ++runs.last().second;
        } else {
          runs.append({dot, 1});
        }
      }
      end_piece();
      QVERIFY2(dots.size() >= 3, name + " has no dots");
      for (const int dot : dots)
        QVERIFY2(dot == width, name + ": a dot of " + QByteArray::number(dot));
      for (const int gap : gaps)
        QVERIFY2(gap == 2 * width, name + ": a gap of " + QByteArray::number(gap));
    }
  }

  void pencilFollowsTheScale() {
    TestProgram program;
    LayoutWindow* built = program.Open("Form2");
    QVERIFY(built);
    const qreal scale = ExpectedScale();
    QCOMPARE(built->devicePixelRatioF(), scale);
    const QCursor pointer = built->Field("Text1")->cursor();
    QCOMPARE(pointer.shape(), Qt::BitmapCursor);
    const int side = std::max(32, qRound(32 * scale));
    QCOMPARE(pointer.pixmap().size(), QSize(side, side));
    QCOMPARE(pointer.pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
    // Where the window system reads the hot spot in the picture's pixels (X11),
    // it is the pencil's tip times the scale.
    const bool in_picture_pixels =
        QGuiApplication::platformName() == QLatin1String("xcb") && side > 32;
    const QPoint tip = in_picture_pixels
                           ? (QPointF(5, 9) * pointer.pixmap().devicePixelRatio()).toPoint()
                           : QPoint(5, 9);
    QCOMPARE(pointer.hotSpot(), tip);
    // The pencil itself, not a blank square: its tip is drawn.
    const QImage picture = pointer.pixmap().toImage();
    QVERIFY(
        qAlpha(picture.pixel((QPointF(5.5, 9.5) * pointer.pixmap().devicePixelRatio()).toPoint())) >
            0 ||
        qAlpha(picture.pixel((QPointF(6.5, 9.5) * pointer.pixmap().devicePixelRatio()).toPoint())) >
            0);
  }
};

}  // namespace tavro::qt::testing

QTEST_MAIN(tavro::qt::testing::ScaledDrawingTest)
#include "scaled_drawing_test.moc"
