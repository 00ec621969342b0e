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
using LMTestSupport::row;

namespace {

// The template an XML template element of that jig type gives, owned by the test.
std::unique_ptr<LMTemplate> fromXml(const QString& theXml, const LMJigType& theJigType,
                                    const QString& theBasePath = QString())
{
    QDomDocument aDocument;
    if (!aDocument.setContent(theXml))
        qFatal("malformed test element %s", qPrintable(theXml));
    return std::unique_ptr<LMTemplate>(
        LMUnconfiguredTemplate::fromXml(aDocument.documentElement(), theBasePath, theJigType).templatePointer());
}

QDomNamedNodeMap attributes(QDomDocument& theDocument, const QString& theXml)
{
    if (!theDocument.setContent(theXml))
        qFatal("malformed test element %s", qPrintable(theXml));
    return theDocument.documentElement().attributes();
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

    void frame_data()
    {
        columns<QString, int, bool, QString>("xml", "material", "removeItem", "warning");

        const int aWood = int(LMFrameMaterialEnum::Wood);
        const int anAluminium = int(LMFrameMaterialEnum::Aluminium);
        const int aRemove = int(LMFrameMaterialEnum::Remove);
        row("wood", "<template material='wood'/>", aWood, false, "");
        row("aluminium, other spelling", "<template material='alu'/>", anAluminium, false, "");
        row("upper case, blanks", "<template material=' ALU '/>", anAluminium, false, "");
        row("no material is the remove item", "<template/>", aRemove, true, "");
        row("none", "<template material='none'/>", aRemove, true, "");
        row("unknown material", "<template material='Holzwürmer'/>", 0, false, "unknown frame material");
        row("a list is no material", "<template material='wood,plastic'/>", 0, false, "unknown frame material");
    }

    void frame()
    {
        QFETCH(QString, xml);
        QFETCH(int, material);
        QFETCH(bool, removeItem);
        QFETCH(QString, warning);

        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
        const std::unique_ptr<LMTemplate> aTemplate = fromXml(xml, LMJigTypeEnum::Frame);
        QVERIFY(qobject_cast<LMTemplateFrame*>(aTemplate.get()));
        QCOMPARE(aTemplate->frameMaterial().value(), material);
        QCOMPARE(aTemplate->isRemoveItem(), removeItem);
        QCOMPARE(aTemplate->hasFrame(), !removeItem);
        // A filter that takes every material accepts every known one, the remove item too.
        QCOMPARE(aTemplate->frameMaterial().intersects(LMFrameMaterial::allMaterials()), material != 0);
        QCOMPARE(aTemplate->basicDragAndDropHint().contains(QStringLiteral("entfernen")), removeItem);
    }

    void frameGlass_data()
    {
        columns<QString, int, bool>("xml", "material", "removeItem");

        row("laminated", "<template material='laminated'/>", 1, false);
        row("glass", "<template material='glas'/>", 2, false);
        row("capital letters", "<template material='GLAS'/>", 2, false);
        row("without material", "<template/>", 0, true);
        row("none", "<template material='none'/>", 0, true);
        row("unknown word", "<template material='Plexiglas'/>", 0, true);
    }

    void frameGlass()
    {
        QFETCH(QString, xml);
        QFETCH(int, material);
        QFETCH(bool, removeItem);

        const std::unique_ptr<LMTemplate> aTemplate = fromXml(xml, LMJigTypeEnum::FrameGlass);
        QVERIFY(qobject_cast<LMTemplateFrameGlass*>(aTemplate.get()));
        QCOMPARE(aTemplate->glassMaterial().value(), material);
        QCOMPARE(aTemplate->isRemoveItem(), removeItem);
        QCOMPARE(aTemplate->hasGlassMaterial(LMFrameGlassMaterialEnum::Glass), material == 2);
        QCOMPARE(aTemplate->hasGlassMaterial(LMFrameGlassMaterial::fromInt(3)), material != 0);
        QCOMPARE(aTemplate->basicDragAndDropHint().contains(QStringLiteral("entfernen")), removeItem);
    }

    void passepartoutConfig_data()
    {
        columns<QString, QColor, QSize, bool>("xml", "color", "innerSize", "empty");

        row("colour and opening", "<template color='#102030' width='300' height='200'/>", QColor(0x10, 0x20, 0x30),
            QSize(300, 200), false);
        row("nothing given: white without opening", "<template/>", QColor(Qt::white), QSize(-1, -1), true);
        row("zero width", "<template width='0' height='120'/>", QColor(Qt::white), QSize(0, 120), true);
        row("smallest opening", "<template width='1' height='1'/>", QColor(Qt::white), QSize(1, 1), false);
        row("negative height", "<template width='50' height='-3'/>", QColor(Qt::white), QSize(50, -3), true);
        row("malformed values keep the defaults", "<template color='beige-ish' width='12.5' height='x'/>",
            QColor(Qt::white), QSize(-1, -1), true);
    }

    void passepartoutConfig()
    {
        QFETCH(QString, xml);
        QFETCH(QColor, color);
        QFETCH(QSize, innerSize);

        QDomDocument aDocument;
        const LMTemplateFramePassepartoutConfig aConfig
            = LMTemplateFramePassepartoutConfig::fromXml(attributes(aDocument, xml));
        QCOMPARE(aConfig.color(), color);
        QCOMPARE(aConfig.innerSize(), innerSize);
        QTEST(aConfig.isEmpty(), "empty");

        const std::unique_ptr<LMTemplate> aTemplate = fromXml(xml, LMJigTypeEnum::Passepartout);
        QVERIFY(qobject_cast<LMTemplateFramePassepartout*>(aTemplate.get()));
        QCOMPARE(aTemplate->framePassepartoutConfig(), aConfig);
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
        QFETCH(QString, priceClass);
        QFETCH(bool, removeItem);

        LMTemplateFramePassepartout aTemplate;
        aTemplate.setFramePassepartoutConfig(LMTemplateFramePassepartoutConfig(Qt::gray, QSize(100, 80)));
        aTemplate.setPriceClass(LMPriceClass::create(priceClass));
        QCOMPARE(aTemplate.isRemoveItem(), removeItem);
        QCOMPARE(aTemplate.basicDragAndDropHint().contains(QStringLiteral("entfernen")), removeItem);
    }

    void wallholder_data()
    {
        columns<QString, bool, int, int, int>("xml", "removeItem", "diameter", "distanceX", "distanceY");

        row("isNull true", "<template isNull='true'/>", true, 0, 0, 0);
        row("isNull as 1", "<template isNull='1' diameter='4'/>", true, 4, 0, 0);
        row("without isNull", "<template diameter='6' distancex='300' distancey='20'/>", false, 6, 300, 20);
        row("malformed isNull takes the default", "<template isNull='vielleicht'/>", false, 0, 0, 0);
        row("malformed numbers are 0", "<template diameter='6mm' distancex='' distancey='-5'/>", false, 0, 0, -5);
        row("no attributes at all", "<template/>", false, 0, 0, 0);
    }

    void wallholder()
    {
        QFETCH(QString, xml);
        QFETCH(bool, removeItem);
        QFETCH(int, diameter);
        QFETCH(int, distanceX);
        QFETCH(int, distanceY);

        // Built from the element itself, as the XML readers do it.
        QDomDocument aDocument;
        QVERIFY(aDocument.setContent(xml));
        const LMTemplateWallholder aTemplate(aDocument.documentElement());
        const LMTemplateWallholderConfig aConfig = aTemplate.wallholderConfig();
        QCOMPARE(aConfig.isRemoveItem(), removeItem);
        QCOMPARE(aConfig.isNull(), removeItem);
        QCOMPARE(aConfig.diameter(), diameter);
        QCOMPARE(aConfig.distanceX(), distanceX);
        QCOMPARE(aConfig.distanceY(), distanceY);
        QCOMPARE(aTemplate.isRemoveItem(), removeItem);
        QCOMPARE(aTemplate.basicDragAndDropHint().contains(QStringLiteral("entfernen")), removeItem);

        const std::unique_ptr<LMTemplate> aRead = fromXml(xml, LMJigTypeEnum::Wallholder);
        QVERIFY(qobject_cast<LMTemplateWallholder*>(aRead.get()));
        QCOMPARE(aRead->wallholderConfig(), aConfig);
    }

    void variantTemplate_data()
    {
        columns<QString, QString, QString, QRect, bool>("xml", "folder", "surrounding", "editableArea", "removeItem");

        const QString aRoot = myDir.path();
        row("existing picture beside the template",
            "<template surrounding='wohnzimmer.jpg' x='10' y='20' width='300' height='200'/>", aRoot, "wohnzimmer.jpg",
            QRect(10, 20, 300, 200), false);
        row("picture in a subfolder", "<template surrounding='rooms/flur.png'/>", aRoot, "rooms/flur.png", QRect(),
            false);
        row("missing picture", "<template surrounding='keller.jpg' x='0' y='0' width='5' height='5'/>", aRoot,
            QString(), QRect(0, 0, 5, 5), false);
        row("picture of another folder", "<template surrounding='flur.png'/>", aRoot, QString(), QRect(), true);
        row("a folder is no picture", "<template surrounding='rooms'/>", aRoot, QString(), QRect(), true);
        row("nothing given", "<template/>", aRoot, QString(), QRect(), true);
        row("relative path, relative to the folder only", "<template surrounding='../wohnzimmer.jpg'/>",
            aRoot + QStringLiteral("/rooms"), "wohnzimmer.jpg", QRect(), false);
    }

    void variantTemplate()
    {
        QFETCH(QString, xml);
        QFETCH(QString, folder);
        QFETCH(QString, surrounding);
        QFETCH(QRect, editableArea);

        const std::unique_ptr<LMTemplate> aTemplate = fromXml(xml, LMJigTypeEnum::VariantTemplate, folder);
        auto* aVariant = qobject_cast<LMTemplateVariantTemplate*>(aTemplate.get());
        QVERIFY(aVariant);
        QCOMPARE(aVariant->folderPath(), folder);
        const LMTemplateVariantTemplateConfig aConfig = aTemplate->templateVariantConfig();
        QCOMPARE(aConfig.editableArea(), editableArea);
        if (surrounding.isEmpty()) {
            QVERIFY(!aConfig.surrounding().isValid());
        } else {
            QVERIFY(aConfig.surrounding().isLocalFile());
            QCOMPARE(QFileInfo(aConfig.surrounding().localFilePath()).canonicalFilePath(),
                     QFileInfo(myDir.filePath(surrounding)).canonicalFilePath());
        }
        QTEST(aTemplate->isRemoveItem(), "removeItem");
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
        row("unknown", 0, "LMTemplate", 0);
        row("frame and passepartout together", 384, "LMTemplate", 0);
    }

    void createByJigType()
    {
        QFETCH(int, jigType);
        QFETCH(QString, className);

        const std::unique_ptr<LMTemplate> aTemplate = LMTemplate::create(LMJigType::fromInt(jigType));
        QVERIFY(aTemplate);
        QCOMPARE(QString::fromLatin1(aTemplate->metaObject()->className()), className);
        QCOMPARE(aTemplate->jigType().value(), jigType);
        QTEST(aTemplate->templateLayerType().value(), "layerType");
    }

    void cloneKeepsClassAndConfiguration_data()
    {
        columns<QString, int>("xml", "jigType");

        row("frame", "<template material='plastic'/>", 128);
        row("frame glass", "<template material='laminated'/>", 512);
        row("passepartout", "<template color='#aabbcc' width='40' height='30'/>", 256);
        row("wallholder", "<template isNull='true' diameter='3' distancex='7' distancey='9'/>", 1024);
        row("variant template", "<template surrounding='wohnzimmer.jpg' x='1' y='2' width='3' height='4'/>", 8192);
    }

    void cloneKeepsClassAndConfiguration()
    {
        QFETCH(QString, xml);
        QFETCH(int, jigType);

        const std::unique_ptr<LMTemplate> aSource = fromXml(xml, LMJigType::fromInt(jigType), myDir.path());
        aSource->setName(QStringLiteral("Rahmen Eiche"));
        aSource->setPriceClass(LMPriceClass::create(QStringLiteral("03")));

        const std::unique_ptr<LMTemplate> aClone = aSource->cloneTemplate(LMMirrorRuleEnum::VerticalAxis);
        QCOMPARE(aClone->metaObject(), aSource->metaObject());
        QCOMPARE(aClone->jigType(), aSource->jigType());
        QCOMPARE(aClone->templateLayerType(), aSource->templateLayerType());
        QCOMPARE(aClone->name(), QStringLiteral("Rahmen Eiche_vertical"));
        QCOMPARE(aClone->isRemoveItem(), aSource->isRemoveItem());
        QCOMPARE(aClone->frameMaterial(), aSource->frameMaterial());
        QCOMPARE(aClone->glassMaterial(), aSource->glassMaterial());
        QCOMPARE(aClone->framePassepartoutConfig(), aSource->framePassepartoutConfig());
        QCOMPARE(aClone->wallholderConfig(), aSource->wallholderConfig());
        QCOMPARE(aClone->templateVariantConfig(), aSource->templateVariantConfig());
    }

    void otherTemplatesAnswerEmpty()
    {
        LMTemplate aLayout(LMJigTypeEnum::Layout);
        QVERIFY(!aLayout.hasFrame());
        QVERIFY(!aLayout.frameMaterial().isValid());
        QVERIFY(!aLayout.glassMaterial().isValid());
        QVERIFY(!aLayout.hasGlassMaterial(LMFrameGlassMaterial::fromInt(3)));
        QCOMPARE(aLayout.framePassepartoutConfig(), LMTemplateFramePassepartoutConfig());
        QVERIFY(aLayout.wallholderConfig().isRemoveItem());
        QCOMPARE(aLayout.templateVariantConfig(), LMTemplateVariantTemplateConfig());

        // Reading attributes leaves a plain template as it is.
        QDomDocument aDocument;
        aLayout.readAttributes(attributes(aDocument, "<template material='glas' isNull='false' width='9'/>"));
        QVERIFY(!aLayout.glassMaterial().isValid());
        QVERIFY(aLayout.wallholderConfig().isRemoveItem());
        QVERIFY(aLayout.framePassepartoutConfig().isEmpty());

        // Every kind answers only its own question.
        const LMTemplateFrameGlass aGlass;
        QVERIFY(!aGlass.hasFrame());
        QVERIFY(aGlass.wallholderConfig().isRemoveItem());
    }

    void configurationEquality()
    {
        const LMTemplateFramePassepartoutConfig aMat(Qt::red, QSize(10, 20));
        QCOMPARE(aMat, LMTemplateFramePassepartoutConfig(Qt::red, QSize(10, 20)));
        QVERIFY(aMat != LMTemplateFramePassepartoutConfig(Qt::red, QSize(20, 10)));
        QVERIFY(aMat != LMTemplateFramePassepartoutConfig(Qt::blue, QSize(10, 20)));

        const LMTemplateWallholderConfig aHolder(false, 4, 100, 10);
        QCOMPARE(aHolder, LMTemplateWallholderConfig(false, 4, 100, 10));
        QVERIFY(aHolder != LMTemplateWallholderConfig(true, 4, 100, 10));
        QVERIFY(aHolder != LMTemplateWallholderConfig(false, 4, 100, 11));
        QVERIFY(LMTemplateWallholderConfig().isNull());
        QVERIFY(!aHolder.isRemoveItem());

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
