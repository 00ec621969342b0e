#include "LMAreaDefinitionResult.h"
#include "LMDesignTypeMap.h"
#include "LMFakeLookups.h"
#include "LMTemplate.h"
#include "LMTemplateAcceptor.h"
#include "LMTemplateAreaDefinitionBackground.h"
#include "LMTemplateAreaDefinitionClipart.h"
#include "LMTemplateAreaDefinitionFoto.h"
#include "LMTemplateAreaDefinitionFotoBackground.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateAreaDefinitionText.h"
#include "LMTemplateLayerTypeHash.h"
#include "LMTemplateList.h"
#include "LMUnconfiguredTemplateList.h"

#include <QDataStream>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {
const QSizeF PAGE(1000, 1000);

template <typename Area> std::unique_ptr<Area> makeArea(const QRectF& theRect = QRectF(100, 100, 200, 200))
{
    return std::make_unique<Area>(LMRotatedRect(theRect), LMAreaAbilityEnum::FotoDefault, LMAreaDecoration(),
                                  LMAreaPositioningConstraint(), LMImageFXs(), PAGE, LMAreaCreationRuleEnum::Layout);
}

std::unique_ptr<LMTemplateAreaDefinition> makeAreaOfKind(QChar theKind)
{
    switch (theKind.unicode()) {
    case 'f':
        return makeArea<LMTemplateAreaDefinitionFoto>();
    case 't':
        return makeArea<LMTemplateAreaDefinitionText>();
    case 'c':
        return makeArea<LMTemplateAreaDefinitionClipart>();
    case 'p':
        return makeArea<LMTemplateAreaDefinitionFotoBackground>();
    case 's':
        return makeArea<LMTemplateAreaDefinitionSmartLayout>();
    default:
        qFatal("unknown area kind %c", char(theKind.unicode()));
    }
}

LMThematicCategorySet categorySet(const QString& theText)
{
    LMThematicCategorySet aSet;
    const QStringList aNames = theText.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QString& aName : aNames)
        aSet.insert(LMThematicCategory(aName));
    return aSet;
}

// A template from a short description: its name, then any of "jig=N", "layer=N", "price=CODE",
// "cat=a|b" (subcategories), "theme=a|b", "fav", "spot=N", "id=N", "areas=ftcps" (photo, text,
// clipart, photo background, smart layout), "user", "layout", "art=a|b", "mirror=N".
std::unique_ptr<LMTemplate> makeTemplate(const QString& theDescription)
{
    const QStringList aTokens = theDescription.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    auto aTemplate = std::make_unique<LMTemplate>();
    aTemplate->setName(aTokens.value(0));
    LMCategorization aCategorization;
    for (const QString& aToken : aTokens.mid(1)) {
        const QString aKey = aToken.section(QLatin1Char('='), 0, 0);
        const QString aValue = aToken.section(QLatin1Char('='), 1);
        if (aKey == QLatin1String("jig"))
            aTemplate->setJigType(LMJigType::fromInt(aValue.toInt()));
        else if (aKey == QLatin1String("layer"))
            aTemplate->setTemplateLayerType(LMTemplateLayerType::fromInt(aValue.toInt()));
        else if (aKey == QLatin1String("price"))
            aTemplate->setPriceClass(LMPriceClass::create(aValue));
        else if (aKey == QLatin1String("cat"))
            aCategorization.insert(LMCategoryTypeEnum::Subcategory, categorySet(aValue));
        else if (aKey == QLatin1String("theme"))
            aCategorization.insert(LMCategoryTypeEnum::Theme, categorySet(aValue));
        else if (aKey == QLatin1String("fav"))
            aCategorization.insert(LMCategoryTypeEnum::Internal, LMThematicCategory::favourites());
        else if (aKey == QLatin1String("spot"))
            aTemplate->setSpotColorLayer(LMSpotColor::fromInt(aValue.toInt()));
        else if (aKey == QLatin1String("id"))
            aTemplate->setDesignElementID(LMDesignElementID(aValue.toInt()));
        else if (aKey == QLatin1String("areas"))
            for (const QChar aKind : aValue)
                aTemplate->addAreaDefinition(makeAreaOfKind(aKind));
        else if (aKey == QLatin1String("user"))
            aTemplate->setUserLayout(true);
        else if (aKey == QLatin1String("layout"))
            aTemplate->setHasLayout(true);
        else if (aKey == QLatin1String("art")) {
            LMArticleList anArticles;
            for (const QString& aName : aValue.split(QLatin1Char('|')))
                anArticles.append(LMArticle::fromOrderTxtName(aName));
            aTemplate->setArticleGroup(LMArticlesGroup(anArticles));
        } else if (aKey == QLatin1String("mirror"))
            aTemplate->setPossibleMirrorings(LMMirrorRule::fromInt(aValue.toInt()));
        else
            qFatal("unknown template token %s", qPrintable(aToken));
    }
    aTemplate->setCategorization(aCategorization);
    return aTemplate;
}

// Owns the templates of one test; lists hand out handles to them.
class Pool
{
public:
    explicit Pool(const QStringList& theDescriptions)
    {
        for (const QString& aDescription : theDescriptions)
            myTemplates.push_back(makeTemplate(aDescription));
    }
    LMUnconfiguredTemplate at(int theIndex) const { return LMUnconfiguredTemplate(myTemplates.at(theIndex).get()); }
    LMUnconfiguredTemplate byName(const QString& theName) const
    {
        for (const auto& aTemplate : myTemplates) {
            if (aTemplate->name() == theName)
                return LMUnconfiguredTemplate(aTemplate.get());
        }
        qFatal("no template %s in the pool", qPrintable(theName));
    }
    LMUnconfiguredTemplateList unconfigured() const
    {
        LMUnconfiguredTemplateList aList;
        for (int anIndex = 0; anIndex < int(myTemplates.size()); ++anIndex)
            aList.append(at(anIndex));
        return aList;
    }
    LMTemplateList configured() const
    {
        LMTemplateList aList;
        for (int anIndex = 0; anIndex < int(myTemplates.size()); ++anIndex)
            aList.append(LMConfiguredTemplate(at(anIndex)));
        return aList;
    }

private:
    std::vector<std::unique_ptr<LMTemplate>> myTemplates;
};

// The name, with "#id" when the template has a design element id, so equal names stay apart.
QString label(const LMTemplate& theTemplate)
{
    return theTemplate.designElementID().isValid()
        ? theTemplate.name() + QLatin1Char('#') + QString::number(theTemplate.designElementID().id())
        : theTemplate.name();
}

template <typename List> QStringList labels(const List& theList)
{
    QStringList aLabels;
    for (const auto& aTemplate : theList)
        aLabels.append(label(*aTemplate));
    return aLabels;
}

QStringList configurationTexts(const LMTemplateList& theList)
{
    QStringList aTexts;
    for (const LMConfiguredTemplate& aTemplate : theList)
        aTexts.append(aTemplate.configuration().serialize());
    return aTexts;
}

QStringList sortedNames(const LMThematicCategorySet& theCategories)
{
    QStringList aNames = theCategories.internalNames();
    aNames.sort();
    return aNames;
}

class FunctionAcceptor : public LMTemplateAcceptor
{
public:
    explicit FunctionAcceptor(std::function<bool(const LMUnconfiguredTemplate&)> theFunction)
        : myFunction(std::move(theFunction))
    {
    }
    bool acceptTemplate(const LMUnconfiguredTemplate& theTemplate) const override { return myFunction(theTemplate); }

private:
    std::function<bool(const LMUnconfiguredTemplate&)> myFunction;
};

std::unique_ptr<QMimeData> payload(const QStringList& theStrings)
{
    QByteArray aData;
    QDataStream aStream(&aData, QIODevice::WriteOnly);
    for (const QString& aString : theStrings)
        aStream << aString;
    auto aMime = std::make_unique<QMimeData>();
    aMime->setData(LMTemplateList::ourMimeFormat, aData);
    return aMime;
}
} // namespace

// Both template list kinds: the drag payload, filters and sorting, list queries, mirrors; the
// layer-type hash, the design type map and the result of placing photos into a layout.
class TestTemplateLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();
    void mimeRoundTrip();
    void mimeReading_data();
    void mimeReading();
    void foreignMimeData_data();
    void foreignMimeData();
    void acceptanceFilter();
    void configuredFilters_data();
    void configuredFilters();
    void unconfiguredFilters_data();
    void unconfiguredFilters();
    void listQueries_data();
    void listQueries();
    void recommendedSpotColor_data();
    void recommendedSpotColor();
    void allowedArticles_data();
    void allowedArticles();
    void designElementIDs_data();
    void designElementIDs();
    void categories_data();
    void categories();
    void parallelFilter_data();
    void parallelFilter();
    void mirrors_data();
    void mirrors();
    void layerTypeHash_data();
    void layerTypeHash();
    void designTypeMap_data();
    void designTypeMap();
    void areaDefinitionResult();
    void areaDefinitionResultContains_data();
    void areaDefinitionResultContains();
};

void TestTemplateLists::cleanup()
{
    LMTemplateLookup::install(nullptr);
    LMTemplateList::setAcceptTemplate(nullptr);
    LMUnconfiguredTemplateList::setAcceptTemplate(nullptr);
}

void TestTemplateLists::mimeRoundTrip()
{
    FakeTemplateLookup aLookup({ QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Été 東京") });
    LMTemplateLookup::install(&aLookup);
    aLookup.findTemplateByName(QStringLiteral("Beta")).templatePointer()->setSpotColorLayer(LMSpotColorEnum::GoldFoil);

    LMTemplateList aList;
    aList.append(LMConfiguredTemplate(aLookup.findTemplateByName(QStringLiteral("Beta"))));
    aList.append(LMConfiguredTemplate(aLookup.findTemplateByName(QStringLiteral("Alpha")),
                                      LMTemplateConfiguration(QStringLiteral("Blau"), true)));
    aList.append(LMConfiguredTemplate(aLookup.findTemplateByName(QStringLiteral("Été 東京")),
                                      LMTemplateConfiguration(QStringLiteral("Grün ✓"), false)));
    // The same template twice with another configuration stays twice, in place.
    aList.append(LMConfiguredTemplate(aLookup.findTemplateByName(QStringLiteral("Alpha"))));
    LMConfiguredTemplate aSpotOff(aLookup.findTemplateByName(QStringLiteral("Beta")));
    aSpotOff.setSpotColorEnabled(false);
    aList.append(aSpotOff);

    const std::unique_ptr<QMimeData> aMime = aList.toMimeData();
    QVERIFY(aMime->hasFormat(QStringLiteral("text/template-list")));
    QVERIFY(LMTemplateList::containsTemplates(aMime.get()));
    const LMTemplateList aRead(aMime.get());
    QCOMPARE(labels(aRead), labels(aList));
    QCOMPARE(configurationTexts(aRead), configurationTexts(aList));
    QCOMPARE(aRead, aList);
}

void TestTemplateLists::mimeReading_data()
{
    QTest::addColumn<QStringList>("strings");
    QTest::addColumn<QStringList>("unknown");
    QTest::addColumn<QStringList>("expectedNames");
    QTest::addColumn<QStringList>("expectedConfigurations");

    QTest::newRow("empty payload") << QStringList() << QStringList() << QStringList() << QStringList();
    QTest::newRow("name and configuration") << QStringList { "Alpha", "Blau;true" } << QStringList()
                                            << QStringList { "Alpha" } << QStringList { "Blau;true" };
    QTest::newRow("found by unique name") << QStringList { "Alpha,normal,", "---;false" } << QStringList()
                                          << QStringList { "Alpha" } << QStringList { "---;false" };
    QTest::newRow("unicode name") << QStringList { "Été 東京", "Rot;false" } << QStringList()
                                  << QStringList { "Été 東京" } << QStringList { "Rot;false" };
    // The configuration of an unknown name is read and dropped with it, so the next name stays a name.
    QTest::newRow("unknown name left out")
        << QStringList { "Alpha", "---;false", "Ghost", "Rot;true", "Beta", "Gelb;true" } << QStringList { "Ghost" }
        << QStringList { "Alpha", "Beta" } << QStringList { "---;false", "Gelb;true" };
    QTest::newRow("every name unknown") << QStringList { "Ghost", "---;true", "Nobody", "---;false" }
                                        << QStringList { "Ghost", "Nobody" } << QStringList() << QStringList();
    QTest::newRow("unknown last name without configuration")
        << QStringList { "Beta", "---;true", "Ghost" } << QStringList { "Ghost" } << QStringList { "Beta" }
        << QStringList { "---;true" };
    QTest::newRow("last name without configuration")
        << QStringList { "Alpha", "Blau;true", "Beta" } << QStringList() << QStringList { "Alpha", "Beta" }
        << QStringList { "Blau;true", "---;false" };
    // Without a configuration the template is configured by the default rule: spot colour on
    // exactly when the template has one.
    QTest::newRow("last name without configuration, spot colour template")
        << QStringList { "Alpha", "---;false", "Spot" } << QStringList() << QStringList { "Alpha", "Spot" }
        << QStringList { "---;false", "---;true" };
    QTest::newRow("explicit default configuration on spot colour template")
        << QStringList { "Spot", "---;false" } << QStringList() << QStringList { "Spot" }
        << QStringList { "---;false" };
    QTest::newRow("only the exact word false disables spot colour")
        << QStringList { "Alpha", "Rot;FALSE", "Beta", "Rot;" } << QStringList() << QStringList { "Alpha", "Beta" }
        << QStringList { "Rot;true", "Rot;true" };
}

void TestTemplateLists::mimeReading()
{
    QFETCH(QStringList, strings);
    QFETCH(QStringList, unknown);
    QFETCH(QStringList, expectedNames);
    QFETCH(QStringList, expectedConfigurations);

    FakeTemplateLookup aLookup(
        { QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Spot"), QStringLiteral("Été 東京") });
    aLookup.findTemplateByName(QStringLiteral("Spot")).templatePointer()->setSpotColorLayer(LMSpotColorEnum::Varnish);
    LMTemplateLookup::install(&aLookup);

    for (const QString& aName : std::as_const(unknown))
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(aName)));
    const std::unique_ptr<QMimeData> aMime = payload(strings);
    const LMTemplateList aList(aMime.get());
    QCOMPARE(labels(aList), expectedNames);
    QCOMPARE(configurationTexts(aList), expectedConfigurations);
    for (int anIndex = 0; anIndex < aList.size(); ++anIndex)
        QCOMPARE(aList.at(anIndex).unconfiguredTemplate(), aLookup.findTemplateByName(expectedNames.at(anIndex)));
}

void TestTemplateLists::foreignMimeData_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<bool>("contains");

    QTest::newRow("plain text") << QStringLiteral("text/plain") << QByteArray("Alpha") << false;
    QTest::newRow("uri list") << QStringLiteral("text/uri-list") << QByteArray("file:///Alpha.svg") << false;
    QTest::newRow("similar format") << QStringLiteral("text/template-lists") << QByteArray() << false;
    QTest::newRow("own format, no data") << QStringLiteral("text/template-list") << QByteArray() << true;
    QTest::newRow("no format at all") << QString() << QByteArray() << false;
}

void TestTemplateLists::foreignMimeData()
{
    QFETCH(QString, format);
    QFETCH(QByteArray, data);
    QFETCH(bool, contains);

    FakeTemplateLookup aLookup({ QStringLiteral("Alpha") });
    LMTemplateLookup::install(&aLookup);
    QMimeData aMime;
    if (!format.isEmpty())
        aMime.setData(format, data);
    QCOMPARE(LMTemplateList::containsTemplates(&aMime), contains);
    QVERIFY(LMTemplateList(&aMime).isEmpty());
    QVERIFY(!LMTemplateList::containsTemplates(nullptr));
    QVERIFY(LMTemplateList(static_cast<const QMimeData*>(nullptr)).isEmpty());
}

void TestTemplateLists::acceptanceFilter()
{
    FakeTemplateLookup aLookup(
        { QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Bravo"), QStringLiteral("Gamma") });
    LMTemplateLookup::install(&aLookup);
    const FunctionAcceptor aNoB(
        [](const LMUnconfiguredTemplate& theTemplate) { return !theTemplate.name().startsWith(QLatin1Char('B')); });
    const FunctionAcceptor aNoGamma(
        [](const LMUnconfiguredTemplate& theTemplate) { return theTemplate.name() != QLatin1String("Gamma"); });

    LMTemplateList aDragged;
    LMUnconfiguredTemplateList aHandles;
    for (const QString& aName : QStringList { "Beta", "Alpha", "Gamma", "Bravo" }) {
        aDragged.append(LMConfiguredTemplate(aLookup.findTemplateByName(aName)));
        aHandles.append(aLookup.findTemplateByName(aName));
    }
    const std::unique_ptr<QMimeData> aMime = aDragged.toMimeData();

    LMTemplateList::setAcceptTemplate(&aNoB);
    QCOMPARE(LMTemplateList::acceptTemplate(), &aNoB);
    QCOMPARE(labels(LMTemplateList(aMime.get())), QStringList({ "Alpha", "Gamma" }));
    QCOMPARE(labels(LMTemplateList(static_cast<const QList<LMConfiguredTemplate>&>(aDragged))),
             QStringList({ "Alpha", "Gamma" }));
    // Each list kind has its own filter.
    QCOMPARE(labels(LMUnconfiguredTemplateList(static_cast<const QList<LMUnconfiguredTemplate>&>(aHandles))),
             QStringList({ "Beta", "Alpha", "Gamma", "Bravo" }));
    LMUnconfiguredTemplateList::setAcceptTemplate(&aNoGamma);
    QCOMPARE(labels(LMUnconfiguredTemplateList(static_cast<const QList<LMUnconfiguredTemplate>&>(aHandles))),
             QStringList({ "Beta", "Alpha", "Bravo" }));
    QCOMPARE(labels(LMTemplateList(aMime.get())), QStringList({ "Alpha", "Gamma" }));

    LMTemplateList::setAcceptTemplate(nullptr);
    QCOMPARE(labels(LMTemplateList(aMime.get())), QStringList({ "Beta", "Alpha", "Gamma", "Bravo" }));
}

void TestTemplateLists::configuredFilters_data()
{
    QTest::addColumn<QStringList>("pool");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("expected");

    const QStringList aKinds { "Bg jig=1", "Clip jig=2", "Svg jig=4", "Both jig=5", "Frame jig=128", "Plain" };
    QTest::newRow("jig type background") << aKinds << "jig=1" << QStringList { "Bg", "Both" };
    QTest::newRow("jig type svg template") << aKinds << "jig=4" << QStringList { "Svg", "Both" };
    QTest::newRow("jig type, none of it") << aKinds << "jig=256" << QStringList();
    QTest::newRow("jig type of several bits") << aKinds << "jig=130" << QStringList { "Clip", "Frame" };

    const QStringList aUsers { "A user", "B", "C user", "D" };
    QTest::newRow("user layouts") << aUsers << "user" << QStringList { "A", "C" };
    QTest::newRow("no user layouts") << aUsers << "notuser" << QStringList { "B", "D" };
    QTest::newRow("user layouts of an empty list") << QStringList() << "user" << QStringList();

    const QStringList aLayers { "Bg layer=1", "C0 layer=4", "C4 layer=64", "Mask layer=128", "C1C2 layer=24", "None" };
    QTest::newRow("layer background") << aLayers << "layer=1" << QStringList { "Bg" };
    QTest::newRow("layer content 0 to 4") << aLayers << "layer=124" << QStringList { "C0", "C4", "C1C2" };
    QTest::newRow("layer content 2 shares a bit") << aLayers << "layer=16" << QStringList { "C1C2" };
    QTest::newRow("layer none matches nothing") << aLayers << "layer=0" << QStringList();

    const QStringList aPrices { "NoClass",     "Zero price=0",   "One price=01",
                                "Two price=2", "Letter price=A", "Ten price=10" };
    QTest::newRow("free") << aPrices << "free" << QStringList { "NoClass", "Zero", "One" };
    QTest::newRow("priced") << aPrices << "priced" << QStringList { "Two", "Letter", "Ten" };

    const QStringList aCategories { "A cat=sea", "B theme=sea|sun", "C cat=snow", "D", "E fav cat=sun" };
    QTest::newRow("category of any type") << aCategories << "cat=sea" << QStringList { "A", "B" };
    QTest::newRow("one of several categories") << aCategories << "cat=sun|snow" << QStringList { "B", "C", "E" };
    QTest::newRow("unknown category") << aCategories << "cat=rain" << QStringList();
    QTest::newRow("empty category set keeps all") << aCategories << "cat=" << QStringList { "A", "B", "C", "D", "E" };
    QTest::newRow("category is case-sensitive") << aCategories << "cat=Sea" << QStringList();

    QTest::newRow("favourites first, stable") << QStringList { "A", "B fav", "C", "D fav cat=x", "E" }
                                              << "favourites first" << QStringList { "B", "D", "A", "C", "E" };
    QTest::newRow("favourites first, none")
        << QStringList { "C", "A", "B" } << "favourites first" << QStringList { "C", "A", "B" };
    QTest::newRow("favourites first, all")
        << QStringList { "C fav", "A fav" } << "favourites first" << QStringList { "C", "A" };
    QTest::newRow("favourite only by its own category")
        << QStringList { "A cat=favourites-like", "B fav" } << "favourites first" << QStringList { "B", "A" };

    QTest::newRow("remove invalid design element ids") << QStringList { "A id=3", "B", "C id=0", "D id=-2", "E id=1" }
                                                       << "remove invalid ids" << QStringList { "A#3", "E#1" };
    QTest::newRow("remove invalid ids of an empty list") << QStringList() << "remove invalid ids" << QStringList();
}

void TestTemplateLists::configuredFilters()
{
    QFETCH(QStringList, pool);
    QFETCH(QString, operation);
    QFETCH(QStringList, expected);

    const Pool aPool(pool);
    LMTemplateList aList = aPool.configured();
    const QString aValue = operation.section(QLatin1Char('='), 1);
    LMTemplateList aResult;
    if (operation.startsWith(QLatin1String("jig=")))
        aResult = aList.filter(LMJigType(LMJigType::fromInt(aValue.toInt())));
    else if (operation == QLatin1String("user"))
        aResult = aList.filterUserLayout(true);
    else if (operation == QLatin1String("notuser"))
        aResult = aList.filterUserLayout(false);
    else if (operation.startsWith(QLatin1String("layer=")))
        aResult = aList.filterTemplates(LMTemplateLayerType::fromInt(aValue.toInt()));
    else if (operation == QLatin1String("free"))
        aResult = aList.filterFree(true);
    else if (operation == QLatin1String("priced"))
        aResult = aList.filterFree(false);
    else if (operation.startsWith(QLatin1String("cat=")))
        aResult = aList.filter(categorySet(aValue));
    else if (operation == QLatin1String("favourites first"))
        aResult = aList.sortFavouritesFirst();
    else if (operation == QLatin1String("remove invalid ids")) {
        aResult = aList;
        aResult.removeInvalidDesignElementIds();
    } else
        QFAIL("unknown operation");
    QCOMPARE(labels(aResult), expected);
    // Filters answer new lists; the list asked stays as it was.
    QCOMPARE(aList, aPool.configured());

    // The unconfigured list answers the same where it has the operation.
    const LMUnconfiguredTemplateList anUnconfigured = aPool.unconfigured();
    if (operation.startsWith(QLatin1String("jig=")))
        QCOMPARE(labels(anUnconfigured.filter(LMJigType(LMJigType::fromInt(aValue.toInt())))), expected);
    else if (operation == QLatin1String("user") || operation == QLatin1String("notuser"))
        QCOMPARE(labels(anUnconfigured.filterUserLayout(operation == QLatin1String("user"))), expected);
}

void TestTemplateLists::unconfiguredFilters_data()
{
    QTest::addColumn<QStringList>("pool");
    QTest::addColumn<QString>("operation");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("by name, case-sensitive") << QStringList { "beta", "Beta", "alpha", "Alpha", "_x", "1" } << "by name"
                                             << QStringList { "1", "Alpha", "Beta", "_x", "alpha", "beta" };
    QTest::newRow("by name, equal names keep their order")
        << QStringList { "B id=1", "A id=2", "B id=3", "A id=4", "B id=5" } << "by name"
        << QStringList { "A#2", "A#4", "B#1", "B#3", "B#5" };
    QTest::newRow("by name, unicode after ascii")
        << QStringList { "Été", "Zeta", "東京", "Eta" } << "by name" << QStringList { "Eta", "Zeta", "Été", "東京" };
    QTest::newRow("by name, prefix first")
        << QStringList { "Page10", "Page1", "Page" } << "by name" << QStringList { "Page", "Page1", "Page10" };
    QTest::newRow("by name, empty list") << QStringList() << "by name" << QStringList();

    const QStringList anAreas { "Empty",        "Photo areas=ff", "Clip areas=fc",
                                "Text areas=t", "Both areas=tcf", "Clips areas=cc" };
    QTest::newRow("with clipart") << anAreas << "clipart" << QStringList { "Clip", "Both", "Clips" };
    QTest::newRow("without clipart") << anAreas << "no clipart" << QStringList { "Empty", "Photo", "Text" };
    QTest::newRow("with text") << anAreas << "text" << QStringList { "Text", "Both" };
    QTest::newRow("without text") << anAreas << "no text" << QStringList { "Empty", "Photo", "Clip", "Clips" };
}

void TestTemplateLists::unconfiguredFilters()
{
    QFETCH(QStringList, pool);
    QFETCH(QString, operation);
    QFETCH(QStringList, expected);

    const Pool aPool(pool);
    const LMUnconfiguredTemplateList aList = aPool.unconfigured();
    LMUnconfiguredTemplateList aResult;
    if (operation == QLatin1String("by name"))
        aResult = aList.sortedByName();
    else if (operation == QLatin1String("clipart"))
        aResult = aList.filterThoseWithClipart(true);
    else if (operation == QLatin1String("no clipart"))
        aResult = aList.filterThoseWithClipart(false);
    else if (operation == QLatin1String("text"))
        aResult = aList.filterThoseWithText(true);
    else if (operation == QLatin1String("no text"))
        aResult = aList.filterThoseWithText(false);
    else
        QFAIL("unknown operation");
    QCOMPARE(labels(aResult), expected);
    QCOMPARE(aList, aPool.unconfigured());
}

void TestTemplateLists::listQueries_data()
{
    QTest::addColumn<QStringList>("pool");
    QTest::addColumn<QString>("query");
    QTest::addColumn<bool>("expected");

    QTest::newRow("only photos") << QStringList { "A areas=ff", "B areas=f" } << "only=2" << true;
    QTest::newRow("one template mixes in text") << QStringList { "A areas=ff", "B areas=ft" } << "only=2" << false;
    QTest::newRow("a template without areas") << QStringList { "A areas=ff", "B" } << "only=2" << false;
    QTest::newRow("photo background is no photo") << QStringList { "A areas=fp" } << "only=2" << false;
    QTest::newRow("type of several bits") << QStringList { "A areas=ft", "B areas=c" } << "only=290" << true;
    QTest::newRow("only text areas") << QStringList { "A areas=tt", "B areas=t" } << "only text" << true;
    QTest::newRow("text and clipart") << QStringList { "A areas=tt", "B areas=tc" } << "only text" << false;
    QTest::newRow("text template without areas") << QStringList { "A areas=t", "B" } << "only text" << false;

    QTest::newRow("theme content, all content layers")
        << QStringList { "A layer=4", "B layer=64", "C layer=24" } << "theme content" << true;
    QTest::newRow("theme content, one background")
        << QStringList { "A layer=4", "B layer=1" } << "theme content" << false;
    QTest::newRow("theme content, masks are not content")
        << QStringList { "A layer=128", "B layer=2" } << "theme content" << false;
    QTest::newRow("theme content, layout and background layers")
        << QStringList { "A layer=513" } << "theme content" << false;
    QTest::newRow("theme content, layout and content bit") << QStringList { "A layer=516" } << "theme content" << true;
    QTest::newRow("theme content, empty list") << QStringList() << "theme content" << false;

    QTest::newRow("some layout") << QStringList { "A", "B layout", "C" } << "some layout" << true;
    QTest::newRow("some layout, none") << QStringList { "A areas=ff", "B" } << "some layout" << false;
    QTest::newRow("some layout, empty list") << QStringList() << "some layout" << false;
}

void TestTemplateLists::listQueries()
{
    QFETCH(QStringList, pool);
    QFETCH(QString, query);
    QFETCH(bool, expected);

    const Pool aPool(pool);
    const LMTemplateList aConfigured = aPool.configured();
    const LMUnconfiguredTemplateList anUnconfigured = aPool.unconfigured();
    if (query.startsWith(QLatin1String("only="))) {
        const LMAreaType aType = LMAreaType::fromInt(query.section(QLatin1Char('='), 1).toInt());
        QCOMPARE(aConfigured.hasOnly(aType), expected);
        QCOMPARE(anUnconfigured.hasOnly(aType), expected);
    } else if (query == QLatin1String("only text")) {
        QCOMPARE(aConfigured.hasOnlyTextAreas(), expected);
        QCOMPARE(anUnconfigured.hasOnlyTextAreas(), expected);
    } else if (query == QLatin1String("theme content")) {
        QCOMPARE(aConfigured.isSomeTemplateThemeContent(), expected);
        QCOMPARE(anUnconfigured.isSomeTemplateThemeContent(), expected);
    } else if (query == QLatin1String("some layout")) {
        QCOMPARE(aConfigured.hasSomeTemplateLayout(), expected);
        QCOMPARE(anUnconfigured.hasSomeTemplateLayout(), expected);
    } else {
        QFAIL("unknown query");
    }
}

void TestTemplateLists::recommendedSpotColor_data()
{
    QTest::addColumn<QStringList>("pool");
    QTest::addColumn<int>("expected");

    QTest::newRow("empty list") << QStringList() << 0;
    QTest::newRow("no template has one") << QStringList { "A", "B" } << 0;
    QTest::newRow("the only one") << QStringList { "A", "B", "C spot=16" } << 16;
    QTest::newRow("most frequent") << QStringList { "A spot=2", "B spot=4", "C spot=4" } << 4;
    QTest::newRow("most frequent, not first")
        << QStringList { "A spot=2", "B", "C spot=8", "D spot=8", "E spot=2", "F spot=8" } << 8;
    QTest::newRow("tie, first met wins") << QStringList { "A spot=8", "B spot=2", "C spot=2", "D spot=8" } << 8;
    QTest::newRow("tie, other order") << QStringList { "A", "B spot=2", "C spot=8", "D spot=8", "E spot=2" } << 2;
    QTest::newRow("combined bits are a colour of their own")
        << QStringList { "A spot=3", "B spot=1", "C spot=3", "D spot=2" } << 3;
}

void TestTemplateLists::recommendedSpotColor()
{
    QFETCH(QStringList, pool);
    QFETCH(int, expected);

    const Pool aPool(pool);
    QCOMPARE(aPool.configured().recommendedSpotColor().value(), expected);
}

void TestTemplateLists::allowedArticles_data()
{
    QTest::addColumn<QStringList>("pool");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("empty list") << QStringList() << QStringList();
    QTest::newRow("no explicit articles") << QStringList { "A", "B" } << QStringList();
    QTest::newRow("each once, in list order")
        << QStringList { "A art=x|y", "B", "C art=y|z", "D art=x" } << QStringList { "x", "y", "z" };
    // An articles group keeps its articles sorted; the list keeps the templates' order.
    QTest::newRow("group order inside a template")
        << QStringList { "A art=z|x", "B art=x|y|z" } << QStringList { "x", "z", "y" };
    QTest::newRow("names differ in case")
        << QStringList { "A art=book", "B art=Book" } << QStringList { "book", "Book" };
}

void TestTemplateLists::allowedArticles()
{
    QFETCH(QStringList, pool);
    QFETCH(QStringList, expected);

    const Pool aPool(pool);
    QStringList aNames;
    const LMArticleList anArticles = aPool.configured().allowedArticles();
    for (const LMArticle& anArticle : anArticles)
        aNames.append(anArticle.orderTxtName());
    QCOMPARE(aNames, expected);
}

void TestTemplateLists::designElementIDs_data()
{
    QTest::addColumn<QStringList>("pool");
    QTest::addColumn<QList<int>>("expected");

    QTest::newRow("empty list") << QStringList() << QList<int>();
    QTest::newRow("invalid ids left out")
        << QStringList { "A id=5", "B", "C id=0", "D id=-1", "E id=2" } << QList<int> { 2, 5 };
    QTest::newRow("each id once") << QStringList { "A id=7", "B id=7", "C id=1" } << QList<int> { 1, 7 };
}

void TestTemplateLists::designElementIDs()
{
    QFETCH(QStringList, pool);
    QFETCH(QList<int>, expected);

    const Pool aPool(pool);
    QList<int> anIds;
    const LMDesignElementIDSet aSet = aPool.configured().designElementIDs();
    for (const LMDesignElementID& anId : aSet)
        anIds.append(anId.id());
    std::sort(anIds.begin(), anIds.end());
    QCOMPARE(anIds, expected);
}

void TestTemplateLists::categories_data()
{
    QTest::addColumn<QStringList>("pool");
    QTest::addColumn<QStringList>("preferred");
    QTest::addColumn<QStringList>("combined");
    QTest::addColumn<QStringList>("combinedThemes");

    const QString aFavourites = LMThematicCategory::favourites().internalName();
    QTest::newRow("empty list") << QStringList() << QStringList() << QStringList() << QStringList();
    QTest::newRow("one template") << QStringList { "A cat=x|y" } << QStringList { "x", "y" } << QStringList { "x", "y" }
                                  << QStringList();
    QTest::newRow("shared category") << QStringList { "A cat=x|y", "B cat=y|z", "C cat=y" } << QStringList { "y" }
                                     << QStringList { "x", "y", "z" } << QStringList();
    QTest::newRow("nothing shared gives all")
        << QStringList { "A cat=x|y", "B cat=y|z", "C cat=w" } << QStringList { "w", "x", "y", "z" }
        << QStringList { "w", "x", "y", "z" } << QStringList();
    QTest::newRow("a template without categories")
        << QStringList { "A cat=x", "B" } << QStringList { "x" } << QStringList { "x" } << QStringList();
    QTest::newRow("shared across types") << QStringList { "A cat=x theme=t", "B theme=x" } << QStringList { "x" }
                                         << QStringList { "t", "x" } << QStringList { "t", "x" };
    QTest::newRow("favourites shared") << QStringList { "A fav cat=x", "B fav theme=s" } << QStringList { aFavourites }
                                       << QStringList { aFavourites, "s", "x" } << QStringList { "s" };
    QTest::newRow("unicode categories") << QStringList { "A cat=Meer|Grüße", "B cat=Grüße|海" }
                                        << QStringList { "Grüße" } << QStringList { "Grüße", "Meer", "海" }
                                        << QStringList();
}

void TestTemplateLists::categories()
{
    QFETCH(QStringList, pool);
    QFETCH(QStringList, preferred);
    QFETCH(QStringList, combined);
    QFETCH(QStringList, combinedThemes);

    const Pool aPool(pool);
    const LMUnconfiguredTemplateList aList = aPool.unconfigured();
    std::sort(preferred.begin(), preferred.end());
    std::sort(combined.begin(), combined.end());
    QCOMPARE(sortedNames(aList.preferredThematicCategories()), preferred);
    const LMCategorization aCombined = aList.combinedCategories();
    QCOMPARE(sortedNames(aCombined.allCategories()), combined);
    QCOMPARE(sortedNames(aCombined.categories(LMCategoryTypeEnum::Theme)), combinedThemes);
    QCOMPARE(sortedNames(aList.toConfiguredList(LMTemplateConfiguration()).thematicCategories()), combined);

    const LMUnconfiguredTemplateList aWith = aList.withCombinedCategories();
    QCOMPARE(aWith, aList);
    for (const LMUnconfiguredTemplate& aTemplate : aList)
        QCOMPARE(aTemplate->categorization(), aCombined);
}

void TestTemplateLists::parallelFilter_data()
{
    QTest::addColumn<QString>("rule");

    QTest::newRow("every third dropped") << "third";
    QTest::newRow("all accepted") << "all";
    QTest::newRow("none accepted") << "none";
    QTest::newRow("only the last") << "last";
    QTest::newRow("by name parity") << "parity";
}

void TestTemplateLists::parallelFilter()
{
    QFETCH(QString, rule);

    constexpr int COUNT = 500;
    QStringList aDescriptions;
    for (int anIndex = 1; anIndex <= COUNT; ++anIndex)
        aDescriptions.append(QStringLiteral("T%1 id=%2").arg(anIndex % 7).arg(anIndex));
    const Pool aPool(aDescriptions);

    std::function<bool(const LMUnconfiguredTemplate&)> aPredicate;
    if (rule == QLatin1String("third"))
        aPredicate = [](const LMUnconfiguredTemplate& theTemplate) {
            return theTemplate->designElementID().id() % 3 != 0;
        };
    else if (rule == QLatin1String("all"))
        aPredicate = [](const LMUnconfiguredTemplate&) {
            return true;
        };
    else if (rule == QLatin1String("none"))
        aPredicate = [](const LMUnconfiguredTemplate&) {
            return false;
        };
    else if (rule == QLatin1String("last"))
        aPredicate = [](const LMUnconfiguredTemplate& theTemplate) {
            return theTemplate->designElementID().id() == COUNT;
        };
    else
        aPredicate = [](const LMUnconfiguredTemplate& theTemplate) {
            return theTemplate.name().endsWith(QLatin1Char('1'));
        };
    const FunctionAcceptor anAcceptor(aPredicate);

    const LMUnconfiguredTemplateList anUnconfigured = aPool.unconfigured();
    LMUnconfiguredTemplateList anExpected;
    std::copy_if(anUnconfigured.cbegin(), anUnconfigured.cend(), std::back_inserter(anExpected), aPredicate);
    QCOMPARE(anUnconfigured.filter(&anAcceptor), anExpected);
    QCOMPARE(anUnconfigured.filterHasMatches(&anAcceptor), !anExpected.isEmpty());

    LMTemplateList aConfigured = aPool.configured();
    aConfigured.setCssSheetByTitle(QStringLiteral("Blau"));
    const LMTemplateList aFiltered = aConfigured.filter(&anAcceptor);
    QCOMPARE(labels(aFiltered), labels(anExpected));
    QCOMPARE(configurationTexts(aFiltered), QStringList(anExpected.size(), QStringLiteral("Blau;false")));
    QCOMPARE(aConfigured.filterHasMatches(&anAcceptor), !anExpected.isEmpty());
}

void TestTemplateLists::mirrors_data()
{
    QTest::addColumn<int>("mirrorings");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("none") << 0 << QStringList { "Page" };
    QTest::newRow("horizontal") << 1 << QStringList { "Page", "Page_horizontal" };
    QTest::newRow("vertical") << 2 << QStringList { "Page", "Page_vertical" };
    QTest::newRow("both, one copy per axis") << 3 << QStringList { "Page", "Page_horizontal", "Page_vertical" };
}

void TestTemplateLists::mirrors()
{
    QFETCH(int, mirrorings);
    QFETCH(QStringList, expected);

    const Pool aPool({ QStringLiteral("Page areas=ft mirror=%1").arg(mirrorings) });
    const LMConfiguredTemplate aTemplate(aPool.at(0), LMTemplateConfiguration(QStringLiteral("Rot"), true));

    LMTemplateList aMirrors = LMTemplateList::thisTemplateAndItsMirrors(aTemplate);
    QCOMPARE(labels(aMirrors), expected);
    QCOMPARE(aMirrors.constFirst(), aTemplate);
    QCOMPARE(configurationTexts(aMirrors), QStringList(expected.size(), QStringLiteral("Rot;true")));
    for (const LMConfiguredTemplate& aMirror : aMirrors.mid(1)) {
        QVERIFY(aMirror.unconfiguredTemplate() != aTemplate.unconfiguredTemplate());
        QCOMPARE(aMirror->areaDefinitions().count(), 2);
    }

    LMUnconfiguredTemplateList aHandles = LMUnconfiguredTemplateList::thisTemplateAndItsMirrors(aPool.at(0));
    QCOMPARE(labels(aHandles), expected);
    QCOMPARE(aHandles.constFirst(), aPool.at(0));

    // The copies belong to the caller; a copy standing twice in the list is deleted once.
    LMTemplateList aCopies;
    for (const LMConfiguredTemplate& aMirror : aMirrors.mid(1))
        aCopies.append(aMirror);
    if (!aCopies.isEmpty())
        aCopies.append(aCopies.constFirst());
    aCopies.append(LMConfiguredTemplate());
    aCopies.deleteEntriesAndClear();
    QVERIFY(aCopies.isEmpty());

    LMUnconfiguredTemplateList aHandleCopies(aHandles.mid(1));
    aHandleCopies.append(LMUnconfiguredTemplate::null());
    aHandleCopies.deleteEntriesAndClear();
    QVERIFY(aHandleCopies.isEmpty());
    // The original is untouched.
    QCOMPARE(aPool.at(0)->name(), QStringLiteral("Page"));
}

void TestTemplateLists::layerTypeHash_data()
{
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QStringList>("templates");

    // Entries are "layer:name" or "layer:name:configuration", inserted in this order.
    QTest::newRow("empty") << QStringList() << "A" << QList<int>() << QStringList();
    QTest::newRow("layers in order, whatever the insertion")
        << QStringList { "256:A", "1:A", "4:B", "16:A:Rot;true" } << "A" << QList<int> { 1, 16, 256 }
        << QStringList { "A", "B", "A", "A" };
    QTest::newRow("other template") << QStringList { "256:A", "1:A", "4:B" } << "B" << QList<int> { 4 }
                                    << QStringList { "A", "B", "A" };
    QTest::newRow("template absent") << QStringList { "2:A", "8:B" } << "C" << QList<int>() << QStringList { "A", "B" };
    QTest::newRow("layer replaced") << QStringList { "4:A", "64:B", "4:C" } << "A" << QList<int>()
                                    << QStringList { "C", "B" };
    QTest::newRow("high layers") << QStringList { "8192:A", "4096:B", "2048:A", "1024:A" } << "A"
                                 << QList<int> { 1024, 2048, 8192 } << QStringList { "A", "A", "B", "A" };
}

void TestTemplateLists::layerTypeHash()
{
    QFETCH(QStringList, entries);
    QFETCH(QString, asked);
    QFETCH(QList<int>, keys);
    QFETCH(QStringList, templates);

    const Pool aPool({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") });
    LMTemplateLayerTypeHash aHash;
    for (const QString& anEntry : std::as_const(entries)) {
        const QStringList aParts = anEntry.split(QLatin1Char(':'));
        aHash.insert(
            LMTemplateLayerType::fromInt(aParts.at(0).toInt()),
            LMConfiguredTemplate(aPool.byName(aParts.at(1)), LMTemplateConfiguration::deserialize(aParts.value(2))));
    }
    QList<int> aKeys;
    const QList<LMTemplateLayerType> aLayers = aHash.keysForTemplate(aPool.byName(asked));
    for (const LMTemplateLayerType& aLayer : aLayers)
        aKeys.append(aLayer.value());
    QCOMPARE(aKeys, keys);
    QCOMPARE(labels(aHash.templateList()), templates);
}

void TestTemplateLists::designTypeMap_data()
{
    QTest::addColumn<QStringList>("pool");
    QTest::addColumn<QStringList>("sorted");
    QTest::addColumn<QStringList>("valid");

    QTest::newRow("empty") << QStringList() << QStringList() << QStringList();
    QTest::newRow("ascending design element id")
        << QStringList { "C id=30 jig=1", "A id=10 jig=4", "B id=20 jig=8" } << QStringList { "A#10", "B#20", "C#30" }
        << QStringList { "A#10", "B#20", "C#30" };
    QTest::newRow("only the design kinds")
        << QStringList { "A id=5 jig=128", "B id=4 jig=16", "C id=3 jig=256",  "D id=2 jig=0",
                         "E id=1 jig=2",   "F id=6 jig=5",  "G id=7 jig=8192", "H id=8 jig=1024" }
        << QStringList { "E#1", "D#2", "C#3", "B#4", "A#5", "F#6", "G#7", "H#8" }
        << QStringList { "B#4", "D#2", "E#1" };
    QTest::newRow("no id sorts first") << QStringList { "A id=5 jig=1", "B jig=1" } << QStringList { "B", "A#5" }
                                       << QStringList { "A#5", "B" };
    QTest::newRow("large ids") << QStringList { "A id=2000000000 jig=4", "B id=99 jig=512" }
                               << QStringList { "B#99", "A#2000000000" } << QStringList { "A#2000000000" };
}

void TestTemplateLists::designTypeMap()
{
    QFETCH(QStringList, pool);
    QFETCH(QStringList, sorted);
    QFETCH(QStringList, valid);

    const Pool aPool(pool);
    LMDesignTypeMap aMap;
    for (int anIndex = 0; anIndex < pool.size(); ++anIndex) {
        const LMConfiguredTemplate aTemplate(aPool.at(anIndex));
        aMap.insert(aTemplate, qMakePair(aTemplate, aTemplate->jigType()));
    }
    QCOMPARE(labels(aMap.sortedKeys()), sorted);

    const LMDesignTypeMap aValid = aMap.filterOnlyValid();
    QStringList aValidLabels = labels(aValid.keys());
    aValidLabels.sort();
    QCOMPARE(aValidLabels, valid);
    for (auto anIt = aValid.cbegin(); anIt != aValid.cend(); ++anIt)
        QCOMPARE(anIt.value(), aMap.value(anIt.key()));
}

void TestTemplateLists::areaDefinitionResult()
{
    const Pool aPool({ QStringLiteral("Layout areas=fpftf layout"), QStringLiteral("Paper jig=1"),
                       QStringLiteral("Gold jig=1"), QStringLiteral("Wood jig=1") });
    const LMConfiguredTemplate aLayout(aPool.byName(QStringLiteral("Layout")));
    const LMConfiguredTemplate aPaper(aPool.byName(QStringLiteral("Paper")));
    const LMConfiguredTemplate aGold(aPool.byName(QStringLiteral("Gold")),
                                     LMTemplateConfiguration(QStringLiteral("Gold"), true));
    const LMConfiguredTemplate aWood(aPool.byName(QStringLiteral("Wood")));

    LMTemplateAreaDefinitionList anAreas;
    auto aFirst = makeArea<LMTemplateAreaDefinitionFoto>();
    aFirst->setFoto(LMFoto::fromString(QStringLiteral("/fotos/b.jpg")));
    anAreas.append(std::move(aFirst));
    anAreas.append(makeArea<LMTemplateAreaDefinitionFoto>());
    auto aBackground = makeArea<LMTemplateAreaDefinitionBackground>(QRectF(0, 0, 1000, 1000));
    aBackground->setTemplate(LMTemplateLayerTypeEnum::Content1, aGold);
    aBackground->setTemplate(LMTemplateLayerTypeEnum::Background, aPaper);
    anAreas.append(std::move(aBackground));
    auto aSmart = makeArea<LMTemplateAreaDefinitionSmartLayout>(QRectF(0, 0, 500, 500));
    const LMTemplateAreaDefinitionSmartLayout* aFirstSmart = aSmart.get();
    anAreas.append(std::move(aSmart));
    anAreas.append(makeArea<LMTemplateAreaDefinitionSmartLayout>(QRectF(500, 0, 500, 500)));
    auto aLast = makeArea<LMTemplateAreaDefinitionFotoBackground>(QRectF(0, 0, 1000, 1000));
    aLast->setFoto(LMFoto::fromString(QStringLiteral("/fotos/ä.jpg")));
    anAreas.append(std::move(aLast));
    auto aThird = makeArea<LMTemplateAreaDefinitionFoto>();
    aThird->setFoto(LMFoto::fromString(QStringLiteral("/fotos/a.jpg")));
    anAreas.append(std::move(aThird));
    auto aSecondBackground = makeArea<LMTemplateAreaDefinitionBackground>(QRectF(0, 0, 500, 1000));
    aSecondBackground->setTemplate(LMTemplateLayerTypeEnum::Background, aWood);
    anAreas.append(std::move(aSecondBackground));

    const LMAreaDefinitionResult aResult(anAreas, aLayout, { LMFoto::fromString(QStringLiteral("/fotos/c.jpg")) },
                                         QStringLiteral("Page 3"));
    QCOMPARE(aResult.fotos(),
             LMFotoList({ LMFoto::fromString(QStringLiteral("/fotos/b.jpg")),
                          LMFoto::fromString(QStringLiteral("/fotos/ä.jpg")),
                          LMFoto::fromString(QStringLiteral("/fotos/a.jpg")) }));
    // The photo areas of the layout, not of the result's list.
    QCOMPARE(aResult.countFotoAreas(), 3);
    QCOMPARE(aResult.templateAreaDefinitionList().count(), anAreas.count());
    QCOMPARE(aResult.leftOverFotos().size(), 1);
    QCOMPARE(aResult.usedPageTemplate(), QStringLiteral("Page 3"));

    // The result holds its own copy of the areas: the first smart layout, by place, not by address.
    const LMTemplateAreaDefinitionSmartLayout* aFound = aResult.findSmartLayout();
    QVERIFY(aFound);
    QVERIFY(aFound != aFirstSmart);
    QCOMPARE(aFound->rect(), aFirstSmart->rect());
    QCOMPARE(labels(aResult.backgroundTemplates()), QStringList({ "Paper", "Gold", "Wood" }));
    QCOMPARE(configurationTexts(aResult.backgroundTemplates()), QStringList({ "---;false", "Gold;true", "---;false" }));

    LMAreaDefinitionResult anEmpty(LMTemplateAreaDefinitionList(), LMConfiguredTemplate(aPool.byName("Paper")));
    QVERIFY(anEmpty.fotos().isEmpty());
    QCOMPARE(anEmpty.countFotoAreas(), 0);
    QVERIFY(!anEmpty.findSmartLayout());
    QVERIFY(anEmpty.backgroundTemplates().isEmpty());
    anEmpty.setTemplateAreaDefinitionList(anAreas);
    QCOMPARE(anEmpty.fotos().size(), 3);
    QCOMPARE(LMAreaDefinitionResult().countFotoAreas(), 0);
}

void TestTemplateLists::areaDefinitionResultContains_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QString>("background");
    QTest::addColumn<bool>("expected");

    // Names, with ":configuration" where it is not the default one.
    QTest::newRow("layout and its background") << "Layout"
                                               << "Paper" << true;
    QTest::newRow("background of another layer") << "Layout"
                                                 << "Gold:Gold;true" << true;
    QTest::newRow("background in another configuration") << "Layout"
                                                         << "Gold" << false;
    QTest::newRow("background not used") << "Layout"
                                         << "Wood" << false;
    QTest::newRow("other layout") << "Other"
                                  << "Paper" << false;
    QTest::newRow("layout in another configuration") << "Layout:Rot;false"
                                                     << "Paper" << false;
    QTest::newRow("the layout is no background") << "Layout"
                                                 << "Layout" << false;
}

void TestTemplateLists::areaDefinitionResultContains()
{
    QFETCH(QString, layout);
    QFETCH(QString, background);
    QFETCH(bool, expected);

    const Pool aPool({ QStringLiteral("Layout areas=f"), QStringLiteral("Other areas=f"), QStringLiteral("Paper jig=1"),
                       QStringLiteral("Gold jig=1"), QStringLiteral("Wood jig=1") });
    const auto configured = [&](const QString& theText) {
        return LMConfiguredTemplate(aPool.byName(theText.section(QLatin1Char(':'), 0, 0)),
                                    LMTemplateConfiguration::deserialize(theText.section(QLatin1Char(':'), 1)));
    };
    LMTemplateAreaDefinitionList anAreas;
    auto aBackground = makeArea<LMTemplateAreaDefinitionBackground>(QRectF(0, 0, 1000, 1000));
    aBackground->setTemplate(LMTemplateLayerTypeEnum::Background, configured(QStringLiteral("Paper")));
    aBackground->setTemplate(LMTemplateLayerTypeEnum::Content0, configured(QStringLiteral("Gold:Gold;true")));
    anAreas.append(std::move(aBackground));
    anAreas.append(makeArea<LMTemplateAreaDefinitionFoto>());
    const LMAreaDefinitionResult aResult(anAreas, configured(QStringLiteral("Layout")));
    QCOMPARE(aResult.contains(configured(layout), configured(background)), expected);
}

QTEST_GUILESS_MAIN(TestTemplateLists)
#include "tst_templatelists.moc"
