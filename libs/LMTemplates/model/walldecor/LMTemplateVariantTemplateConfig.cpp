#include "LMTemplateVariantTemplateConfig.h"

#include "LMXMLElement.h"
#include "LMXMLParser.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace {
const QString STR_SURROUNDING = QStringLiteral("surrounding");
} // namespace

LMTemplateVariantTemplateConfig LMTemplateVariantTemplateConfig::fromXml(const LMXMLElement& theElement,
                                                                         const QString& theFolderPath)
{
    const QRect anArea = LMXMLParser::readRect(theElement);
    LMFoto aSurrounding;
    const QString aFileName = LMXMLParser::attribute(theElement, STR_SURROUNDING);
    if (!aFileName.isEmpty()) {
        // An empty folder means the current directory, as for every relative path.
        const QFileInfo aFile(QDir(theFolderPath).filePath(aFileName));
        if (aFile.isFile())
            aSurrounding = LMFoto(aFile);
    }
    return LMTemplateVariantTemplateConfig(anArea, aSurrounding);
}

QString LMTemplateVariantTemplateConfig::basicDragAndDropHint() const
{
    if (isRemoveItem())
        return QCoreApplication::translate("LMTemplateVariantTemplateConfig",
                                           "Ziehen Sie dieses Element auf das Produkt, um die Ansicht zu entfernen.");
    return QCoreApplication::translate("LMTemplateVariantTemplateConfig",
                                       "Ziehen Sie diese Ansicht auf das Produkt, um es in seiner Umgebung zu "
                                       "sehen.");
}

QDebug operator<<(QDebug theDebug, const LMTemplateVariantTemplateConfig& theConfig)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTemplateVariantTemplateConfig(" << theConfig.editableArea() << ", "
                       << theConfig.surrounding() << ')';
    return theDebug;
}
