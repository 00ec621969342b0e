#include "LMTemplateBackgroundDefinition.h"

#include "LMTemplatesLogging.h"
#include "LMXMLElement.h"
#include "LMXMLParser.h"

#include <QDomNamedNodeMap>
#include <QRegularExpression>

namespace {
const QString STR_MULTICOLOR_ID = QStringLiteral("multicolor_id");
const QString STR_FILENAME = QStringLiteral("filename");
const QString STR_SPOT_COLOR_PRODUCTION_ID = QStringLiteral("spotColorProductionId");
const QString STR_BACKGROUND_DESIGN_ELEMENT_IDS = QStringLiteral("backgroundDesignElementIds");
} // namespace

class LMTemplateBackgroundDefinitionImpl : public QSharedData
{
public:
    QString myFileName;
    // The id the file name gives; the background id unless the definition is a colour variant.
    LMDesignElementID myFileBackgroundId;
    LMDesignElementID myBackgroundId;
    LMDesignElementID myMultiColorId;
    LMMultiColorConfig myMultiColorConfig;
    LMDesignElementID mySpotColorId;
    QList<LMDesignElementID> myBackgroundIds;
    bool mySuitableForMultiColor = false;
    bool mySpotColorMask = false;
    int myHashKey = 0;
};

namespace {
bool isMultiColor(const LMTemplateBackgroundDefinitionImpl& theImpl)
{
    return theImpl.myMultiColorId.isValid() && theImpl.myMultiColorConfig.isValid();
}

// The derived fields: the id in use and the hash key.
void refresh(LMTemplateBackgroundDefinitionImpl& theImpl)
{
    theImpl.myBackgroundId = isMultiColor(theImpl) ? theImpl.myMultiColorId : theImpl.myFileBackgroundId;
    theImpl.myHashKey
        = theImpl.myMultiColorConfig.hue() * 1000 + theImpl.myMultiColorConfig.fading() + theImpl.myBackgroundId.id();
}

// Most templates keep the empty definition: they share one.
const QSharedDataPointer<LMTemplateBackgroundDefinitionImpl>& sharedEmpty()
{
    static const QSharedDataPointer<LMTemplateBackgroundDefinitionImpl> ourEmpty = [] {
        QSharedDataPointer<LMTemplateBackgroundDefinitionImpl> anEmpty(new LMTemplateBackgroundDefinitionImpl);
        refresh(*anEmpty);
        return anEmpty;
    }();
    return ourEmpty;
}
} // namespace

LMTemplateBackgroundDefinition::LMTemplateBackgroundDefinition() : myImpl(sharedEmpty()) { }

LMTemplateBackgroundDefinition::LMTemplateBackgroundDefinition(const LMTemplateBackgroundDefinition& theOther)
    = default;
LMTemplateBackgroundDefinition::LMTemplateBackgroundDefinition(
    LMTemplateBackgroundDefinition&& theOther) noexcept = default;
LMTemplateBackgroundDefinition&
LMTemplateBackgroundDefinition::operator=(const LMTemplateBackgroundDefinition& theOther)
    = default;
LMTemplateBackgroundDefinition::~LMTemplateBackgroundDefinition() = default;

LMTemplateBackgroundDefinition LMTemplateBackgroundDefinition::fromXml(const LMXMLElement& theElement)
{
    LMTemplateBackgroundDefinition aDefinition;
    LMTemplateBackgroundDefinitionImpl* anImpl = aDefinition.myImpl.data();
    anImpl->myMultiColorId = LMDesignElementID(LMXMLParser::intAttribute(theElement, STR_MULTICOLOR_ID, 0));
    anImpl->myFileName = LMXMLParser::attribute(theElement, STR_FILENAME);
    anImpl->myFileBackgroundId = detectBackgroundId(anImpl->myFileName);
    anImpl->mySpotColorId = LMDesignElementID(LMXMLParser::intAttribute(theElement, STR_SPOT_COLOR_PRODUCTION_ID, 0));
    const QString anIds = LMXMLParser::attribute(theElement, STR_BACKGROUND_DESIGN_ELEMENT_IDS);
    for (const QString& aPiece : anIds.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const LMDesignElementID anId = LMDesignElementID::fromString(aPiece.trimmed());
        if (anId.isValid())
            anImpl->myBackgroundIds.append(anId);
        else
            qCWarning(lcModel) << "background design element id" << aPiece << "is no design element id";
    }
    anImpl->mySuitableForMultiColor = anImpl->myMultiColorId.isValid();
    anImpl->mySpotColorMask = !anImpl->myBackgroundIds.isEmpty();
    aDefinition.update();
    return aDefinition;
}

LMDesignElementID LMTemplateBackgroundDefinition::detectBackgroundId(const QString& theFileName)
{
    static const QRegularExpression ourIdPattern(QStringLiteral("(\\d{1,4})\\.\\w{3,4}$"));
    const QRegularExpressionMatch aMatch = ourIdPattern.match(theFileName);
    if (!aMatch.hasMatch())
        return LMDesignElementID();
    return LMDesignElementID(aMatch.captured(1).toInt());
}

const QString& LMTemplateBackgroundDefinition::fileName() const
{
    return myImpl->myFileName;
}

LMDesignElementID LMTemplateBackgroundDefinition::backgroundID() const
{
    return isMultiColor() ? myImpl->myMultiColorId : myImpl->myBackgroundId;
}

LMDesignElementID LMTemplateBackgroundDefinition::multiColorBackgroundId() const
{
    return myImpl->myMultiColorId;
}

LMMultiColorConfig LMTemplateBackgroundDefinition::multiColorConfig() const
{
    return myImpl->myMultiColorConfig;
}

void LMTemplateBackgroundDefinition::setMultiColorConfig(const LMMultiColorConfig& theConfig)
{
    myImpl->myMultiColorConfig = theConfig;
    update();
}

bool LMTemplateBackgroundDefinition::isMultiColor() const
{
    return ::isMultiColor(*myImpl);
}

LMDesignElementID LMTemplateBackgroundDefinition::spotColorBackgroundId() const
{
    return myImpl->mySpotColorId;
}

void LMTemplateBackgroundDefinition::setSpotColorBackgroundId(const LMDesignElementID& theId)
{
    myImpl->mySpotColorId = theId;
}

const QList<LMDesignElementID>& LMTemplateBackgroundDefinition::backgroundDesignElementIds() const
{
    return myImpl->myBackgroundIds;
}

bool LMTemplateBackgroundDefinition::isSuitableForMultiColor() const
{
    return myImpl->mySuitableForMultiColor;
}

void LMTemplateBackgroundDefinition::setSuitableForMultiColor(bool theSuitable)
{
    myImpl->mySuitableForMultiColor = theSuitable;
}

bool LMTemplateBackgroundDefinition::isSpotColorMask() const
{
    return myImpl->mySpotColorMask;
}

void LMTemplateBackgroundDefinition::setSpotColorMask(bool theMask)
{
    myImpl->mySpotColorMask = theMask;
}

int LMTemplateBackgroundDefinition::hashKey() const
{
    return myImpl->myHashKey;
}

LMTemplateBackgroundDefinition
LMTemplateBackgroundDefinition::withMultiColorConfig(const LMMultiColorConfig& theConfig) const
{
    LMTemplateBackgroundDefinition aCopy(*this);
    aCopy.setMultiColorConfig(theConfig);
    return aCopy;
}

QList<LMTemplateBackgroundDefinition> LMTemplateBackgroundDefinition::multiColorVariants() const
{
    const QList<LMMultiColorConfig> aConfigs = LMMultiColorConfig::allConfigurations();
    QList<LMTemplateBackgroundDefinition> aList;
    aList.reserve(aConfigs.size());
    for (const LMMultiColorConfig& aConfig : aConfigs)
        aList.append(withMultiColorConfig(aConfig));
    return aList;
}

QList<LMTemplateBackgroundDefinition> LMTemplateBackgroundDefinition::spotColorBackgrounds() const
{
    QList<LMTemplateBackgroundDefinition> aList;
    if (!isSpotColorMask())
        return aList;
    for (const LMDesignElementID& anId : myImpl->myBackgroundIds) {
        LMTemplateBackgroundDefinition aCopy(*this);
        aCopy.myImpl->mySpotColorId = anId;
        aCopy.myImpl->mySpotColorMask = false;
        aList.append(aCopy);
    }
    return aList;
}

void LMTemplateBackgroundDefinition::update()
{
    refresh(*myImpl);
}

bool operator==(const LMTemplateBackgroundDefinition& theA, const LMTemplateBackgroundDefinition& theB)
{
    const LMTemplateBackgroundDefinitionImpl* anA = theA.myImpl.constData();
    const LMTemplateBackgroundDefinitionImpl* aB = theB.myImpl.constData();
    return anA == aB
        || (anA->myHashKey == aB->myHashKey && anA->myBackgroundId == aB->myBackgroundId
            && anA->myMultiColorId == aB->myMultiColorId && anA->mySpotColorId == aB->mySpotColorId
            && anA->myMultiColorConfig == aB->myMultiColorConfig && anA->myBackgroundIds == aB->myBackgroundIds);
}

size_t qHash(const LMTemplateBackgroundDefinition& theDefinition, size_t theSeed) noexcept
{
    return qHashMulti(theSeed, theDefinition.hashKey(), theDefinition.spotColorBackgroundId());
}

QDebug operator<<(QDebug theDebug, const LMTemplateBackgroundDefinition& theDefinition)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMTemplateBackgroundDefinition(" << theDefinition.backgroundID() << ", "
                       << theDefinition.multiColorConfig() << ", spot " << theDefinition.spotColorBackgroundId() << ')';
    return theDebug;
}
