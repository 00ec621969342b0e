#include "LMUnconfiguredTemplate.h"

#include "LMTemplate.h"
#include "LMUnconfiguredTemplateList.h"
#include "LMXMLElement.h"

#include <QDebug>
#include <QDomElement>

namespace {
const QString STR_DESIGN_ELEMENT_TYPE = QStringLiteral("designElementType");
const QString STR_CATEGORY = QStringLiteral("category");
// Frames, passepartouts, frame glasses, wallholders and variant templates have classes of their own.
constexpr qint32 KIND_JIG_TYPES = 128 | 256 | 512 | 1024 | 8192;
} // namespace

LMUnconfiguredTemplate::LMUnconfiguredTemplate() : myTemplate(LMTemplate::null()) { }

LMUnconfiguredTemplate::LMUnconfiguredTemplate(LMTemplate* theTemplate)
    : myTemplate(theTemplate ? theTemplate : LMTemplate::null())
{
}

LMUnconfiguredTemplate::~LMUnconfiguredTemplate() = default;

LMUnconfiguredTemplate LMUnconfiguredTemplate::null()
{
    return LMUnconfiguredTemplate();
}

LMUnconfiguredTemplate LMUnconfiguredTemplate::create(const LMJigType& theJigType)
{
    return LMUnconfiguredTemplate(LMTemplate::create(theJigType).release());
}

LMUnconfiguredTemplate LMUnconfiguredTemplate::clone(const LMMirrorRule& theMirrorRule) const
{
    return LMUnconfiguredTemplate(myTemplate->cloneTemplate(theMirrorRule).release());
}

LMUnconfiguredTemplate LMUnconfiguredTemplate::fromXml(const LMXMLElement& theElement, const QString& theBasePath,
                                                       const LMJigType& theJigType)
{
    std::unique_ptr<LMTemplate> aTemplate;
    if (theJigType.intersects(LMJigType::fromInt(KIND_JIG_TYPES)))
        aTemplate = LMTemplate::create(theJigType, theElement, theBasePath);
    else
        aTemplate = std::make_unique<LMTemplate>(findJigType(theElement));
    aTemplate->readAttributes(theElement);
    return LMUnconfiguredTemplate(aTemplate.release());
}

LMJigType LMUnconfiguredTemplate::findJigType(const LMXMLElement& theElement)
{
    const LMJigType aType(theElement.attribute(STR_DESIGN_ELEMENT_TYPE));
    return aType.isValid() ? aType : LMJigType(theElement.attribute(STR_CATEGORY));
}

LMUnconfiguredTemplateList LMUnconfiguredTemplate::thisTemplateAndItsMirrors(const LMUnconfiguredTemplate& theTemplate)
{
    LMUnconfiguredTemplateList aResult;
    aResult.append(theTemplate);
    const QList<LMMirrorRule> aRules = theTemplate->possibleMirrorings().spreadOut();
    for (const LMMirrorRule& aRule : aRules)
        aResult.append(theTemplate.clone(aRule));
    return aResult;
}

void LMUnconfiguredTemplate::deleteTemplate()
{
    if (!isNull())
        delete myTemplate;
    myTemplate = LMTemplate::null();
}

bool LMUnconfiguredTemplate::isNull() const
{
    return myTemplate == LMTemplate::null();
}

bool LMUnconfiguredTemplate::isValid() const
{
    return myTemplate->isValid();
}

bool LMUnconfiguredTemplate::isEmpty() const
{
    return myTemplate->isEmpty();
}

QString LMUnconfiguredTemplate::name() const
{
    return myTemplate->name();
}

QString LMUnconfiguredTemplate::uniqueName() const
{
    return myTemplate->uniqueName();
}

LMJigType LMUnconfiguredTemplate::jigType() const
{
    return myTemplate->jigType();
}

bool LMUnconfiguredTemplate::isJigType(const LMJigType& theType) const
{
    return myTemplate->isJigType(theType);
}

QDebug operator<<(QDebug theDebug, const LMUnconfiguredTemplate& theTemplate)
{
    QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMUnconfiguredTemplate(" << theTemplate.name() << ')';
    return theDebug;
}
