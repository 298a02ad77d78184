// The desktop program where its surroundings fail it: regional settings that
// are missing, unknown or plain C; fonts the layouts name that the machine
// does not have; a clipboard that holds a picture, nothing, or text in some
// other encoding.
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGlyphRun>
#include <QImage>
#include <QLabel>
#include <QMimeData>
#include <QStringDecoder>
#include <QTextLayout>

#include "modes/solvers/help_text.h"
#include "test_program.h"
#include "ui/qt/widgets/layout_label.h"

namespace tavro::qt::testing {

using support::Click;
using support::Type;

namespace {

const QString kMissingFamily = QStringLiteral("Tavro Missing Sans");

// Glyph 0 is a font's "missing character" box.
int MissingGlyphs(const QString& text, const QFont& font, int width) {
  QTextLayout lines(text, font);
  lines.beginLayout();
  for (QTextLine line = lines.createLine(); line.isValid(); line = lines.createLine())
    line.setLineWidth(width);
  lines.endLayout();
  int missing = 0;
  for (const QGlyphRun& run : lines.glyphRuns())
    for (quint32 glyph : run.glyphIndexes()) missing += glyph == 0;
  return missing;
}

}  // namespace

class FaultTest : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  // CTest runs this under several locales and says which separator each one
  // must give: a comma only where the regional settings use one, a full stop
  // for every other setting, a missing or an unknown one.
  void separatorFollowsTheRegion() {
    const QByteArray expected = qgetenv("TAVRO_EXPECTED_SEPARATOR");
    TAVRO_SKIP_UNLESS(expected.size() == 1,
                      "run by CTest with LANG, LC_ALL and TAVRO_EXPECTED_SEPARATOR set");
    const QString separator = QString::fromLatin1(expected);
    TestProgram program;

    LayoutWindow* standard = program.Open("Form1");
    QVERIFY(standard);
    Type(standard->Field("Text1"), QStringLiteral("1"));
    Type(standard->Field("Text2"), QStringLiteral("4"));
    Click(standard->Button("Command4"));
    QCOMPARE(standard->Field("Text3")->text(), "0" + separator + "25");
    // The same separator is read back.
    Type(standard->Field("Text1"), "2" + separator + "5");
    Type(standard->Field("Text2"), QStringLiteral("1"));
    Click(standard->Button("Command1"));
    QCOMPARE(standard->Field("Text3")->text(), "3" + separator + "5");

    program.Choose("Form1", "f1");
    LayoutWindow* converter = program.Window("Form2");
    QVERIFY(converter);
    Type(converter->Field("Text1"), QStringLiteral("10"));
    Click(converter->Button("Command1"));  // inches to centimetres
    QCOMPARE(converter->Field("Text2")->text(), "25" + separator + "4");

    program.Choose("Form2", "f2");
    LayoutWindow* triangle = program.Window("Form3");
    QVERIFY(triangle);
    Type(triangle->Field("Text1"), QStringLiteral("5"));
    Type(triangle->Field("Text2"), QStringLiteral("3"));
    Click(triangle->Button("Command3"));
    QCOMPARE(triangle->Field("Text3")->text(), "7" + separator + "5");
  }

  void missingFontIsReplaced_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("points");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("shrinks");  // too large for its label at its own size
    // Every label the layouts give a font, whether or not this machine has it.
    for (const layout::WindowLayout* layout : support::AllLayouts())
      for (const layout::Label& label : layout->labels)
        if (label.font)
          QTest::addRow("%s label %d", layout->name.data(), label.index)
              << Q(label.font->family) << label.font->points << Q(label.caption)
              << QRect(label.rect.left, label.rect.top, label.rect.width, label.rect.height)
              << false;
    const QRect help(0, 0, 185, 121);
    QTest::newRow("help text, family nobody has")
        << kMissingFamily << 12.0 << Q(kHelpText) << help << false;
    QTest::newRow("help text, family nobody has, too large")
        << kMissingFamily << 20.0 << Q(kHelpText) << help << true;
    QTest::newRow("bracket, family nobody has")
        << kMissingFamily << 9.75 << "(" << QRect(0, 0, 17, 33) << false;
  }
  void missingFontIsReplaced() {
    QFETCH(QString, family);
    QFETCH(double, points);
    QFETCH(QString, caption);
    QFETCH(QRect, rect);
    QFETCH(bool, shrinks);
    QVERIFY(!QFontDatabase::hasFamily(kMissingFamily));
    const std::string family_text = family.toStdString();
    const std::string caption_text = caption.toStdString();
    const layout::Label record{"Label1",
                               0,
                               caption_text,
                               {rect.x(), rect.y(), rect.width(), rect.height()},
                               layout::Font{family_text, points, true},
                               0};
    QWidget window;
    QLabel* label = BuildLabel(record, &window);

    // Drawn in a font the machine has, the named one or a substitute.
    const QFontInfo shown(label->font());
    QVERIFY2(QFontDatabase::hasFamily(shown.family()), qPrintable(shown.family()));
    if (!QFontDatabase::hasFamily(family)) QVERIFY(shown.family() != family);
    QCOMPARE(label->text(), caption);
    QVERIFY(label->font().pointSizeF() <= points);
    if (shrinks) QVERIFY(label->font().pointSizeF() < points);
    QVERIFY(label->font().pointSizeF() >= 6);
    // The whole text is shown: every line within the label, every word
    // within its width, and every character with a glyph of its own.
    QVERIFY(label->heightForWidth(label->width()) <=
            std::max(label->height(), label->fontMetrics().height()));
    for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts))
      QVERIFY2(label->fontMetrics().horizontalAdvance(word) <= label->width(), qPrintable(word));
    QCOMPARE(MissingGlyphs(caption, label->font(), label->width()), 0);
  }

  void missingGlyphsAreCounted() {
    // The glyph check above sees a character that no font can draw.
    QCOMPARE(MissingGlyphs(QString::fromUcs4(U"1\U0010FFFD"), QFont(kMissingFamily), 100), 1);
  }

  void pasteTakesWhatTextThereIs_data() {
    QTest::addColumn<QString>("format");  // "image", "nothing", "no formats", or a MIME type
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("pasted");
    QTest::newRow("a picture only") << "image" << QByteArray() << QString();
    QTest::newRow("nothing") << "nothing" << QByteArray() << QString();
    QTest::newRow("no formats") << "no formats" << QByteArray() << QString();
    QTest::newRow("HTML only") << "text/html" << QByteArray("<b>12</b>") << QString();
    QTest::newRow("unknown character set")
        << "text/plain;charset=x-tavro-unknown" << QByteArray("12.5") << QString();
    // Text in another encoding that says which: decoded.
    QTest::newRow("windows-1251") << "text/plain;charset=windows-1251"
                                  << QByteArray("12,5 \xF1\xEC") << QStringLiteral("12,5 см");
    QTest::newRow("ISO-8859-1") << "text/plain;charset=ISO-8859-1" << QByteArray("25\xB0")
                                << QStringLiteral("25°");
    QTest::newRow("UTF-16 with byte-order mark") << "text/plain"
                                                 << QByteArray(
                                                        "\xFF\xFE"
                                                        "1\0"
                                                        "2\0",
                                                        6)
                                                 << QStringLiteral("12");
    // Bytes that are not the UTF-8 they claim to be: each becomes U+FFFD.
    QTest::newRow("Latin-1 bytes as UTF-8")
        << "text/plain" << QByteArray("25\xB0") << QStringLiteral("25\uFFFD");
    QTest::newRow("plain text") << "text/plain" << QByteArray("12.5 см")
                                << QStringLiteral("12.5 см");
  }
  void pasteTakesWhatTextThereIs() {
    QFETCH(QString, format);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, pasted);
    TestProgram program;
    LayoutWindow* converter = program.Open("Form2");
    QVERIFY(converter);
    Type(converter->Field("Text1"), QStringLiteral("99"));

    QClipboard* clipboard = QGuiApplication::clipboard();
    if (format == "image") {
      QImage picture(4, 4, QImage::Format_ARGB32);
      picture.fill(Qt::red);
      clipboard->setImage(picture);
    } else if (format == "nothing") {
      clipboard->clear();
    } else {
      auto* data = new QMimeData;
      if (format != "no formats") data->setData(format, bytes);
      clipboard->setMimeData(data);
    }
    Click(converter->Button("Command15"));

    QCOMPARE(converter->Field("Text1")->text(), pasted);
    const std::string& model = program.shell().Model("Form2")->FindField("Text1")->text();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString decoded = utf8(QByteArrayView(model));
    QVERIFY(!utf8.hasError());
    QCOMPARE(decoded, pasted);
    // A conversion of what was pasted runs as usual.
    Click(converter->Button("Command1"));
    QCOMPARE(program.ends(), 0);
  }
};

}  // namespace tavro::qt::testing

QTEST_MAIN(tavro::qt::testing::FaultTest)
#include "fault_test.moc"
