#include "LMOsmMapStyleRegistry.h"

#include "LMDirectoryConfig.h"
#include "LMSingletonDefinition.h"
#include "LMXMLLoader.h"

#include <QDomElement>
#include <QFileInfo>

LM_DEFINE_SINGLETON(LMOsmMapStyleRegistry)

namespace {
const QString STR_PINS = QStringLiteral("pins");
const QString STR_PIN_CLIPART = QStringLiteral("pinClipart");
const QString STR_PIN_DECORATION_FRAME = QStringLiteral("pinDecorationFrame");
const QString STR_NAME = QStringLiteral("name");

QStringList namesOf(const QDomElement& thePins, const QString& theTagName)
{
    QStringList aNames;
    for (QDomElement anElement = thePins.firstChildElement(theTagName); !anElement.isNull();
         anElement = anElement.nextSiblingElement(theTagName)) {
        const QString aName = anElement.attribute(STR_NAME).trimmed();
        if (!aName.isEmpty())
            aNames.append(aName);
    }
    return aNames;
}
} // namespace

LMOsmMapStyleRegistry::LMOsmMapStyleRegistry()
{
    const QFileInfo aFile(configFile());
    // Without a configuration there are no pins; the decoration registry reports that.
    if (!aFile.exists())
        return;
    const QDomElement aPins = LMXMLLoader::loadDocumentElement(aFile).firstChildElement(STR_PINS);
    myPinClipartNames = namesOf(aPins, STR_PIN_CLIPART);
    myPinDecorationFrameNames = namesOf(aPins, STR_PIN_DECORATION_FRAME);
}

QString LMOsmMapStyleRegistry::configFile()
{
    return LMDirectoryConfig::instance()->contentPath(QStringLiteral("osm_config/osm_config.xml"));
}
