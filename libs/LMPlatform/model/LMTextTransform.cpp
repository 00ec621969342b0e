#include "LMTextTransform.h"

LM_DEFINE_ENUM_TABLE(LMTextTransform)

void LMTextTransform::fillTable(Table* theTable) const
{
    using E = LMTextTransformEnum;
    theTable->insert(QStringLiteral("none"), E::None);
    theTable->insert(QStringLiteral("uppercase"), E::Uppercase);
    theTable->insert(QStringLiteral("lowercase"), E::Lowercase);
    theTable->insert(QStringLiteral("capitalize"), E::Capitalize);
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
