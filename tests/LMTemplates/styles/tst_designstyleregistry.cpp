// The design style registry and lists: which version of a style stays, the style downloaded last
// and how it is taken once, the download request, drag data, the order of favourites, names, and
// the registry used from several threads at once.
#include "LMContentFilterParameter.h"
#include "LMDesignStyleDisplayingFilter.h"
#include "LMDesignStyleList.h"
#include "LMDesignStyleRegistry.h"
#include "LMDirectoryConfig.h"
#include "LMDlpFeatureTag.h"
#include "LMTemplateContext.h"
#include "LMTestContentTree.h"
#include "LMTestSupport.h"
#include "LMThematicCategory.h"
#include "LMUsedDesignStyle.h"

#include <QDateTime>
#include <QDomDocument>
#include <QMimeData>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>
#include <thread>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {

// A style file of the id with its record: changed at theChanged (ms since 1970), a story book or
// one for the assistant, the design elements it needs.
QString writeStyle(const QString& theFolder, const QString& theBaseName, int theId, qint64 theChanged,
                   bool theStoryBook = false, const QString& theName = QStringLiteral("Style"))
{
    QDir().mkpath(theFolder);
    const QByteArray aStyle
        = LMTestSupport::fixture(QStringLiteral("styles/registry/style.xml")).replace("@NAME@", theName.toUtf8());
    const QByteArray aRecord
        = QStringLiteral(R"({"designElementId": %1, "visible": true, "name": "%2",
"elementType": "designstyle", "lastChanged": %3,
"tags": {"FEATURE": ["%4"], "SUPPORTED_ORIENTATION": ["supported_orientation-portrait"]}})")
              .arg(theId)
              .arg(theName)
              .arg(theChanged)
              .arg(theStoryBook ? QStringLiteral("feature-story-book") : QStringLiteral("feature-assistent-qualified"))
              .toUtf8();
    QFile aFile(theFolder + QLatin1Char('/') + theBaseName + QStringLiteral(".xml"));
    QFile aJson(theFolder + QLatin1Char('/') + theBaseName + QStringLiteral(".json"));
    if (!aFile.open(QIODevice::WriteOnly) || aFile.write(aStyle) != aStyle.size() || !aJson.open(QIODevice::WriteOnly)
        || aJson.write(aRecord) != aRecord.size())
        return QString();
    return aFile.fileName();
}

// A style of the features, orientations and binding, with one template for every orientation.
LMDesignStyle styleOf(const QString& theFeatures, int theOrientations, const QString& theBinding, bool theBasic)
{
    LMDesignElementMetaData aRecord;
    aRecord.setDesignElementId(LMDesignElementID(9500));
    aRecord.setFeature(LMDlpFeatureTag(theFeatures));
    QSet<LMOrientation> anOrientations;
    for (const LMOrientation& aSingle : LMOrientation(LMOrientation::fromInt(theOrientations)).singleOrientations())
        anOrientations.insert(aSingle);
    aRecord.setSupportedOrientations(anOrientations);
    LMDesignStyleHeader aHeader(aRecord);
    aHeader.setBasicDesign(theBasic);
    if (!theBinding.isEmpty())
        aHeader.setPageBindings(LMPageBinding(theBinding));
    LMDesignStyleTemplate aTemplate(QStringLiteral("inner"));
    aTemplate.insert(LMDesignStyleLayoutRuleSetBundle(
        LMOrientationEnum::All, LMDesignStyleLayouts(LMPageTypeEnum::None, LMDesignElementID(5100), QString()),
        QStringList()));
    LMDesignStyleTemplates aTemplates;
    aTemplates.append(aTemplate);
    return LMDesignStyle(aHeader, LMDesignStylePages(1), LMDesignStyleRuleSets(), aTemplates);
}

LMDesignStyleRegistry* registry()
{
    return LMDesignStyleRegistry::instance();
}

constexpr qint64 DAY = 86400000;
constexpr qint64 MAY = 1717200000000;

} // namespace

class tst_DesignStyleRegistry : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The sample's products, for the filters.
        QFile aCatalogue(LMDirectoryConfig::sampleContentRoot() + QStringLiteral("/products/catalogue.json"));
        QVERIFY(aCatalogue.open(QIODevice::ReadOnly));
        myTree = std::make_unique<LMTestSupport::ContentTree>(aCatalogue.readAll());
        QVERIFY(myTree->isValid());
        writeStyle(myTree->contentPath(QStringLiteral("styles")), QStringLiteral("present"), 9001, MAY);
        QCOMPARE(registry()->allStyles().designStyleIds(), QStringList { "9001" });
    }

    void replacement_data()
    {
        columns<qint64, bool, qint64, bool, bool>("firstChanged", "firstByUser", "secondChanged", "secondByUser",
                                                  "secondStays");
        row("a later version replaces", MAY, false, MAY + DAY, false, true);
        row("an equally late version replaces", MAY, false, MAY, false, true);
        row("an earlier version is refused", MAY + DAY, false, MAY, false, false);
        row("the user's version replaces a later one", MAY + DAY, false, MAY, true, true);
        row("a version beside the user's is refused when older", MAY, true, MAY - DAY, false, false);
        row("a later version beside the user's replaces it", MAY, true, MAY + DAY, false, true);
        row("the user's later version replaces the user's", MAY, true, MAY + DAY, true, true);
        row("the user's older version is refused", MAY, true, MAY - DAY, true, false);
    }
    void replacement()
    {
        QFETCH(bool, firstByUser);
        QFETCH(bool, secondStays);
        const int anId = 9100 + myNextId++;
        const auto aFolder = [this](bool theByUser) {
            return theByUser ? LMDirectoryConfig::instance()->addOnsBasePath() + QStringLiteral("/styles")
                             : myTree->contentPath(QStringLiteral("styles"));
        };
        const QString aFirst = writeStyle(aFolder(firstByUser), QStringLiteral("first%1").arg(anId), anId,
                                          fetch<qint64>("firstChanged"), false, QStringLiteral("First"));
        const QString aSecond = writeStyle(aFolder(fetch<bool>("secondByUser")), QStringLiteral("second%1").arg(anId),
                                           anId, fetch<qint64>("secondChanged"), false, QStringLiteral("Second"));
        QVERIFY(registry()->parseXML(QFileInfo(aFirst), false));
        QCOMPARE(registry()->findDesignStyle(LMDesignElementID(anId)).wasInstalledManuallyByUser(), firstByUser);
        QCOMPARE(registry()->parseXML(QFileInfo(aSecond), false), secondStays);
        QCOMPARE(registry()->findDesignStyle(LMDesignElementID(anId)).visibleName(),
                 secondStays ? QStringLiteral("Second") : QStringLiteral("First"));
        QCOMPARE(registry()->allStyles().designStyleIds().count(QString::number(anId)), 1);
    }

    void consumeOnce_data()
    {
        columns<bool, int, bool>("storyBook", "jigType", "handedOut");
        row("a story book to the story-book type", true, 4096, true);
        row("a story book to both types", true, 6144, true);
        row("a story book not to the style type", true, 2048, false);
        row("a style to the style type", false, 2048, true);
        row("a style not to the story-book type", false, 4096, false);
        row("nothing to no type", false, 0, false);
    }
    void consumeOnce()
    {
        QFETCH(int, jigType);
        QFETCH(bool, handedOut);
        const int anId = 9200 + myNextId++;
        QSignalSpy anAdded(registry(), &LMDesignStyleRegistry::newDesignStyleAdded);
        QSignalSpy aDownload(registry(), &LMDesignStyleRegistry::pleaseDownloadDesignElementIDs);
        const QString aFile = writeStyle(myTree->contentPath(QStringLiteral("styles")),
                                         QStringLiteral("fresh%1").arg(anId), anId, MAY, fetch<bool>("storyBook"));
        QVERIFY(registry()->parseXML(QFileInfo(aFile), true));
        QCOMPARE(anAdded.count(), 1);
        QCOMPARE(anAdded.at(0).at(0).value<LMDesignElementID>(), LMDesignElementID(anId));
        QCOMPARE(aDownload.count(), 1);
        QCOMPARE(aDownload.at(0).at(0).value<LMDesignElementIDSet>(),
                 (LMDesignElementIDSet { LMDesignElementID(5100), LMDesignElementID(4101), LMDesignElementID(7103) }));
        QCOMPARE(registry()->lastDownloadedDesignElementId(), LMDesignElementID(anId));

        const LMDesignStyle aFirst = registry()->consumeLastAddedDesignStyle(LMJigType::fromInt(jigType));
        QCOMPARE(aFirst.designElementID(), handedOut ? LMDesignElementID(anId) : LMDesignElementID());
        QCOMPARE(registry()->lastAddedDesignStyle().isValid(), !handedOut);
        QVERIFY(registry()->consumeLastAddedDesignStyle(LMJigType::fromInt(jigType)).isNull());
        registry()->resetLastDownloadedDesignElementId();
        QVERIFY(registry()->lastAddedDesignStyle().isNull());
    }

    void dragData_data()
    {
        columns<QList<int>, QStringList>("ids", "expected");
        row("in the order given", QList<int> { 9001, 9301, 9001 }, QStringList { "9001", "9301", "9001" });
        row("an unknown id is left out", QList<int> { 9301, 4711, 9001 }, QStringList { "9301", "9001" });
        row("nothing", QList<int>(), QStringList());
    }
    void dragData()
    {
        QFETCH(QStringList, expected);
        if (!registry()->isInstalled(LMDesignElementID(9301)))
            QVERIFY(registry()->parseXML(
                QFileInfo(writeStyle(myTree->contentPath(QStringLiteral("styles")), QStringLiteral("drag"), 9301, MAY)),
                false));
        LMDesignStyleList aStyles;
        for (int anId : fetch<QList<int>>("ids")) {
            LMDesignStyle aStyle(registry()->findDesignStyle(LMDesignElementID(anId)));
            if (aStyle.isNull()) // an id of nothing, still carried by the payload
                aStyle.setDesignElementID(LMDesignElementID(anId));
            aStyles.append(aStyle);
        }
        const std::unique_ptr<QMimeData> aData(aStyles.toMimeData());
        QVERIFY(LMDesignStyleList::containsStyle(aData.get()));
        QCOMPARE(aData->formats(), QStringList { "application/kiv.designstyleV2" });
        QCOMPARE(LMDesignStyleList(aData.get()).designStyleIds(), expected);
        QCOMPARE(LMDesignStyleList::firstStyleIn(aData.get()).designElementID().toString(), expected.value(0, "0"));
    }

    void listOrder_data()
    {
        columns<QString, QString>("favourites", "expected");
        row("none", "- - - -", "1 2 3 4");
        row("the last", "- - - f", "4 1 2 3");
        row("two keep their order, and so do the others", "- f - f", "2 4 1 3");
        row("all", "f f f f", "1 2 3 4");
    }
    void listOrder()
    {
        QFETCH(QString, favourites);
        LMDesignStyleList aStyles;
        const QStringList aMarks = favourites.split(QLatin1Char(' '));
        for (int i = 0; i < aMarks.size(); ++i) {
            LMDesignStyle aStyle;
            aStyle.setDesignElementID(LMDesignElementID(i + 1));
            if (aMarks.at(i) == QLatin1String("f"))
                aStyle.setCategorization(LMCategorization(LMCategoryTypeEnum::Subcategory,
                                                          LMThematicCategorySet { LMThematicCategory::favourites() }));
            aStyles.append(aStyle);
        }
        aStyles.sortFavouritesFirst();
        QCOMPARE(aStyles.designStyleIds().join(QLatin1Char(' ')), fetch<QString>("expected"));
    }

    void styleName_data()
    {
        columns<QString, QString>("visible", "expected");
        row("two words", "Meadow album", "album_Meadow");
        row("one word", "Meadow", "Meadow");
        row("underscores count as blanks", "old_town walk", "walk_town_old");
        row("an empty part is kept", "a  b", "b__a");
    }
    void styleName()
    {
        LMDesignElementMetaData aRecord;
        aRecord.setName(fetch<QString>("visible"));
        const LMDesignStyle aStyle { LMDesignStyleHeader(aRecord), LMDesignStylePages(), LMDesignStyleRuleSets(),
                                     LMDesignStyleTemplates() };
        QCOMPARE(aStyle.createStyleName(), fetch<QString>("expected"));
    }

    // Which styles a product offers (the style filter) and which its list shows (the displaying
    // filter, here asking for the assistant).
    void filters_data()
    {
        columns<QString, int, QString, bool, QString, bool, QString>("features", "orientations", "binding", "basic",
                                                                     "pageType", "basicWanted", "expected");
        const QString anAssistant = QStringLiteral("feature-assistent-qualified");
        row("a portrait style for the assistant", anAssistant, 1, "", false, "inner_page", false, "offered shown");
        row("a landscape style", anAssistant, 2, "", false, "inner_page", false, "- -");
        row("every orientation", anAssistant, 31, "", false, "inner_page", false, "offered shown");
        row("the product's binding", anAssistant, 1, "glued", false, "inner_page", false, "offered shown");
        row("another binding", anAssistant, 1, "layflat", false, "inner_page", false, "- -");
        row("a story book is not for the assistant", "feature-story-book", 1, "", false, "inner_page", false,
            "offered -");
        row("covers want linen", anAssistant, 1, "", false, "front_cover,back_cover", false, "- -");
        row("covers take a style for linen", anAssistant + QStringLiteral(",feature-linnen-capable"), 1, "", false,
            "front_cover,back_cover", false, "offered shown");
        row("one cover does not ask for linen", anAssistant, 1, "", false, "front_cover", false, "offered shown");
    }
    void filters()
    {
        const LMDesignStyle aStyle = styleOf(fetch<QString>("features"), fetch<int>("orientations"),
                                             fetch<QString>("binding"), fetch<bool>("basic"));
        const LMTemplateContext aContext(LMArticle::fromOrderTxtName(QStringLiteral("ALBUM_TALL_21")),
                                         LMPageType(fetch<QString>("pageType")));
        LMContentFilterParameter aParameter(aContext, LMCategorization());
        aParameter.setCheckBasicDesign(fetch<bool>("basicWanted"));
        const LMDesignStyleFilter aFilter(aParameter);
        const LMDesignStyleDisplayingFilter aShown(aParameter, true);
        QCOMPARE(QStringLiteral("%1 %2").arg(aFilter.accept(aStyle) ? "offered" : "-",
                                             aShown.accept(aStyle) ? "shown" : "-"),
                 fetch<QString>("expected"));
        QCOMPARE(LMDesignStyleList(aStyle).filter(&aFilter).size(), aFilter.accept(aStyle) ? 1 : 0);
    }

    // A story book shows when its basic-design flag is the one the list asks for.
    void basicDesigns_data()
    {
        columns<bool, bool, bool>("basic", "basicWanted", "shown");
        row("no basic design, none wanted", false, false, true);
        row("no basic design, basic ones wanted", false, true, false);
        row("a basic design, basic ones wanted", true, true, true);
        row("a basic design, none wanted", true, false, false);
    }
    void basicDesigns()
    {
        LMContentFilterParameter aParameter(
            LMTemplateContext(LMArticle::fromOrderTxtName(QStringLiteral("ALBUM_TALL_21")), LMPageTypeEnum::InnerPage),
            LMCategorization());
        aParameter.setCheckBasicDesign(fetch<bool>("basicWanted"));
        QTEST(LMDesignStyleDisplayingFilter(aParameter, false)
                  .accept(styleOf("feature-story-book", 1, "", fetch<bool>("basic"))),
              "shown");
    }

    // A style the user made, and the registry's jig lookups.
    void userStyleAndJigs()
    {
        const LMDesignStyle aStyle
            = LMDesignStyle::createFromModel(QStringLiteral("Mein Buch"), QStringLiteral("P-1"),
                                             LMDesignElementID(9600), LMOrientationEnum::Portrait, 3);
        QVERIFY(aStyle.isValid());
        QVERIFY(aStyle.isStoryBook());
        QVERIFY(aStyle.categorization().contains(LMThematicCategory::userBookStyles()));
        // No templates yet: no orientation is allowed.
        QVERIFY(!aStyle.allowedOrientations().isValid());
        QCOMPARE(aStyle.basicDragAndDropHint(),
                 QStringLiteral("Ziehen Sie diese Designvorlage mit der Maus auf die gewünschte Seite."));

        const LMDesignStyle aPresent = registry()->findDesignStyle(LMDesignElementID(9001));
        const std::unique_ptr<LMJig> aCopy(registry()->find(aPresent.createKey()));
        QVERIFY(aCopy != nullptr);
        QCOMPARE(aCopy->designElementID(), LMDesignElementID(9001));
        QCOMPARE(*static_cast<const LMDesignStyle*>(aCopy.get()), aPresent);
        QVERIFY(registry()->find(aStyle.createKey()) == nullptr);
        QVERIFY(registry()->isInstalled(LMDesignElementID(9001)) && registry()->isActive(LMDesignElementID(9001)));
        QVERIFY(!registry()->isInstalled(LMDesignElementID(9600)));
        QVERIFY(registry()->consumeLastAddedJig(LMJigTypeEnum::DesignStyle) == nullptr);
        QCOMPARE(registry()->supportedJigs(), QList<LMJigType> { LMJigTypeEnum::DesignStyle });
    }

    void usedStyle_data()
    {
        columns<int, QString, QString>("id", "pageTemplate", "attributes");
        row("an id and a page template", 8101, "title", "designStyleID=8101 designStyleTemplateName=title");
        row("no page template: no attribute", 8101, "", "designStyleID=8101");
        row("no style: nothing", 0, "", "");
    }
    void usedStyle()
    {
        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("page"));
        const LMUsedDesignStyle aUsed(LMDesignElementID(fetch<int>("id")), fetch<QString>("pageTemplate"));
        aUsed.buildXML(anElement);
        QStringList aWritten;
        for (const QString& aName : { QStringLiteral("designStyleID"), QStringLiteral("designStyleTemplateName") }) {
            if (anElement.hasAttribute(aName))
                aWritten << aName + QLatin1Char('=') + anElement.attribute(aName);
        }
        QCOMPARE(aWritten.join(QLatin1Char(' ')), fetch<QString>("attributes"));
        QCOMPARE(LMUsedDesignStyle(anElement), aUsed);
    }

    // Versions of one id parsed on several threads while others read: the latest version stays,
    // whatever the order, and readers never see the id twice or not at all.
    void concurrentVersions()
    {
        constexpr int VERSIONS = 12;
        const int anId = 9400;
        QStringList aFiles;
        for (int v = 0; v < VERSIONS; ++v)
            aFiles << writeStyle(myTree->contentPath(QStringLiteral("concurrent")), QStringLiteral("v%1").arg(v), anId,
                                 MAY + v * DAY, false, QStringLiteral("Version %1").arg(v));
        QVERIFY(registry()->parseXML(QFileInfo(aFiles.first()), false));
        std::atomic<bool> aDone { false };
        std::atomic<int> aBadReads { 0 };
        std::vector<std::thread> aThreads;
        for (int t = 0; t < 3; ++t) {
            aThreads.emplace_back([&, t] {
                for (int v = VERSIONS - 1 - t; v >= 0; v -= 3)
                    registry()->parseXML(QFileInfo(aFiles.at(v)), v % 2 == 0);
            });
        }
        aThreads.emplace_back([&] {
            while (!aDone) {
                if (registry()->allStyles().designStyleIds().count(QString::number(anId)) != 1)
                    ++aBadReads;
                registry()->lastAddedDesignStyle();
                registry()->findStyleByDesignElementId(LMDesignElementID(anId)).visibleName();
            }
        });
        for (int t = 0; t < 3; ++t)
            aThreads[size_t(t)].join();
        aDone = true;
        aThreads.back().join();
        QCOMPARE(aBadReads.load(), 0);
        QCOMPARE(registry()->findDesignStyle(LMDesignElementID(anId)).visibleName(),
                 QStringLiteral("Version %1").arg(VERSIONS - 1));
        registry()->resetLastDownloadedDesignElementId();
    }

private:
    std::unique_ptr<LMTestSupport::ContentTree> myTree;
    int myNextId = 0;
};

QTEST_GUILESS_MAIN(tst_DesignStyleRegistry)
#include "tst_designstyleregistry.moc"
