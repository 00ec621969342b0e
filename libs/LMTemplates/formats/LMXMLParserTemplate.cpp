#include "LMXMLParserTemplate.h"

#include "LMTemplateAreaDefinition.h"
#include "LMTemplateAreaDefinitionFactory.h"
#include "LMTemplatesLogging.h"
#include "LMXMLElement.h"
#include "LMXMLParser.h"

#include <QDomElement>
#include <QHash>
#include <QRectF>

namespace {
const QString STR_TYPE = QStringLiteral("type");
const QString STR_BACKGROUND_TYPE = QStringLiteral("backgroundType");
const QString STR_CONTENT_1 = QStringLiteral("content-1");
const QString STR_ALIGN = QStringLiteral("align");
const QString STR_ANYWHERE = QStringLiteral("anywhere");
const QString STR_COVER = QStringLiteral("cover");
const QString STR_SINGLE_PAGE = QStringLiteral("singlepage");
const QString STR_DOUBLE_PAGE = QStringLiteral("doublepage");
const QString STR_ORIENTATION = QStringLiteral("orientation");
const QString STR_CATEGORY = QStringLiteral("category");
const QString STR_HINTERGRUND = QStringLiteral("hintergrund");
const QString STR_CALENDARIUM = QStringLiteral("calendarium");
const QString STR_TOTAL = QStringLiteral("total");
const QString STR_SMART_LAYOUT = QStringLiteral("smartLayout");

const QHash<QString, LMTemplateLayerTypeEnum>& contentTypeTable()
{
    using E = LMTemplateLayerTypeEnum;
    static const QHash<QString, E> ourTable = {
        { QStringLiteral("content-background"), E::Background },
        { QStringLiteral("foreground-mask"), E::ForegroundMask },
        { QStringLiteral("background-mask"), E::BackgroundMask },
        { QStringLiteral("content-0"), E::Content0 },
        { QStringLiteral("content-1"), E::Content1 },
        { QStringLiteral("content-2"), E::Content2 },
        { QStringLiteral("content-3"), E::Content3 },
        { QStringLiteral("content-4"), E::Content4 },
        { QStringLiteral("frame"), E::Frame },
        { QStringLiteral("wallholder"), E::Wallholder },
        { QStringLiteral("passepartout"), E::Passepartout },
        { QStringLiteral("glas"), E::FrameGlass },
        { QStringLiteral("variant_template"), E::Variant },
    };
    return ourTable;
}

const QHash<QString, LMAreaPositioningConstraintEnum>& positioningTable()
{
    using E = LMAreaPositioningConstraintEnum;
    static const QHash<QString, E> ourTable = {
        { QStringLiteral("nowhere"), E::Nowhere }, { QStringLiteral("leftpage"), E::LeftPage },
        { QStringLiteral("left"), E::LeftPage },   { QStringLiteral("rightpage"), E::RightPage },
        { QStringLiteral("right"), E::RightPage }, { QStringLiteral("spinepage"), E::SpinePage },
        { QStringLiteral("spine"), E::SpinePage }, { QStringLiteral("anywhere"), E::Anywhere },
    };
    return ourTable;
}

bool hasSize(const LMXMLElement& theElement)
{
    return theElement.hasAttribute(LMXMLParser::WORD_WIDTH) && theElement.hasAttribute(LMXMLParser::WORD_HEIGHT);
}

LMOrientation orientationOfSize(const QSize& theSize)
{
    if (theSize.width() > theSize.height())
        return LMOrientationEnum::Landscape;
    if (theSize.width() < theSize.height())
        return LMOrientationEnum::Portrait;
    return LMOrientationEnum::Square;
}
} // namespace

LMTemplateLayerType LMXMLParserTemplate::contentType(const QString& theText)
{
    return contentTypeTable().value(theText.trimmed().toLower(), LMTemplateLayerTypeEnum::Background);
}

LMTemplateLayerType LMXMLParserTemplate::templateContentType(const LMXMLElement& theElement)
{
    return contentType(LMXMLParser::attribute(theElement, STR_TYPE, STR_CONTENT_1));
}

LMTemplateLayerType LMXMLParserTemplate::backgroundType(const LMXMLElement& theElement)
{
    return contentType(LMXMLParser::attribute(theElement, STR_BACKGROUND_TYPE));
}

LMAreaPositioningConstraint LMXMLParserTemplate::positioningConstraint(const QString& theText)
{
    return positioningTable().value(theText.trimmed().toLower(), LMAreaPositioningConstraintEnum::Anywhere);
}

LMAreaPositioningConstraint LMXMLParserTemplate::pageAligment(const LMXMLElement& theElement)
{
    return positioningConstraint(LMXMLParser::attribute(theElement, STR_ALIGN, STR_ANYWHERE));
}

bool LMXMLParserTemplate::isCover(const LMXMLElement& theElement)
{
    return theElement.attribute(STR_ALIGN).toLower().startsWith(STR_COVER);
}

LMTemplateImageSize LMXMLParserTemplate::templateImageSize(const QString& theText)
{
    const QString aText = theText.trimmed().toLower();
    if (aText == STR_DOUBLE_PAGE)
        return LMTemplateImageSizeEnum::DoublePage;
    return LMTemplateImageSizeEnum::SinglePage;
}

LMPriceClass LMXMLParserTemplate::templatePriceClass(const LMXMLElement& theElement, const LMPriceClass& theDefault)
{
    if (theElement.isNull())
        return theDefault;
    return LMPriceClass::create(theElement.text());
}

LMMirrorRule LMXMLParserTemplate::readMirrorRule(const LMXMLElement& theElement)
{
    if (!readTotalSize(theElement).isValid())
        return LMMirrorRule();
    return LMMirrorRule::fromXml(theElement);
}

LMOrientation LMXMLParserTemplate::readOrientation(const LMXMLElement& theElement)
{
    const QString aText = theElement.attribute(STR_ORIENTATION).trimmed().toLower();
    if (!aText.isEmpty()) {
        const LMOrientation anOrientation(aText);
        return anOrientation.value() == 0 ? LMOrientation(LMOrientationEnum::All) : anOrientation;
    }
    const QSize aSize = readTotalSize(theElement);
    const QString aCategory = theElement.attribute(STR_CATEGORY).toLower();
    if (aSize.isValid() && aCategory != STR_HINTERGRUND && aCategory != STR_CALENDARIUM)
        return orientationOfSize(aSize);
    return LMOrientationEnum::All;
}

QSize LMXMLParserTemplate::readTotalSize(const LMXMLElement& theElement)
{
    if (hasSize(theElement))
        return LMXMLParser::readSize(theElement);
    const LMXMLElement aTotal = theElement.firstChildElement(STR_TOTAL);
    if (hasSize(aTotal))
        return LMXMLParser::readSize(aTotal);
    return QSize();
}

namespace {

// The name of the template a layout element belongs to (version 1: the element itself).
QString templateNameOf(const LMXMLElement& theLayoutElement)
{
    const QString aName = theLayoutElement.attribute(QStringLiteral("name"));
    return aName.isEmpty() ? theLayoutElement.parentElement().attribute(QStringLiteral("name")) : aName;
}

// Geometry the reader takes as written, but that no author means: said, not repaired.
void warnOfUnusableGeometry(const LMXMLElement& theArea, const LMXMLElement& theLayoutElement, const QSize& thePage)
{
    const QRectF aRect = LMXMLParser::readRectF(theArea, QRectF());
    QString aProblem;
    if (aRect.width() < 0 || aRect.height() < 0)
        aProblem = QStringLiteral("has a negative size");
    else if (aRect.width() > 0 && aRect.height() > 0 && !QRectF(QPointF(0, 0), QSizeF(thePage)).intersects(aRect))
        aProblem = QStringLiteral("lies outside its page of %1 x %2").arg(thePage.width()).arg(thePage.height());
    if (!aProblem.isEmpty())
        qCWarning(lcFormats).noquote() << QStringLiteral("<%1> at (%2, %3, %4 x %5) of layout \"%6\" %7")
                                              .arg(theArea.tagName())
                                              .arg(aRect.x())
                                              .arg(aRect.y())
                                              .arg(aRect.width())
                                              .arg(aRect.height())
                                              .arg(templateNameOf(theLayoutElement), aProblem);
}

} // namespace

LMTemplateAreaDefinitionList LMXMLParserTemplate::readAreas(const LMXMLElement& theLayoutElement,
                                                            const QString& theBasePath, int theFix)
{
    LMTemplateAreaDefinitionList aList;
    const QSize aTotalSize = readTotalSize(theLayoutElement);
    // A layout narrower or lower than one unit cannot place anything.
    if (!aTotalSize.isValid() || aTotalSize.width() < 1 || aTotalSize.height() < 1) {
        // Only a layout that has areas to lose is worth a word (backgrounds have none).
        const LMXMLElement aFirst = theLayoutElement.firstChildElement();
        if (!aFirst.isNull() && !(aFirst.tagName() == STR_TOTAL && aFirst.nextSiblingElement().isNull()))
            qCWarning(lcFormats).noquote()
                << QStringLiteral("layout \"%1\" has no usable page size (%2 x %3): its areas are left out")
                       .arg(templateNameOf(theLayoutElement))
                       .arg(aTotalSize.width())
                       .arg(aTotalSize.height());
        return aList;
    }
    for (LMXMLElement aChild = theLayoutElement.firstChildElement(); !aChild.isNull();
         aChild = aChild.nextSiblingElement()) {
        // The smart-layout settings of a version-2 layout are read by the template reader.
        if (aChild.tagName() == STR_SMART_LAYOUT)
            continue;
        std::unique_ptr<LMTemplateAreaDefinition> anArea = createAreaDefinition(aChild, aTotalSize, theBasePath);
        if (!anArea)
            continue;
        warnOfUnusableGeometry(aChild, theLayoutElement, aTotalSize);
        if (theFix & FixPosition)
            anArea->fixLegacyTemplates(aTotalSize, (theFix & FixRotation) != 0);
        aList.append(std::move(anArea));
        aList.setValid(true);
    }
    return aList;
}

std::unique_ptr<LMTemplateAreaDefinition> LMXMLParserTemplate::createAreaDefinition(const LMXMLElement& theElement,
                                                                                    const QSize& theTotalSize,
                                                                                    const QString& theBasePath)
{
    return LMTemplateAreaDefinitionFactory::create(theElement, QSizeF(theTotalSize), theBasePath);
}
