#include "LMArticleClass.h"

LM_DEFINE_ENUM_TABLE(LMArticleClass)

void LMArticleClass::fillTable(Table* theTable) const
{
    using E = LMArticleClassEnum;
    theTable->insert(QStringLiteral("photobook"), E::PhotoBook);
    theTable->insert(QStringLiteral("walldecor"), E::WallDecor);
    theTable->insert(QStringLiteral("poster"), E::Poster);
    theTable->insert(QStringLiteral("card"), E::Card);
    theTable->insert(QStringLiteral("framedprint"), E::FramedPrint);
    theTable->insert(QStringLiteral("framedposter"), E::FramedPoster);
    theTable->insert(QStringLiteral("calendar"), E::Calendar);
    theTable->insert(QStringLiteral("photoprint"), E::PhotoPrint);
    theTable->insert(QStringLiteral("canvas"), E::Canvas);
    theTable->insert(QStringLiteral("colorbackgrounds"), E::ColorBackgrounds);
}
