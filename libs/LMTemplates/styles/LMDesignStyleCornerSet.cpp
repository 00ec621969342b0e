#include "LMDesignStyleCornerSet.h"

#include "LMDesignStyleXml.h"
#include "LMXMLParser.h"

#include <QDomElement>
#include <QStringList>

namespace {
const QString STR_CORNER = QStringLiteral("corner");
const QString STR_POSITION = QStringLiteral("position");
const QString STR_SHAPE = QStringLiteral("shape");
const QString STR_LENGTH = QStringLiteral("length");
} // namespace

LMDesignStyleCornerSet::LMDesignStyleCornerSet(const QDomElement& theElement)
{
    for (QDomElement aChild = theElement.firstChildElement(STR_CORNER); !aChild.isNull();
         aChild = aChild.nextSiblingElement(STR_CORNER)) {
        // Whole millimetres in the file, document units here; setCorner ignores a null length.
        const int aLength = LMXMLParser::intAttribute(aChild, STR_LENGTH, 0);
        myCornersConfig.setCorner(LMCorner(aChild.attribute(STR_POSITION)), LMCornerShape(aChild.attribute(STR_SHAPE)),
                                  LMDistance(10.0 * aLength));
    }
}

size_t LMDesignStyleCornerSet::hash() const
{
    // Lengths compare within a tolerance: only the corners and their shapes enter the hash.
    size_t aHash = 0;
    for (const LMCorner& aCorner : myCornersConfig.corners())
        aHash = qHashMulti(aHash, aCorner, myCornersConfig.corner(aCorner).shape);
    return aHash;
}

void LMDesignStyleCornerSet::buildXML(QDomElement& theElement) const
{
    QDomDocument aDocument = theElement.ownerDocument();
    for (const LMCorner& aCorner : myCornersConfig.corners()) {
        const LMCornersConfiguration::Corner aValue = myCornersConfig.corner(aCorner);
        QDomElement aChild = aDocument.createElement(STR_CORNER);
        aChild.setAttribute(STR_POSITION, LMDesignStyleXml::wordsOf(aCorner));
        aChild.setAttribute(STR_SHAPE, LMDesignStyleXml::wordsOf(aValue.shape));
        aChild.setAttribute(STR_LENGTH, qRound(aValue.length.toUnits() / 10.0));
        theElement.appendChild(aChild);
    }
}

QString LMDesignStyleCornerSet::toDebugString() const
{
    if (!isValid())
        return QStringLiteral("        Corner Set: skip");
    QStringList aLines { QStringLiteral("        Corner Set:") };
    for (const LMCorner& aCorner : myCornersConfig.corners()) {
        const LMCornersConfiguration::Corner aValue = myCornersConfig.corner(aCorner);
        aLines << QStringLiteral("          %1: %2, %3 mm")
                      .arg(LMDesignStyleXml::wordsOf(aCorner), LMDesignStyleXml::wordsOf(aValue.shape),
                           LMDesignStyleXml::millimetres(aValue.length));
    }
    return aLines.join(QLatin1Char('\n'));
}
