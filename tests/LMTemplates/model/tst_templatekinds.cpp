#include "LMTemplate.h"
#include "LMTemplateFrame.h"
#include "LMTemplateFrameGlass.h"
#include "LMTemplateFramePassepartout.h"
#include "LMTemplateVariantTemplate.h"
#include "LMTemplateWallholder.h"
#include "LMUnconfiguredTemplate.h"

#include "LMTestSupport.h"

#include <QDomDocument>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {

// The template an XML template element of that jig type gives, owned by the test.
std::unique_ptr<LMTemplate> fromXml(const QString& theXml, const LMJigType& theJigType, const QString& theBasePath)
{
    QDomDocument aDocument;
    if (!aDocument.setContent(theXml))
        qFatal("malformed test element %s", qPrintable(theXml));
    return std::unique_ptr<LMTemplate>(
        LMUnconfiguredTemplate::fromXml(aDocument.documentElement(), theBasePath, theJigType).templatePointer());
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

// The wall-decor kinds of templates: their configurations read from template elements, their
// remove items, jig and layer types, mirrored clones, and the empty answers of other templates.
class TestTemplateKinds : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        LMTestSupport::writeFile(myDir, QStringLiteral("wohnzimmer.jpg"), "jpeg");
        LMTestSupport::writeFile(myDir, QStringLiteral("rooms/flur.png"), "png");
    }

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
        row("aluminium, other spelling", "<template material='alu'/>", "frame=4");
        row("upper case, blanks", "<template material=' ALU '/>", "frame=4");
        row("no material is the remove item", "<template/>", "frame=1 remove");
        row("none", "<template material='none'/>", "frame=1 remove");
        row("unknown material", "<template material='Holzwürmer'/>", "", "", "unknown frame material");
        row("a list is no material", "<template material='wood,plastic'/>", "", "", "unknown frame material");

        aJig = 512;
        aClass = QStringLiteral("LMTemplateFrameGlass ");
        row("laminated", "<template material='laminated'/>", "glass=1");
        row("glass", "<template material='glas'/>", "glass=2");
        row("glass in capitals", "<template material='GLAS'/>", "glass=2");
        row("glass without material", "<template/>", "remove");
        row("glass none", "<template material='none'/>", "remove");
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
        const QString aFolder = aRoot.filePath(LMTestSupport::fetch<QString>("folder"));
        const std::unique_ptr<LMTemplate> aTemplate
            = fromXml(LMTestSupport::fetch<QString>("xml"), LMJigType::fromInt(jigType), aFolder);
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
            QVERIFY(aDocument.setContent(LMTestSupport::fetch<QString>("xml")));
            QCOMPARE(LMTemplateWallholder(aDocument.documentElement()).wallholderConfig(),
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
        aTemplate.setPriceClass(LMPriceClass::create(LMTestSupport::fetch<QString>("priceClass")));
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
};

QTEST_MAIN(TestTemplateKinds)
#include "tst_templatekinds.moc"
