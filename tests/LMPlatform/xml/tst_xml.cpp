#include "LMErrorHistory.h"
#include "LMSVGComposition.h"
#include "LMTestSupport.h"
#include "LMXMLBuilder.h"
#include "LMXMLElement.h"
#include "LMXMLLoader.h"
#include "LMXMLParser.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <cfloat>
#include <climits>
#include <cmath>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

namespace {
const QString STR_REFUSED = QStringLiteral("document type or entity declaration at line %1");
const QByteArray PREVIOUS("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<whitelist/>\n");

QString fixture(const QString& theName)
{
    return LMTestSupport::dataPath(QStringLiteral("xml/") + theName);
}

// An element "e" with the attributes, written as in a file: "x='1' y='2'".
QDomElement element(const QString& theAttributes)
{
    QDomDocument aDocument;
    aDocument.setContent(QStringLiteral("<e %1/>").arg(theAttributes));
    return aDocument.documentElement();
}

// An element "e" with the attribute "v" of that value; a null value leaves it out.
QDomElement withValue(const QString& theValue)
{
    return element(theValue.isNull() ? QString() : QStringLiteral("v=\"%1\"").arg(theValue.toHtmlEscaped()));
}

QDomElement reloaded(const QDomDocument& theDocument)
{
    return LMXMLLoader::loadDocumentFromData(LMXMLBuilder::toUTF8(theDocument), QStringLiteral("round trip"))
        .documentElement();
}

// A document with a root "r" holding the attribute "v".
template <typename T> QDomDocument withAttribute(const T& theValue)
{
    QDomDocument aDocument;
    QDomElement aRoot = LMXMLBuilder::buildRootElement(aDocument, QStringLiteral("r"));
    LMXMLBuilder::addAttribute(aRoot, QStringLiteral("v"), theValue);
    return aDocument;
}

QByteArray contentOf(const QString& thePath)
{
    QFile aFile(thePath);
    return aFile.open(QIODevice::ReadOnly) ? aFile.readAll() : QByteArray("<unreadable>");
}

QStringList filesIn(const QTemporaryDir& theDir)
{
    return QDir(theDir.path()).entryList(QDir::Files | QDir::Hidden);
}

// What element readers see of an element: its tag, its attributes in name order, its text and
// its child elements, indented.
QStringList readersView(const LMXMLElement& theElement, const QString& theIndent = QString())
{
    QStringList anAttributes;
    for (int i = 0; i < theElement.attributeCount(); ++i)
        anAttributes.append(theElement.attributeName(i).toString() + QLatin1Char('=')
                            + theElement.attributeValue(i).toString());
    anAttributes.sort();
    QStringList aLines { theIndent + theElement.tagName().toString() + QLatin1Char(' ')
                         + anAttributes.join(QLatin1Char(' ')) + QStringLiteral(" text=[") + theElement.text()
                         + QStringLiteral("] line=") + QString::number(theElement.lineNumber()) };
    for (LMXMLElement aChild = theElement.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement())
        aLines.append(readersView(aChild, theIndent + QLatin1Char(' ')));
    return aLines;
}

QDomDocument smallDocument(const QString& theName)
{
    QDomDocument aDocument;
    QDomElement aRoot = LMXMLBuilder::buildRootElement(aDocument, QStringLiteral("whitelist"));
    QDomElement aFile = LMXMLBuilder::buildDomElement(aRoot, QStringLiteral("file"));
    LMXMLBuilder::addAttribute(aFile, QStringLiteral("name"), theName);
    return aDocument;
}
} // namespace

// The one door for XML files (what it refuses, with one warning naming the file, and what it
// reads), typed attribute reading with its defaults, the text forms the builder writes, and atomic
// saving.
class TestXML : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Numbers are read and written in the C locale whatever the user's is.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void cleanupTestCase() { QLocale::setDefault(QLocale::c()); }
    // Exactly one warning per refused document: any warning not announced fails the test.
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void refusedFiles_data()
    {
        columns<QString, QString>("file", "reason");
        row("entity outside a DTD", "entity-outside-dtd.xml", STR_REFUSED.arg(3));
        row("lower-case doctype", "lowercase-doctype.xml", STR_REFUSED.arg(1));
        row("UTF-16 with DOCTYPE", "utf16le-doctype.xml", STR_REFUSED.arg(2));
        // The whole text is decoded as the declaration says, so the hidden DTD is never seen as one.
        row("DOCTYPE hidden behind a declared encoding", "declared-utf16-hidden-doctype.xml",
            "at line 1, column 1: Start tag expected");
        row("257 levels", "depth-257.xml", "elements nested deeper than 256 levels at line 2");
        row("declared UTF-8, written in Latin-1", "declared-utf8-but-latin1.xml", "the text is not valid UTF-8");
        row("unsupported encoding", "unsupported-encoding.xml", "unsupported encoding x-lumo-unknown");
        row("empty file", "empty.xml", "at line 1, column 0: Premature end of document");
        row("undeclared entity", "undeclared-entity.xml", "Entity 'nbsp' not declared");
        // In a temporary folder.
        row("missing", "/absent/template.xml", "XML file %1 not found");
        row("folder", "/folder.xml", "cannot read XML file %1: not a regular file");
        row("oversized", "/huge.xml", "refused XML file %1: larger than 67108864 bytes");
    }
    void refusedFiles()
    {
        QFETCH(QString, file);
        QTemporaryDir aDir;
        QVERIFY(QDir(aDir.path()).mkdir(QStringLiteral("folder.xml")));
        // A sparse file: no disk space, and the loader must not read it into memory either.
        QFile aFile(LMTestSupport::writeFile(aDir, QStringLiteral("huge.xml"), "<templates2>"));
        QVERIFY(aFile.resize(LMXMLLoader::ourMaximumSize + 1));
        const QString aPath = file.startsWith(QLatin1Char('/')) ? aDir.path() + file : fixture(file);
        const QString anEscaped = QRegularExpression::escape(aPath);
        const QString aReason = fetch<QString>("reason");
        const QRegularExpression aWarning(aReason.contains(QLatin1String("%1"))
                                              ? aReason.arg(anEscaped)
                                              : anEscaped + QStringLiteral(".*") + aReason);
        QTest::ignoreMessage(QtWarningMsg, aWarning);
        QVERIFY(LMXMLLoader::loadDocument(QFileInfo(aPath)).isNull());
    }

    void readFiles_data()
    {
        columns<QString, QString, QString>("file", "rootTag", "name");
        const QString aGreeting = QStringLiteral("Gr\u00fc\u00dfe");
        row("Latin-1 as declared", "latin1-declared.xml", "template", aGreeting);
        row("UTF-16 with byte order mark", "utf16le-bom.xml", "template", aGreeting);
        row("UTF-8 without declaration", "utf8-no-declaration.xml", "template", aGreeting);
        // Declarations inside comments, processing instructions, CDATA and escaped text are no
        // declarations; ">" and "/>" inside attribute values end no tag.
        row("look-alikes", "lookalikes.xml", "svg", QString());
        // The standard DOCTYPE of SVG files names an external DTD that is never fetched.
        row("external DTD of SVG", "doctype-external.xml", "svg", QString());
        row("256 levels", "depth-256.xml", "n", QString());
    }
    void readFiles()
    {
        QFETCH(QString, file);
        const QDomElement aRoot = LMXMLLoader::loadDocument(QFileInfo(fixture(file))).documentElement();
        QTEST(aRoot.tagName(), "rootTag");
        QTEST(aRoot.attribute(QStringLiteral("name")), "name");
        int aDepth = 0;
        for (QDomElement anElement = aRoot; !anElement.isNull(); anElement = anElement.firstChildElement())
            ++aDepth;
        if (file.startsWith(QLatin1String("depth")))
            QCOMPARE(aDepth, LMXMLLoader::ourMaximumDepth);
    }

    void documentElementOutlivesDocument()
    {
        const QDomElement aRoot
            = LMXMLLoader::loadDocumentElement(QFileInfo(fixture(QStringLiteral("lookalikes.xml"))));
        const QDomElement aTemplate = aRoot.firstChildElement(QStringLiteral("lumo:template"));
        QCOMPARE(aTemplate.attribute(QStringLiteral("lumo:note")), QStringLiteral("a > b /> c"));
        QCOMPARE(aTemplate.firstChildElement().attribute(QStringLiteral("xlink:href")), QStringLiteral("#p2"));
        QCOMPARE(aRoot.lastChildElement().text(), QStringLiteral("<!DOCTYPE escaped> & <!ENTITY>"));
    }

    void laterDocumentsSeeNoEarlierDeclarations_data()
    {
        QTest::addColumn<QByteArray>("earlier");
        const QString aDeclaring
            = QStringLiteral("<!DOCTYPE svg [<!ENTITY e 'declared'>]><svg xmlns='http://www.w3.org/2000/svg'/>");
        row("UTF-8", aDeclaring.toUtf8());
        QByteArray anUtf16("\xff\xfe", 2);
        anUtf16.append(reinterpret_cast<const char*>(aDeclaring.utf16()), aDeclaring.size() * 2);
        row("UTF-16, no DOCTYPE bytes to see", anUtf16);
    }

    void laterDocumentsSeeNoEarlierDeclarations()
    {
        // A picture with an internal subset, read as decorations read theirs; a document read after
        // it on the same thread must not expand what the picture declared.
        QTemporaryDir aDir;
        const LMSVGComposition aPicture = LMSVGComposition::fromFile(
            LMTestSupport::writeFile(aDir, QStringLiteral("picture.svg"), fetch<QByteArray>("earlier")));
        QVERIFY(aPicture.isReadable());
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Entity 'e' not declared")));
        QVERIFY(LMXMLLoader::loadDocumentFromData(QByteArray("<y>&e;</y>"), QStringLiteral("later.xml")).isNull());
    }

    void dataInMemory_data()
    {
        // bounds "size depth", none for the loader's own
        columns<QByteArray, QString, QString, QString>("data", "bounds", "warning", "rootTag");
        const QString aRefused = QStringLiteral("refused XML file text: ") + STR_REFUSED;
        row("well-formed", QByteArray("<whitelist><group/></whitelist>"), "", "", "whitelist");
        row("qualified names without declared prefix", QByteArray(R"(<svg><lumo:osm lumo:zoom="3"/></svg>)"), "", "",
            "svg");
        row("bracket and > inside a quoted identifier", QByteArray("<!DOCTYPE svg SYSTEM \"a[b>c.dtd\"><svg/>"), "", "",
            "svg");
        // With an external DTD the parser may not call an unknown entity an error; it stays unexpanded.
        row("undeclared entity beside an external DTD",
            QByteArray("<!DOCTYPE svg SYSTEM 'svg.dtd'><svg>a&nbsp;b</svg>"), "", "", "svg");
        row("DOCTYPE of another format", QByteArray("<!DOCTYPE templates2 SYSTEM 'templates.dtd'><templates2/>"), "",
            aRefused.arg(1), QString());
        row("DOCTYPE of a longer name", QByteArray("<!DOCTYPE svgx SYSTEM 'svg.dtd'><svgx/>"), "", aRefused.arg(1),
            QString());
        row("internal subset right after the name", QByteArray("<!DOCTYPE svg[<!ENTITY e 'x'>]><svg>&e;</svg>"), "",
            aRefused.arg(1), QString());
        row("internal subset after the identifiers",
            QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" \"svg11.dtd\" [\n"
                       "<!ENTITY e \"x\">]><svg>&e;</svg>"),
            "", aRefused.arg(2), QString());
        row("second DOCTYPE", QByteArray("<!DOCTYPE svg>\n<!DOCTYPE svg><svg/>"), "", aRefused.arg(2), QString());
        row("plain DOCTYPE after the root", QByteArray("<svg/>\n<!DOCTYPE svg>"), "", aRefused.arg(2), QString());
        row("unterminated DOCTYPE", QByteArray("<!DOCTYPE svg PUBLIC \"x"), "",
            "malformed XML file text at line 1, column 23: Premature end of document.", QString());
        row("malformed", QByteArray("<a>\n<b></a>"), "",
            "malformed XML file text at line 2, column 7: Opening and ending tag mismatch.", QString());
        const QByteArray aThreeLevels("<a><b><c/></b></a>"); // 18 bytes
        const QString aTooDeep
            = QStringLiteral("refused XML file text: elements nested deeper than 2 levels at line 1");
        row("at both bounds", aThreeLevels, "18 3", "", "a");
        row("one byte over", aThreeLevels, "17 3", "refused XML file text: larger than 17 bytes", QString());
        row("one level over", aThreeLevels, "18 2", aTooDeep, QString());
        row("empty elements side by side", QByteArray("<a><b/><b/><b/></a>"), "100 2", "", "a");
        row("empty element one level over", QByteArray("<a><b/><b><c/></b></a>"), "100 2", aTooDeep, QString());
        row("comments and CDATA do not nest", QByteArray("<a><!-- <b><c> --><![CDATA[<b><c>]]></a>"), "100 1", "", "a");
        // A quoted "/>" or ">" (and the other quote) ends no tag: b is not empty, c is a third level.
        const QByteArray aQuotedEnds(R"(<a x='>"'><b y="'/>"><c/></b></a>)");
        row("quoted tag ends, within the depth", aQuotedEnds, "100 3", "", "a");
        row("quoted tag ends, one level over", aQuotedEnds, "100 2", aTooDeep, QString());
        row("unterminated value", QByteArray("<a x=\"never closed"), "100 2",
            "malformed XML file text at line 1, column 18: Premature end of document.", QString());
    }
    void dataInMemory()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, warning);
        const QStringList aBounds = LMTestSupport::fetch<QString>("bounds").split(QLatin1Char(' '));
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        const QString aName = QStringLiteral("text");
        const QDomDocument aDocument = aBounds.size() < 2
            ? LMXMLLoader::loadDocumentFromData(data, aName)
            : LMXMLLoader::loadDocumentFromData(data, aName, aBounds.at(0).toInt(), aBounds.at(1).toInt());
        QTEST(aDocument.documentElement().tagName(), "rootTag");
        QCOMPARE(aDocument.isNull(), !warning.isEmpty());
    }

    // An element read from the stream is what the DOM of the whole document holds, and the reader
    // is left on the element's end.
    void fragments_data()
    {
        columns<QString>("text");
        row("attributes and nesting", "<r a='1' b='two'><c d='&amp;&lt;&#x41;'/><c/><e><f g=''/></e></r>");
        row("white space between and inside", "<r>\n  <a> </a>\n  <b>\t</b>\n</r>");
        row("text, references and mixed content", "<r>one &amp; <b>two</b> three&#10;<c>  four  </c></r>");
        row("CDATA", "<r><a><![CDATA[ x < y ]]></a><b><![CDATA[  ]]></b><c>t<![CDATA[u]]>v</c></r>");
        row("comments and processing instructions", "<r><!-- c --><a><?pi x?>t<!-- d -->u</a></r>");
        row("names as written", R"(<svg xmlns:lumo="urn:x"><lumo:osm lumo:zoom="3" xmlns="urn:y"/></svg>)");
        row("attribute value normalisation", "<r a=\"x\ny\tz\" b=\"x&#10;y\"/>");
        row("empty root", "<r/>");
    }
    void fragments()
    {
        QFETCH(QString, text);
        const QDomDocument aWhole = LMXMLLoader::loadDocumentFromData(text.toUtf8(), QStringLiteral("text"));
        QXmlStreamReader aReader(text);
        LMXMLLoader::prepareReader(aReader);
        while (aReader.readNext() != QXmlStreamReader::StartElement)
            QVERIFY(!aReader.atEnd());
        const LMXMLElement aRoot = LMXMLElement::read(aReader);
        QVERIFY(!aReader.hasError());
        QVERIFY(aReader.isEndElement());
        QCOMPARE(aReader.qualifiedName(), aWhole.documentElement().tagName());
        const QStringList aView = readersView(aRoot);
        QCOMPARE(aView, readersView(aWhole.documentElement()));
        // Back to a DOM and again: all but the lines, which a built DOM does not know.
        QDomDocument aCopy;
        QStringList aCopied = readersView(aRoot.toDom(aCopy));
        aCopied.replaceInStrings(QStringLiteral(" line=-1"), QString());
        QCOMPARE(aCopied,
                 QStringList(aView).replaceInStrings(QRegularExpression(QStringLiteral(" line=\\d+")), QString()));
    }

    // A child appended is a copy of its subtree, whichever tree it comes from, its own included.
    void appendChild_data()
    {
        columns<QString, QString, QString>("target", "child", "expected");
        row("from another tree", "<r><a/></r>", "<c x='1'><d>t</d></c>", "r a c d");
        row("null child", "<r><a/></r>", "", "r a");
        row("own first child", "<r><a><b/></a></r>", "a", "r a b a b");
    }
    void appendChild()
    {
        QFETCH(QString, child);
        const auto aRead = [](const QString& theText) {
            QXmlStreamReader aReader(theText);
            LMXMLElement::readToDocumentElement(aReader);
            return LMXMLElement::read(aReader);
        };
        LMXMLElement aTarget = aRead(fetch<QString>("target"));
        const LMXMLElement aFirst = aTarget.firstChildElement();
        aTarget.appendChild(child == QLatin1String("a") ? aFirst : child.isEmpty() ? LMXMLElement() : aRead(child));
        QStringList aTags;
        for (const QString& aLine : readersView(aTarget))
            aTags.append(aLine.trimmed().section(QLatin1Char(' '), 0, 0));
        QTEST(aTags.join(QLatin1Char(' ')), "expected");
        LMXMLElement aLast = aFirst;
        while (!aLast.nextSiblingElement().isNull())
            aLast = aLast.nextSiblingElement();
        QCOMPARE(aLast.parentElement().tagName(), QStringLiteral("r"));
    }

    // Readers that build a DOM may bound the elements; the root counts. Stream readers take the
    // text of any count.
    void elementBound_data()
    {
        columns<qsizetype, bool>("elements", "refused");
        row("at the bound", qsizetype(1000), false);
        row("one over", qsizetype(1001), true);
    }
    void elementBound()
    {
        QFETCH(qsizetype, elements);
        QFETCH(bool, refused);
        const QTemporaryDir aDir;
        const QString aPath = LMTestSupport::writeFile(aDir, QStringLiteral("many.xml"),
                                                       "<a>" + QByteArray("<b/>").repeated(elements - 1) + "</a>");
        if (refused)
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("refused XML file %1: more than 1000 elements").arg(aPath)));
        QCOMPARE(LMXMLLoader::loadDocument(QFileInfo(aPath), 1000).isNull(), refused);
        qsizetype aCounted = 0;
        QVERIFY(LMXMLLoader::loadText(QFileInfo(aPath), &aCounted).has_value());
        QCOMPARE(aCounted, elements);
    }

    void numbers_data()
    {
        // the default is -7
        // the default is -7.5
        columns<QString, int, double>("text", "expectedInt", "expectedDouble");
        row("missing", QString(), -7, -7.5);
        row("empty", "", -7, -7.5);
        row("surrounding blanks", " 12 ", 12, 12.0);
        row("trailing letters", "12abc", -7, -7.5);
        row("signed exponent", "-1.5E+2", -7, -150.0);
        row("plus sign", "+8", 8, 8.0);
        row("nan", "nan", -7, -7.5);
        row("int max", "2147483647", INT_MAX, 2147483647.0);
        row("int min", "-2147483648", INT_MIN, -2147483648.0);
        row("int overflow", "2147483648", -7, 2147483648.0);
        row("int underflow", "-2147483649", -7, -2147483649.0);
        row("double overflow", "1e400", -7, -7.5);
        row("sign only", "-", -7, -7.5);
        row("two signs", "+-1", -7, -7.5);
        row("80 digits", QString(80, u'1'), -7, -7.5);
        row("Arabic-Indic digits", "\u0661\u0662", -7, -7.5);
    }
    void numbers()
    {
        QFETCH(QString, text);
        QFETCH(int, expectedInt);
        QFETCH(double, expectedDouble);
        const QDomElement anElement = withValue(text);
        const QString aName = QStringLiteral("v");
        QCOMPARE(LMXMLParser::intAttribute(anElement, aName, -7), expectedInt);
        QCOMPARE(LMXMLParser::intAttribute(LMXMLElement(anElement), aName, -7), expectedInt);
        QCOMPARE(LMXMLParser::doubleAttribute(anElement, aName, -7.5), expectedDouble);
        QCOMPARE(LMXMLParser::doubleAttribute(LMXMLElement(anElement), aName, -7.5), expectedDouble);
        bool anOk = true;
        const int aFast = LMXMLParser::fastDecodeInt(text, &anOk);
        QCOMPARE(anOk, expectedInt != -7);
        QCOMPARE(aFast, anOk ? expectedInt : 0);
    }

    void booleans_data()
    {
        // 1 true, 0 false, -1 the default
        columns<QString, int>("text", "expected");
        row("missing", QString(), -1);
        for (const char* aWord : { "TRUE", " yes ", "1" })
            row(aWord, aWord, 1);
        for (const char* aWord : { "False", "NO", "0" })
            row(aWord, aWord, 0);
        for (const char* aWord : { "", "on", "-1", "truth", "y" })
            row(aWord, aWord, -1);
    }
    void booleans()
    {
        QFETCH(int, expected);
        const QDomElement anElement = withValue(fetch<QString>("text"));
        for (const bool aDefault : { false, true }) {
            const bool anExpected = expected < 0 ? aDefault : expected == 1;
            QCOMPARE(LMXMLParser::boolAttribute(anElement, QStringLiteral("v"), aDefault), anExpected);
            QCOMPARE(LMXMLParser::boolAttribute(LMXMLElement(anElement), QStringLiteral("v"), aDefault), anExpected);
        }
    }

    void colors_data()
    {
        // plain form; invalid: the default
        // with an alpha suffix allowed
        columns<QString, QColor, QColor>("text", "expected", "expectedEx");
        const QColor aNone;
        const QColor aRed(255, 0, 0);
        row("missing", QString(), aNone, aNone);
        row("empty", "", aNone, aNone);
        row("#rgb", "#abc", QColor(0xaa, 0xbb, 0xcc), QColor(0xaa, 0xbb, 0xcc));
        row("#rrggbb upper case, blanks", " #A0B1CF ", QColor(0xa0, 0xb1, 0xcf), QColor(0xa0, 0xb1, 0xcf));
        row("#aarrggbb", "#80ff0000", QColor(255, 0, 0, 128), QColor(255, 0, 0, 128));
        row("name", "red", aRed, aRed);
        row("four digits", "#abcd", aNone, aNone);
        row("not hexadecimal", "#gg0000", aNone, aNone);
        row("unknown name", "notacolour", aNone, aNone);
        row("two alpha digits", "#ff0000,80", aNone, QColor(255, 0, 0, 0x80));
        row("one alpha digit", "#ff0000,8", aNone, QColor(255, 0, 0, 8));
        row("empty alpha", "#ff0000,", aNone, aNone);
        row("three alpha digits", "#ff0000,123", aNone, aNone);
        row("alpha not hexadecimal", "#ff0000,zz", aNone, aNone);
    }
    void colors()
    {
        QFETCH(QColor, expected);
        QFETCH(QColor, expectedEx);
        const QDomElement anElement = withValue(fetch<QString>("text"));
        const QColor aDefault(1, 2, 3);
        const auto orDefault = [&](const QColor& theColor) {
            return theColor.isValid() ? theColor : aDefault;
        };
        QCOMPARE(LMXMLParser::colorAttribute(anElement, QStringLiteral("v"), aDefault), orDefault(expected));
        QCOMPARE(LMXMLParser::colorAttribute(LMXMLElement(anElement), QStringLiteral("v"), aDefault),
                 orDefault(expected));
        QCOMPARE(LMXMLParser::colorAttributeEx(anElement, QStringLiteral("v"), aDefault), orDefault(expectedEx));
        // Without a default an absent or malformed colour is invalid.
        QCOMPARE(LMXMLParser::colorAttributeEx(anElement, QStringLiteral("v")).isValid(), expectedEx.isValid());
    }

    void anglesAndDistances_data()
    {
        // the default is 45
        // the default is 7 units
        columns<QString, int, LMDistance>("text", "angle", "distance");
        const LMDistance aDefault(7.0);
        row("missing", QString(), 45, aDefault);
        row("negative, as written", "-90", -90, LMDistance(-90.0));
        row("beyond a turn, as written", "450", 450, LMDistance(450.0));
        row("decimal rounds", "89.6", 90, LMDistance(89.6));
        row("half rounds away from zero", "-0.5", -1, LMDistance(-0.5));
        row("beyond int", "3e9", 45, LMDistance(3e9));
        row("millimetres", "-1.5mm", 45, LMDistance(-1.5, LMDistanceUnit::Millimetre));
        row("relative, blanks", " 0.02 rel ", 45, LMDistance(0.02, LMDistanceUnit::Relative));
        row("unknown unit", "4cm", 45, aDefault);
        row("unit only", "mm", 45, aDefault);
        row("comma decimal", "1,5mm", 45, aDefault);
    }
    void anglesAndDistances()
    {
        const QDomElement anElement = withValue(fetch<QString>("text"));
        const QString aName = QStringLiteral("v");
        QTEST(LMXMLParser::readAngle(anElement, aName, LMAngle(45)).degrees(), "angle");
        QTEST(LMXMLParser::readAngle(LMXMLElement(anElement), aName, LMAngle(45)).degrees(), "angle");
        QTEST(LMXMLParser::readDistance(anElement, aName, LMDistance(7.0)), "distance");
        QTEST(LMXMLParser::readDistance(LMXMLElement(anElement), aName, LMDistance(7.0)), "distance");
    }

    void geometry_data()
    {
        // default (-1, -2, -3, -4); QRect the same, x and y as integers
        // default (-3, -4)
        // default (-5, -6, -7, -8)
        columns<QString, QString, QRectF, QSizeF, QMarginsF>("attributes", "prefix", "rectF", "sizeF", "margins");
        const QRectF aRect(-1, -2, -3, -4);
        const QSizeF aSize(-3, -4);
        const QMarginsF aMargins(-5, -6, -7, -8);
        row("nothing", "", QString(), aRect, aSize, aMargins);
        row("all values", "x='10' y='20' width='300' height='400' left='1' top='2.5' right='3' bottom='4'", QString(),
            QRectF(10, 20, 300, 400), QSizeF(300, 400), QMarginsF(1, 2.5, 3, 4));
        row("each malformed value takes the default's", "x='10mm' y='20' width='' height='-40' top='x'", QString(),
            QRectF(-1, 20, -3, -40), QSizeF(-3, -40), aMargins);
        row("prefix", "x='1' innerx='5' innerwidth='50' innerheight='60' innerleft='9'", "inner", QRectF(5, -2, 50, 60),
            QSizeF(50, 60), QMarginsF(9, -6, -7, -8));
        row("SVG size from the view box", "width='210mm' viewBox='0 0 2100 2970'", QString(), aRect, QSizeF(2100, 2970),
            aMargins);
        row("SVG width given, height from the view box", "width='1000' viewBox='0,0, 2100,2970.5'", QString(),
            QRectF(-1, -2, 1000, -4), QSizeF(1000, 2970.5), aMargins);
        row("malformed view box", "viewBox='0 0 2100'", QString(), aRect, aSize, aMargins);
        row("view box number malformed", "viewBox='0 0 2100 x'", QString(), aRect, aSize, aMargins);
        row("view box ignored with a prefix", "viewBox='0 0 10 20'", "lumo:", aRect, aSize, aMargins);
    }
    void geometry()
    {
        QFETCH(QString, prefix);
        QFETCH(QRectF, rectF);
        QFETCH(QSizeF, sizeF);
        QFETCH(QMarginsF, margins);
        const QDomElement anElement = element(fetch<QString>("attributes"));
        const LMXMLElement aLight(anElement);
        const QRect aRect = rectF.toRect();
        QCOMPARE(LMXMLParser::readRectF(anElement, QRectF(-1, -2, -3, -4), prefix), rectF);
        QCOMPARE(LMXMLParser::readRectF(aLight, QRectF(-1, -2, -3, -4), prefix), rectF);
        QCOMPARE(LMXMLParser::readSizeF(anElement, QSizeF(-3, -4), prefix), sizeF);
        QCOMPARE(LMXMLParser::readSizeF(aLight, QSizeF(-3, -4), prefix), sizeF);
        QCOMPARE(LMXMLParser::readRect(anElement, QRect(-1, -2, -3, -4), prefix), aRect);
        QCOMPARE(LMXMLParser::readRect(aLight, QRect(-1, -2, -3, -4), prefix), aRect);
        QCOMPARE(LMXMLParser::readSize(anElement, QSize(-3, -4), prefix), aRect.size());
        QCOMPARE(LMXMLParser::readMargins(anElement, QMarginsF(-5, -6, -7, -8), prefix), margins);
        QCOMPARE(LMXMLParser::readMargins(aLight, QMarginsF(-5, -6, -7, -8), prefix), margins);
    }

    void nextElement()
    {
        const QDomElement aRoot = LMXMLLoader::loadDocumentFromData(
                                      "<r><a n='1'/>text<!-- c --><b n='2'/><a n='3'/></r>", QStringLiteral("r"))
                                      .documentElement();
        const QDomElement aFirst = aRoot.firstChildElement();
        QCOMPARE(LMXMLParser::nextElement(aFirst).attribute(QStringLiteral("n")), QStringLiteral("2"));
        QCOMPARE(LMXMLParser::nextElement(aFirst, QStringLiteral("a")).attribute(QStringLiteral("n")),
                 QStringLiteral("3"));
        QVERIFY(LMXMLParser::nextElement(aFirst, QStringLiteral("c")).isNull());
        QVERIFY(LMXMLParser::nextElement(aRoot.lastChildElement()).isNull());
        QVERIFY(LMXMLParser::nextElement(QDomElement()).isNull());
    }

    // Numbers and colours as the builder writes them, read back.
    void valueRoundTrip_data()
    {
        columns<QVariant, QString>("value", "text");
        row("tenth", QVariant(0.1), "0.1");
        row("third", QVariant(1.0 / 3.0), "0.3333333333333333");
        row("negative zero", QVariant(-0.0), "-0");
        row("zero", QVariant(0.0), "0");
        row("large", QVariant(1e21), "1e+21");
        row("largest", QVariant(DBL_MAX), "1.7976931348623157e+308");
        row("smallest denormal", QVariant(4.9406564584124654e-324), "5e-324");
        row("opaque colour", QVariant(QColor(0x12, 0xab, 0xef)), "#12abef");
        row("half transparent colour", QVariant(QColor(255, 0, 0, 128)), "#80ff0000");
        row("invalid colour writes nothing", QVariant(QColor()), QString());
    }
    void valueRoundTrip()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, text);
        const bool aColor = value.typeId() == QMetaType::QColor;
        const QColor aColorValue = value.value<QColor>();
        const QDomDocument aDocument = aColor ? withAttribute(aColorValue) : withAttribute(value.toDouble());
        QCOMPARE(aDocument.documentElement().hasAttribute(QStringLiteral("v")), !text.isNull());
        QCOMPARE(aDocument.documentElement().attribute(QStringLiteral("v")), text);
        const QDomElement aRoot = reloaded(aDocument);
        if (aColor) {
            QCOMPARE(LMXMLBuilder::colorText(aColorValue), text);
            const QColor aRead = LMXMLParser::colorAttribute(aRoot, QStringLiteral("v"));
            QCOMPARE(aRead.isValid(), aColorValue.isValid());
            QCOMPARE(aRead.rgba(), aColorValue.rgba());
        } else {
            const double aRead = LMXMLParser::doubleAttribute(aRoot, QStringLiteral("v"), 99.0);
            QVERIFY2(aRead == value.toDouble(), qPrintable(QString::number(aRead, 'g', 17)));
            QCOMPARE(std::signbit(aRead), std::signbit(value.toDouble()));
        }
    }

    void geometryAndTextRoundTrip()
    {
        QDomDocument aDocument;
        QDomElement aRoot = LMXMLBuilder::buildRootElement(aDocument, QStringLiteral("lumo:template"));
        QDomElement anArea = LMXMLBuilder::buildDomElement(aRoot, QStringLiteral("photo"));
        const QString aText = QStringLiteral("line 1\nline 2\t\"<&>' Gr\u00fc\u00dfe \U0001F600");
        LMXMLBuilder::addAttribute(anArea, QStringLiteral("name"), aText);
        LMXMLBuilder::addAttribute(anArea, QStringLiteral("literal"),
                                   "Gr\xc3\xbc\xc3\x9f"
                                   "e");
        LMXMLBuilder::addAttribute(anArea, QStringLiteral("locked"), true);
        LMXMLBuilder::addAttribute(anArea, QStringLiteral("count"), -42);
        LMXMLBuilder::addAttribute(anArea, QStringLiteral("angle"), LMAngle(-90));
        LMXMLBuilder::addAttribute(anArea, QStringLiteral("spacing"), LMDistance(0.1, LMDistanceUnit::Millimetre));
        LMXMLBuilder::addAttribute(anArea, QRectF(0.125, 1e-3, 2100.5, 1.0 / 3.0));
        LMXMLBuilder::addAttribute(anArea, QSize(300, 400), QStringLiteral("inner"));
        LMXMLBuilder::addAttribute(anArea, QMarginsF(1, 2, 3, 4.5), QStringLiteral("padding-"));
        LMXMLBuilder::buildDomElement(anArea, QStringLiteral("text")).appendChild(aDocument.createTextNode(aText));

        const QDomElement aRead = reloaded(aDocument).firstChildElement(QStringLiteral("photo"));
        QCOMPARE(LMXMLParser::attribute(aRead, QStringLiteral("name")), aText);
        QCOMPARE(LMXMLParser::attribute(aRead, QStringLiteral("literal")), QStringLiteral("Gr\u00fc\u00dfe"));
        QCOMPARE(LMXMLParser::attribute(aRead, QStringLiteral("locked")), QStringLiteral("true"));
        QCOMPARE(LMXMLParser::intAttribute(aRead, QStringLiteral("count"), 0), -42);
        QCOMPARE(LMXMLParser::readAngle(aRead, QStringLiteral("angle")), LMAngle(-90));
        QCOMPARE(LMXMLParser::attribute(aRead, QStringLiteral("spacing")), QStringLiteral("0.1mm"));
        QCOMPARE(LMXMLParser::readRectF(aRead), QRectF(0.125, 1e-3, 2100.5, 1.0 / 3.0));
        QCOMPARE(LMXMLParser::readSize(aRead, QSize(), QStringLiteral("inner")), QSize(300, 400));
        QCOMPARE(LMXMLParser::readMargins(aRead, QMarginsF(), QStringLiteral("padding-")), QMarginsF(1, 2, 3, 4.5));
        QCOMPARE(aRead.firstChildElement(QStringLiteral("text")).text(), aText);
        QCOMPARE(LMXMLParser::attribute(aRead, QStringLiteral("absent"), QStringLiteral("fallback")),
                 QStringLiteral("fallback"));
        QCOMPARE(LMXMLParser::attribute(LMXMLElement(aRead), QStringLiteral("count")), QStringLiteral("-42"));
    }

    void declarationSaysUTF8()
    {
        // The root builder gives a new document its declaration and replaces another one; a document
        // that declares another encoding is still written, and declared, as UTF-8, its attributes in
        // the order of their names.
        for (const int aCase : { 0, 1, 2 }) {
            QDomDocument aDocument;
            if (aCase > 0)
                aDocument.appendChild(aDocument.createProcessingInstruction(
                    QStringLiteral("xml"), QStringLiteral("version=\"1.0\" encoding=\"ISO-8859-1\"")));
            QDomElement aRoot = aDocument.createElement(QStringLiteral("r"));
            if (aCase < 2) {
                aRoot = LMXMLBuilder::buildRootElement(aDocument, QStringLiteral("r"));
                QCOMPARE(aDocument.childNodes().count(), 2);
            } else {
                aDocument.appendChild(aRoot);
            }
            for (const char* aName : { "zoom", "b", "a" })
                LMXMLBuilder::addAttribute(aRoot, QLatin1String(aName), 1);
            LMXMLBuilder::addAttribute(aRoot, QStringLiteral("v"), QStringLiteral("\u00e4"));
            QCOMPARE(LMXMLBuilder::toUTF8(aDocument),
                     QByteArray("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<r a=\"1\" b=\"1\" v=\"\xc3\xa4\" "
                                "zoom=\"1\"/>\n"));
        }
    }

    void failedSaveKeepsPreviousFile_data()
    {
        // relative to the folder; "old.xml" holds the previous file
        // "good", "empty" (no document element), "control" (U+0001), "deep"
        columns<QString, QString, QString>("target", "content", "reason");
        row("file name is a folder", "folder.xml", "good", QString());
        row("missing folder", "absent/new.xml", "good", QString());
        row("no document element", "old.xml", "empty", "the document has no document element");
        row("control character", "old.xml", "control", "the text would not read back");
        row("too deep", "old.xml", "deep", "elements nested deeper than 256 levels");
    }
    void failedSaveKeepsPreviousFile()
    {
        QFETCH(QString, content);
        QTemporaryDir aDir;
        LMTestSupport::writeFile(aDir, QStringLiteral("old.xml"), PREVIOUS);
        QVERIFY(QDir(aDir.path()).mkdir(QStringLiteral("folder.xml")));
        QDomDocument aDocument = smallDocument(QStringLiteral("new"));
        QDomElement anElement = aDocument.documentElement();
        if (content == QLatin1String("empty"))
            aDocument = QDomDocument();
        else if (content == QLatin1String("control"))
            LMXMLBuilder::addAttribute(anElement, QStringLiteral("bad"), QStringLiteral("a\u0001b"));
        for (int aLevel = 1; content == QLatin1String("deep") && aLevel <= LMXMLLoader::ourMaximumDepth; ++aLevel)
            anElement = LMXMLBuilder::buildDomElement(anElement, QStringLiteral("n"));

        const QFileInfo aTarget(aDir.filePath(fetch<QString>("target")));
        LMErrorHistory anErrors;
        QVERIFY(!LMXMLBuilder::saveUTF8(aDocument, aTarget, &anErrors));
        QCOMPARE(anErrors.count(), 1);
        const QString aMessage = anErrors.messages().constFirst();
        QVERIFY2(aMessage.startsWith(QStringLiteral("cannot save XML file ") + aTarget.absoluteFilePath() + ": "),
                 qPrintable(aMessage));
        QVERIFY2(aMessage.contains(fetch<QString>("reason")), qPrintable(aMessage));
        QCOMPARE(contentOf(aDir.filePath(QStringLiteral("old.xml"))), PREVIOUS);
        QVERIFY(QFileInfo(aDir.filePath(QStringLiteral("folder.xml"))).isDir());
        QCOMPARE(filesIn(aDir), words("old.xml"));
        // Without a history the message goes to the log.
        QTest::ignoreMessage(QtWarningMsg, qPrintable(aMessage));
        QVERIFY(!LMXMLBuilder::saveUTF8(aDocument, aTarget));
    }

    void partialWriteKeepsPreviousFile()
    {
        QTemporaryDir aDir;
        const QFileInfo aFile(LMTestSupport::writeFile(aDir, QStringLiteral("white_list.conf"), PREVIOUS));
        const QDomDocument aDocument = smallDocument(QString(200, QLatin1Char('x')));
        // The file cannot grow beyond a few bytes: the write of the new content fails half-way.
        LMErrorHistory anErrors;
        bool aSaved = false;
        {
            const LMTestSupport::FileSizeLimit aLimit(64);
            QVERIFY(aLimit.isActive());
            aSaved = LMXMLBuilder::saveUTF8(aDocument, aFile, &anErrors);
        }

        QVERIFY(!aSaved);
        QCOMPARE(anErrors.count(), 1);
        QCOMPARE(contentOf(aFile.absoluteFilePath()), PREVIOUS);
        QCOMPARE(filesIn(aDir), words("white_list.conf"));
        // Without the limit the save replaces the content.
        QVERIFY(LMXMLBuilder::saveUTF8(aDocument, aFile, &anErrors));
        QCOMPARE(anErrors.count(), 1);
        QVERIFY(
            contentOf(aFile.absoluteFilePath()).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<whitelist>"));
        QCOMPARE(LMXMLLoader::loadDocumentElement(aFile).firstChildElement().attribute(QStringLiteral("name")),
                 QString(200, QLatin1Char('x')));
        QCOMPARE(filesIn(aDir), words("white_list.conf"));
    }
};

QTEST_GUILESS_MAIN(TestXML)
#include "tst_xml.moc"
