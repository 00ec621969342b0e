#include "LMTestSupport.h"
#include "LMTextFormatChange.h"
#include "LMTextFormatParserSVG.h"
#include "LMTextTransform.h"
#include "LMXMLLoader.h"

#include <QTest>

Q_DECLARE_METATYPE(LMTextFormatChange)

using LMTestSupport::elementWithId;

namespace {

// Builds the change a row expects, one field at a time.
class Expect
{
public:
    Expect& family(const QString& theFamily)
    {
        return set(LMTextFormat::FontFamily, [&] { myFormat.setFontFamily(theFamily); });
    }
    Expect& size(double thePoints)
    {
        return set(LMTextFormat::FontSize, [&] { myFormat.setFontSize(thePoints); });
    }
    Expect& bold(bool theBold)
    {
        return set(LMTextFormat::Bold, [&] { myFormat.setBold(theBold); });
    }
    Expect& italic(bool theItalic)
    {
        return set(LMTextFormat::Italic, [&] { myFormat.setItalic(theItalic); });
    }
    Expect& color(const QColor& theColor)
    {
        return set(LMTextFormat::FontColor, [&] { myFormat.setFontColor(theColor); });
    }
    Expect& align(Qt::Alignment theAlignment)
    {
        return set(LMTextFormat::AlignmentHorizontal, [&] { myFormat.setAlignmentHorizontal(theAlignment); });
    }
    Expect& spacingMm(double theMillimetres)
    {
        return set(LMTextFormat::LetterSpacing,
                   [&] { myFormat.setLetterSpacing(LMDistance(theMillimetres, LMDistanceUnit::Millimetre)); });
    }
    Expect& lineHeight(int thePercent)
    {
        return set(LMTextFormat::LineHeight, [&] { myFormat.setLineHeightPercent(thePercent); });
    }
    operator LMTextFormatChange() const { return LMTextFormatChange(myFormat, myFields); }

private:
    template <typename F> Expect& set(LMTextFormat::Field theField, F theSetter)
    {
        theSetter();
        myFields |= theField;
        return *this;
    }

    LMTextFormat myFormat;
    LMTextFormat::Fields myFields;
};

QByteArray describe(const LMTextFormatChange& theChange)
{
    QString aText;
    QDebug(&aText) << theChange;
    return aText.toUtf8();
}

} // namespace

class TestSVGTextFormat : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parseCSS_data();
    void parseCSS();
    void fromSVG_data();
    void fromSVG();
    void textTransform_data();
    void textTransform();
};

void TestSVGTextFormat::parseCSS_data()
{
    QTest::addColumn<QString>("css");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<LMTextFormatChange>("expected");

    QTest::newRow("empty") << QString() << 254.0 << LMTextFormatChange(Expect());
    QTest::newRow("size in points") << QStringLiteral("font-size: 12pt") << 254.0
                                    << LMTextFormatChange(Expect().size(12));
    QTest::newRow("size in px at 254 dpi")
        << QStringLiteral("font-size:127px") << 254.0 << LMTextFormatChange(Expect().size(36));
    QTest::newRow("size in user units at 72 dpi")
        << QStringLiteral("font-size: 10") << 72.0 << LMTextFormatChange(Expect().size(10));
    QTest::newRow("size in mm") << QStringLiteral("font-size: 25.4mm") << 254.0
                                << LMTextFormatChange(Expect().size(72));
    QTest::newRow("size in inches, upper case")
        << QStringLiteral("FONT-SIZE: .5IN") << 254.0 << LMTextFormatChange(Expect().size(36));
    QTest::newRow("size malformed") << QStringLiteral("font-size: big") << 254.0 << LMTextFormatChange(Expect());
    QTest::newRow("size negative") << QStringLiteral("font-size: -3pt") << 254.0 << LMTextFormatChange(Expect());
    QTest::newRow("size relative unit") << QStringLiteral("font-size: 2em") << 254.0 << LMTextFormatChange(Expect());
    QTest::newRow("important") << QStringLiteral("font-size: 12pt !important") << 254.0
                               << LMTextFormatChange(Expect().size(12));
    QTest::newRow("family list quoted") << QStringLiteral("font-family: 'Open Sans', Arial, sans-serif") << 254.0
                                        << LMTextFormatChange(Expect().family(QStringLiteral("Open Sans")));
    QTest::newRow("family unicode") << QString::fromUtf8("font-family: \"\xc3\x9c"
                                                         "berschrift\"")
                                    << 254.0
                                    << LMTextFormatChange(Expect().family(QString::fromUtf8("\xc3\x9c"
                                                                                            "berschrift")));
    QTest::newRow("bold") << QStringLiteral("font-weight: bold") << 254.0 << LMTextFormatChange(Expect().bold(true));
    QTest::newRow("weight 700") << QStringLiteral("font-weight: 700") << 254.0
                                << LMTextFormatChange(Expect().bold(true));
    QTest::newRow("weight 400") << QStringLiteral("font-weight: 400") << 254.0
                                << LMTextFormatChange(Expect().bold(false));
    QTest::newRow("weight unknown") << QStringLiteral("font-weight: heavy") << 254.0 << LMTextFormatChange(Expect());
    QTest::newRow("italic") << QStringLiteral("font-style: Italic") << 254.0
                            << LMTextFormatChange(Expect().italic(true));
    QTest::newRow("oblique") << QStringLiteral("font-style: oblique") << 254.0
                             << LMTextFormatChange(Expect().italic(true));
    QTest::newRow("style normal") << QStringLiteral("font-style: normal") << 254.0
                                  << LMTextFormatChange(Expect().italic(false));
    QTest::newRow("fill short hex") << QStringLiteral("fill: #f00") << 254.0
                                    << LMTextFormatChange(Expect().color(QColor(255, 0, 0)));
    QTest::newRow("fill name") << QStringLiteral("fill: SteelBlue") << 254.0
                               << LMTextFormatChange(Expect().color(QColor(70, 130, 180)));
    QTest::newRow("fill rgb") << QStringLiteral("fill: rgb(255, 0, 128)") << 254.0
                              << LMTextFormatChange(Expect().color(QColor(255, 0, 128)));
    QTest::newRow("fill rgb percent") << QStringLiteral("fill:rgb(100%,0%,50%)") << 254.0
                                      << LMTextFormatChange(Expect().color(QColor(255, 0, 128)));
    QTest::newRow("fill none") << QStringLiteral("fill: none") << 254.0
                               << LMTextFormatChange(Expect().color(QColor(Qt::transparent)));
    QTest::newRow("fill gradient") << QStringLiteral("fill: url(#g)") << 254.0 << LMTextFormatChange(Expect());
    QTest::newRow("fill with alpha first")
        << QStringLiteral("fill: #80ff0000") << 254.0 << LMTextFormatChange(Expect());
    QTest::newRow("anchor middle") << QStringLiteral("text-anchor: middle") << 254.0
                                   << LMTextFormatChange(Expect().align(Qt::AlignHCenter));
    QTest::newRow("anchor end") << QStringLiteral("text-anchor: end") << 254.0
                                << LMTextFormatChange(Expect().align(Qt::AlignRight));
    QTest::newRow("anchor start") << QStringLiteral("text-anchor: start") << 254.0
                                  << LMTextFormatChange(Expect().align(Qt::AlignLeft));
    QTest::newRow("align justify") << QStringLiteral("text-align: justify") << 254.0
                                   << LMTextFormatChange(Expect().align(Qt::AlignJustify));
    QTest::newRow("anchor justify") << QStringLiteral("text-anchor: justify") << 254.0 << LMTextFormatChange(Expect());
    QTest::newRow("letter spacing mm") << QStringLiteral("letter-spacing: 1mm") << 254.0
                                       << LMTextFormatChange(Expect().spacingMm(1));
    QTest::newRow("letter spacing user units")
        << QStringLiteral("letter-spacing: 10") << 254.0 << LMTextFormatChange(Expect().spacingMm(1));
    QTest::newRow("line height factor") << QStringLiteral("line-height: 1.5") << 254.0
                                        << LMTextFormatChange(Expect().lineHeight(150));
    QTest::newRow("line height percent") << QStringLiteral("line-height: 120%") << 254.0
                                         << LMTextFormatChange(Expect().lineHeight(120));
    QTest::newRow("line height beyond int")
        << QStringLiteral("line-height: 1e300") << 254.0 << LMTextFormatChange(Expect().lineHeight(10000));
    QTest::newRow("fill rgb beyond long") << QStringLiteral("fill: rgb(99999999999999999999, 0, 0)") << 254.0
                                          << LMTextFormatChange(Expect().color(QColor(255, 0, 0)));
    QTest::newRow("line height absolute")
        << QStringLiteral("line-height: 12pt") << 254.0 << LMTextFormatChange(Expect());
    QTest::newRow("unknown properties ignored") << QStringLiteral("stroke: red; font-size: 12pt; opacity: .5") << 254.0
                                                << LMTextFormatChange(Expect().size(12));
    QTest::newRow("later declaration wins")
        << QStringLiteral("font-size: 10pt; font-size: 12pt;") << 254.0 << LMTextFormatChange(Expect().size(12));
    QTest::newRow("comments") << QStringLiteral("/* fill: red; */ font-size: 8pt /* ; bold */") << 254.0
                              << LMTextFormatChange(Expect().size(8));
    QTest::newRow("declaration without colon")
        << QStringLiteral("bold; font-style: italic") << 254.0 << LMTextFormatChange(Expect().italic(true));
    QTest::newRow("sheet with rules") << QStringLiteral(
        ".a { font-size: 10pt }\ntext { fill: #00ff00; font-size: 11pt }")
                                      << 254.0 << LMTextFormatChange(Expect().size(11).color(QColor(0, 255, 0)));
    QTest::newRow("unclosed last rule") << QStringLiteral("text { font-weight: bold") << 254.0
                                        << LMTextFormatChange(Expect().bold(true));
    QTest::newRow("everything") << QStringLiteral("font-family: Georgia; font-size: 254; font-weight: bolder; "
                                                  "font-style: italic; fill: #123456; text-anchor: end")
                                << 254.0
                                << LMTextFormatChange(Expect()
                                                          .family(QStringLiteral("Georgia"))
                                                          .size(72)
                                                          .bold(true)
                                                          .italic(true)
                                                          .color(QColor(0x12, 0x34, 0x56))
                                                          .align(Qt::AlignRight));
}

void TestSVGTextFormat::parseCSS()
{
    QFETCH(QString, css);
    QFETCH(double, dpi);
    QFETCH(LMTextFormatChange, expected);
    const LMTextFormatChange aResult = LMTextFormatParserSVG::parseCSS(css, dpi);
    QVERIFY2(aResult == expected, describe(aResult).constData());
}

void TestSVGTextFormat::fromSVG_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<double>("dpi");
    QTest::addColumn<LMTextFormatChange>("expected");

    QTest::newRow("nearest wins over three levels")
        << QByteArray("<svg font-style=\"italic\"><g font-family=\"Arial\" font-size=\"10pt\" style=\"fill:#ff0000\">"
                      "<g style=\"font-size: 20pt\" font-weight=\"bold\">"
                      "<text id=\"t\" fill=\"#0000ff\" text-anchor=\"middle\">x</text></g></g></svg>")
        << 254.0
        << LMTextFormatChange(Expect()
                                  .italic(true)
                                  .family(QStringLiteral("Arial"))
                                  .size(20)
                                  .bold(true)
                                  .color(QColor(0, 0, 255))
                                  .align(Qt::AlignHCenter));
    QTest::newRow("style over attribute on one element")
        << QByteArray("<svg><text id=\"t\" style=\"fill:#00ff00\" fill=\"#0000ff\">x</text></svg>") << 254.0
        << LMTextFormatChange(Expect().color(QColor(0, 255, 0)));
    QTest::newRow("inherit keeps the ancestor's")
        << QByteArray("<svg><g font-size=\"12pt\"><text id=\"t\" font-size=\"inherit\">x</text></g></svg>") << 254.0
        << LMTextFormatChange(Expect().size(12));
    QTest::newRow("user units at the DPI") << QByteArray("<svg><text id=\"t\" font-size=\"127\">x</text></svg>")
                                           << 127.0 << LMTextFormatChange(Expect().size(72));
    QTest::newRow("descendants do not count")
        << QByteArray("<svg><text id=\"t\">x<tspan font-size=\"30pt\">y</tspan></text></svg>") << 254.0
        << LMTextFormatChange(Expect());
    QTest::newRow("nothing set") << QByteArray("<svg><text id=\"t\">x</text></svg>") << 254.0
                                 << LMTextFormatChange(Expect());
}

void TestSVGTextFormat::fromSVG()
{
    QFETCH(QByteArray, xml);
    QFETCH(double, dpi);
    QFETCH(LMTextFormatChange, expected);
    const QDomDocument aDocument = LMXMLLoader::loadDocumentFromData(xml, QStringLiteral("text.svg"));
    const QDomElement aText = elementWithId(aDocument.documentElement(), QStringLiteral("t"));
    QVERIFY(!aText.isNull());
    const LMTextFormatChange aResult = LMTextFormatChange::fromSVG(aText, dpi);
    QVERIFY2(aResult == expected, describe(aResult).constData());
}

void TestSVGTextFormat::textTransform_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected");
    QTest::addColumn<bool>("warns");

    QTest::newRow("uppercase") << QStringLiteral("uppercase") << 1 << false;
    QTest::newRow("mixed case with blanks") << QStringLiteral(" UpperCase ") << 1 << false;
    QTest::newRow("lowercase") << QStringLiteral("LOWERCASE") << 2 << false;
    QTest::newRow("capitalize") << QStringLiteral("Capitalize") << 4 << false;
    QTest::newRow("none") << QStringLiteral("none") << 0 << false;
    QTest::newRow("empty") << QString() << 0 << false;
    QTest::newRow("unknown") << QStringLiteral("shout") << 0 << true;
    QTest::newRow("two words") << QStringLiteral("uppercase,lowercase") << 0 << true;
    QTest::newRow("unicode look-alike") << QString::fromUtf8("upp\xd0\xb5rcase") << 0 << true;
}

void TestSVGTextFormat::textTransform()
{
    QFETCH(QString, text);
    QFETCH(int, expected);
    QFETCH(bool, warns);
    if (warns) {
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QStringLiteral("unknown text transform \"%1\" read as none").arg(text)));
    }
    QCOMPARE(LMTextTransform::parse(text).value(), expected);
}

QTEST_GUILESS_MAIN(TestSVGTextFormat)
#include "tst_svgtextformat.moc"
