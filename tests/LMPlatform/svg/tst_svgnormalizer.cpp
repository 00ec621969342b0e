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

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

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
    void initTestCase()
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

    void cleanupTestCase()
    {
        LMDirectoryConfig::instance()->setContentRoot(QString());
        LMLocaleAndTranslationManager::instance()->setLanguageCode(QString());
    }

    void prepare_data()
    {
        columns<QString, QString>("body", "designLogo");
        // "$A" stands for the canonical design folder.
        columns<QString, QStringList>("expected", "warnings");

        const QString aLogo = QStringLiteral("/content/logos/design-logo.svg");
        // The expected body is written with ' for ", and '$A' for the canonical design folder.
        const auto row = [&aLogo](const char* theTag, const QString& theBody, const QString& theExpected,
                                  const QString& theRefused = QString(), const QString& theReason = QString()) {
            const QString aWarning = QStringLiteral("refused file reference \"%1\": %2").arg(theRefused, theReason);
            QTest::newRow(theTag) << theBody << aLogo << QString(theExpected).replace('\'', '"')
                                  << (theRefused.isEmpty() ? QStringList() : QStringList { aWarning });
        };
        const QString anOutside = QStringLiteral("outside the content tree");
        const QString aMissing = QStringLiteral("no such file");
        row("empty document", QString(), QString());
        row("script removed", "<g><script>alert(1)</script><rect/></g>", "<g><rect></rect></g>");
        row("prefixed script and foreign object removed", "<svg:script/><foreignObject><div/></foreignObject><rect/>",
            "<rect></rect>");
        row("event handlers and xml:base removed", "<rect onclick='x()' ONLOAD='y()' xml:base='/etc/' opacity='1'/>",
            "<rect opacity='1'></rect>");
        row("relative image made absolute", "<image xlink:href='pic.png' width='5'/>",
            "<image width='5' xlink:href='$A/pic.png'></image>");
        row("plain href, other prefix, fragment kept", "<image href='pic.png#x'/><image x:href='./pic.png'/>",
            "<image href='$A/pic.png#x'></image><image x:href='$A/pic.png'></image>");
        row("unicode name", "<image xlink:href='Bild \u00e4.png'/>", "<image xlink:href='$A/Bild \u00e4.png'></image>");
        row("fragments and data URIs stay",
            "<use xlink:href='#shape'/><image xlink:href='data:image/png;base64,AAAA'/>",
            "<use xlink:href='#shape'></use><image xlink:href='data:image/png;base64,AAAA'></image>");
        row("escape removed", "<image xlink:href='../../../outside/secret.png' width='5'/>",
            "<image width='5'></image>", "../../../outside/secret.png", anOutside);
        QTest::newRow("URL and resource removed")
            << QStringLiteral("<image xlink:href='file:///etc/passwd'/><image href=':/x.png'/>") << aLogo
            << QStringLiteral("<image></image><image></image>")
            << QStringList({ "refused file reference \"file:///etc/passwd\": URLs are not content files",
                             "refused file reference \":/x.png\": resource paths are not content files" });
        row("missing file removed", "<image xlink:href='missing.png'/>", "<image></image>", "missing.png", aMissing);
        row("design logo placeholder", "<image xlink:href='lumo:designlogo'/><image href='LUMO:DesignLogo'/>",
            QStringLiteral("<image xlink:href='%1'></image><image href='%1'></image>").arg(aLogo));
        LMTestSupport::row("design logo placeholder without logo",
                           QStringLiteral("<image xlink:href='lumo:designlogo' x='1'/>"), QString(),
                           QStringLiteral("<image x=\"1\"></image>"), QStringList());
        row("metadata references stay, scripts go",
            "<metadata><lumo:template><lumo:thumbnail xlink:href='thumbs/t.jpg'/><script/></lumo:template></metadata>",
            "<metadata><lumo:template><lumo:thumbnail xlink:href='thumbs/t.jpg'></lumo:thumbnail></lumo:template>"
            "</metadata>");
        row("calendar only in the language variant stays as written",
            "<image lumo:cal_embed='true' xlink:href='cal.svg'/>",
            "<image lumo:cal_embed='true' xlink:href='cal.svg'></image>");
        row("calendar file made absolute", "<image lumo:cal_embed='true' xlink:href='cal2.svg'/>",
            "<image lumo:cal_embed='true' xlink:href='$A/cal2.svg'></image>");
        row("calendar language variant outside removed",
            "<image lumo:cal_embed='true' xlink:href='../../../outside/evil.svg'/>",
            "<image lumo:cal_embed='true'></image>", "../../../outside/evil_fr.svg", anOutside);
        row("calendar missing in both removed", "<image lumo:cal_embed='true' xlink:href='none.svg'/>",
            "<image lumo:cal_embed='true'></image>", "none.svg", aMissing);
        row("language variant only for calendars", "<image xlink:href='cal.svg'/>", "<image></image>", "cal.svg",
            aMissing);
    }

    void prepare()
    {
        const QDomDocument aDocument = svgWithBody(fetch<QString>("body"));
        QVERIFY(!aDocument.isNull());
        for (const QString& aWarning : fetch<QStringList>("warnings"))
            QTest::ignoreMessage(QtWarningMsg, qPrintable(aWarning));
        const QFileInfo aFile(root() + QStringLiteral("/designs/a/template.svg"));
        const QDomDocument aPrepared
            = LMSVGNormalizer::prepareDomDocument(aDocument, aFile, fetch<QString>("designLogo"));
        const QString aFolder = QFileInfo(root() + QStringLiteral("/designs/a")).canonicalFilePath();
        QCOMPARE(compactBody(aPrepared), QString(fetch<QString>("expected")).replace(QStringLiteral("$A"), aFolder));
    }

    void originalStaysAndNullStaysNull()
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

    void designLogoFollowsTheContentTree()
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

private:
    QString root() const { return myDir.path() + QStringLiteral("/root"); }

    QTemporaryDir myDir;
};

QTEST_GUILESS_MAIN(TestSVGNormalizer)
#include "tst_svgnormalizer.moc"
