// What start-up leaves out: the first window is built and drawn without
// loading any image-format plugin, its pictures decode once and only when
// drawn, and the menu bar's overflow arrow is made only when it is shown,
// looking as the platform's style draws it.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProxyStyle>
#include <QToolButton>

#include "test_program.h"
#include "ui/qt/look/assets.h"

namespace tavro::qt::testing {

namespace {

// The image-format plugins mapped into this process.
QStringList LoadedImagePlugins() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  if (!maps.open(QIODevice::ReadOnly | QIODevice::Text))
    return {QStringLiteral("(no /proc/self/maps)")};
  QStringList plugins;
  for (const QByteArray& line : maps.readAll().split('\n'))
    if (line.contains("/imageformats/"))
      plugins << QString::fromUtf8(line.mid(line.lastIndexOf(' ') + 1));
  plugins.removeDuplicates();
  return plugins;
}

// Pixels alone, in the format pixmaps keep them in.
QImage Pixels(const QImage& image) {
  QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  pixels.setDevicePixelRatio(1.0);
  return pixels;
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // Runs first, while nothing else in this process has read a picture.
  void firstWindowLoadsNoImagePlugin() {
    TestProgram program;
    LayoutWindow* form1 = program.Window("Form1");
    QVERIFY(form1);
    QVERIFY(QTest::qWaitForWindowExposed(form1));
    QVERIFY(!form1->grab().isNull());  // every control drawn, the pictures too
    QCOMPARE(LoadedImagePlugins(), QStringList());
    // The window shows the program icon decoded for the application.
    QCOMPARE(form1->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QVERIFY(!QApplication::windowIcon().pixmap(QSize(16, 16)).isNull());
  }

  void picturesAsTheirFiles_data() {
    QTest::addColumn<int>("picture");
    QTest::addColumn<QString>("file");
    QTest::addColumn<qreal>("scale");
    const std::pair<layout::Picture, const char*> pictures[] = {
        {layout::Picture::Plus, "plus"},
        {layout::Picture::Minus, "minus"},
        {layout::Picture::Multiply, "multiply"},
        {layout::Picture::Divide, "divide"}};
    for (const auto& [picture, name] : pictures) {
      const QString file = QStringLiteral(":/tavro/%1").arg(QLatin1String(name));
      QTest::addRow("%s", name) << int(picture) << file + QStringLiteral(".png") << 1.0;
      QTest::addRow("%s@2x", name) << int(picture) << file + QStringLiteral("@2x.png") << 2.0;
    }
  }
  void picturesAsTheirFiles() {
    QFETCH(int, picture);
    QFETCH(QString, file);
    QFETCH(qreal, scale);
    LoadAssets();
    const QImage expected = Pixels(QImage(file));
    QVERIFY(!expected.isNull());
    const QIcon icon = PictureIcon(layout::Picture(picture));

    // Asked for as a pixmap, as a push button's style does.
    const QPixmap pixmap = icon.pixmap(QSize(32, 32), scale);
    QCOMPARE(pixmap.devicePixelRatio(), scale);
    QCOMPARE(Pixels(pixmap.toImage()), expected);

    // Painted, as QIcon::paint does.
    QImage painted(expected.size(), QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::transparent);
    painted.setDevicePixelRatio(scale);
    {
      QPainter painter(&painted);
      icon.paint(&painter, QRect(0, 0, 32, 32));
    }
    QCOMPARE(Pixels(painted), expected);

    // The same picture every time it is asked for: decoded once.
    QCOMPARE(PictureIcon(layout::Picture(picture)).cacheKey(), icon.cacheKey());
  }

  void menuBarArrowAsTheStyleDrawsIt() {
    TestProgram program;  // the program's application style
    const auto* style = qobject_cast<const QProxyStyle*>(QApplication::style());
    QVERIFY(style);
    const QIcon expected =
        style->baseStyle()->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);

    // A menu bar too narrow for its entries shows the arrow.
    QWidget window;
    auto* bar = new QMenuBar(&window);
    bar->setNativeMenuBar(false);
    for (int i = 0; i < 6; ++i) bar->addMenu(QStringLiteral("A long menu title %1").arg(i));
    bar->setGeometry(0, 0, 120, bar->sizeHint().height());
    window.resize(120, 60);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* arrow = bar->findChild<QToolButton*>();
    QVERIFY(arrow);
    QTRY_VERIFY(arrow->isVisible());
    QVERIFY(!arrow->grab().isNull());

    for (const qreal scale : {1.0, 2.0}) {
      const QPixmap shown = arrow->icon().pixmap(QSize(16, 16), scale);
      const QPixmap drawn = expected.pixmap(QSize(16, 16), scale);
      QVERIFY(!shown.isNull());
      QCOMPARE(shown.size(), drawn.size());
      QCOMPARE(shown.devicePixelRatio(), drawn.devicePixelRatio());
      QCOMPARE(Pixels(shown.toImage()), Pixels(drawn.toImage()));
    }
    QCOMPARE(arrow->icon().availableSizes(), expected.availableSizes());
  }
};

}  // namespace tavro::qt::testing

QTEST_MAIN(tavro::qt::testing::StartupTest)
#include "startup_test.moc"
