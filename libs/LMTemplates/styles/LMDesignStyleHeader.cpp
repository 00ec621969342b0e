#include "LMDesignStyleHeader.h"

#include "LMDesignStyleXml.h"
#include "LMLocaleAndTranslationManager.h"
#include "LMThematicCategoryTranslationRegistry.h"
#include "LMXMLParser.h"

#include <QDomElement>
#include <QStringList>

namespace {
const QString STR_HEADER = QStringLiteral("header");
const QString STR_PAGE_BINDING = QStringLiteral("pageBinding");
const QString STR_LANGUAGE = QStringLiteral("language");
const QString STR_NAME = QStringLiteral("name");
const QString STR_CATEGORY = QStringLiteral("category");
const QString STR_DESIGN_BASIC = QStringLiteral("designBasic");
const QString STR_VALUE = QStringLiteral("value");

void appendTextElement(QDomElement& theParent, const QString& theTagName, const QString& theText)
{
    QDomDocument aDocument = theParent.ownerDocument();
    QDomElement anElement = aDocument.createElement(theTagName);
    anElement.appendChild(aDocument.createTextNode(theText));
    theParent.appendChild(anElement);
}
} // namespace

LMDesignStyleHeader::LMDesignStyleHeader(const QDomElement& theRoot, const QFileInfo& theMetaDataFile)
    : myMetaData(LMDesignElementMetaData::createFromFile(theMetaDataFile))
{
    const QDomElement aHeader = theRoot.firstChildElement(STR_HEADER);
    if (aHeader.isNull()) {
        qWarning("%s", qUtf8Printable(QStringLiteral("element '%1' not found").arg(STR_HEADER)));
        return;
    }
    const QDomElement aBinding = aHeader.firstChildElement(STR_PAGE_BINDING);
    if (!aBinding.isNull())
        myPageBinding = LMPageBinding(aBinding.text());
    const QDomElement aLanguage = aHeader.firstChildElement(STR_LANGUAGE);
    myLanguageName = aLanguage.firstChildElement(STR_NAME).text();
    myCategory = aLanguage.firstChildElement(STR_CATEGORY).text();
    myBasicDesign = LMXMLParser::boolAttribute(aHeader.firstChildElement(STR_DESIGN_BASIC), STR_VALUE, false);
}

void LMDesignStyleHeader::setSupportedOrientations(const QSet<LMOrientation>& theOrientations)
{
    myMetaData.setSupportedOrientations(theOrientations);
}

QString LMDesignStyleHeader::name() const
{
    const QString aName = myMetaData.name().isEmpty() ? myLanguageName : myMetaData.name();
    return LMThematicCategoryTranslationRegistry::instance()->translate(
        aName, LMLocaleAndTranslationManager::instance()->languageCode());
}

LMCategorization LMDesignStyleHeader::categorization() const
{
    LMCategorization aCategorization(LMCategoryTypeEnum::Subcategory, myMetaData.categories());
    aCategorization.insert(LMCategoryTypeEnum::SpotColor, LMThematicCategorySet::fromSpotColors(spotColors()));
    return aCategorization;
}

void LMDesignStyleHeader::buildXML(QDomElement& theParent) const
{
    QDomDocument aDocument = theParent.ownerDocument();
    QDomElement aHeader = aDocument.createElement(STR_HEADER);
    if (myPageBinding.isValid())
        appendTextElement(aHeader, STR_PAGE_BINDING, myPageBinding.toString());
    if (!myCategory.isEmpty() || !myLanguageName.isEmpty()) {
        QDomElement aLanguage = aDocument.createElement(STR_LANGUAGE);
        if (!myCategory.isEmpty())
            appendTextElement(aLanguage, STR_CATEGORY, myCategory);
        if (!myLanguageName.isEmpty())
            appendTextElement(aLanguage, STR_NAME, myLanguageName);
        aHeader.appendChild(aLanguage);
    }
    // The schema does not know "designBasic": only a basic design says it.
    if (myBasicDesign) {
        QDomElement aBasic = aDocument.createElement(STR_DESIGN_BASIC);
        aBasic.setAttribute(STR_VALUE, LMDesignStyleXml::boolText(true));
        aHeader.appendChild(aBasic);
    }
    theParent.appendChild(aHeader);
}

QString LMDesignStyleHeader::toDebugString() const
{
    QStringList aSpotColors;
    for (const LMSpotColor& aSpotColor : spotColors())
        aSpotColors.append(aSpotColor.toString());
    return QStringList { QStringLiteral(" Header:"),
                         QStringLiteral("    DesignElementId: %1").arg(description()),
                         QStringLiteral("    Spot Color: %1").arg(aSpotColors.join(QLatin1String(", "))),
                         QStringLiteral("    Usable by assistant: %1").arg(isUsableByAssistant() ? 1 : 0),
                         QStringLiteral("    Page Binding: %1").arg(myPageBinding.toString()),
                         QStringLiteral("    Name: %1").arg(name()),
                         QStringLiteral("    Category: %1").arg(myCategory) }
        .join(QLatin1Char('\n'));
}

bool operator==(const LMDesignStyleHeader& theA, const LMDesignStyleHeader& theB)
{
    return theA.myPageBinding == theB.myPageBinding && theA.myLanguageName == theB.myLanguageName
        && theA.myCategory == theB.myCategory && theA.myBasicDesign == theB.myBasicDesign
        && theA.myMetaData.toJson() == theB.myMetaData.toJson();
}
