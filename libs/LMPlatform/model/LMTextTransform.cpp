#include "LMTextTransform.h"

#include "LMPlatformLogging.h"

LM_DEFINE_ENUM_TABLE(LMTextTransform)

void LMTextTransform::fillTable(Table* theTable) const
{
    using E = LMTextTransformEnum;
    theTable->insert(QStringLiteral("none"), E::None);
    theTable->insert(QStringLiteral("uppercase"), E::Uppercase);
    theTable->insert(QStringLiteral("lowercase"), E::Lowercase);
    theTable->insert(QStringLiteral("capitalize"), E::Capitalize);
}

LMTextTransform LMTextTransform::parse(const QString& theText)
{
    const QString aWord = theText.trimmed();
    if (aWord.isEmpty())
        return LMTextTransform();
    // One word only: the table would OR the words of a list together.
    const Table& aTable = enumToStringTable();
    if (!aWord.contains(QLatin1Char(',')) && aTable.containsString(aWord))
        return fromInt(aTable.decodeCSV(aWord));
    qCWarning(lcPlatformModel).noquote() << QStringLiteral("unknown text transform \"%1\" read as none").arg(theText);
    return LMTextTransform();
}

QString LMTextTransform::apply(const QString& theText) const
{
    if (myValue == Int(LMTextTransformEnum::Uppercase))
        return theText.toUpper();
    if (myValue == Int(LMTextTransformEnum::Lowercase))
        return theText.toLower();
    if (myValue != Int(LMTextTransformEnum::Capitalize))
        return theText;
    QString aResult = theText;
    bool aWordStart = true;
    for (QChar& aChar : aResult) {
        if (aWordStart && aChar.isLetter())
            aChar = aChar.toUpper();
        aWordStart = aChar.isSpace();
    }
    return aResult;
}
