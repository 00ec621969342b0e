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
#include "LMTemplateBundle.h"
#include "LMTemplateBundleRegistry.h"
#include "LMTemplateLayerTypeHash.h"
#include "LMTemplateList.h"
#include "LMTestSupport.h"
#include "LMTestTemplates.h"
#include "LMUnconfiguredTemplateList.h"

#include <QDataStream>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

using LMTestSupport::categorySet;
using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;
using Pool = LMTestSupport::TemplatePool;

namespace {
template <typename Area> std::unique_ptr<Area> makeArea(const QRectF& theRect = QRectF(100, 100, 200, 200))
{
    return std::make_unique<Area>(LMRotatedRect(theRect), LMAreaAbilityEnum::FotoDefault, LMAreaDecoration(),
                                  LMAreaPositioningConstraint(), LMImageFXs(), QSizeF(1000, 1000),
                                  LMAreaCreationRuleEnum::Layout);
}

// Template descriptions, separated by ", ".
QStringList pool(const char* theDescriptions)
{
    return QString::fromUtf8(theDescriptions).split(QStringLiteral(", "));
}

// The name, with "#id" when the template has a design element id, so equal names stay apart.
template <typename List> QStringList labels(const List& theList)
{
    QStringList aLabels;
    for (const auto& aTemplate : theList) {
        const LMDesignElementID anId = aTemplate->designElementID();
        aLabels.append(anId.isValid() ? aTemplate->name() + QLatin1Char('#') + QString::number(anId.id())
                                      : aTemplate->name());
    }
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

using Predicate = std::function<bool(const LMUnconfiguredTemplate&)>;

class FunctionAcceptor : public LMTemplateAcceptor
{
public:
    explicit FunctionAcceptor(Predicate theFunction) : myFunction(std::move(theFunction)) { }
    bool acceptTemplate(const LMUnconfiguredTemplate& theTemplate) const override { return myFunction(theTemplate); }

private:
    Predicate myFunction;
};
// The test's templates: their handles are compared, so each test makes its own.
class Pages
{
public:
    Pages(int theCount, const QString& thePrefix)
    {
        for (int anIndex = 0; anIndex < theCount; ++anIndex) {
            auto aTemplate = std::make_unique<LMTemplate>(LMJigTypeEnum::SvgTemplate);
            aTemplate->setName(QStringLiteral("%1 Seite %2").arg(thePrefix).arg(anIndex + 1));
            myHandles.append(LMUnconfiguredTemplate(aTemplate.get()));
            myTemplates.push_back(std::move(aTemplate));
        }
    }

    const LMUnconfiguredTemplateList& list() const { return myHandles; }
    // The first pages, as a list.
    LMUnconfiguredTemplateList first(int theCount) const
    {
        LMUnconfiguredTemplateList aList;
        for (int anIndex = 0; anIndex < theCount; ++anIndex)
            aList.append(myHandles.at(anIndex));
        return aList;
    }
    LMUnconfiguredTemplate at(int theIndex) const
    {
        return theIndex < 0 ? LMUnconfiguredTemplate::null() : myHandles.at(theIndex);
    }
    LMTemplate* templateAt(int theIndex) const { return myTemplates.at(theIndex).get(); }

private:
    std::vector<std::unique_ptr<LMTemplate>> myTemplates;
    LMUnconfiguredTemplateList myHandles;
};

// The indexes of the bundle's templates among the pages; -1 for a template that is none of them.
QList<int> indexes(const LMTemplateBundle& theBundle, const Pages& thePages)
{
    QList<int> aResult;
    for (const LMUnconfiguredTemplate& aTemplate : theBundle.templates())
        aResult.append(int(thePages.list().indexOf(aTemplate)));
    return aResult;
}

} // namespace

// Both template list kinds: the drag payload, filters and sorting, list queries, mirrors; the
// layer-type hash, the design type map and the result of placing photos into a layout; bundles
// of page templates.
class TestTemplateLists : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        LMTemplateLookup::install(nullptr);
        LMTemplateList::setAcceptTemplate(nullptr);
        LMUnconfiguredTemplateList::setAcceptTemplate(nullptr);
    }

    void mimeRoundTrip()
    {
        FakeTemplateLookup aLookup({ QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Été 東京") });
        LMTemplateLookup::install(&aLookup);
        const auto find = [&](const char* theName) {
            return aLookup.findTemplateByName(QString::fromUtf8(theName));
        };
        find("Beta").templatePointer()->setSpotColorLayer(LMSpotColorEnum::GoldFoil);

        LMTemplateList aList;
        aList.append(LMConfiguredTemplate(find("Beta")));
        aList.append(LMConfiguredTemplate(find("Alpha"), LMTemplateConfiguration(QStringLiteral("Blau"), true)));
        aList.append(LMConfiguredTemplate(find("Été 東京"), LMTemplateConfiguration(QStringLiteral("Grün ✓"), false)));
        // The same template twice with another configuration stays twice, in place.
        aList.append(LMConfiguredTemplate(find("Alpha")));
        LMConfiguredTemplate aSpotOff(find("Beta"));
        aSpotOff.setSpotColorEnabled(false);
        aList.append(aSpotOff);

        const std::unique_ptr<QMimeData> aMime = aList.toMimeData();
        QVERIFY(aMime->hasFormat(QStringLiteral("text/template-list")));
        const LMTemplateList aRead(aMime.get());
        QCOMPARE(labels(aRead), labels(aList));
        QCOMPARE(configurationTexts(aRead), configurationTexts(aList));
        QCOMPARE(aRead, aList);
    }

    void mimeReading_data()
    {
        columns<QStringList, QStringList, QStringList, QStringList>("strings", "unknown", "names", "configurations");

        row("empty payload", QStringList(), QStringList(), QStringList(), QStringList());
        row("found by unique name", words("Alpha,normal, Blau;true"), QStringList(), words("Alpha"),
            words("Blau;true"));
        // The configuration of an unknown name is read and dropped with it, so the next name stays a name.
        row("unknown name left out", words("Alpha ---;false Ghost Rot;true Beta Gelb;true"), words("Ghost"),
            words("Alpha Beta"), words("---;false Gelb;true"));
        row("unknown last name without configuration", words("Beta ---;true Ghost"), words("Ghost"), words("Beta"),
            words("---;true"));
        // Without a configuration the template keeps the default rule: spot colour on exactly when
        // the template has one; a configuration given is taken as it is.
        row("last names without configuration", words("Alpha ---;false Spot"), QStringList(), words("Alpha Spot"),
            words("---;false ---;true"));
        row("explicit default configuration on spot colour template", words("Spot ---;false Beta"), QStringList(),
            words("Spot Beta"), words("---;false ---;false"));
    }

    void mimeReading()
    {
        QFETCH(QStringList, names);

        FakeTemplateLookup aLookup({ QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Spot") });
        aLookup.findTemplateByName(QStringLiteral("Spot"))
            .templatePointer()
            ->setSpotColorLayer(LMSpotColorEnum::Varnish);
        LMTemplateLookup::install(&aLookup);

        for (const QString& aName : fetch<QStringList>("unknown"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(aName)));
        QByteArray aData;
        QDataStream aStream(&aData, QIODevice::WriteOnly);
        for (const QString& aString : fetch<QStringList>("strings"))
            aStream << aString;
        QMimeData aMime;
        aMime.setData(LMTemplateList::ourMimeFormat, aData);
        const LMTemplateList aList(&aMime);
        QCOMPARE(labels(aList), names);
        QTEST(configurationTexts(aList), "configurations");
        for (int anIndex = 0; anIndex < aList.size(); ++anIndex)
            QCOMPARE(aList.at(anIndex).unconfiguredTemplate(), aLookup.findTemplateByName(names.at(anIndex)));
    }

    void foreignMimeData()
    {
        FakeTemplateLookup aLookup({ QStringLiteral("Alpha") });
        LMTemplateLookup::install(&aLookup);
        // Only the own format counts, even without data; a similar format is a foreign one.
        for (const QString& aFormat : words("text/plain text/template-lists text/template-list")) {
            QMimeData aMime;
            const bool anOwn = aFormat == LMTemplateList::ourMimeFormat;
            aMime.setData(aFormat, QByteArray(anOwn ? "" : "Alpha"));
            QCOMPARE(LMTemplateList::containsTemplates(&aMime), anOwn);
            QVERIFY(LMTemplateList(&aMime).isEmpty());
        }
        QVERIFY(!LMTemplateList::containsTemplates(nullptr));
        QVERIFY(LMTemplateList(static_cast<const QMimeData*>(nullptr)).isEmpty());
    }

    void acceptanceFilter()
    {
        FakeTemplateLookup aLookup(
            { QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Bravo"), QStringLiteral("Gamma") });
        LMTemplateLookup::install(&aLookup);
        const FunctionAcceptor aNoB(
            [](const LMUnconfiguredTemplate& theTemplate) { return !theTemplate.name().startsWith(QLatin1Char('B')); });
        const FunctionAcceptor aNoGamma(
            [](const LMUnconfiguredTemplate& theTemplate) { return theTemplate.name() != QLatin1String("Gamma"); });
        QList<LMUnconfiguredTemplate> aHandles;
        for (const char* aName : { "Beta", "Alpha", "Gamma", "Bravo" })
            aHandles.append(aLookup.findTemplateByName(QString::fromLatin1(aName)));
        const LMTemplateList aDragged
            = LMUnconfiguredTemplateList(aHandles).toConfiguredList(LMTemplateConfiguration());
        const std::unique_ptr<QMimeData> aMime = aDragged.toMimeData();

        LMTemplateList::setAcceptTemplate(&aNoB);
        QCOMPARE(LMTemplateList::acceptTemplate(), &aNoB);
        QCOMPARE(labels(LMTemplateList(aMime.get())), words("Alpha Gamma"));
        QCOMPARE(labels(LMTemplateList(static_cast<const QList<LMConfiguredTemplate>&>(aDragged))),
                 words("Alpha Gamma"));
        // Each list kind has its own filter.
        QCOMPARE(labels(LMUnconfiguredTemplateList(aHandles)), words("Beta Alpha Gamma Bravo"));
        LMUnconfiguredTemplateList::setAcceptTemplate(&aNoGamma);
        QCOMPARE(labels(LMUnconfiguredTemplateList(aHandles)), words("Beta Alpha Bravo"));
        QCOMPARE(labels(LMTemplateList(aMime.get())), words("Alpha Gamma"));
    }

    void filters_data()
    {
        columns<QStringList, QString, QStringList>("pool", "operation", "expected");

        const QStringList aKinds { "Bg jig=1", "Clip jig=2", "Both jig=5", "Frame jig=128", "Plain" };
        row("jig type", aKinds, "jig=1", words("Bg Both"));
        row("jig type of several bits", aKinds, "jig=130", words("Clip Frame"));
        const QStringList aUsers { "A user", "B", "C user", "D" };
        row("user layouts", aUsers, "user", words("A C"));
        row("no user layouts", aUsers, "notuser", words("B D"));
        const QStringList aLayers {
            "Bg layer=1", "C0 layer=4", "C4 layer=64", "Mask layer=128", "C1C2 layer=24", "None"
        };
        row("layer content 0 to 4", aLayers, "layer=124", words("C0 C4 C1C2"));
        row("layer content 2 shares a bit", aLayers, "layer=16", words("C1C2"));
        row("layer none matches nothing", aLayers, "layer=0", QStringList());
        const QStringList aPrices { "NoClass", "Zero price=0", "One price=01", "Two price=2", "Letter price=A" };
        row("free", aPrices, "free", words("NoClass Zero One"));
        row("priced", aPrices, "priced", words("Two Letter"));
        const QStringList aCategories { "A cat=sea", "B theme=sea|sun", "C cat=snow", "D", "E fav cat=sun" };
        row("one of several categories, of any type", aCategories, "cat=sun|snow", words("B C E"));
        row("category is case-sensitive", aCategories, "cat=Sea", QStringList());
        row("empty category set keeps all", aCategories, "cat=", words("A B C D E"));
        row("favourites first, stable", pool("A, B fav, C, D fav cat=x, E"), "favourites", words("B D A C E"));
        row("favourite only by its own category", pool("A cat=favourites-like, B fav"), "favourites", words("B A"));
        row("remove invalid design element ids", pool("A id=3, B, C id=0, D id=-2, E id=1"), "valid ids",
            words("A#3 E#1"));
        row("by name, case-sensitive", words("beta Beta alpha Alpha _x 1"), "by name",
            words("1 Alpha Beta _x alpha beta"));
        row("by name, equal names keep their order", pool("B id=1, A id=2, B id=3, A id=4"), "by name",
            words("A#2 A#4 B#1 B#3"));
        const QStringList anAreas { "Empty", "Photo areas=ff", "Clip areas=fc", "Text areas=t", "Both areas=tcf" };
        row("with clipart", anAreas, "clipart", words("Clip Both"));
        row("without clipart", anAreas, "no clipart", words("Empty Photo Text"));
        row("with text", anAreas, "text", words("Text Both"));
        row("without text", anAreas, "no text", words("Empty Photo Clip"));
    }

    void filters()
    {
        QFETCH(QString, operation);

        const Pool aPool(fetch<QStringList>("pool"));
        const LMTemplateList aList = aPool.configured();
        const LMUnconfiguredTemplateList anUnconfigured = aPool.unconfigured();
        const QString aValue = operation.section(QLatin1Char('='), 1);
        const LMJigType aJigType = LMJigType::fromInt(aValue.toInt());
        QStringList aResult;
        if (operation.startsWith(QLatin1String("jig="))) {
            aResult = labels(aList.filter(aJigType));
            QCOMPARE(labels(anUnconfigured.filter(aJigType)), aResult);
        } else if (operation.endsWith(QLatin1String("user"))) {
            aResult = labels(aList.filterUserLayout(operation == QLatin1String("user")));
            QCOMPARE(labels(anUnconfigured.filterUserLayout(operation == QLatin1String("user"))), aResult);
        } else if (operation.startsWith(QLatin1String("layer="))) {
            aResult = labels(aList.filterTemplates(LMTemplateLayerType::fromInt(aValue.toInt())));
        } else if (operation.endsWith(QLatin1String("priced")) || operation == QLatin1String("free")) {
            aResult = labels(aList.filterFree(operation == QLatin1String("free")));
        } else if (operation.startsWith(QLatin1String("cat="))) {
            aResult = labels(aList.filter(categorySet(aValue)));
        } else if (operation == QLatin1String("favourites")) {
            aResult = labels(aList.sortFavouritesFirst());
        } else if (operation == QLatin1String("valid ids")) {
            LMTemplateList aCopy = aList;
            aCopy.removeInvalidDesignElementIds();
            aResult = labels(aCopy);
        } else if (operation == QLatin1String("by name")) {
            aResult = labels(anUnconfigured.sortedByName());
        } else if (operation.endsWith(QLatin1String("clipart"))) {
            aResult = labels(anUnconfigured.filterThoseWithClipart(!operation.startsWith(QLatin1String("no"))));
        } else {
            aResult = labels(anUnconfigured.filterThoseWithText(!operation.startsWith(QLatin1String("no"))));
        }
        QTEST(aResult, "expected");
        // Filters answer new lists; the lists asked stay as they were.
        QCOMPARE(aList, aPool.configured());
        QCOMPARE(anUnconfigured, aPool.unconfigured());
    }

    void listQueries_data()
    {
        columns<QStringList, QString, bool>("pool", "query", "expected");

        row("only photos", pool("A areas=ff, B areas=f"), "only=2", true);
        row("photo background is no photo", pool("A areas=ff, B areas=fp"), "only=2", false);
        row("a template without areas", pool("A areas=ff, B"), "only=2", false);
        row("type of several bits", pool("A areas=ft, B areas=c"), "only=290", true);
        row("only text areas", pool("A areas=tt, B areas=t"), "only text", true);
        row("text and clipart", pool("A areas=tt, B areas=tc"), "only text", false);
        row("theme content, all content layers", pool("A layer=4, B layer=64, C layer=24"), "theme content", true);
        row("theme content, masks are not content", pool("A layer=4, B layer=128"), "theme content", false);
        row("theme content, layout and background layers", pool("A layer=513"), "theme content", false);
        row("theme content, layout and content bit", pool("A layer=516"), "theme content", true);
        row("theme content, empty list", QStringList(), "theme content", false);
        row("some layout", pool("A, B layout, C"), "some layout", true);
        row("some layout, none", pool("A areas=ff, B"), "some layout", false);
    }

    void listQueries()
    {
        QFETCH(QString, query);
        QFETCH(bool, expected);

        const Pool aPool(fetch<QStringList>("pool"));
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
        } else {
            QCOMPARE(aConfigured.hasSomeTemplateLayout(), expected);
            QCOMPARE(anUnconfigured.hasSomeTemplateLayout(), expected);
        }
    }

    void listValues_data()
    {
        columns<QStringList, QString, QString>("pool", "query", "expected");

        row("spot colour, none", words("A B"), "spot", "0");
        row("spot colour, most frequent, not first", pool("A spot=2, B, C spot=8, D spot=8, E spot=2, F spot=8"),
            "spot", "8");
        row("spot colour, tie, first met wins", pool("A spot=8, B spot=2, C spot=2, D spot=8"), "spot", "8");
        row("spot colour, combined bits are a colour of their own", pool("A spot=3, B spot=1, C spot=3, D spot=2"),
            "spot", "3");
        // An articles group keeps its articles sorted; the list keeps the templates' order.
        row("articles, each once, in list order", pool("A art=z|x, B, C art=x|y|z, D art=Y"), "articles", "x,z,y,Y");
        row("design element ids, valid ones once", pool("A id=5, B, C id=0, D id=-1, E id=2, F id=5"), "ids", "2,5");
    }

    void listValues()
    {
        QFETCH(QString, query);

        const Pool aPool(fetch<QStringList>("pool"));
        const LMTemplateList aList = aPool.configured();
        QStringList aValues;
        if (query == QLatin1String("spot")) {
            aValues.append(QString::number(aList.recommendedSpotColor().value()));
        } else if (query == QLatin1String("articles")) {
            for (const LMArticle& anArticle : aList.allowedArticles())
                aValues.append(anArticle.orderTxtName());
        } else {
            QList<int> anIds;
            for (const LMDesignElementID& anId : aList.designElementIDs())
                anIds.append(anId.id());
            std::sort(anIds.begin(), anIds.end());
            for (const int anId : anIds)
                aValues.append(QString::number(anId));
        }
        QTEST(aValues.join(QLatin1Char(',')), "expected");
    }

    void categories_data()
    {
        columns<QStringList, QStringList, QStringList, QStringList>("pool", "preferred", "combined", "combinedThemes");

        const QString aFavourites = LMThematicCategory::favourites().internalName();
        row("empty list", QStringList(), QStringList(), QStringList(), QStringList());
        row("shared category", pool("A cat=x|y, B cat=y|z, C cat=y"), words("y"), words("x y z"), QStringList());
        row("nothing shared gives all", pool("A cat=x|y, B cat=y|z, C cat=w"), words("w x y z"), words("w x y z"),
            QStringList());
        row("a template without categories", pool("A cat=x, B"), words("x"), words("x"), QStringList());
        row("shared across types", pool("A cat=x theme=t, B theme=x"), words("x"), words("t x"), words("t x"));
        row("favourites shared", pool("A fav cat=x, B fav theme=s"), QStringList { aFavourites },
            QStringList { aFavourites, "s", "x" }, words("s"));
    }

    void categories()
    {
        QFETCH(QStringList, preferred);
        QFETCH(QStringList, combined);

        const Pool aPool(fetch<QStringList>("pool"));
        const LMUnconfiguredTemplateList aList = aPool.unconfigured();
        preferred.sort();
        combined.sort();
        QCOMPARE(sortedNames(aList.preferredThematicCategories()), preferred);
        const LMCategorization aCombined = aList.combinedCategories();
        QCOMPARE(sortedNames(aCombined.allCategories()), combined);
        QTEST(sortedNames(aCombined.categories(LMCategoryTypeEnum::Theme)), "combinedThemes");
        QCOMPARE(sortedNames(aPool.configured().thematicCategories()), combined);

        QCOMPARE(aList.withCombinedCategories(), aList);
        for (const LMUnconfiguredTemplate& aTemplate : aList)
            QCOMPARE(aTemplate->categorization(), aCombined);
    }

    void parallelFilter_data()
    {
        QTest::addColumn<Predicate>("predicate");

        constexpr int COUNT = 500;
        row("every third dropped", Predicate([](const LMUnconfiguredTemplate& theTemplate) {
                return theTemplate->designElementID().id() % 3;
            }));
        row("all accepted", Predicate([](const LMUnconfiguredTemplate&) { return true; }));
        row("none accepted", Predicate([](const LMUnconfiguredTemplate&) { return false; }));
        row("only the last", Predicate([](const LMUnconfiguredTemplate& theTemplate) {
                return theTemplate->designElementID().id() == COUNT;
            }));
    }

    void parallelFilter()
    {
        QFETCH(Predicate, predicate);

        QStringList aDescriptions;
        for (int anIndex = 1; anIndex <= 500; ++anIndex)
            aDescriptions.append(QStringLiteral("T%1 id=%2").arg(anIndex % 7).arg(anIndex));
        const Pool aPool(aDescriptions);
        const FunctionAcceptor anAcceptor(predicate);

        const LMUnconfiguredTemplateList anUnconfigured = aPool.unconfigured();
        LMUnconfiguredTemplateList anExpected;
        std::copy_if(anUnconfigured.cbegin(), anUnconfigured.cend(), std::back_inserter(anExpected), predicate);
        QCOMPARE(anUnconfigured.filter(&anAcceptor), anExpected);
        QCOMPARE(anUnconfigured.filterHasMatches(&anAcceptor), !anExpected.isEmpty());

        LMTemplateList aConfigured = aPool.configured();
        aConfigured.setCssSheetByTitle(QStringLiteral("Blau"));
        const LMTemplateList aFiltered = aConfigured.filter(&anAcceptor);
        QCOMPARE(labels(aFiltered), labels(anExpected));
        QCOMPARE(configurationTexts(aFiltered), QStringList(anExpected.size(), QStringLiteral("Blau;false")));
        QCOMPARE(aConfigured.filterHasMatches(&anAcceptor), !anExpected.isEmpty());
    }

    void mirrors_data()
    {
        columns<int, QStringList>("mirrorings", "expected");

        row("none", 0, words("Page"));
        row("vertical", 2, words("Page Page_vertical"));
        row("both, one copy per axis", 3, words("Page Page_horizontal Page_vertical"));
    }

    void mirrors()
    {
        QFETCH(QStringList, expected);

        const Pool aPool({ QStringLiteral("Page areas=ft mirror=%1").arg(fetch<int>("mirrorings")) });
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
        LMTemplateList aCopies(aMirrors.mid(1));
        if (!aCopies.isEmpty())
            aCopies.append(aCopies.constFirst());
        aCopies.append(LMConfiguredTemplate());
        aCopies.deleteEntriesAndClear();
        QVERIFY(aCopies.isEmpty());
        LMUnconfiguredTemplateList aHandleCopies(aHandles.mid(1));
        aHandleCopies.append(LMUnconfiguredTemplate::null());
        aHandleCopies.deleteEntriesAndClear();
        QVERIFY(aHandleCopies.isEmpty());
        QCOMPARE(aPool.at(0)->name(), QStringLiteral("Page"));
    }

    void layerTypeHash_data()
    {
        columns<QStringList, QString, QList<int>, QStringList>("entries", "asked", "keys", "templates");

        // Entries are "layer:name" or "layer:name:configuration", inserted in this order.
        row("layers in order, whatever the insertion", words("8192:A 1:A 4:B 16:A:Rot;true"), "A",
            QList<int> { 1, 16, 8192 }, words("A B A A"));
        row("template absent", words("2:A 8:B"), "C", QList<int>(), words("A B"));
        row("layer replaced", words("4:A 64:B 4:C"), "A", QList<int>(), words("C B"));
    }

    void layerTypeHash()
    {
        const Pool aPool({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") });
        LMTemplateLayerTypeHash aHash;
        for (const QString& anEntry : fetch<QStringList>("entries"))
            aHash.insert(LMTemplateLayerType::fromInt(anEntry.section(QLatin1Char(':'), 0, 0).toInt()),
                         aPool.configured(anEntry.section(QLatin1Char(':'), 1)));
        QList<int> aKeys;
        for (const LMTemplateLayerType& aLayer : aHash.keysForTemplate(aPool.byName(fetch<QString>("asked"))))
            aKeys.append(aLayer.value());
        QTEST(aKeys, "keys");
        QTEST(labels(aHash.templateList()), "templates");
    }

    void designTypeMap_data()
    {
        columns<QStringList, QStringList, QStringList>("pool", "sorted", "valid");

        row("only the design kinds, by design element id",
            pool("A id=5 jig=128, B id=4 jig=16, C id=3 jig=256, D id=2 jig=0, E id=1 jig=2, F id=6 jig=5, G id=7 "
                 "jig=8192, H id=8 jig=1024, I id=9 jig=1, J id=10 jig=4, K id=11 jig=8"),
            words("E#1 D#2 C#3 B#4 A#5 F#6 G#7 H#8 I#9 J#10 K#11"), words("B#4 D#2 E#1 I#9 J#10 K#11"));
        row("no id sorts first", pool("A id=5 jig=1, B jig=1"), words("B A#5"), words("A#5 B"));
    }

    void designTypeMap()
    {
        QFETCH(QStringList, pool);

        const Pool aPool(pool);
        LMDesignTypeMap aMap;
        for (int anIndex = 0; anIndex < pool.size(); ++anIndex) {
            const LMConfiguredTemplate aTemplate(aPool.at(anIndex));
            aMap.insert(aTemplate, qMakePair(aTemplate, aTemplate->jigType()));
        }
        QTEST(labels(aMap.sortedKeys()), "sorted");
        const LMDesignTypeMap aValid = aMap.filterOnlyValid();
        QStringList aValidLabels = labels(aValid.keys());
        aValidLabels.sort();
        QTEST(aValidLabels, "valid");
        for (auto anIt = aValid.cbegin(); anIt != aValid.cend(); ++anIt)
            QCOMPARE(anIt.value(), aMap.value(anIt.key()));
    }

    void areaDefinitionResult()
    {
        const Pool aPool({ QStringLiteral("Layout areas=fpftf layout"), QStringLiteral("Paper jig=1"),
                           QStringLiteral("Gold jig=1"), QStringLiteral("Wood jig=1") });
        const auto fotoArea = [](auto theArea, const char* thePath) {
            theArea->setFoto(LMFoto::fromString(QString::fromUtf8(thePath)));
            return theArea;
        };
        LMTemplateAreaDefinitionList anAreas;
        anAreas.append(fotoArea(makeArea<LMTemplateAreaDefinitionFoto>(), "/fotos/b.jpg"));
        anAreas.append(makeArea<LMTemplateAreaDefinitionFoto>());
        auto aBackground = makeArea<LMTemplateAreaDefinitionBackground>(QRectF(0, 0, 1000, 1000));
        aBackground->setTemplate(LMTemplateLayerTypeEnum::Content1, aPool.configured(QStringLiteral("Gold:Gold;true")));
        aBackground->setTemplate(LMTemplateLayerTypeEnum::Background, aPool.configured(QStringLiteral("Paper")));
        anAreas.append(std::move(aBackground));
        auto aSmart = makeArea<LMTemplateAreaDefinitionSmartLayout>(QRectF(0, 0, 500, 500));
        const LMTemplateAreaDefinitionSmartLayout* aFirstSmart = aSmart.get();
        anAreas.append(std::move(aSmart));
        anAreas.append(makeArea<LMTemplateAreaDefinitionSmartLayout>(QRectF(500, 0, 500, 500)));
        anAreas.append(
            fotoArea(makeArea<LMTemplateAreaDefinitionFotoBackground>(QRectF(0, 0, 1000, 1000)), "/fotos/ä.jpg"));
        anAreas.append(fotoArea(makeArea<LMTemplateAreaDefinitionFoto>(), "/fotos/a.jpg"));
        auto aSecondBackground = makeArea<LMTemplateAreaDefinitionBackground>(QRectF(0, 0, 500, 1000));
        aSecondBackground->setTemplate(LMTemplateLayerTypeEnum::Background, aPool.configured(QStringLiteral("Wood")));
        anAreas.append(std::move(aSecondBackground));

        const LMAreaDefinitionResult aResult(anAreas, aPool.configured(QStringLiteral("Layout")),
                                             { LMFoto::fromString(QStringLiteral("/fotos/c.jpg")) },
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
        QVERIFY(aFound && aFound != aFirstSmart);
        QCOMPARE(aFound->rect(), aFirstSmart->rect());
        QCOMPARE(labels(aResult.backgroundTemplates()), words("Paper Gold Wood"));
        QCOMPARE(configurationTexts(aResult.backgroundTemplates()), words("---;false Gold;true ---;false"));

        LMAreaDefinitionResult anEmpty(LMTemplateAreaDefinitionList(), aPool.configured(QStringLiteral("Paper")));
        QVERIFY(anEmpty.fotos().isEmpty());
        QVERIFY(!anEmpty.findSmartLayout());
        QVERIFY(anEmpty.backgroundTemplates().isEmpty());
        anEmpty.setTemplateAreaDefinitionList(anAreas);
        QCOMPARE(anEmpty.fotos().size(), 3);
        QCOMPARE(LMAreaDefinitionResult().countFotoAreas(), 0);
    }

    void areaDefinitionResultContains_data()
    {
        columns<QString, QString, bool>("layout", "background", "expected");

        // Names, with ":configuration" where it is not the default one.
        row("layout and its background", "Layout", "Paper", true);
        row("background of another layer", "Layout", "Gold:Gold;true", true);
        row("background in another configuration", "Layout", "Gold", false);
        row("layout in another configuration", "Layout:Rot;false", "Paper", false);
        row("the layout is no background", "Layout", "Layout", false);
    }

    void areaDefinitionResultContains()
    {
        const Pool aPool(
            { QStringLiteral("Layout areas=f"), QStringLiteral("Paper jig=1"), QStringLiteral("Gold jig=1") });
        LMTemplateAreaDefinitionList anAreas;
        auto aBackground = makeArea<LMTemplateAreaDefinitionBackground>(QRectF(0, 0, 1000, 1000));
        aBackground->setTemplate(LMTemplateLayerTypeEnum::Background, aPool.configured(QStringLiteral("Paper")));
        aBackground->setTemplate(LMTemplateLayerTypeEnum::Content0, aPool.configured(QStringLiteral("Gold:Gold;true")));
        anAreas.append(std::move(aBackground));
        anAreas.append(makeArea<LMTemplateAreaDefinitionFoto>());
        const LMAreaDefinitionResult aResult(anAreas, aPool.configured(QStringLiteral("Layout")));
        QTEST(aResult.contains(aPool.configured(fetch<QString>("layout")),
                               aPool.configured(fetch<QString>("background"))),
              "expected");
    }

    // Bundles of page templates: steps between pages, needed pages, and the registry that finds the
    // bundle of a template, also from several threads at once.
    void navigation_data()
    {
        columns<int, int, int, int>("size", "asked", "next", "previous");

        // Indexes into the bundle's pages; -1 is the null template, 9 a page outside the bundle.
        row("first of three", 3, 0, 1, -1);
        row("middle of three", 3, 1, 2, 0);
        row("last of three", 3, 2, -1, 1);
        row("page of another design", 3, 9, -1, -1);
        row("empty bundle", 0, -1, -1, -1);
    }

    void navigation()
    {
        QFETCH(int, size);
        QFETCH(int, asked);
        QFETCH(int, next);
        QFETCH(int, previous);

        const Pages aPages(10, QStringLiteral("Reise"));
        const LMTemplateBundle aBundle(aPages.first(size));
        const LMUnconfiguredTemplate anAsked = aPages.at(asked);

        QCOMPARE(aBundle.nextTemplate(anAsked), aPages.at(next));
        QCOMPARE(aBundle.previousTemplate(anAsked), aPages.at(previous));
        QCOMPARE(aBundle.hasNextTemplate(anAsked), next >= 0);
        QCOMPARE(aBundle.hasPreviousTemplate(anAsked), previous >= 0);
        QCOMPARE(aBundle.contains(anAsked), asked >= 0 && asked < size);
        QCOMPARE(aBundle.firstTemplate(), aPages.at(size > 0 ? 0 : -1));
        QCOMPARE(aBundle.empty(), size == 0);
    }

    void countNeededPages_data()
    {
        columns<QList<int>, int>("pages", "needed");

        row("empty bundle", QList<int>(), 1);
        row("three pages", QList<int> { 0, 1, 2 }, 3);
        row("a null page ends the steps", QList<int> { 0, 1, -1, 2 }, 2);
    }

    void countNeededPages()
    {
        const Pages aPages(3, QStringLiteral("Album"));
        LMUnconfiguredTemplateList aList;
        for (int anIndex : fetch<QList<int>>("pages"))
            aList.append(aPages.at(anIndex));
        QTEST(LMTemplateBundle(aList).countNeededPages(), "needed");
    }

    void equality()
    {
        const Pages aPages(3, QStringLiteral("Kalender"));
        const LMTemplateBundle aBundle(aPages.list());
        QCOMPARE(aBundle, LMTemplateBundle(aPages.list()));
        QVERIFY(aBundle != LMTemplateBundle({ aPages.at(2), aPages.at(1), aPages.at(0) }));
        QVERIFY(aBundle != LMTemplateBundle({ aPages.at(0), aPages.at(1) }));
        QVERIFY(LMTemplateBundle() == LMTemplateBundle());

        // Handles compare by template object, not by name.
        const Pages aSameNames(3, QStringLiteral("Kalender"));
        QVERIFY(aBundle != LMTemplateBundle(aSameNames.list()));
    }

    void removeFromRegistry_data()
    {
        columns<int, QList<int>>("removed", "left");

        row("middle of three", 1, QList<int> { 0, 2 });
        row("first of three", 0, QList<int> { 1, 2 });
        row("a template of no bundle", 3, QList<int> { 0, 1, 2 });
    }

    void removeFromRegistry()
    {
        QFETCH(int, removed);
        QFETCH(QList<int>, left);

        LMTemplateBundleRegistry* aRegistry = LMTemplateBundleRegistry::instance();
        const Pages aPages(4, QStringLiteral("Poster"));
        aRegistry->add(LMTemplateBundle(aPages.first(3)));
        aRegistry->remove(aPages.at(removed));

        for (int anIndex : left) {
            const LMTemplateBundle aBundle = aRegistry->find(aPages.at(anIndex));
            QCOMPARE(indexes(aBundle, aPages), left);
            QCOMPARE(aBundle.countNeededPages(), int(left.size()));
        }
        // The removed template, or one of no bundle, stands alone.
        const LMTemplateBundle anAlone = aRegistry->find(aPages.at(removed));
        QCOMPARE(indexes(anAlone, aPages), QList<int> { removed });
        QCOMPARE(anAlone.countNeededPages(), 1);

        for (int anIndex = 0; anIndex < 4; ++anIndex)
            aRegistry->remove(aPages.at(anIndex));
    }

    void append()
    {
        LMTemplateBundleRegistry* aRegistry = LMTemplateBundleRegistry::instance();
        const Pages aPages(5, QStringLiteral("Fotobuch"));
        aRegistry->add(LMTemplateBundle({ aPages.at(1), aPages.at(2) }));

        LMTemplateBundle aBundle({ aPages.at(0) });
        // A template of a bundle brings its whole bundle along.
        aBundle.append(aPages.at(2));
        QCOMPARE(indexes(aBundle, aPages), QList<int>({ 0, 1, 2 }));
        // A template of no bundle comes alone.
        aBundle.append(aPages.at(4));
        QCOMPARE(indexes(aBundle, aPages), QList<int>({ 0, 1, 2, 4 }));
        // Pages already there are not repeated.
        aBundle.append(aPages.at(1));
        QCOMPARE(indexes(aBundle, aPages), QList<int>({ 0, 1, 2, 4 }));
        QCOMPARE(aBundle.nextTemplate(aPages.at(2)), aPages.at(4));

        aBundle.remove(aPages.at(1));
        QCOMPARE(indexes(aBundle, aPages), QList<int>({ 0, 2, 4 }));
        QCOMPARE(aBundle.previousTemplate(aPages.at(2)), aPages.at(0));

        aRegistry->remove(aPages.at(1));
        aRegistry->remove(aPages.at(2));
    }

    void createBundleCombinesCategories()
    {
        const Pages aPages(3, QStringLiteral("Hochzeit"));
        aPages.templateAt(0)->setCategorization(LMCategorization(
            LMCategoryTypeEnum::Subcategory, LMThematicCategorySet({ LMThematicCategory(QStringLiteral("Liebe")) })));
        aPages.templateAt(2)->setCategorization(LMCategorization(
            LMCategoryTypeEnum::Theme, LMThematicCategorySet({ LMThematicCategory(QStringLiteral("Blumen")) })));
        LMCategorization aCombined;
        aCombined.insert(LMCategoryTypeEnum::Subcategory, LMThematicCategory(QStringLiteral("Liebe")));
        aCombined.insert(LMCategoryTypeEnum::Theme, LMThematicCategory(QStringLiteral("Blumen")));

        LMTemplateBundleRegistry* aRegistry = LMTemplateBundleRegistry::instance();
        const LMTemplateBundle aBundle = aRegistry->createBundle(aPages.list());
        QCOMPARE(aBundle.templates(), aPages.list());
        for (int anIndex = 0; anIndex < 3; ++anIndex) {
            QCOMPARE(aPages.templateAt(anIndex)->categorization(), aCombined);
            QCOMPARE(aRegistry->find(aPages.at(anIndex)), aBundle);
        }
        for (int anIndex = 0; anIndex < 3; ++anIndex)
            aRegistry->remove(aPages.at(anIndex));
    }

    void concurrentAddFindRemove()
    {
        // Each thread registers designs of its own, reads them back while the others write, and
        // takes a page out of each; a thread sees only whole bundles.
        constexpr int THREADS = 4;
        constexpr int DESIGNS = 40;
        LMTemplateBundleRegistry* aRegistry = LMTemplateBundleRegistry::instance();
        std::vector<std::unique_ptr<Pages>> aPages;
        for (int anIndex = 0; anIndex < THREADS * DESIGNS; ++anIndex)
            aPages.push_back(std::make_unique<Pages>(3, QStringLiteral("Design %1").arg(anIndex)));

        std::vector<int> aFailures(THREADS, 0);
        std::vector<std::thread> aThreads;
        for (int aThread = 0; aThread < THREADS; ++aThread) {
            aThreads.emplace_back([&, aThread] {
                for (int aDesign = aThread * DESIGNS; aDesign < (aThread + 1) * DESIGNS; ++aDesign) {
                    const Pages& aDesignPages = *aPages.at(aDesign);
                    if (aDesign % 2 == 0)
                        aRegistry->add(LMTemplateBundle(aDesignPages.list()));
                    else
                        aRegistry->createBundle(aDesignPages.list());
                    if (aRegistry->find(aDesignPages.at(2)).templates() != aDesignPages.list())
                        ++aFailures[aThread];
                    aRegistry->remove(aDesignPages.at(1));
                    const LMTemplateBundle aShrunken = aRegistry->find(aDesignPages.at(0));
                    if (aShrunken.templates() != LMUnconfiguredTemplateList { aDesignPages.at(0), aDesignPages.at(2) })
                        ++aFailures[aThread];
                }
            });
        }
        for (std::thread& aThread : aThreads)
            aThread.join();

        QCOMPARE(aFailures, std::vector<int>(THREADS, 0));
        for (const std::unique_ptr<Pages>& aDesign : aPages) {
            QCOMPARE(aRegistry->find(aDesign->at(2)).countNeededPages(), 2);
            for (int anIndex = 0; anIndex < 3; ++anIndex)
                aRegistry->remove(aDesign->at(anIndex));
        }
    }
};

QTEST_GUILESS_MAIN(TestTemplateLists)
#include "tst_templatelists.moc"
