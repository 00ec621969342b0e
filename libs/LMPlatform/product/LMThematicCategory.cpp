#include "LMThematicCategory.h"

#include <QCoreApplication>

namespace {
const QString STR_SPOT_COLOR_PREFIX = QStringLiteral("__SPOTCOLOR__");
const QString STR_ALL = QStringLiteral("all");
const QString STR_FAVOURITES = QStringLiteral("favourites");
const QString STR_USER_LAYOUTS = QStringLiteral("user_layouts");
const QString STR_USER_CLIPARTS = QStringLiteral("user_cliparts");
const QString STR_USER_MASKS = QStringLiteral("user_masks");
const QString STR_USER_MASK_FRAMES = QStringLiteral("user_mask_frames");
const QString STR_USER_BOOK_STYLES = QStringLiteral("user_book_styles");
const QString STR_FRAMES = QStringLiteral("frames");
const QString STR_PASSEPARTOUTS = QStringLiteral("passepartouts");
const QString STR_MULTICOLOR = QStringLiteral("multicolor");
const QString STR_COLORS = QStringLiteral("colors");
const QString STR_MATCHING_FLYLEAF = QStringLiteral("matching_flyleaf");
const QString STR_STANDARD_THEME = QStringLiteral("01");
const QString STR_INVERTED = QStringLiteral("__INVERTED__");
const QString STR_STYLE_V2_ONLY = QStringLiteral("designstyle_v2_only");

QString spotColorWord(const LMSpotColor& theSpotColor)
{
    switch (theSpotColor.toEnum()) {
    case LMSpotColorEnum::Varnish:
        return QCoreApplication::translate("LMThematicCategory", "Lack");
    case LMSpotColorEnum::GoldFoil:
        return QCoreApplication::translate("LMThematicCategory", "Goldfolie");
    case LMSpotColorEnum::RoseFoil:
        return QCoreApplication::translate("LMThematicCategory", "Roségoldfolie");
    case LMSpotColorEnum::SilverFoil:
        return QCoreApplication::translate("LMThematicCategory", "Silberfolie");
    case LMSpotColorEnum::DigitalEmbossing:
        return QCoreApplication::translate("LMThematicCategory", "Digitale Prägung");
    case LMSpotColorEnum::SilverInk:
        return QCoreApplication::translate("LMThematicCategory", "Silberdruck");
    default:
        return theSpotColor.toString();
    }
}
} // namespace

QString LMThematicCategory::visibleName() const
{
    if (isSpotColorCategory())
        return spotColorWord(spotColor());
    static const QHash<QString, const char*> ourWords = {
        { STR_ALL, QT_TRANSLATE_NOOP("LMThematicCategory", "Alle") },
        { STR_FAVOURITES, QT_TRANSLATE_NOOP("LMThematicCategory", "Favoriten") },
        { STR_USER_LAYOUTS, QT_TRANSLATE_NOOP("LMThematicCategory", "Eigene Layouts") },
        { STR_USER_CLIPARTS, QT_TRANSLATE_NOOP("LMThematicCategory", "Eigene Cliparts") },
        { STR_USER_MASKS, QT_TRANSLATE_NOOP("LMThematicCategory", "Eigene Masken") },
        { STR_USER_MASK_FRAMES, QT_TRANSLATE_NOOP("LMThematicCategory", "Eigene Maskenrahmen") },
        { STR_USER_BOOK_STYLES, QT_TRANSLATE_NOOP("LMThematicCategory", "Eigene Designs") },
        { STR_FRAMES, QT_TRANSLATE_NOOP("LMThematicCategory", "Rahmen") },
        { STR_PASSEPARTOUTS, QT_TRANSLATE_NOOP("LMThematicCategory", "Passepartouts") },
        { STR_MULTICOLOR, QT_TRANSLATE_NOOP("LMThematicCategory", "Mehrfarbig") },
        { STR_COLORS, QT_TRANSLATE_NOOP("LMThematicCategory", "Farben") },
        { STR_MATCHING_FLYLEAF, QT_TRANSLATE_NOOP("LMThematicCategory", "Passend zum Vorsatz") },
    };
    const auto aWord = ourWords.constFind(myInternalName);
    return aWord == ourWords.cend() ? myInternalName : QCoreApplication::translate("LMThematicCategory", *aWord);
}

bool LMThematicCategory::isSpotColorCategory() const
{
    return myInternalName.startsWith(STR_SPOT_COLOR_PREFIX);
}

LMSpotColor LMThematicCategory::spotColor() const
{
    if (!isSpotColorCategory())
        return LMSpotColor();
    return LMSpotColor(myInternalName.mid(STR_SPOT_COLOR_PREFIX.size()));
}

LMThematicCategory LMThematicCategory::fromSpotColor(const LMSpotColor& theSpotColor)
{
    if (!theSpotColor.isValid())
        return LMThematicCategory();
    return LMThematicCategory(STR_SPOT_COLOR_PREFIX + theSpotColor.toString());
}

QString LMThematicCategory::spotColorPrefix()
{
    return STR_SPOT_COLOR_PREFIX;
}

LMThematicCategory LMThematicCategory::categoryAll()
{
    return LMThematicCategory(STR_ALL);
}
LMThematicCategory LMThematicCategory::favourites()
{
    return LMThematicCategory(STR_FAVOURITES);
}
LMThematicCategory LMThematicCategory::userLayouts()
{
    return LMThematicCategory(STR_USER_LAYOUTS);
}
LMThematicCategory LMThematicCategory::userCliparts()
{
    return LMThematicCategory(STR_USER_CLIPARTS);
}
LMThematicCategory LMThematicCategory::userMask()
{
    return LMThematicCategory(STR_USER_MASKS);
}
LMThematicCategory LMThematicCategory::userMaskFrames()
{
    return LMThematicCategory(STR_USER_MASK_FRAMES);
}
LMThematicCategory LMThematicCategory::userBookStyles()
{
    return LMThematicCategory(STR_USER_BOOK_STYLES);
}
LMThematicCategory LMThematicCategory::frames()
{
    return LMThematicCategory(STR_FRAMES);
}
LMThematicCategory LMThematicCategory::passpartouts()
{
    return LMThematicCategory(STR_PASSEPARTOUTS);
}
LMThematicCategory LMThematicCategory::multiColor()
{
    return LMThematicCategory(STR_MULTICOLOR);
}
LMThematicCategory LMThematicCategory::colorsCategory()
{
    return LMThematicCategory(STR_COLORS);
}
LMThematicCategory LMThematicCategory::matchingToFlyleaf()
{
    return LMThematicCategory(STR_MATCHING_FLYLEAF);
}

LMThematicCategory LMThematicCategory::standardTheme()
{
    return LMThematicCategory(STR_STANDARD_THEME);
}

LMThematicCategory LMThematicCategory::invertedCategory()
{
    return LMThematicCategory(STR_INVERTED);
}

LMThematicCategory LMThematicCategory::styleV2Only()
{
    return LMThematicCategory(STR_STYLE_V2_ONLY);
}

QDebug operator<<(QDebug theDebug, const LMThematicCategory& theCategory)
{
    const QDebugStateSaver aSaver(theDebug);
    theDebug.nospace() << "LMThematicCategory(" << theCategory.internalName() << ')';
    return theDebug;
}
