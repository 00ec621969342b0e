#include "LMTemplateFramePassepartoutConfig.h"

#include "LMXMLElement.h"
#include "LMXMLParser.h"

#include <QCoreApplication>
#include <QDebug>

namespace {
const QString STR_COLOR = QStringLiteral("color");
} // namespace

LMTemplateFramePassepartoutConfig LMTemplateFramePassepartoutConfig::fromXml(const LMXMLElement& theElement)
{
    const LMTemplateFramePassepartoutConfig aDefault;
    return LMTemplateFramePassepartoutConfig(LMXMLParser::colorAttribute(theElement, STR_COLOR, aDefault.myColor),
                                             LMXMLParser::readSize(theElement, aDefault.myInnerSize));
}

QString LMTemplateFramePassepartoutConfig::basicDragAndDropHint() const
{
    if (isRemoveItem())
        return QCoreApplication::translate("LMTemplateFramePassepartoutConfig",
                                           "Ziehen Sie dieses Element auf das Produkt, um das Passepartout zu "
                                           "entfernen.");
    return QCoreApplication::translate("LMTemplateFramePassepartoutConfig",
                                       "Ziehen Sie dieses Passepartout auf das Produkt. Der Ausschnitt misst %1 x %2.")
        .arg(myInnerSize.width())
        .arg(myInnerSize.height());
}

QDebug operator<<(QDebug theDebug, const LMTemplateFramePassepartoutConfig& theConfig)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTemplateFramePassepartoutConfig(" << theConfig.color().name(QColor::HexArgb) << ", "
                       << theConfig.innerSize() << ')';
    return theDebug;
}
