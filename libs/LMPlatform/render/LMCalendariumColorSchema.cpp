#include "LMCalendariumColorSchema.h"

#include "LMPlatformLogging.h"

#include <array>

LMCalendariumColorSchema::LMCalendariumColorSchema(const QString& theName, QColor theText, QColor theAccent,
                                                   QColor theMuted)
    : myName(theName), myText(theText), myAccent(theAccent), myMuted(theMuted)
{
}

LMCalendariumColorSchema LMCalendariumColorSchema::named(const QString& theName)
{
    struct Entry
    {
        const char* myName;
        QRgb myText;
        QRgb myAccent;
        QRgb myMuted;
    };
    // The first entry is the default.
    static constexpr std::array<Entry, 4> ourSchemas { {
        { "classic", 0xff000000, 0xffd01818, 0xff808080 },
        { "blue", 0xff17366b, 0xff2f86d6, 0xff7d93b5 },
        { "grey", 0xff5a5a5a, 0xff1e1e1e, 0xffa0a0a0 },
        { "white", 0xffffffff, 0xffffd24a, 0xffd8d8d8 },
    } };
    const QString aName = theName.trimmed();
    for (const Entry& anEntry : ourSchemas) {
        if (aName.compare(QLatin1String(anEntry.myName), Qt::CaseInsensitive) == 0)
            return LMCalendariumColorSchema(QString::fromLatin1(anEntry.myName), QColor::fromRgba(anEntry.myText),
                                            QColor::fromRgba(anEntry.myAccent), QColor::fromRgba(anEntry.myMuted));
    }
    if (!aName.isEmpty())
        qCDebug(lcPlatformRender) << "calendar colour schema" << aName << "unknown, classic taken";
    const Entry& aDefault = ourSchemas.front();
    return LMCalendariumColorSchema(QString::fromLatin1(aDefault.myName), QColor::fromRgba(aDefault.myText),
                                    QColor::fromRgba(aDefault.myAccent), QColor::fromRgba(aDefault.myMuted));
}
