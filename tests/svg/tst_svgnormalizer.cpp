#include "LMCssSheetTitleIdMap.h"
#include "LMDirectoryConfig.h"
#include "LMLocaleAndTranslationManager.h"
#include "LMReloadableResourcesManager.h"
#include "LMSVGNormalizer.h"
#include "LMXMLLoader.h"

#include "LMTestSupport.h"

#include <QDomNamedNodeMap>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Element names, sorted attributes and child elements, without blanks: what the reader sees.
QString compact(const QDomElement& theElement)
{
    QStringList anAttributes;
    const QDomNamedNodeMap aMap = theElement.attributes();
    for (int anIndex = 0; anIndex < aMap.size(); ++anIndex) {
        const QDomNode anAttribute = aMap.item(anIndex);
        anAttributes.append(QStringLiteral(" %1=\"%2\"").arg(anAttribute.nodeName(), anAttribute.nodeValue()));
    }
    anAttributes.sort();
    QString aChildren;
    for (QDomElement aChild = theElement.firstChildElement(); !aChild.isNull(); aChild = aChild.nextSiblingElement())
        aChildren += compact(aChild);
    return QStringLiteral("<%1%2>%3</%1>").arg(theElement.tagName(), anAttributes.join(QString()), aChildren);
}

QString compactBody(const QDomDocument& theDocument)
{
    QString aBody;
    for (QDomElement aChild = theDocument.documentElement().firstChildElement(); !aChild.isNull();
         aChild = aChild.nextSiblingElement())
        aBody += compact(aChild);
    return aBody;
}

QDomDocument svgWithBody(const QString& theBody)
{
    const QString aText = QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" "
                                         "xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
                                         "xmlns:lumo=\"urn:example:lumo\">%1</svg>")
                              .arg(theBody);
    return LMXMLLoader::loadDocumentFromData(aText.toUtf8(), QStringLiteral("body.svg"));
}

} // namespace

class TestSVGNormalizer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void prepare_data();
    void prepare();
    void originalStaysAndNullStaysNull();
    void designLogoFollowsTheContentTree();

private:
    QString root() const { return myDir.path() + QStringLiteral("/root"); }

    QTemporaryDir myDir;
};

void TestSVGNormalizer::initTestCase()
{
    QVERIFY(myDir.isValid());
    LMTestSupport::writeFile(myDir, QStringLiteral("root/designs/a/pic.png"), "png");
    LMTestSupport::writeFile(myDir, QString::fromUtf8("root/designs/a/Bild \xc3\xa4.png"), "png");
    LMTestSupport::writeFile(myDir, QStringLiteral("root/designs/a/cal_fr.svg"), "<svg/>");
    LMTestSupport::writeFile(myDir, QStringLiteral("root/designs/a/cal2.svg"), "<svg/>");
    LMTestSupport::writeFile(myDir, QStringLiteral("outside/secret.png"), "secret");
    LMTestSupport::writeFile(myDir, QStringLiteral("outside/evil_fr.svg"), "<svg/>");
    LMDirectoryConfig::instance()->setContentRoot(root());
    LMLocaleAndTranslationManager::instance()->setLanguageCode(QStringLiteral(" FR "));
}

void TestSVGNormalizer::cleanupTestCase()
{
    LMDirectoryConfig::instance()->setContentRoot(QString());
    LMLocaleAndTranslationManager::instance()->setLanguageCode(QString());
}

void TestSVGNormalizer::prepare_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("designLogo");
    // "$A" stands for the canonical design folder.
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("warnings");

    const QString aLogo = QStringLiteral("/content/logos/design-logo.svg");
    QTest::newRow("empty document") << QString() << aLogo << QString() << QStringList();
    QTest::newRow("script removed") << QStringLiteral("<g><script>alert(1)</script><rect/></g>") << aLogo
                                    << QStringLiteral("<g><rect></rect></g>") << QStringList();
    QTest::newRow("prefixed script and foreign object removed")
        << QStringLiteral("<svg:script/><foreignObject><div/></foreignObject><rect/>") << aLogo
        << QStringLiteral("<rect></rect>") << QStringList();
    QTest::newRow("event handlers and xml:base removed")
        << QStringLiteral("<rect onclick=\"x()\" ONLOAD=\"y()\" xml:base=\"/etc/\" opacity=\"1\"/>") << aLogo
        << QStringLiteral("<rect opacity=\"1\"></rect>") << QStringList();
    QTest::newRow("relative image made absolute")
        << QStringLiteral("<image xlink:href=\"pic.png\" width=\"5\"/>") << aLogo
        << QStringLiteral("<image width=\"5\" xlink:href=\"$A/pic.png\"></image>") << QStringList();
    QTest::newRow("plain href, other prefix, fragment kept")
        << QStringLiteral("<image href=\"pic.png#x\"/><image x:href=\"./pic.png\"/>") << aLogo
        << QStringLiteral("<image href=\"$A/pic.png#x\"></image><image x:href=\"$A/pic.png\"></image>")
        << QStringList();
    QTest::newRow("unicode name") << QString::fromUtf8("<image xlink:href=\"Bild \xc3\xa4.png\"/>") << aLogo
                                  << QString::fromUtf8("<image xlink:href=\"$A/Bild \xc3\xa4.png\"></image>")
                                  << QStringList();
    QTest::newRow("fragments and data URIs stay")
        << QStringLiteral("<use xlink:href=\"#shape\"/><image xlink:href=\"data:image/png;base64,AAAA\"/>") << aLogo
        << QStringLiteral("<use xlink:href=\"#shape\"></use><image xlink:href=\"data:image/png;base64,AAAA\"></image>")
        << QStringList();
    QTest::newRow("escape removed")
        << QStringLiteral("<image xlink:href=\"../../../outside/secret.png\" width=\"5\"/>") << aLogo
        << QStringLiteral("<image width=\"5\"></image>")
        << QStringList({ "refused file reference \"../../../outside/secret.png\": outside the content tree" });
    QTest::newRow("URL and resource removed")
        << QStringLiteral("<image xlink:href=\"file:///etc/passwd\"/><image href=\":/x.png\"/>") << aLogo
        << QStringLiteral("<image></image><image></image>")
        << QStringList({ "refused file reference \"file:///etc/passwd\": URLs are not content files",
                         "refused file reference \":/x.png\": resource paths are not content files" });
    QTest::newRow("missing file removed")
        << QStringLiteral("<image xlink:href=\"missing.png\"/>") << aLogo << QStringLiteral("<image></image>")
        << QStringList({ "refused file reference \"missing.png\": no such file" });
    QTest::newRow("design logo placeholder")
        << QStringLiteral("<image xlink:href=\"lumo:designlogo\"/><image href=\"LUMO:DesignLogo\"/>") << aLogo
        << QStringLiteral("<image xlink:href=\"%1\"></image><image href=\"%1\"></image>").arg(aLogo) << QStringList();
    QTest::newRow("design logo placeholder without logo")
        << QStringLiteral("<image xlink:href=\"lumo:designlogo\" x=\"1\"/>") << QString()
        << QStringLiteral("<image x=\"1\"></image>") << QStringList();
    QTest::newRow("metadata references stay, scripts go")
        << QStringLiteral("<metadata><lumo:template><lumo:thumbnail xlink:href=\"thumbs/t.jpg\"/>"
                          "<script/></lumo:template></metadata>")
        << aLogo
        << QStringLiteral("<metadata><lumo:template><lumo:thumbnail xlink:href=\"thumbs/t.jpg\">"
                          "</lumo:thumbnail></lumo:template></metadata>")
        << QStringList();
    QTest::newRow("calendar only in the language variant stays as written")
        << QStringLiteral("<image lumo:cal_embed=\"true\" xlink:href=\"cal.svg\"/>") << aLogo
        << QStringLiteral("<image lumo:cal_embed=\"true\" xlink:href=\"cal.svg\"></image>") << QStringList();
    QTest::newRow("calendar file made absolute")
        << QStringLiteral("<image lumo:cal_embed=\"true\" xlink:href=\"cal2.svg\"/>") << aLogo
        << QStringLiteral("<image lumo:cal_embed=\"true\" xlink:href=\"$A/cal2.svg\"></image>") << QStringList();
    QTest::newRow("calendar language variant outside removed")
        << QStringLiteral("<image lumo:cal_embed=\"true\" xlink:href=\"../../../outside/evil.svg\"/>") << aLogo
        << QStringLiteral("<image lumo:cal_embed=\"true\"></image>")
        << QStringList({ "refused file reference \"../../../outside/evil_fr.svg\": outside the content tree" });
    QTest::newRow("calendar missing in both removed")
        << QStringLiteral("<image lumo:cal_embed=\"true\" xlink:href=\"none.svg\"/>") << aLogo
        << QStringLiteral("<image lumo:cal_embed=\"true\"></image>")
        << QStringList({ "refused file reference \"none.svg\": no such file" });
    QTest::newRow("language variant only for calendars")
        << QStringLiteral("<image xlink:href=\"cal.svg\"/>") << aLogo << QStringLiteral("<image></image>")
        << QStringList({ "refused file reference \"cal.svg\": no such file" });
}

void TestSVGNormalizer::prepare()
{
    QFETCH(QString, body);
    QFETCH(QString, designLogo);
    QFETCH(QString, expected);
    QFETCH(QStringList, warnings);

    const QDomDocument aDocument = svgWithBody(body);
    QVERIFY(!aDocument.isNull());
    for (const QString& aWarning : std::as_const(warnings))
        QTest::ignoreMessage(QtWarningMsg, qPrintable(aWarning));
    const QFileInfo aFile(root() + QStringLiteral("/designs/a/template.svg"));
    const QDomDocument aPrepared = LMSVGNormalizer::prepareDomDocument(aDocument, aFile, designLogo);
    const QString aFolder = QFileInfo(root() + QStringLiteral("/designs/a")).canonicalFilePath();
    QCOMPARE(compactBody(aPrepared), QString(expected).replace(QStringLiteral("$A"), aFolder));
}

void TestSVGNormalizer::originalStaysAndNullStaysNull()
{
    const QDomDocument aDocument
        = svgWithBody(QStringLiteral("<script/><image xlink:href=\"pic.png\"/><?xml-stylesheet href=\"a.css\"?>"));
    const QString aBefore = aDocument.toString();
    const QDomDocument aPrepared = LMSVGNormalizer::prepareDomDocument(
        aDocument, QFileInfo(root() + QStringLiteral("/designs/a/t.svg")), QString());
    QCOMPARE(aDocument.toString(), aBefore);
    QVERIFY(aPrepared.toString() != aBefore);
    QVERIFY(LMSVGNormalizer::prepareDomDocument(QDomDocument(), QFileInfo(), QString()).isNull());

    // The style sheet instructions before the root survive the copy.
    const QDomDocument aSheeted = LMXMLLoader::loadDocumentFromData(
        "<?xml-stylesheet href=\"winter.css\" title=\"Winter\"?><svg/>", QStringLiteral("sheets.svg"));
    const LMCssSheetTitleIdMap aSheets
        = LMCssSheetTitleIdMap::fromDocument(LMSVGNormalizer::prepareDomDocument(aSheeted, QFileInfo(), QString()));
    QCOMPARE(aSheets.sheetId(QStringLiteral("Winter")), QStringLiteral("winter.css"));
    QCOMPARE(aSheets.defaultTitle(), QStringLiteral("Winter"));
}

void TestSVGNormalizer::designLogoFollowsTheContentTree()
{
    LMReloadableResourcesManager* aManager = LMReloadableResourcesManager::instance();
    const QString aLogo = root() + QStringLiteral("/logos/design-logo.svg");
    QVERIFY(aManager->designLogo().isEmpty());
    LMTestSupport::writeFile(myDir, QStringLiteral("root/logos/design-logo.svg"), "<svg/>");
    QCOMPARE(aManager->designLogo(), aLogo);
    QVERIFY(QFile::remove(aLogo));
    QVERIFY(aManager->designLogo().isEmpty());
    // A folder of that name is no logo.
    QVERIFY(QDir().mkpath(aLogo));
    QVERIFY(aManager->designLogo().isEmpty());
}

QTEST_GUILESS_MAIN(TestSVGNormalizer)
#include "tst_svgnormalizer.moc"
