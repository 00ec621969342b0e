#include "LMConfiguredTemplate.h"
#include "LMDirectoryConfig.h"
#include "LMProductCatalogue.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionCalendarium.h"
#include "LMTemplateAreaDefinitionFoto.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateAreaDefinitionText.h"
#include "LMTemplateBackgroundDefinition.h"
#include "LMTemplateConfiguration.h"
#include "LMTemplateContext.h"
#include "LMTemplateFileInfo.h"
#include "LMTemplateFrame.h"
#include "LMTemplateFrameGlass.h"
#include "LMTemplateFramePassepartout.h"
#include "LMTemplateVariantTemplate.h"
#include "LMTemplateWallholder.h"
#include "LMUnconfiguredTemplate.h"
#include "LMUnconfiguredTemplateList.h"

#include "LMTestSupport.h"
#include "LMTestTemplates.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace {

using LMTestSupport::backgroundDefinition;
using Setup = std::function<void(LMTemplate&)>;
using Change = std::function<void(LMTemplateFileInfo&)>;
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

LMArticle article(const char* theOrderName)
{
    return LMArticle::fromOrderTxtName(QString::fromLatin1(theOrderName));
}

QList<int> numbers(const QList<LMDesignElementID>& theIds)
{
    QList<int> aList;
    for (const LMDesignElementID& anId : theIds)
        aList.append(anId.id());
    return aList;
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

// The template an XML template element of that jig type gives, owned by the test.
std::unique_ptr<LMTemplate> templateFromXml(const QString& theXml, const LMJigType& theJigType,
                                            const QString& theBasePath)
{
    QDomDocument aDocument;
    return std::unique_ptr<LMTemplate>(
        LMUnconfiguredTemplate::fromXml(LMTestSupport::parseXml(aDocument, theXml), theBasePath, theJigType)
            .templatePointer());
}

// What a template tells of its wall-decor kind: its class, each configuration that is not the
// empty one (the picture of a variant relative to theFolder) and "remove" for a remove item.
QString kindSummary(const LMTemplate& theTemplate, const QDir& theFolder)
{
    QStringList aParts { QString::fromLatin1(theTemplate.metaObject()->className()) };
    if (theTemplate.frameMaterial().isValid())
        aParts << QStringLiteral("frame=%1").arg(theTemplate.frameMaterial().value());
    if (theTemplate.glassMaterial().isValid())
        aParts << QStringLiteral("glass=%1").arg(theTemplate.glassMaterial().value());
    const LMTemplateFramePassepartoutConfig aMat = theTemplate.framePassepartoutConfig();
    if (aMat != LMTemplateFramePassepartoutConfig())
        aParts << QStringLiteral("mat=%1,%2x%3%4")
                      .arg(aMat.color().name())
                      .arg(aMat.innerSize().width())
                      .arg(aMat.innerSize().height())
                      .arg(aMat.isEmpty() ? QStringLiteral(",empty") : QString());
    const LMTemplateWallholderConfig aHolder = theTemplate.wallholderConfig();
    if (aHolder != LMTemplateWallholderConfig())
        aParts << QStringLiteral("holder=%1,%2,%3,%4")
                      .arg(aHolder.isNull())
                      .arg(aHolder.diameter())
                      .arg(aHolder.distanceX())
                      .arg(aHolder.distanceY());
    const LMTemplateVariantTemplateConfig aVariant = theTemplate.templateVariantConfig();
    const QRect anArea = aVariant.editableArea();
    if (anArea.isValid())
        aParts << QStringLiteral("area=%1,%2,%3x%4")
                      .arg(anArea.x())
                      .arg(anArea.y())
                      .arg(anArea.width())
                      .arg(anArea.height());
    if (aVariant.surrounding().isValid())
        aParts << QStringLiteral("picture=")
                + theFolder.relativeFilePath(QFileInfo(aVariant.surrounding().localFilePath()).canonicalFilePath());
    if (theTemplate.isRemoveItem())
        aParts << QStringLiteral("remove");
    return aParts.join(QLatin1Char(' '));
}

} // namespace

Q_DECLARE_METATYPE(Setup)
Q_DECLARE_METATYPE(Change)
Q_DECLARE_METATYPE(LMMultiColorConfig)

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

// Templates: kinds, names and their cache, configurations, handles, smart layouts, background
// placement, background references, the product situation a template is asked for, the files of a
// template and the wall-decor kinds.
class TestTemplate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        myRoot = QFileInfo(myDir.path()).canonicalFilePath();
        // Pictures of variant templates; an XML template folder whose thumbnail lies beside it, one
        // whose thumbnail lies in its parent, and an SVG design below a categories folder.
        LMTestSupport::writeFile(myDir, QStringLiteral("wohnzimmer.jpg"), "jpeg");
        LMTestSupport::writeFile(myDir, QStringLiteral("rooms/flur.png"), "png");
        LMTestSupport::writeFile(myDir, QStringLiteral("backgrounds/blue/thumb.jpg"), "jpeg");
        LMTestSupport::writeFile(myDir, QStringLiteral("backgrounds/shared.jpg"), "jpeg");
        QDir(myRoot).mkpath(QStringLiteral("backgrounds/red"));
        LMTestSupport::writeFile(myDir, QStringLiteral("designs/categories/summer/page.svg"), "<svg/>");
        LMDirectoryConfig::instance()->setContentRoot(myRoot);
        QVERIFY(LMProductCatalogue::instance()->load(LMTestSupport::dataPath(QStringLiteral("model/catalogue.json"))));
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
        aTemplate.addAreaDefinition(std::make_unique<LMTemplateAreaDefinitionCalendarium>(
            LMTestSupport::parseXml(aDocument,
                                    QStringLiteral("<calendararea x='0' y='0' width='100' height='50'>"
                                                   "<calendar layout='famcal'/></calendararea>")),
            QSizeF(100, 100)));
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

    // The background references of a template: id detection from the file name, reading from the
    // attributes of a template element, colour variants, the hash key, equality and the spot colour
    // backgrounds of a mask.
    void detectBackgroundId_data()
    {
        columns<QString, int>("fileName", "id");

        row("leading zeros", "bg_0012.jpg", 12);
        row("only the last four digits", "12345.jpg", 2345);
        row("four-letter suffix", "bg_77.jpeg", 77);
        row("digits not before the suffix", "bg_12_blue.jpg", 0);
        row("two-letter suffix", "bg_12.gz", 0);
        row("five-letter suffix", "bg_12.jpegx", 0);
        row("blank after the suffix", "bg_12.jpg ", 0);
        row("zero is no id", "bg_0000.jpg", 0);
    }

    void detectBackgroundId()
    {
        QFETCH(QString, fileName);
        QFETCH(int, id);
        QCOMPARE(LMTemplateBackgroundDefinition::detectBackgroundId(fileName).id(), id);
        QCOMPARE(backgroundDefinition(QStringLiteral("filename='%1'").arg(fileName)).backgroundID().id(), id);
    }

    void fromXml_data()
    {
        columns<QString, int, int, int, QList<int>, bool, bool, QStringList>(
            "attributes", "backgroundId", "multiColorId", "spotColorId", "ids", "suitableForMultiColor",
            "spotColorMask", "warnings");

        row("plain background", "filename='bg_0012.jpg'", 12, 0, 0, QList<int>(), false, false, QStringList());
        row("multi-colour background", "filename='mc_0012.jpg' multicolor_id='500'", 12, 500, 0, QList<int>(), true,
            false, QStringList());
        row("malformed multi-colour id", "filename='bg_3.jpg' multicolor_id='5x'", 3, 0, 0, QList<int>(), false, false,
            QStringList());
        row("spot colour production id", "filename='bg_3.jpg' spotColorProductionId='901'", 3, 0, 901, QList<int>(),
            false, false, QStringList());
        row("spot colour mask", "filename='mask_9.png' backgroundDesignElementIds='7, 8,11'", 9, 0, 0,
            QList<int> { 7, 8, 11 }, false, true, QStringList());
        row("bad and empty id entries", "backgroundDesignElementIds='7,,x,-3,8,'", 0, 0, 0, QList<int> { 7, 8 }, false,
            true,
            QStringList { "background design element id \"x\" is no design element id",
                          "background design element id \"-3\" is no design element id" });
    }

    void fromXml()
    {
        LMTestSupport::expectWarnings(fetch<QStringList>("warnings"));
        const LMTemplateBackgroundDefinition aDefinition = backgroundDefinition(fetch<QString>("attributes"));
        QTEST(aDefinition.backgroundID().id(), "backgroundId");
        QTEST(aDefinition.multiColorBackgroundId().id(), "multiColorId");
        QTEST(aDefinition.spotColorBackgroundId().id(), "spotColorId");
        QTEST(numbers(aDefinition.backgroundDesignElementIds()), "ids");
        QTEST(aDefinition.isSuitableForMultiColor(), "suitableForMultiColor");
        QTEST(aDefinition.isSpotColorMask(), "spotColorMask");
        // Read definitions carry no colour variant yet.
        QCOMPARE(aDefinition.multiColorConfig(), LMMultiColorConfig());
        QVERIFY(!aDefinition.isMultiColor());
    }

    void backgroundIdAndHashKey_data()
    {
        columns<QString, LMMultiColorConfig, int, int>("attributes", "config", "backgroundId", "hashKey");

        const QString aMulti = QStringLiteral("filename='mc_0012.jpg' multicolor_id='500'");
        row("no variant: the file's id", aMulti, LMMultiColorConfig(), 12, -1000 - 1 + 12);
        row("valid variant: the multi-colour id", aMulti, LMMultiColorConfig(30, 2), 500, 30502);
        row("first variant", aMulti, LMMultiColorConfig(0, 0), 500, 500);
        row("hue without bound", aMulti, LMMultiColorConfig(390, 5), 500, 390505);
        row("invalid hue keeps the file's id", aMulti, LMMultiColorConfig(45, 2), 12, 45014);
        row("invalid fading keeps the file's id", aMulti, LMMultiColorConfig(30, 6), 12, 30018);
        row("variant without multi-colour id", "filename='bg_0012.jpg'", LMMultiColorConfig(60, 1), 12, 60013);
        row("nothing at all", QString(), LMMultiColorConfig(), 0, -1001);
    }

    void backgroundIdAndHashKey()
    {
        QFETCH(QString, attributes);
        QFETCH(LMMultiColorConfig, config);
        const LMTemplateBackgroundDefinition aVariant = backgroundDefinition(attributes).withMultiColorConfig(config);
        QCOMPARE(aVariant.multiColorConfig(), config);
        QTEST(aVariant.backgroundID().id(), "backgroundId");
        QTEST(aVariant.hashKey(), "hashKey");

        LMTemplateBackgroundDefinition aSet = backgroundDefinition(attributes);
        aSet.setMultiColorConfig(config);
        QCOMPARE(aSet, aVariant);
        QCOMPARE(qHash(aSet), qHash(aVariant));
    }

    void equality_data()
    {
        columns<QString, LMMultiColorConfig, QString, LMMultiColorConfig, bool>("attributesA", "configA", "attributesB",
                                                                                "configB", "equal");

        const QString aMulti = QStringLiteral("filename='mc_0012.jpg' multicolor_id='500'");
        const LMMultiColorConfig aNone;
        row("same attributes", aMulti, aNone, aMulti, aNone, true);
        row("file names with the same id", "filename='bg_12.jpg'", aNone, "filename='other_0012.png'", aNone, true);
        row("other file id", "filename='bg_12.jpg'", aNone, "filename='bg_13.jpg'", aNone, false);
        row("other variant", aMulti, LMMultiColorConfig(30, 2), aMulti, LMMultiColorConfig(30, 3), false);
        row("variant and none", aMulti, LMMultiColorConfig(30, 2), aMulti, aNone, false);
        row("other multi-colour id", aMulti, aNone, "filename='mc_0012.jpg' multicolor_id='501'", aNone, false);
        row("other spot colour id", "filename='bg_1.jpg' spotColorProductionId='5'", aNone,
            "filename='bg_1.jpg' spotColorProductionId='6'", aNone, false);
        row("other id list", "filename='bg_1.jpg' backgroundDesignElementIds='7,8'", aNone,
            "filename='bg_1.jpg' backgroundDesignElementIds='8,7'", aNone, false);
    }

    void equality()
    {
        QFETCH(bool, equal);

        const LMTemplateBackgroundDefinition anA = backgroundDefinition(fetch<QString>("attributesA"))
                                                       .withMultiColorConfig(fetch<LMMultiColorConfig>("configA"));
        const LMTemplateBackgroundDefinition aB = backgroundDefinition(fetch<QString>("attributesB"))
                                                      .withMultiColorConfig(fetch<LMMultiColorConfig>("configB"));
        QCOMPARE(anA == aB, equal);
        QCOMPARE(anA != aB, !equal);
        if (equal)
            QCOMPARE(qHash(anA), qHash(aB));
    }

    void colorVariants()
    {
        const LMTemplateBackgroundDefinition anOriginal
            = backgroundDefinition(QStringLiteral("filename='mc_0012.jpg' multicolor_id='500'"));
        const LMTemplateBackgroundDefinition aCopy = anOriginal;
        const LMTemplateBackgroundDefinition aVariant = aCopy.withMultiColorConfig(LMMultiColorConfig(90, 3));
        // The copy with another configuration leaves the source as it was.
        QCOMPARE(aCopy, anOriginal);
        QVERIFY(aVariant.isMultiColor());

        const QList<LMTemplateBackgroundDefinition> aVariants = anOriginal.multiColorVariants();
        const QList<LMMultiColorConfig> aConfigs = LMMultiColorConfig::allConfigurations();
        QCOMPARE(aVariants.size(), aConfigs.size());
        QCOMPARE(aVariants.first().multiColorConfig(), aConfigs.first());
        QCOMPARE(aVariants.last().multiColorConfig(), aConfigs.last());
        QCOMPARE(aVariants.at(20), anOriginal.withMultiColorConfig(aConfigs.at(20)));
        QSet<int> aKeys;
        for (const LMTemplateBackgroundDefinition& aDefinition : aVariants)
            aKeys.insert(aDefinition.hashKey());
        QCOMPARE(aKeys.size(), aVariants.size());
    }

    void spotColorBackgrounds()
    {
        LMTemplateBackgroundDefinition aMask
            = backgroundDefinition(QStringLiteral("filename='mask_9.png' backgroundDesignElementIds='7,8'"));
        const QList<LMTemplateBackgroundDefinition> aBackgrounds = aMask.spotColorBackgrounds();
        QCOMPARE(aBackgrounds.size(), 2);
        QCOMPARE(aBackgrounds.at(0).spotColorBackgroundId().id(), 7);
        QCOMPARE(aBackgrounds.at(1).spotColorBackgroundId().id(), 8);
        QVERIFY(!aBackgrounds.at(0).isSpotColorMask());
        QCOMPARE(aBackgrounds.at(0).backgroundID().id(), 9);

        aMask.setSpotColorMask(false);
        QVERIFY(aMask.spotColorBackgrounds().isEmpty());
    }

    // The product situation a template is asked for: validity, the queries answered from the
    // article's catalogue data, the spot colour rule, equality, order and hashing.
    void validity_data()
    {
        columns<QString, int, bool>("orderName", "pageType", "valid");

        row("catalogue article and page", "CARD_SPOT", 0x8, true);
        row("no page type", "CARD_SPOT", 0, false);
        row("unresolved article", "NOT_LISTED", 0x8, false);
        row("null article", QString(), 0x8, false);
    }

    void validity()
    {
        QTEST(LMTemplateContext(LMArticle::fromOrderTxtName(fetch<QString>("orderName")),
                                LMPageType::fromInt(fetch<int>("pageType")))
                  .isValid(),
              "valid");
        QVERIFY(!LMTemplateContext().isValid());
    }

    void canUseSpotColor_data()
    {
        columns<QString, QList<int>, bool>("orderName", "pageTypes", "canUse");

        // Inner, first, front flyleaf and wall decor pages; spine, full cover, single page, back
        // cover, calendar month, and inner page and spine in one.
        row("card pages", "CARD_SPOT", QList<int> { 0x8, 0x2, 0x10, 0x200000 }, true);
        row("pages without spot colour", "CARD_SPOT", QList<int> { 0x1, 0x20, 0x40, 0x200, 0x80000, 0x9 }, false);
        row("feature missing", "CARD_PLAIN", QList<int> { 0x8 }, false);
        row("article class not 8", "BOOK_SPOT", QList<int> { 0x8 }, false);
        row("classes include 8", "MIXED_SPOT", QList<int> { 0x8 }, true);
        row("unresolved article", "NOT_LISTED", QList<int> { 0x8 }, false);
    }

    void canUseSpotColor()
    {
        for (const int aPageType : fetch<QList<int>>("pageTypes")) {
            const LMTemplateContext aContext(article(qPrintable(fetch<QString>("orderName"))),
                                             LMPageType::fromInt(aPageType));
            QVERIFY2(aContext.canUseSpotColor() == fetch<bool>("canUse"), qPrintable(QString::number(aPageType, 16)));
        }
    }

    void pageQueries()
    {
        const LMTemplateContext anInner(article("CARD_SPOT"), LMPageTypeEnum::InnerPage);
        QCOMPARE(anInner.usableSize(), QSizeF(1480, 1050));
        QCOMPARE(anInner.topLeftBleedOffset(), QPointF(20, 30));
        QCOMPARE(anInner.pageSizeSpecs(LMPageAlignmentEnum::Double).usableSize(), QSizeF(2960, 1050));
        QCOMPARE(anInner.pageSizeSpecs(LMPageAlignmentEnum::Right).usableSize(), QSizeF(1480, 1050));

        const LMTemplateContext aCover(article("CARD_SPOT"), LMPageTypeEnum::FullCover);
        QCOMPARE(aCover.usableSize(), QSizeF(3000, 1100));
        QCOMPARE(aCover.topLeftBleedOffset(), QPointF(100, 100));

        const LMTemplateContext aSpine(article("CARD_SPOT"), LMPageTypeEnum::Spine);
        QVERIFY(!aSpine.pageSizeSpecs(LMPageAlignmentEnum::Left).isValid());
        QVERIFY(aSpine.usableSize().isEmpty());
        QCOMPARE(aSpine.topLeftBleedOffset(), QPointF());
    }

    void articleQueries()
    {
        LMArticleVariants aVariants;
        aVariants.insert(QStringLiteral("cutout"), QStringLiteral("heart"));
        const LMTemplateContext aContext(article("CARD_SPOT"), LMPageTypeEnum::InnerPage, aVariants);
        QCOMPARE(aContext.productVariant(), aVariants);
        QVERIFY(aContext.hasArticleClass(LMArticleClassEnum::Card));
        QVERIFY(!aContext.hasArticleClass(LMArticleClassEnum::PhotoBook));
        QCOMPARE(aContext.orientation(), LMOrientation(LMOrientationEnum::Landscape));

        const LMTemplateContextGroup aGroup = aContext.contextGroup();
        QVERIFY(aGroup.supportsArticle(aContext.article()));
        QVERIFY(aGroup.isPageType(LMPageTypeEnum::InnerPage));
        QCOMPARE(aGroup.articleVariants(), aVariants);
    }

    void equalityAndOrder_data()
    {
        columns<QString, int, QString, QString, int, QString, bool, bool>(
            "orderNameA", "pageTypeA", "variantA", "orderNameB", "pageTypeB", "variantB", "equal", "aBeforeB");

        const QString aCard = QStringLiteral("CARD_SPOT");
        row("same", aCard, 8, QString(), aCard, 8, QString(), true, false);
        row("variants do not count", aCard, 8, "cutout=star", aCard, 8, QString(), true, false);
        row("order name in other case matches", aCard, 8, QString(), "card_spot", 8, QString(), true, false);
        row("unresolved names match without case", "GONE", 8, QString(), "gone", 8, QString(), true, false);
        row("page type decides", aCard, 2, QString(), aCard, 8, QString(), false, true);
        row("article decides before page type", "CARD_PLAIN", 2, QString(), aCard, 8, QString(), false, false);
        row("lower id first", aCard, 8, QString(), "CARD_PLAIN", 2, QString(), false, true);
        row("null article first", QString(), 8, QString(), aCard, 8, QString(), false, true);
    }

    void equalityAndOrder()
    {
        QFETCH(bool, equal);
        QFETCH(bool, aBeforeB);

        const LMTemplateContext anA(LMArticle::fromOrderTxtName(fetch<QString>("orderNameA")),
                                    LMPageType::fromInt(fetch<int>("pageTypeA")),
                                    LMArticleVariants(QStringList { fetch<QString>("variantA") }));
        const LMTemplateContext aB(LMArticle::fromOrderTxtName(fetch<QString>("orderNameB")),
                                   LMPageType::fromInt(fetch<int>("pageTypeB")),
                                   LMArticleVariants(QStringList { fetch<QString>("variantB") }));
        QCOMPARE(anA == aB, equal);
        QCOMPARE(anA != aB, !equal);
        QCOMPARE(anA < aB, aBeforeB);
        if (equal) {
            QVERIFY(!(aB < anA));
            QCOMPARE(qHash(anA), qHash(aB));
        } else {
            QCOMPARE(aB < anA, !aBeforeB);
        }
    }

    // The files of a template: the paths derived for XML and SVG templates, production paths, and
    // the hook that makes the template compute its unique name anew.
    void homeDirectory_data()
    {
        columns<QString, QString>("filePath", "home");

        row("below categories", "/c/designs/categories/summer/page.svg", "/c/designs");
        row("the last categories folder", "/c/categories/a/categories/b.svg", "/c/categories/a");
        row("no categories folder", "/c/designs/page.svg", "/c/designs/page.svg");
        row("categories only as part of a name", "/c/mycategories/x.svg", "/c/mycategories/x.svg");
    }

    void homeDirectory()
    {
        LMTemplateFileInfo anInfo;
        anInfo.setFilePath(fetch<QString>("filePath"));
        QTEST(anInfo.homeDirectory().path(), "home");
    }

    void relativeFilePathFromCategories_data()
    {
        columns<QString, QString>("filePath", "expected");

        row("folder", "/c/categories/summer/sea", "categories/summer/sea/");
        row("the last categories before the last slash", "/c/categories/a/categories/b/x.svg", "categories/b/x.svg/");
        row("categories after the last slash does not count", "/c/designs/categories", "");
        row("no categories", "/c/designs/summer", "");
        row("a folder that ends in a slash", "/c/categories/summer/", "categories/summer/");
        row("empty", QString(), QString());
    }

    void relativeFilePathFromCategories()
    {
        LMTemplateFileInfo anInfo;
        anInfo.setFilePath(fetch<QString>("filePath"));
        QTEST(anInfo.relativeFilePathFromCategories(), "expected");
    }

    void productionPDFPath_data()
    {
        columns<QString, bool, QString>("prefix", "spotColor", "expected");

        row("no prefix: two components", QString(), false, "$CONTENT/02/page.pdf");
        row("with prefix: three components", "designs/see", false, "$CONTENT/02/designs/see/page.pdf");
        row("spot colour file and class", QString(), true, "$CONTENT/05/page_gold.pdf");
    }

    void productionPDFPath()
    {
        QFETCH(bool, spotColor);

        LMTemplateFileInfo anInfo;
        anInfo.setImagePathPrefix(fetch<QString>("prefix"));
        anInfo.setPriceClass(LMPriceClass::create(QStringLiteral("2")));
        anInfo.setSpotColorPriceClass(LMPriceClass::create(QStringLiteral("5")));
        QCOMPARE(anInfo.productionPDFPath(spotColor), QString());
        anInfo.setPDFFile(QStringLiteral("page.pdf"));
        anInfo.setSpotColorFileForProduction(QStringLiteral("page_gold.pdf"));
        QTEST(anInfo.productionPDFPath(spotColor), "expected");
        // Without the file of the asked kind there is no path.
        if (spotColor)
            anInfo.setSpotColorFileForProduction(QString());
        else
            anInfo.setPDFFile(QString());
        QCOMPARE(anInfo.productionPDFPath(spotColor), QString());
    }

    void thumbnailAndImagePaths_data()
    {
        columns<int, QString, QString, bool, QString, QString>("fileType", "filePath", "thumbnail", "absolute",
                                                               "thumbnailPath", "imagePath");

        row("xml, thumbnail beside", 1, "@/backgrounds/blue", "thumb.jpg", false, "@/backgrounds/blue/thumb.jpg",
            "@/backgrounds/blue/thumb.jpg");
        row("xml, thumbnail in the parent", 1, "@/backgrounds/red", "shared.jpg", false, "@/backgrounds/shared.jpg",
            "@/backgrounds/shared.jpg");
        row("xml, thumbnail nowhere", 1, "@/backgrounds/red", "gone.jpg", false, "@/backgrounds/gone.jpg",
            "@/backgrounds/gone.jpg");
        row("xml, folder that does not exist", 1, "@/nowhere/deeper", "gone.jpg", false, "@/nowhere/deeper/gone.jpg",
            "@/nowhere/deeper/gone.jpg");
        row("svg, relative to the home directory", 2, "@/designs/categories/summer/page.svg", "thumbs/page.jpg", false,
            "@/designs/thumbs/page.jpg", "@/designs/images/page.png");
        row("svg, absolute thumbnail", 2, "@/designs/categories/summer/page.svg", "/abs/t.jpg", true, "/abs/t.jpg",
            "@/designs/images/page.png");
        row("not set", 0, "@/backgrounds/red", "shared.jpg", false, "@/backgrounds/red/shared.jpg",
            "@/backgrounds/shared.jpg");
    }

    void thumbnailAndImagePaths()
    {
        QFETCH(QString, filePath);
        QFETCH(QString, thumbnailPath);
        QFETCH(QString, imagePath);

        for (QString* aText : { &filePath, &thumbnailPath, &imagePath })
            aText->replace(QLatin1Char('@'), myRoot);
        LMTemplateFileInfo anInfo;
        anInfo.setFileType(LMTemplateFileInfoType(fetch<int>("fileType")));
        anInfo.setFilePath(filePath);
        anInfo.setThumbnailFile(fetch<QString>("thumbnail"));
        anInfo.setThumbnailIsAbsolute(fetch<bool>("absolute"));
        anInfo.setImageFile(QStringLiteral("images/page.png"));
        QCOMPARE(QDir::cleanPath(anInfo.thumbnailPath().filePath()), thumbnailPath);
        QCOMPARE(QDir::cleanPath(anInfo.imagePath().filePath()), imagePath);
    }

    void spotColorFilePath_data()
    {
        columns<QString, QString>("file", "expected");

        row("empty", QString(), QString());
        row("relative", "gold/layer.svg", "/c/designs/gold/layer.svg");
        row("absolute", "/elsewhere/layer.svg", "/elsewhere/layer.svg");
    }

    void spotColorFilePath()
    {
        LMTemplateFileInfo anInfo;
        anInfo.setFilePath(QStringLiteral("/c/designs"));
        anInfo.setSpotColorFile(fetch<QString>("file"));
        QTEST(anInfo.spotColorFilePath(), "expected");
    }

    void uniqueNamePart_data()
    {
        columns<QString, QString, QStringList>("image", "pdf", "parts");

        row("none", QString(), QString(), QStringList());
        row("image and pdf", "images/./page.png", "page.pdf", words("images/page.png page.pdf"));
        row("inside the content tree", "@/designs/images/page.png", QString(), words("designs/images/page.png"));
        row("outside the content tree", "/elsewhere/page.png", QString(), words("/elsewhere/page.png"));
    }

    void uniqueNamePart()
    {
        LMTemplateFileInfo anInfo;
        anInfo.setImageFile(fetch<QString>("image").replace(QLatin1Char('@'), myRoot));
        anInfo.setPDFFile(fetch<QString>("pdf"));
        QTEST(anInfo.uniqueNamePart(), "parts");
    }

    void associatedFiles()
    {
        LMTemplateFileInfo anInfo;
        anInfo.setFileType(LMTemplateFileInfoType::SVG);
        anInfo.setFilePath(myRoot + QStringLiteral("/designs/categories/summer/page.svg"));
        anInfo.setThumbnailFile(QStringLiteral("t.jpg"));
        anInfo.setImageFile(QStringLiteral("i.png"));
        anInfo.setExclusiveSourceFile(QFileInfo(anInfo.filePath()));
        const QList<QFileInfo> aFiles = anInfo.associatedFiles();
        QCOMPARE(aFiles.size(), 3);
        QCOMPARE(aFiles.at(0), QFileInfo(anInfo.filePath()));
        QCOMPARE(aFiles.at(1), anInfo.imagePath());
        QCOMPARE(aFiles.at(2), anInfo.thumbnailPath());
    }

    void uniqueNameInvalidation_data()
    {
        columns<Change, bool>("change", "invalidates");

#define CHANGE(...) Change([](LMTemplateFileInfo& theInfo) { theInfo.__VA_ARGS__; })
        row("file path", CHANGE(setFilePath("x")), true);
        row("file type", CHANGE(setFileType(LMTemplateFileInfoType::XML)), true);
        row("thumbnail", CHANGE(setThumbnailFile("t")), true);
        row("image", CHANGE(setImageFile("i")), true);
        row("image prefix", CHANGE(setImagePathPrefix("p")), true);
        row("pdf", CHANGE(setPDFFile("p.pdf")), true);
        row("price class", CHANGE(setPriceClass(LMPriceClass::create("3"))), true);
        row("spot colour price class", CHANGE(setSpotColorPriceClass(LMPriceClass::create("3"))), true);
        row("preview", CHANGE(setPreviewFile("p")), false);
        row("spot colour file", CHANGE(setSpotColorFile("s")), false);
        row("exclusive source", CHANGE(setExclusiveSourceFile(QFileInfo("s"))), false);
#undef CHANGE
    }

    void uniqueNameInvalidation()
    {
        QFETCH(Change, change);
        QFETCH(bool, invalidates);

        // Without a parent template nobody is told.
        LMTemplateFileInfo aDetached;
        change(aDetached);

        LMTemplate aTemplate(LMJigTypeEnum::Layout);
        aTemplate.setName(QStringLiteral("page"));
        // A copy taken over by another template shares the names until one of them changes.
        LMTemplate anOther(LMJigTypeEnum::Layout);
        anOther.setFileInfo(aTemplate.fileInfo());
        QCOMPARE(anOther.fileInfo().parentTemplate(), &anOther);
        QVERIFY(anOther.fileInfo().sharesNamesWith(aTemplate.fileInfo()));
        QVERIFY(!aTemplate.uniqueName().isEmpty());
        QVERIFY(!anOther.uniqueName().isEmpty());

        change(aTemplate.fileInfo());
        QCOMPARE(aTemplate.isUniqueNameCached(), !invalidates);
        QVERIFY(anOther.isUniqueNameCached());
        QVERIFY(!anOther.fileInfo().sharesNamesWith(aTemplate.fileInfo()));

        // The same value again changes nothing: the name stays cached, the names stay shared.
        anOther.setFileInfo(aTemplate.fileInfo());
        QVERIFY(!aTemplate.uniqueName().isEmpty());
        QVERIFY(!anOther.uniqueName().isEmpty());
        change(anOther.fileInfo());
        QVERIFY(anOther.isUniqueNameCached());
        QVERIFY(anOther.fileInfo().sharesNamesWith(aTemplate.fileInfo()));
    }

    // The wall-decor kinds of templates: their configurations read from template elements, their
    // remove items, jig and layer types, mirrored clones, and the empty answers of other templates.
    void readElement_data()
    {
        // folder: below the temporary folder, the template's base path
        columns<int, QString, QString, QString, QString>("jigType", "xml", "folder", "summary", "warning");
        int aJig = 0;
        QString aClass;
        const auto row = [&](const char* theName, const char* theXml, const char* theSummary,
                             const char* theFolder = "", const char* theWarning = "") {
            QTest::newRow(theName) << aJig << QString::fromUtf8(theXml) << QString::fromUtf8(theFolder)
                                   << (aClass + QString::fromUtf8(theSummary)).trimmed()
                                   << QString::fromUtf8(theWarning);
        };
        aJig = 128;
        aClass = QStringLiteral("LMTemplateFrame ");
        row("wood", "<template material='wood'/>", "frame=2");
        row("upper case, blanks", "<template material=' ALU '/>", "frame=4");
        row("no material is the remove item", "<template/>", "frame=1 remove");
        row("unknown material", "<template material='Holzwürmer'/>", "", "", "unknown frame material");
        row("a list is no material", "<template material='wood,plastic'/>", "", "", "unknown frame material");

        aJig = 512;
        aClass = QStringLiteral("LMTemplateFrameGlass ");
        row("laminated", "<template material='laminated'/>", "glass=1");
        row("glass in capitals", "<template material='GLAS'/>", "glass=2");
        row("glass without material", "<template/>", "remove");
        row("unknown glass", "<template material='Plexiglas'/>", "remove");

        // A passepartout without price class is the remove item whatever its opening.
        aJig = 256;
        aClass = QStringLiteral("LMTemplateFramePassepartout ");
        row("colour and opening", "<template color='#102030' width='300' height='200'/>", "mat=#102030,300x200 remove");
        row("nothing given: white without opening", "<template/>", "remove");
        row("zero width", "<template width='0' height='120'/>", "mat=#ffffff,0x120,empty remove");
        row("smallest opening", "<template width='1' height='1'/>", "mat=#ffffff,1x1 remove");
        row("negative height", "<template width='50' height='-3'/>", "mat=#ffffff,50x-3,empty remove");
        row("malformed values keep the defaults", "<template color='beige-ish' width='12.5' height='x'/>", "remove");

        aJig = 1024;
        aClass = QStringLiteral("LMTemplateWallholder ");
        row("isNull true", "<template isNull='true'/>", "remove");
        row("isNull as 1", "<template isNull='1' diameter='4'/>", "holder=1,4,0,0 remove");
        row("without isNull", "<template diameter='6' distancex='300' distancey='20'/>", "holder=0,6,300,20");
        row("malformed isNull takes the default", "<template isNull='vielleicht'/>", "holder=0,0,0,0");
        row("malformed numbers are 0", "<template diameter='6mm' distancex='' distancey='-5'/>", "holder=0,0,0,-5");

        aJig = 8192;
        aClass = QStringLiteral("LMTemplateVariantTemplate ");
        row("existing picture beside the template",
            "<template surrounding='wohnzimmer.jpg' x='10' y='20' width='300' height='200'/>",
            "area=10,20,300x200 picture=wohnzimmer.jpg");
        row("picture in a subfolder", "<template surrounding='rooms/flur.png'/>", "picture=rooms/flur.png");
        row("missing picture", "<template surrounding='keller.jpg' x='0' y='0' width='5' height='5'/>", "area=0,0,5x5");
        row("picture of another folder", "<template surrounding='flur.png'/>", "remove");
        row("a folder is no picture", "<template surrounding='rooms'/>", "remove");
        row("relative path, relative to the folder only", "<template surrounding='../wohnzimmer.jpg'/>",
            "picture=wohnzimmer.jpg", "rooms");

        // Other templates answer the empty configurations, whatever the element says.
        aJig = 8;
        aClass = QStringLiteral("LMTemplate");
        row("layout", "<template material='glas' isNull='false' width='9' surrounding='wohnzimmer.jpg'/>", "");
    }

    void readElement()
    {
        QFETCH(int, jigType);
        QFETCH(QString, warning);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        const QDir aRoot(QFileInfo(myDir.path()).canonicalFilePath());
        const QString aFolder = aRoot.filePath(fetch<QString>("folder"));
        const std::unique_ptr<LMTemplate> aTemplate
            = templateFromXml(fetch<QString>("xml"), LMJigType::fromInt(jigType), aFolder);
        QTEST(kindSummary(*aTemplate, aRoot), "summary");
        if (jigType != 8)
            QCOMPARE(aTemplate->jigType().value(), jigType);

        const LMFrameMaterial aMaterial = aTemplate->frameMaterial();
        const bool aFrame = jigType == 128;
        QCOMPARE(aTemplate->hasFrame(), aFrame && !aTemplate->isRemoveItem());
        QCOMPARE(aMaterial.intersects(LMFrameMaterial::allMaterials()), aFrame && aMaterial.value() != 0);
        const int aGlass = aTemplate->glassMaterial().value();
        QCOMPARE(aTemplate->hasGlassMaterial(LMFrameGlassMaterialEnum::Glass), aGlass == 2);
        QCOMPARE(aTemplate->hasGlassMaterial(LMFrameGlassMaterial::fromInt(3)), jigType == 512 && aGlass != 0);
        if (jigType != 8)
            QCOMPARE(aTemplate->basicDragAndDropHint().contains(QStringLiteral("entfernen")),
                     aTemplate->isRemoveItem());
        if (jigType == 8192)
            QCOMPARE(qobject_cast<LMTemplateVariantTemplate*>(aTemplate.get())->folderPath(), aFolder);

        // A mirrored copy keeps its class and configuration.
        aTemplate->setName(QStringLiteral("Rahmen Eiche"));
        const std::unique_ptr<LMTemplate> aClone = aTemplate->cloneTemplate(LMMirrorRuleEnum::VerticalAxis);
        QCOMPARE(aClone->name(), QStringLiteral("Rahmen Eiche_vertical"));
        QCOMPARE(kindSummary(*aClone, aRoot), kindSummary(*aTemplate, aRoot));
        QCOMPARE(aClone->templateLayerType(), aTemplate->templateLayerType());
        QCOMPARE(aClone->framePassepartoutConfig(), aTemplate->framePassepartoutConfig());
        QCOMPARE(aClone->wallholderConfig(), aTemplate->wallholderConfig());
        QCOMPARE(aClone->templateVariantConfig(), aTemplate->templateVariantConfig());

        // A wallholder built from the element itself, as the XML readers do it, is the same.
        if (jigType == 1024) {
            QDomDocument aDocument;
            QCOMPARE(LMTemplateWallholder(LMTestSupport::parseXml(aDocument, fetch<QString>("xml"))).wallholderConfig(),
                     aTemplate->wallholderConfig());
        }
    }

    void passepartoutRemoveItem_data()
    {
        columns<QString, bool>("priceClass", "removeItem");
        row("no price class", QString(), true);
        row("01", "01", true);
        row("02", "02", false);
        row("a lettered class", "premium", false);
    }

    void passepartoutRemoveItem()
    {
        QFETCH(bool, removeItem);
        LMTemplateFramePassepartout aTemplate;
        aTemplate.setFramePassepartoutConfig(LMTemplateFramePassepartoutConfig(Qt::gray, QSize(100, 80)));
        aTemplate.setPriceClass(LMPriceClass::create(fetch<QString>("priceClass")));
        QCOMPARE(aTemplate.isRemoveItem(), removeItem);
        QCOMPARE(aTemplate.basicDragAndDropHint().contains(QStringLiteral("entfernen")), removeItem);
    }

    void createByJigType_data()
    {
        columns<int, QString, int>("jigType", "className", "layerType");
        row("frame", 128, "LMTemplateFrame", 256);
        row("passepartout", 256, "LMTemplateFramePassepartout", 2048);
        row("frame glass", 512, "LMTemplateFrameGlass", 4096);
        row("wallholder", 1024, "LMTemplateWallholder", 1024);
        row("variant template, no layer of its own", 8192, "LMTemplateVariantTemplate", 0);
        row("background", 1, "LMTemplate", 0);
        row("frame and passepartout together", 384, "LMTemplate", 0);
    }

    void createByJigType()
    {
        QFETCH(int, jigType);
        const std::unique_ptr<LMTemplate> aTemplate = LMTemplate::create(LMJigType::fromInt(jigType));
        QTEST(QString::fromLatin1(aTemplate->metaObject()->className()), "className");
        QCOMPARE(aTemplate->jigType().value(), jigType);
        QTEST(aTemplate->templateLayerType().value(), "layerType");
    }

    void configurationEquality()
    {
        const LMTemplateFramePassepartoutConfig aMat(Qt::red, QSize(10, 20));
        QCOMPARE(aMat, LMTemplateFramePassepartoutConfig(Qt::red, QSize(10, 20)));
        QVERIFY(aMat != LMTemplateFramePassepartoutConfig(Qt::red, QSize(20, 10)));
        QVERIFY(aMat != LMTemplateFramePassepartoutConfig(Qt::blue, QSize(10, 20)));
        const LMTemplateWallholderConfig aHolder(false, 4, 100, 10);
        QCOMPARE(aHolder, LMTemplateWallholderConfig(false, 4, 100, 10));
        for (const LMTemplateWallholderConfig& anOther :
             { LMTemplateWallholderConfig(true, 4, 100, 10), LMTemplateWallholderConfig(false, 5, 100, 10),
               LMTemplateWallholderConfig(false, 4, 101, 10), LMTemplateWallholderConfig(false, 4, 100, 11) })
            QVERIFY(aHolder != anOther);
        const LMFoto aPicture(QFileInfo(myDir.filePath(QStringLiteral("wohnzimmer.jpg"))));
        const LMTemplateVariantTemplateConfig aVariant(QRect(1, 2, 3, 4), aPicture);
        QCOMPARE(aVariant, LMTemplateVariantTemplateConfig(QRect(1, 2, 3, 4), aPicture));
        QVERIFY(aVariant != LMTemplateVariantTemplateConfig(QRect(1, 2, 3, 4), LMFoto()));
        QVERIFY(aVariant != LMTemplateVariantTemplateConfig(QRect(0, 2, 3, 4), aPicture));
    }

private:
    QTemporaryDir myDir;
    QString myRoot;
};

QTEST_MAIN(TestTemplate)
#include "tst_template.moc"
