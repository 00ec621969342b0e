#include "LMXMLLoader.h"

#include "LMThreadXmlReader.h"

#include "LMTestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// The one door for XML files: what it refuses, with one warning naming the file, and what it reads.
class TestXMLLoader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void refusedFiles_data();
    void refusedFiles();
    void readFiles_data();
    void readFiles();
    void depthBound();
    void oversizedFileIsNotRead();
    void missingAndSpecialFiles_data();
    void missingAndSpecialFiles();
    void dataInMemory_data();
    void dataInMemory();
    void tighterBounds_data();
    void tighterBounds();
    void documentElementOutlivesDocument();
    void laterDocumentsSeeNoEarlierDeclarations_data();
    void laterDocumentsSeeNoEarlierDeclarations();

private:
    static QString fixture(const QString& theName) { return LMTestSupport::dataPath(QStringLiteral("xml/") + theName); }
    // The warning's pattern for the file; the rest of the text is Qt's or the guard's.
    static QRegularExpression warningAbout(const QString& thePath, const QString& theReason)
    {
        return QRegularExpression(QRegularExpression::escape(thePath) + QStringLiteral(".*") + theReason);
    }
};

void TestXMLLoader::init()
{
    // Exactly one warning per refused document: any warning not announced fails the test.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
}

void TestXMLLoader::refusedFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");

    const QString aDeclaration = QStringLiteral("document type or entity declaration at line %1");
    QTest::newRow("billion laughs") << "billion-laughs.xml" << aDeclaration.arg(2);
    QTest::newRow("parameter entity laughs") << "parameter-entity-laughs.xml" << aDeclaration.arg(2);
    QTest::newRow("external entity") << "external-entity.xml" << aDeclaration.arg(2);
    QTest::newRow("recursive entity") << "recursive-entity.xml" << aDeclaration.arg(2);
    QTest::newRow("DOCTYPE only") << "doctype-only.xml" << aDeclaration.arg(2);
    QTest::newRow("DOCTYPE after the root") << "doctype-after-root.xml" << aDeclaration.arg(3);
    QTest::newRow("DOCTYPE inside the root") << "doctype-inside-root.xml" << aDeclaration.arg(4);
    QTest::newRow("entity outside a DTD") << "entity-outside-dtd.xml" << aDeclaration.arg(3);
    QTest::newRow("lower-case doctype") << "lowercase-doctype.xml" << aDeclaration.arg(1);
    QTest::newRow("UTF-16 with DOCTYPE") << "utf16le-doctype.xml" << aDeclaration.arg(2);
    // The whole text is decoded as the declaration says, so the hidden DTD is never seen as one.
    QTest::newRow("DOCTYPE hidden behind a declared encoding")
        << "declared-utf16-hidden-doctype.xml" << QStringLiteral("at line 1, column 1: Start tag expected");
    QTest::newRow("257 levels") << "depth-257.xml"
                                << QStringLiteral("elements nested deeper than 256 levels at line 2");
    QTest::newRow("truncated") << "truncated.xml"
                               << QStringLiteral("at line 4, column \\d+: Premature end of document");
    QTest::newRow("declared UTF-16, written in ASCII")
        << "declared-utf16-but-ascii.xml" << QStringLiteral("at line 1, column 1: Start tag expected");
    QTest::newRow("declared UTF-8, written in Latin-1")
        << "declared-utf8-but-latin1.xml" << QStringLiteral("the text is not valid UTF-8");
    QTest::newRow("unsupported encoding")
        << "unsupported-encoding.xml" << QStringLiteral("unsupported encoding x-lumo-unknown");
    QTest::newRow("empty file") << "empty.xml" << QStringLiteral("at line 1, column 0: Premature end of document");
    QTest::newRow("white space only") << "whitespace-only.xml" << QStringLiteral("Premature end of document");
    QTest::newRow("two document elements") << "two-roots.xml" << QStringLiteral("at line 2, column");
    QTest::newRow("undeclared entity") << "undeclared-entity.xml" << QStringLiteral("Entity 'nbsp' not declared");
}

void TestXMLLoader::refusedFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);
    const QString aPath = fixture(file);
    QVERIFY(QFileInfo::exists(aPath));

    QTest::ignoreMessage(QtWarningMsg, warningAbout(aPath, reason));
    QVERIFY(LMXMLLoader::loadDocument(QFileInfo(aPath)).isNull());
    QTest::ignoreMessage(QtWarningMsg, warningAbout(aPath, reason));
    QVERIFY(LMXMLLoader::loadDocumentElement(QFileInfo(aPath)).isNull());
}

void TestXMLLoader::readFiles_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("rootTag");
    QTest::addColumn<QString>("name");

    const QString aGreeting = QStringLiteral("Gr\u00fc\u00dfe");
    QTest::newRow("Latin-1 as declared") << "latin1-declared.xml"
                                         << "template" << aGreeting;
    QTest::newRow("UTF-8 with byte order mark") << "utf8-bom.xml"
                                                << "template" << aGreeting;
    QTest::newRow("UTF-16 with byte order mark") << "utf16le-bom.xml"
                                                 << "template" << aGreeting;
    QTest::newRow("UTF-8 without declaration") << "utf8-no-declaration.xml"
                                               << "template" << aGreeting;
    // Declarations inside comments, processing instructions, CDATA and escaped text are no
    // declarations; ">" and "/>" inside attribute values end no tag.
    QTest::newRow("look-alikes") << "lookalikes.xml"
                                 << "svg" << QString();
    // The standard DOCTYPE of SVG files names an external DTD that is never fetched.
    QTest::newRow("external DTD of SVG") << "doctype-external.xml"
                                         << "svg" << QString();
}

void TestXMLLoader::readFiles()
{
    QFETCH(QString, file);
    QFETCH(QString, rootTag);
    QFETCH(QString, name);

    const QDomDocument aDocument = LMXMLLoader::loadDocument(QFileInfo(fixture(file)));
    QVERIFY(!aDocument.isNull());
    const QDomElement aRoot = aDocument.documentElement();
    QCOMPARE(aRoot.tagName(), rootTag);
    QCOMPARE(aRoot.attribute(QStringLiteral("name")), name);
    QCOMPARE(LMXMLLoader::loadDocumentElement(QFileInfo(fixture(file))).tagName(), rootTag);
}

void TestXMLLoader::depthBound()
{
    const QDomDocument aDocument = LMXMLLoader::loadDocument(QFileInfo(fixture(QStringLiteral("depth-256.xml"))));
    int aDepth = 0;
    QDomElement anElement = aDocument.documentElement();
    for (; !anElement.isNull(); anElement = anElement.firstChildElement())
        ++aDepth;
    QCOMPARE(aDepth, LMXMLLoader::ourMaximumDepth);
}

void TestXMLLoader::oversizedFileIsNotRead()
{
    QTemporaryDir aDir;
    QVERIFY(aDir.isValid());
    // A sparse file: no disk space, and the loader must not read it into memory either.
    const QString aPath = aDir.filePath(QStringLiteral("huge.xml"));
    QFile aFile(aPath);
    QVERIFY(aFile.open(QIODevice::WriteOnly));
    QVERIFY(aFile.write("<templates2>") == 12);
    QVERIFY(aFile.resize(LMXMLLoader::ourMaximumSize + 1));
    aFile.close();

    QTest::ignoreMessage(QtWarningMsg, warningAbout(aPath, QStringLiteral("larger than 67108864 bytes")));
    QVERIFY(LMXMLLoader::loadDocument(QFileInfo(aPath)).isNull());
}

void TestXMLLoader::missingAndSpecialFiles_data()
{
    QTest::addColumn<QString>("relativePath");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << "absent.xml"
                             << "XML file .*absent.xml not found";
    QTest::newRow("missing folder") << "absent/template.xml"
                                    << "XML file .*absent/template.xml not found";
    QTest::newRow("folder") << "folder.xml"
                            << "cannot read XML file .*folder.xml: not a regular file";
}

void TestXMLLoader::missingAndSpecialFiles()
{
    QFETCH(QString, relativePath);
    QFETCH(QString, reason);
    QTemporaryDir aDir;
    QVERIFY(QDir(aDir.path()).mkdir(QStringLiteral("folder.xml")));

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(reason));
    QVERIFY(LMXMLLoader::loadDocument(QFileInfo(aDir.filePath(relativePath))).isNull());
}

void TestXMLLoader::dataInMemory_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<QString>("rootTag");

    QTest::newRow("well-formed") << QByteArray("<whitelist><group/></whitelist>") << QString() << "whitelist";
    QTest::newRow("qualified names without declared prefix")
        << QByteArray(R"(<svg><lumo:osm lumo:zoom="3"/></svg>)") << QString() << "svg";
    QTest::newRow("entity declaration")
        << QByteArray("<!DOCTYPE a [<!ENTITY b 'c'>]><a>&b;</a>")
        << "refused XML file white list text: document type or entity declaration at line 1" << QString();
    QTest::newRow("SVG DOCTYPE without internal subset")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\"\n"
                      "  \"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\">\n<svg/>")
        << QString() << "svg";
    QTest::newRow("DOCTYPE with system identifier")
        << QByteArray("<!DOCTYPE svg SYSTEM 'svg.dtd'><svg/>") << QString() << "svg";
    QTest::newRow("bracket and > inside a quoted identifier")
        << QByteArray("<!DOCTYPE svg SYSTEM \"a[b>c.dtd\"><svg/>") << QString() << "svg";
    // With an external DTD the parser may not call an unknown entity an error; it stays unexpanded.
    QTest::newRow("undeclared entity beside an external DTD")
        << QByteArray("<!DOCTYPE svg SYSTEM 'svg.dtd'><svg>a&nbsp;b</svg>") << QString() << "svg";
    QTest::newRow("DOCTYPE of another format")
        << QByteArray("<!DOCTYPE templates2 SYSTEM 'templates.dtd'><templates2/>")
        << "refused XML file white list text: document type or entity declaration at line 1" << QString();
    QTest::newRow("DOCTYPE of a longer name")
        << QByteArray("<!DOCTYPE svgx SYSTEM 'svg.dtd'><svgx/>")
        << "refused XML file white list text: document type or entity declaration at line 1" << QString();
    QTest::newRow("internal subset right after the name")
        << QByteArray("<!DOCTYPE svg[<!ENTITY e 'x'>]><svg>&e;</svg>")
        << "refused XML file white list text: document type or entity declaration at line 1" << QString();
    QTest::newRow("empty internal subset")
        << QByteArray("<!DOCTYPE svg []><svg/>")
        << "refused XML file white list text: document type or entity declaration at line 1" << QString();
    QTest::newRow("internal subset after the identifiers")
        << QByteArray("<?xml version=\"1.0\"?>\n<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" \"svg11.dtd\" [\n"
                      "<!ENTITY e \"x\">]><svg>&e;</svg>")
        << "refused XML file white list text: document type or entity declaration at line 2" << QString();
    QTest::newRow("second DOCTYPE") << QByteArray("<!DOCTYPE svg>\n<!DOCTYPE svg><svg/>")
                                    << "refused XML file white list text: document type or entity declaration at line 2"
                                    << QString();
    QTest::newRow("plain DOCTYPE after the root")
        << QByteArray("<svg/>\n<!DOCTYPE svg>")
        << "refused XML file white list text: document type or entity declaration at line 2" << QString();
    QTest::newRow("mixed-case DOCTYPE") << QByteArray("<!DocType svg><svg/>")
                                        << "refused XML file white list text: document type or entity declaration "
                                           "at line 1"
                                        << QString();
    QTest::newRow("unterminated DOCTYPE") << QByteArray("<!DOCTYPE svg PUBLIC \"x")
                                          << "malformed XML file white list text at line 1, column 23: Premature end "
                                             "of document."
                                          << QString();
    QTest::newRow("malformed") << QByteArray("<a>\n<b></a>")
                               << "malformed XML file white list text at line 2, column 7: Opening and ending tag "
                                  "mismatch."
                               << QString();
}

void TestXMLLoader::dataInMemory()
{
    QFETCH(QByteArray, data);
    QFETCH(QString, warning);
    QFETCH(QString, rootTag);

    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, warning.toUtf8().constData());
    const QDomDocument aDocument = LMXMLLoader::loadDocumentFromData(data, QStringLiteral("white list text"));
    QCOMPARE(aDocument.documentElement().tagName(), rootTag);
}

void TestXMLLoader::tighterBounds_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<int>("maximumSize");
    QTest::addColumn<int>("maximumDepth");
    QTest::addColumn<QString>("warning");

    const QByteArray aThreeLevels("<a><b><c/></b></a>"); // 18 bytes
    QTest::newRow("at both bounds") << aThreeLevels << 18 << 3 << QString();
    QTest::newRow("one byte over") << aThreeLevels << 17 << 3 << "refused XML file text: larger than 17 bytes";
    QTest::newRow("one level over") << aThreeLevels << 18 << 2
                                    << "refused XML file text: elements nested deeper than 2 levels at line 1";
    QTest::newRow("empty elements side by side") << QByteArray("<a><b/><b/><b/></a>") << 100 << 2 << QString();
    QTest::newRow("empty element one level over")
        << QByteArray("<a><b/><b><c/></b></a>") << 100 << 2
        << "refused XML file text: elements nested deeper than 2 levels at line 1";
    QTest::newRow("comments and CDATA do not nest")
        << QByteArray("<a><!-- <b><c> --><![CDATA[<b><c>]]></a>") << 100 << 1 << QString();
}

void TestXMLLoader::tighterBounds()
{
    QFETCH(QByteArray, data);
    QFETCH(int, maximumSize);
    QFETCH(int, maximumDepth);
    QFETCH(QString, warning);

    if (!warning.isEmpty())
        QTest::ignoreMessage(QtWarningMsg, warning.toUtf8().constData());
    const QDomDocument aDocument
        = LMXMLLoader::loadDocumentFromData(data, QStringLiteral("text"), maximumSize, maximumDepth);
    QCOMPARE(aDocument.isNull(), !warning.isEmpty());
}

void TestXMLLoader::documentElementOutlivesDocument()
{
    const QDomElement aRoot = LMXMLLoader::loadDocumentElement(QFileInfo(fixture(QStringLiteral("lookalikes.xml"))));
    const QDomElement aTemplate = aRoot.firstChildElement(QStringLiteral("lumo:template"));
    QCOMPARE(aTemplate.attribute(QStringLiteral("lumo:note")), QStringLiteral("a > b /> c"));
    QCOMPARE(aTemplate.firstChildElement().attribute(QStringLiteral("xlink:href")), QStringLiteral("#p2"));
    QCOMPARE(aRoot.lastChildElement().text(), QStringLiteral("<!DOCTYPE escaped> & <!ENTITY>"));
}

void TestXMLLoader::laterDocumentsSeeNoEarlierDeclarations_data()
{
    QTest::addColumn<QByteArray>("earlier");
    const QString aDeclaring = QStringLiteral("<!DOCTYPE x [<!ENTITY e 'declared'>]><x/>");
    QTest::newRow("UTF-8") << aDeclaring.toUtf8();
    QByteArray anUtf16("\xff\xfe", 2);
    anUtf16.append(reinterpret_cast<const char*>(aDeclaring.utf16()), aDeclaring.size() * 2);
    QTest::newRow("UTF-16, no DOCTYPE bytes to see") << anUtf16;
}

void TestXMLLoader::laterDocumentsSeeNoEarlierDeclarations()
{
    QFETCH(QByteArray, earlier);
    // A picture with an internal subset read on this thread (as the root check of SVG pictures
    // does); a later document of the thread must not expand what it declared.
    QXmlStreamReader& anEarlier = LMThreadXmlReader::of(earlier);
    QVERIFY(anEarlier.readNextStartElement());
    QCOMPARE(anEarlier.name(), QLatin1String("x"));
    QXmlStreamReader& aLater = LMThreadXmlReader::of(QByteArray("<y>&e;</y>"));
    while (!aLater.atEnd())
        aLater.readNext();
    QCOMPARE(aLater.error(), QXmlStreamReader::NotWellFormedError);
}

QTEST_GUILESS_MAIN(TestXMLLoader)
#include "tst_xmlloader.moc"
