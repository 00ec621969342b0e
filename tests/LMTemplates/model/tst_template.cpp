#include "LMConfiguredTemplate.h"
#include "LMDirectoryConfig.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionCalendarium.h"
#include "LMTemplateAreaDefinitionFoto.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateAreaDefinitionText.h"
#include "LMTemplateConfiguration.h"
#include "LMTemplateContext.h"
#include "LMUnconfiguredTemplate.h"
#include "LMUnconfiguredTemplateList.h"

#include "LMTestSupport.h"

#include <QDomDocument>
#include <QTest>

#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

using Setup = std::function<void(LMTemplate&)>;
// A change made to the template of a table row.
#define SETUP(...) Setup([]([[maybe_unused]] LMTemplate& theTemplate) { __VA_ARGS__; })

std::unique_ptr<LMTemplateAreaDefinitionFoto> foto(const QRectF& theRect, int theRotation = 0,
                                                   qint32 theAbilities = qint32(LMAreaAbilityEnum::FotoDefault),
                                                   LMAreaCreationRuleEnum theRule = LMAreaCreationRuleEnum::Layout)
{
    LMAreaDescription aDescription(LMRotatedRect(theRect, LMAngle(theRotation)), LMAreaAbility::fromInt(theAbilities));
    aDescription.setCreationRule(theRule);
    // Layout areas are fractions of the page.
    return std::make_unique<LMTemplateAreaDefinitionFoto>(aDescription.normalized(QSizeF(1, 1)),
                                                          LMAreaPositioningConstraintEnum::Nowhere);
}

template <typename Area> std::unique_ptr<Area> area(const QRectF& theRect)
{
    return std::make_unique<Area>(LMAreaDescription(LMRotatedRect(theRect), LMAreaAbilityEnum::FotoDefault),
                                  LMAreaPositioningConstraintEnum::Nowhere);
}
const auto text = area<LMTemplateAreaDefinitionText>;
const auto smartLayout = area<LMTemplateAreaDefinitionSmartLayout>;

LMTemplateBackgroundDefinition backgroundDefinition(const QString& theAttributes)
{
    QDomDocument aDocument;
    aDocument.setContent(QStringLiteral("<template %1/>").arg(theAttributes));
    return LMTemplateBackgroundDefinition::fromXml(aDocument.documentElement().attributes());
}

void setMultiColor(LMTemplate& theTemplate, int theHue, int theFading)
{
    theTemplate.setLayerDefinitionBackground(
        backgroundDefinition(QStringLiteral("multicolor_id='77' filename='sky_0012.jpg'"))
            .withMultiColorConfig(LMMultiColorConfig(theHue, theFading)));
}

void setAlignment(LMTemplate& theTemplate, int theAlignment)
{
    LMPageConstraint aConstraint;
    aConstraint.addIntendedAlignment(LMPageAlignment::fromInt(theAlignment));
    theTemplate.setPageConstraint(aConstraint);
}

void setCutOut(LMTemplate& theTemplate, const QString& theCutOut)
{
    LMArticleVariants aVariants;
    aVariants.insert(LMArticleVariants::cutOutKey(), theCutOut);
    theTemplate.setArticleVariants(aVariants);
}

QList<int> areaTypes(const LMTemplateAreaDefinitionList& theAreas)
{
    QList<int> aTypes;
    for (const LMTemplateAreaDefinition* anArea : theAreas)
        aTypes.append(anArea->areaType().value());
    return aTypes;
}

const LMTemplateAreaDefinitionSmartLayout* firstSmartLayout(const LMTemplateAreaDefinitionList& theAreas)
{
    return static_cast<const LMTemplateAreaDefinitionSmartLayout*>(theAreas.first());
}

} // namespace

Q_DECLARE_METATYPE(Setup)

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

// Templates: kinds, names and their cache, configurations, handles, smart layouts and background
// placement.
class TestTemplate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        LMDirectoryConfig::instance()->setContentRoot(myDir.path());
    }

    void kinds_data()
    {
        columns<int, Setup, bool, bool, bool, bool>("jigType", "setup", "valid", "empty", "hasLayout", "hasBackground");

        const Setup aNothing = SETUP();
        const Setup anImage = SETUP(theTemplate.fileInfo().setImageFile(QStringLiteral("a.jpg")));
        row("no jig type", 0, aNothing, false, false, false, false);
        row("clipart is no template", 2, aNothing, false, false, false, false);
        row("background", 1, aNothing, true, false, false, true);
        row("layout read from a layout", 8, SETUP(theTemplate.enableAreaDefinitions()), true, false, true, false);
        row("layout flagged by its reader", 8, SETUP(theTemplate.setHasLayout(true)), true, false, true, false);
        row("svg template with an image", 4, anImage, true, false, false, true);
        row("frame with an image", 128, anImage, true, false, false, false);
        row("design style jig types count", 2048, aNothing, true, false, false, false);
        row("empty placeholder", 1, SETUP(theTemplate.setName("empty_background")), true, true, false, true);
        row("Empty in capitals is a name", 1, SETUP(theTemplate.setName("Empty")), true, false, false, true);
    }

    void kinds()
    {
        LMTemplate aTemplate(LMJigType::fromInt(fetch<int>("jigType")));
        fetch<Setup>("setup")(aTemplate);
        QTEST(aTemplate.isValid(), "valid");
        QTEST(aTemplate.isEmpty(), "empty");
        QTEST(aTemplate.hasLayout(), "hasLayout");
        QTEST(aTemplate.hasBackground(), "hasBackground");
    }

    void configurationText_data()
    {
        columns<QString, QString, bool, QString>("text", "title", "spot", "written");

        row("default", "---;false", QString(), false, "---;false");
        row("only the exact word false disables", "Blau;FALSE", "Blau", true, "Blau;true");
        row("no second field leaves spot off", "Blau", "Blau", false, "Blau;false");
        row("empty first field is no sheet", ";true", QString(), true, "---;true");
        row("more fields are ignored", "Rot;false;true", "Rot", false, "Rot;false");
    }

    void configurationText()
    {
        const LMTemplateConfiguration aConfiguration = LMTemplateConfiguration::deserialize(fetch<QString>("text"));
        QTEST(aConfiguration.cssSheetTitle(), "title");
        QTEST(aConfiguration.spotColorEnabled(), "spot");
        QTEST(aConfiguration.serialize(), "written");
        QCOMPARE(LMTemplateConfiguration::deserialize(aConfiguration.serialize()), aConfiguration);
    }

    void configurationOrder_data()
    {
        columns<QString, QString, bool, bool>("a", "b", "equal", "less");

        row("same", "Blau;true", "Blau;true", true, false);
        row("by title", "Blau;true", "Rot;false", false, true);
        row("titles are case-sensitive", "blau;false", "Blau;false", false, false);
        row("off before on", "Blau;false", "Blau;true", false, true);
        row("on after off", "Blau;true", "Blau;false", false, false);
    }

    void configurationOrder()
    {
        QFETCH(bool, equal);

        const LMTemplateConfiguration anA = LMTemplateConfiguration::deserialize(fetch<QString>("a"));
        const LMTemplateConfiguration aB = LMTemplateConfiguration::deserialize(fetch<QString>("b"));
        QCOMPARE(anA == aB, equal);
        QCOMPARE(anA != aB, !equal);
        QTEST(anA < aB, "less");
        if (equal)
            QCOMPARE(qHash(anA), qHash(aB));
    }

    void configurationXml()
    {
        QDomDocument aDocument;
        QDomElement anElement = aDocument.createElement(QStringLiteral("template"));
        LMTemplateConfiguration().toMCF(anElement);
        QVERIFY2(!anElement.hasAttributes(), "the default writes nothing");
        QCOMPARE(LMTemplateConfiguration(anElement), LMTemplateConfiguration());

        const LMTemplateConfiguration aChosen(QStringLiteral("Nacht"), true);
        aChosen.toMCF(anElement);
        QCOMPARE(anElement.attribute(QStringLiteral("cssSheet")), QStringLiteral("Nacht"));
        QCOMPARE(anElement.attribute(QStringLiteral("spotColorEnabled")), QStringLiteral("1"));
        QCOMPARE(LMTemplateConfiguration(anElement), aChosen);
        anElement.setAttribute(QStringLiteral("spotColorEnabled"), QStringLiteral("true"));
        QVERIFY(LMTemplateConfiguration(anElement).spotColorEnabled());
        QCOMPARE(aChosen.toolTip(), QStringLiteral("(Nacht)"));
        QCOMPARE(LMTemplateConfiguration().toolTip(), QString());
    }

    void configuringAppliesTheSpotColorRule_data()
    {
        columns<bool, QString, bool>("templateHasSpotColor", "configuration", "enabled");

        row("spot template, default", true, "---;false", true);
        row("plain template, default", false, "---;false", false);
        row("spot template, sheet chosen, spot off", true, "Blau;false", false);
        row("plain template, spot asked for", false, "---;true", true);
    }

    void configuringAppliesTheSpotColorRule()
    {
        LMTemplate aTemplate(LMJigTypeEnum::Layout);
        if (fetch<bool>("templateHasSpotColor"))
            aTemplate.setSpotColorLayer(LMSpotColorEnum::GoldFoil, QRectF(0, 0, 1, 1));
        const LMConfiguredTemplate aConfigured(LMUnconfiguredTemplate(&aTemplate),
                                               LMTemplateConfiguration::deserialize(fetch<QString>("configuration")));
        QTEST(aConfigured.configuration().spotColorEnabled(), "enabled");
        QVERIFY(aConfigured.isValid());
        QCOMPARE(aConfigured.toolTip(), aTemplate.toolTip() + QLatin1Char(' ') + aConfigured.configuration().toolTip());
    }

    void handlesAndClones()
    {
        LMTemplate aTemplate(LMJigTypeEnum::Layout);
        aTemplate.setName(QStringLiteral("page"));
        const LMUnconfiguredTemplate aHandle(&aTemplate);
        QCOMPARE(qHash(aHandle), qHash(static_cast<const void*>(&aTemplate), 0));
        LMUnconfiguredTemplate aClone = aHandle.clone();
        LMUnconfiguredTemplate aSecondClone = aHandle.clone();
        QVERIFY(aClone != aHandle && aClone != aSecondClone);
        QCOMPARE(aClone.name(), QStringLiteral("page"));
        QCOMPARE(aClone->fileInfo().parentTemplate(), aClone.templatePointer());
        QVERIFY((aClone < aSecondClone) != (aSecondClone < aClone));

        // Null handles answer for the null template.
        const LMUnconfiguredTemplate aNull;
        QVERIFY(aNull.isNull() && !aNull.isValid() && aNull.name().isEmpty());
        QCOMPARE(aNull, LMUnconfiguredTemplate::null());
        QVERIFY(aNull->areaDefinitions().isEmpty());
        QVERIFY(!LMConfiguredTemplate(aNull).isValid());

        // Configured templates: equal with equal handles and configurations, hashed by the handle.
        const LMConfiguredTemplate aBlue(aHandle, LMTemplateConfiguration(QStringLiteral("Blau"), false));
        LMConfiguredTemplate aRed(aHandle, LMTemplateConfiguration(QStringLiteral("Rot"), false));
        QVERIFY(aBlue != aRed && aBlue < aRed);
        QCOMPARE(qHash(aBlue), qHash(aRed));
        QVERIFY(aRed.setConfiguration(aBlue.configuration()));
        QVERIFY(!aRed.setConfiguration(aBlue.configuration()));
        QCOMPARE(aRed, aBlue);
        const LMConfiguredTemplate aConfiguredClone = aBlue.clone(LMMirrorRuleEnum::VerticalAxis);
        QCOMPARE(aConfiguredClone.configuration(), aBlue.configuration());
        QCOMPARE(aConfiguredClone.name(), QStringLiteral("page_vertical"));

        aClone.deleteTemplate();
        QVERIFY(aClone.isNull());
        aSecondClone.deleteTemplate();
        LMUnconfiguredTemplate(aConfiguredClone.templatePointer()).deleteTemplate();
        LMUnconfiguredTemplate().deleteTemplate();
        QVERIFY(LMTemplate::null() && !LMTemplate::null()->isValid());
    }

    // The name is computed before the change, so every row also shows that changes compute it anew.
    void uniqueName_data()
    {
        columns<int, Setup, QString>("jigType", "setup", "uniqueName");

        row("background ignores its files", 1, SETUP(theTemplate.fileInfo().setImageFile("sky_0012.jpg")),
            "sky,normal,");
        row("multi-colour background", 1, SETUP(setMultiColor(theTemplate, 30, 2)), "sky,hue=30,fading=2,normal,");
        row("spot colour background", 1,
            SETUP(theTemplate.setLayerDefinitionBackground(
                backgroundDefinition("filename='sky_0012.jpg' spotColorProductionId='5'"))),
            "sky,backgroundId=12,normal,");
        row("layout with image and pdf", 8,
            SETUP(theTemplate.fileInfo().setImageFile("img/sky.jpg"); theTemplate.fileInfo().setPDFFile("sky.pdf")),
            "sky,normal,img/sky.jpg,sky.pdf");
        row("whole file information", 8,
            SETUP(LMTemplateFileInfo anInfo; anInfo.setPDFFile("p.pdf"); theTemplate.setFileInfo(anInfo)),
            "sky,normal,p.pdf");
        row("explicit articles", 4,
            SETUP(theTemplate.setArticleGroup(
                LMArticlesGroup({ LMArticle::fromOrderTxtName("FB_A4"), LMArticle::fromOrderTxtName("FB_A3") }))),
            "sky,normal,FB_A3,FB_A4");
        row("rename", 8, SETUP(theTemplate.setName("sea")), "sea,normal");
        row("/./ is folded", 8, SETUP(theTemplate.setName("a/./b")), "a/b,normal");
        row("umlauts folded, capitals kept", 8, SETUP(theTemplate.setName("Grüße aus Köln, Bär; Ärger Öl Übung")),
            "Gruesse aus Koeln, Baer; Ärger Öl Übung,normal");
    }

    void uniqueName()
    {
        QFETCH(Setup, setup);

        LMTemplate aTemplate(LMJigType::fromInt(fetch<int>("jigType")));
        aTemplate.setName(QStringLiteral("sky"));
        LMTemplate aFresh(aTemplate.jigType());
        aFresh.setName(QStringLiteral("sky"));
        QVERIFY(!aTemplate.nameVariants().isEmpty());
        setup(aTemplate);
        setup(aFresh);
        QTEST(aTemplate.uniqueName(), "uniqueName");
        const QStringList aVariants = aTemplate.nameVariants();
        QCOMPARE(aVariants, aFresh.nameVariants());
        QCOMPARE(aVariants.size(), 3);
        QCOMPARE(aVariants.at(0), aTemplate.uniqueName());
        QCOMPARE(aVariants.at(1), aTemplate.makeUniqueTemplateNameWithTheme(QStringLiteral("albfreetheme")));
        QVERIFY(aVariants.at(2).contains(QLatin1String(",design")));
    }

    void nameMatching_data()
    {
        columns<QString, bool, bool>("text", "matchesName", "matchesVariants");

        // The template below: name "See", image "Fotos/Müller.jpg", unique name "See,normal,Fotos/Müller.jpg".
        const QString aUnique = QStringLiteral("See,normal,Fotos/Müller.jpg");
        row("name", "See", true, false);
        row("unique name", aUnique, true, true);
        row("other theme", "See,design,Fotos/Müller.jpg", false, true);
        row("UTF-8 bytes read as Latin-1", QString::fromLatin1(aUnique.toUtf8()), false, true);
        row("Latin-1 bytes read as UTF-8", QString::fromUtf8(aUnique.toLatin1()), false, true);
        row("case differs", "see,normal,Fotos/Müller.jpg", false, false);
    }

    void nameMatching()
    {
        QFETCH(QString, text);

        LMTemplate aTemplate(LMJigTypeEnum::SvgTemplate);
        aTemplate.setName(QStringLiteral("See"));
        aTemplate.fileInfo().setImageFile(QStringLiteral("Fotos/Müller.jpg"));
        QCOMPARE(aTemplate.uniqueName(), QStringLiteral("See,normal,Fotos/Müller.jpg"));
        QTEST(aTemplate.matchesName(text), "matchesName");
        QTEST(aTemplate.matchesNameVariants(text), "matchesVariants");

        // A variant stored in Latin-1 and read as UTF-8 matches the other way round.
        LMTemplate aMangled(LMJigTypeEnum::SvgTemplate);
        aMangled.setName(QStringLiteral("See"));
        aMangled.fileInfo().setImageFile(QString::fromLatin1(QStringLiteral("Fotos/Müller.jpg").toUtf8()));
        QVERIFY(aMangled.matchesNameVariants(QStringLiteral("See,normal,Fotos/Müller.jpg")));
    }

    void templateKey()
    {
        LMTemplate aTemplate(LMJigTypeEnum::Background);
        aTemplate.setName(QStringLiteral("sky"));
        aTemplate.setDesignElementID(LMDesignElementID(4711));
        aTemplate.fileInfo().setImageFile(QStringLiteral("a.jpg"));
        aTemplate.fileInfo().setPDFFile(QStringLiteral("a.pdf"));
        const LMJigKey aKey = aTemplate.createKey();
        QCOMPARE(aKey,
                 LMJigKey(QStringLiteral("sky"), QStringLiteral("a.jpg;a.pdf"), LMJigTypeEnum::Background,
                          LMDesignElementID(4711)));
        // Colour variants of one background have keys of their own.
        setMultiColor(aTemplate, 60, 1);
        QCOMPARE(aTemplate.createKey().name(), QStringLiteral("sky60,1"));
    }

    void namesFromManyThreads()
    {
        // Many readers at once ask for the lazily computed names of the same templates.
        std::vector<std::unique_ptr<LMTemplate>> aTemplates;
        for (int i = 0; i < 64; ++i) {
            aTemplates.push_back(std::make_unique<LMTemplate>(LMJigTypeEnum::Layout));
            aTemplates.back()->setName(QStringLiteral("layout %1").arg(i));
            aTemplates.back()->fileInfo().setImageFile(QStringLiteral("img/%1.jpg").arg(i));
        }
        std::vector<int> aWrong(6, 0);
        std::vector<std::thread> aThreads;
        for (size_t aThread = 0; aThread < aWrong.size(); ++aThread) {
            aThreads.emplace_back([&, aThread] {
                for (int aRound = 0; aRound < 20; ++aRound) {
                    for (size_t i = 0; i < aTemplates.size(); ++i) {
                        const size_t anIndex = (i + aThread * 7) % aTemplates.size();
                        const LMTemplate& aTemplate = *aTemplates[anIndex];
                        if (aTemplate.uniqueName() != QStringLiteral("layout %1,normal,img/%1.jpg").arg(anIndex)
                            || !aTemplate.matchesNameVariants(aTemplate.nameVariants().constLast()))
                            ++aWrong[aThread];
                    }
                }
            });
        }
        for (std::thread& aThread : aThreads)
            aThread.join();
        QCOMPARE(aWrong, std::vector<int>(6, 0));
    }

    void smartLayoutGiven()
    {
        LMTemplateAreaDefinitionList anAreas;
        anAreas.append(foto(QRectF(0.1, 0.1, 0.3, 0.3)));
        anAreas.append(text(QRectF(0.5, 0.5, 0.2, 0.1)));
        const LMTemplateAreaDefinitionList aResult
            = LMTemplate::injectSmartLayout(anAreas, smartLayout(QRectF(0.05, 0.05, 0.9, 0.9)));
        QCOMPARE(areaTypes(aResult), QList<int>({ 2, 32, 32768 }));
        QCOMPARE(aResult.at(2)->rect(), QRectF(0.05, 0.05, 0.9, 0.9));
        QCOMPARE(aResult.at(0)->rect(), QRectF(0.1, 0.1, 0.3, 0.3));

        // A given smart layout without a size counts as not given.
        const LMTemplateAreaDefinitionList aComputed
            = LMTemplate::injectSmartLayout(anAreas, smartLayout(QRectF(0.05, 0.05, 0.0, 0.9)));
        QCOMPARE(areaTypes(aComputed), QList<int>({ 32768, 32 }));
    }

    void smartLayoutComputed_data()
    {
        columns<int, int>("secondRotation", "smartRotation");

        row("unturned", 0, 0);
        row("same turn", 90, 90);
        row("different turns", 45, 0);
    }

    void smartLayoutComputed()
    {
        QFETCH(int, secondRotation);
        QFETCH(int, smartRotation);

        const int aFirstRotation = secondRotation == 45 ? 0 : secondRotation;
        LMTemplateAreaDefinitionList anAreas;
        anAreas.append(text(QRectF(0.0, 0.0, 1.0, 0.1)));
        anAreas.append(foto(QRectF(0.1, 0.2, 0.2, 0.2), aFirstRotation, qint32(LMAreaAbilityEnum::FotoDefault),
                            LMAreaCreationRuleEnum::UserOnly));
        // Only move, resize, rotate or scale make a photo area a child; this one has none of them.
        anAreas.append(foto(QRectF(0.7, 0.7, 0.1, 0.1), 0, qint32(LMAreaAbilityEnum::ReplaceFoto)));
        anAreas.append(foto(QRectF(0.5, 0.3, 0.2, 0.4), secondRotation, qint32(LMAreaAbilityEnum::Move)));

        LMTemplate aTemplate(LMJigTypeEnum::Layout);
        aTemplate.setAreaDefinitions(anAreas);
        aTemplate.injectSmartLayout();
        const LMTemplateAreaDefinitionList& aResult = aTemplate.areaDefinitions();
        QCOMPARE(areaTypes(aResult), QList<int>({ 32768, 32, 2 }));
        QCOMPARE(aResult.at(2)->rect(), QRectF(0.7, 0.7, 0.1, 0.1));

        const auto* aSmart = firstSmartLayout(aResult);
        QVERIFY(aSmart->isActive());
        QCOMPARE(aSmart->children().count(), 2);
        QCOMPARE(aSmart->abilities().value(), 0x67BFFF);
        QCOMPARE(aSmart->positioningConstraint().value(), 7);
        QCOMPARE(aSmart->creationRule().value(), qint32(LMAreaCreationRuleEnum::UserOnly));
        QVERIFY(aSmart->decoration().isEmpty());
        QVERIFY(aSmart->associationId().id().isEmpty());
        QCOMPARE(aSmart->spacing(), LMDistance(0.02, LMDistanceUnit::Relative));
        QVERIFY(aSmart->configuration().isAutoGenerated());
        QCOMPARE(aSmart->rotation().degrees(), smartRotation);

        // The union of the children's bounds, turned by the common rotation.
        const QRectF aUnion = aSmart->children().at(0)->rotatedRect().boundingRect().united(
            aSmart->children().at(1)->rotatedRect().boundingRect());
        QTransform aTurn;
        aTurn.translate(aUnion.center().x(), aUnion.center().y());
        aTurn.rotate(smartRotation);
        aTurn.translate(-aUnion.center().x(), -aUnion.center().y());
        const QRectF anExpected = aTurn.mapRect(aUnion);
        QVERIFY(qAbs(aSmart->rect().left() - anExpected.left()) < 1e-9);
        QVERIFY(qAbs(aSmart->rect().width() - anExpected.width()) < 1e-9);
        QVERIFY(qAbs(aSmart->rect().height() - anExpected.height()) < 1e-9);
        if (secondRotation == 0)
            QCOMPARE(aSmart->rect(), QRectF(0.1, 0.2, 0.6, 0.5));
    }

    void smartLayoutReusedOrWithoutChildren()
    {
        // An empty smart layout of the list is reused, with its spacing.
        LMTemplateAreaDefinitionList anAreas;
        anAreas.append(foto(QRectF(0.1, 0.1, 0.2, 0.2)));
        auto anEmpty = smartLayout(QRectF());
        anEmpty->setSpacing(LMDistance(0.05, LMDistanceUnit::Relative));
        anAreas.append(std::move(anEmpty));
        anAreas.append(foto(QRectF(0.5, 0.5, 0.3, 0.3)));
        const LMTemplateAreaDefinitionList aResult = LMTemplate::injectSmartLayout(anAreas);
        QCOMPARE(areaTypes(aResult), QList<int>({ 32768 }));
        const auto* aSmart = firstSmartLayout(aResult);
        QCOMPARE(aSmart->rect(), QRectF(0.1, 0.1, 0.7, 0.7));
        QCOMPARE(aSmart->spacing(), LMDistance(0.05, LMDistanceUnit::Relative));
        QCOMPARE(aSmart->children().count(), 2);
        QVERIFY(aSmart->isActive());

        // A reused smart layout with a rectangle of its own keeps it.
        LMTemplateAreaDefinitionList aSized;
        aSized.append(smartLayout(QRectF(0.0, 0.0, 0.5, 0.5)));
        aSized.append(foto(QRectF(0.6, 0.6, 0.2, 0.2)));
        const LMTemplateAreaDefinitionList aSizedResult = LMTemplate::injectSmartLayout(aSized);
        QCOMPARE(aSizedResult.count(), 1);
        QCOMPARE(aSizedResult.first()->rect(), QRectF(0.0, 0.0, 0.5, 0.5));

        // Without photo areas no smart layout is made; one there stays without children.
        LMTemplateAreaDefinitionList aTexts;
        aTexts.append(text(QRectF(0.1, 0.1, 0.2, 0.2)));
        QCOMPARE(areaTypes(LMTemplate::injectSmartLayout(aTexts)), QList<int>({ 32 }));
        aTexts.append(smartLayout(QRectF(0.3, 0.3, 0.2, 0.2)));
        const LMTemplateAreaDefinitionList aChildless = LMTemplate::injectSmartLayout(aTexts);
        QCOMPARE(areaTypes(aChildless), QList<int>({ 32768, 32 }));
        QVERIFY(firstSmartLayout(aChildless)->children().isEmpty());

        LMTemplate aTemplate(LMJigTypeEnum::Layout);
        aTemplate.addAreaDefinition(foto(QRectF(0.1, 0.1, 0.2, 0.2)));
        QCOMPARE(areaTypes(aTemplate.areaDefinitionsSmartLayout()), QList<int>({ 32768 }));
        QCOMPARE(areaTypes(aTemplate.areaDefinitions()), QList<int>({ 2 }));
    }

    void correctedAlignment_data()
    {
        columns<int, int, int, int, int, bool, bool, bool, int>("jigType", "requested", "pageType", "strategy",
                                                                "imageSize", "centre", "leftWhenFree", "rightWhenFree",
                                                                "expected");

        row("no background keeps the request", 8, 1, 0, 9, 0, true, false, false, 1);
        row("strategy 9 fills each page", 1, 1, 0, 9, 0, false, false, false, 4);
        row("page type of full backgrounds", 1, 2, 1, 0, 0, false, false, false, 4);
        row("strategy 8 keeps a side", 1, 3, 2, 8, 0, true, true, false, 3);
        row("strategy 8, free, left flag", 1, 0, 2, 8, 0, true, true, true, 1);
        row("strategy 8, free, right flag", 1, 0, 2, 8, 0, true, false, true, 3);
        row("strategy 8, free, no flag", 1, 0, 2, 8, 0, true, false, false, 0);
        row("double-page image, free, right flag", 1, 0, 2, 0, 1, true, false, true, 3);
        row("single-page image is centred", 1, 1, 2, 0, 0, true, true, true, 2);
        row("not centred keeps the request", 1, 3, 2, 0, 0, false, true, true, 3);
    }

    void correctedAlignment()
    {
        LMTemplate aTemplate(LMJigType::fromInt(fetch<int>("jigType")));
        aTemplate.setTemplateImageSize(LMTemplateImageSize::fromInt(fetch<int>("imageSize")));
        aTemplate.setCenterBackgroundIfOnSinglePage(fetch<bool>("centre"));
        const LMTemplateContext aContext(LMArticle(), LMPageType::fromInt(fetch<int>("pageType")));
        QTEST(aTemplate
                  .correctedAlignment(LMAreaBackgroundAlignment::fromInt(fetch<int>("requested")), aContext,
                                      fetch<int>("strategy"), fetch<bool>("leftWhenFree"), fetch<bool>("rightWhenFree"))
                  .value(),
              "expected");
    }

    void removalAndVisibility_data()
    {
        columns<Setup, bool, bool, bool>("setup", "mayBeRemoved", "removeItem", "visible");

        row("plain", SETUP(), true, false, true);
        row("the white background",
            SETUP(theTemplate.setDesignElementID(LMDesignElementID(LMDesignElementID::WHITE_BACKGROUND))), false, false,
            true);
        row("page types 768", SETUP(theTemplate.setPageConstraint(LMPageConstraint(LMPageType::fromInt(768)))), false,
            false, true);
        row("only some of the page types 768",
            SETUP(theTemplate.setPageConstraint(LMPageConstraint(LMPageType::fromInt(256)))), true, false, true);
        row("not accountable variant", SETUP(setCutOut(theTemplate, "none")), true, true, true);
        row("accountable variant", SETUP(setCutOut(theTemplate, "oval")), true, false, true);
        row("only unknown articles",
            SETUP(theTemplate.setArticleGroup(LMArticlesGroup({ LMArticle::fromOrderTxtName("NO_SUCH") }))), true,
            false, false);
    }

    void removalAndVisibility()
    {
        LMTemplate aTemplate(LMJigTypeEnum::Background);
        fetch<Setup>("setup")(aTemplate);
        QTEST(aTemplate.mayBeRemoved(), "mayBeRemoved");
        QTEST(aTemplate.isRemoveItem(), "removeItem");
        QTEST(aTemplate.isVisibleInList(), "visible");
    }

    void dragHint_data()
    {
        columns<int, Setup, QString>("jigType", "setup", "hint");

        const QString aDrag = QStringLiteral("Ziehen Sie diese Vorlage mit der Maus auf die gewünschte Seite.");
        const QString aPreview = QStringLiteral("\nDies ist eine kleine Vorschau des Hintergrunds. Für die Produktion "
                                                "werden hochauflösende Versionen der Hintergründe verwendet.");
        row("user layout", 8, SETUP(theTemplate.setUserLayout(true); theTemplate.setName("Mein Layout")),
            "Benutzerdefiniertes Layout: Mein Layout\n" + aDrag);
        row("left page", 8, SETUP(setAlignment(theTemplate, 1)), aDrag + "\n\nVorlage für die linke Seite");
        row("right page", 8, SETUP(setAlignment(theTemplate, 2)), aDrag + "\n\nVorlage für die rechte Seite");
        row("both pages", 8, SETUP(setAlignment(theTemplate, 3)), aDrag);
        row("background", 1, SETUP(), aDrag + aPreview);
        row("multi-colour background", 1, SETUP(setMultiColor(theTemplate, 0, 0)),
            aDrag
                + QStringLiteral("\n Das Design bietet unterschiedliche Farbvarianten. Sie können die Farbe des "
                                 "Designs ändern, indem Sie im Produkt auf das Design doppelklicken.")
                + aPreview);
    }

    void dragHint()
    {
        LMTemplate aTemplate(LMJigType::fromInt(fetch<int>("jigType")));
        fetch<Setup>("setup")(aTemplate);
        QTEST(aTemplate.basicDragAndDropHint(), "hint");
        QCOMPARE(aTemplate.toolTip(), aTemplate.basicDragAndDropHint());
    }

    void calendarOptionsAndFlow()
    {
        LMTemplate aTemplate(LMJigTypeEnum::Layout);
        QVERIFY(!aTemplate.allowHolidays());
        QVERIFY(!aTemplate.allowCustomEvents());

        QDomDocument aDocument;
        QVERIFY(aDocument.setContent(QStringLiteral("<calendararea x='0' y='0' width='100' height='50'>"
                                                    "<calendar layout='famcal'/></calendararea>")));
        aTemplate.addAreaDefinition(
            std::make_unique<LMTemplateAreaDefinitionCalendarium>(aDocument.documentElement(), QSizeF(100, 100)));
        QVERIFY(aTemplate.allowHolidays());
        QVERIFY(aTemplate.allowCustomEvents());
        aTemplate.setExplicitCalendariumOptions(LMTemplateCalendariumOptionsEnum::Holidays);
        QVERIFY(aTemplate.allowHolidays());
        QVERIFY(!aTemplate.allowCustomEvents());

        const LMCalendariumFlow aNamed(
            static_cast<const LMTemplateAreaDefinitionCalendarium*>(aTemplate.areaDefinitions().first())
                ->appearance()
                .layout());
        aTemplate.autoDetectCalendariumFlow();
        QCOMPARE(aTemplate.calendariumFlow(), aNamed);
        aTemplate.setCalendariumFlow(LMCalendariumFlowEnum::Block);
        aTemplate.autoDetectCalendariumFlow();
        QCOMPARE(aTemplate.calendariumFlow().value(), 1);
    }

    void analysisAndMinimumSize()
    {
        LMTemplate aTemplate(LMJigTypeEnum::Layout);
        aTemplate.addAreaDefinition(foto(QRectF(0.0, 0.0, 0.5, 1.0)));
        aTemplate.addAreaDefinition(foto(QRectF(0.5, 0.0, 0.5, 0.5)));
        aTemplate.addAreaDefinition(text(QRectF(0.5, 0.5, 0.5, 0.5)));
        aTemplate.analyzeAreas(2.0);
        QCOMPARE(aTemplate.analysis().countFotoAreas(), 2);
        QCOMPARE(aTemplate.analysis().countTexts(), 1);

        const LMSpaceMagnitude anEstimate = aTemplate.estimateMinimumProductSize();
        QCOMPARE(anEstimate, LMSpaceMagnitude::estimateByAreaSizes(0.25));
        aTemplate.setMinimumProductSize(LMSpaceMagnitudeEnum::Large, false);
        aTemplate.setMinimumProductSize(anEstimate, false);
        QCOMPARE(aTemplate.minimumProductSize().value(), qint32(LMSpaceMagnitudeEnum::Large));
        aTemplate.setMinimumProductSize(LMSpaceMagnitudeEnum::Small, true);
        QCOMPARE(aTemplate.minimumProductSize().value(), qint32(LMSpaceMagnitudeEnum::Small));

        // A mirrored copy keeps the analysis and the minimum size.
        const std::unique_ptr<LMTemplate> aCopy = aTemplate.cloneTemplate(LMMirrorRuleEnum::VerticalAxis);
        QCOMPARE(aCopy->analysis().countFotoAreas(), 2);
        QCOMPARE(aCopy->minimumProductSize().value(), qint32(LMSpaceMagnitudeEnum::Small));
    }

    void sameLayout()
    {
        LMTemplate aLayout(LMJigTypeEnum::Layout);
        aLayout.addAreaDefinition(foto(QRectF(0.1, 0.1, 0.3, 0.3)));
        aLayout.addAreaDefinition(text(QRectF(0.5, 0.5, 0.2, 0.1)));
        const std::unique_ptr<LMTemplate> aCopy = aLayout.cloneTemplate();
        QVERIFY(aLayout.hasSameLayout(*aCopy));

        // Another position, another kind of template, another number of areas.
        QVERIFY(!aLayout.hasSameLayout(*aLayout.cloneTemplate(LMMirrorRuleEnum::VerticalAxis)));
        LMTemplate aContent(LMJigTypeEnum::SvgTemplate);
        aContent.setAreaDefinitions(aLayout.areaDefinitions());
        QVERIFY(!aLayout.hasSameLayout(aContent));
        aCopy->addAreaDefinition(foto(QRectF(0.6, 0.1, 0.3, 0.3)));
        QVERIFY(!aLayout.hasSameLayout(*aCopy));
    }

private:
    QTemporaryDir myDir;
};

QTEST_GUILESS_MAIN(TestTemplate)
#include "tst_template.moc"
