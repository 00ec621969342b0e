#pragma once

#include "LMCalendariumAppearance.h"
#include "LMCalendariumColorSchema.h"
#include "LMCalendariumPreviewParameters.h"
#include "LMPlatformExport.h"

#include <QDate>
#include <QLocale>
#include <QRectF>

class QFont;
class QPainter;

// Draws the month a calendar area shows in a template preview, in the area's appearance. Made by
// LMCalendariumRendererFactory. Renderers hold no shared state: one may draw on any thread, and
// several may draw at once.
class LMPLATFORM_EXPORT LMCalendariumRenderer
{
public:
    virtual ~LMCalendariumRenderer();

    // Draws the calendar into theTarget only (the painter is clipped to it, and left as it was);
    // nothing for an empty target. A null or inactive painter warns.
    virtual void render(QPainter* thePainter, const QRectF& theTarget) const = 0;

    // The month shown first: the range's first month shifted by the appearance's month offset.
    QDate shownMonth() const;
    const LMCalendariumAppearance& appearance() const { return myAppearance; }
    const LMCalendariumPreviewParameters& parameters() const { return myParameters; }

    // The parameters' colour schema, or the appearance's when the parameters name none.
    const LMCalendariumColorSchema& colorSchema() const { return myColorSchema; }
    // The appearance's language; German without one. A name Qt does not know gives Qt's C locale.
    const QLocale& locale() const { return myLocale; }
    LMCalendariumPreviewParameters::Contents contents() const { return myContents; }

    // Sundays, and with the content "holidays" the public holidays kept all over Germany.
    bool isAccentDay(const QDate& theDate) const;
    // Public holidays kept all over Germany: New Year, Good Friday, Easter Monday, 1 May,
    // Ascension, Whit Monday, 3 October, Christmas and Boxing Day.
    static bool isNationalHoliday(const QDate& theDate);

protected:
    LMCalendariumRenderer(const LMCalendariumAppearance& theAppearance,
                          const LMCalendariumPreviewParameters& theParameters);

    // False (with a warning for a bad painter) when nothing is to be drawn; else saves the
    // painter's state, clips it to the target and turns on antialiasing. restore() follows.
    static bool beginRender(QPainter* thePainter, const QRectF& theTarget);
    // A sans-serif font of the pixel size, made smaller until the widest of the texts is at most
    // theMaximumWidth wide. At least one pixel.
    static QFont fittedFont(qreal thePixelSize, const QStringList& theTexts, qreal theMaximumWidth, bool theBold);
    // "Januar 2025": the month's standalone name in the language, and the year.
    QString heading(const QDate& theMonth) const;

private:
    Q_DISABLE_COPY_MOVE(LMCalendariumRenderer)

    LMCalendariumAppearance myAppearance;
    LMCalendariumPreviewParameters myParameters;
    LMCalendariumColorSchema myColorSchema;
    QLocale myLocale;
    LMCalendariumPreviewParameters::Contents myContents;
};
