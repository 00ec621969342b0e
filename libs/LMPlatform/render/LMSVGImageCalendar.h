#pragma once

#include "LMPlatformExport.h"
#include "LMSVGImageAbstract.h"

#include <QMap>

class LMXMLElement;

// An SVG image that can be recoloured by named CSS style sheets (calendars and custom-fill
// designs): the chosen sheet is put into the document before it is drawn.
class LMPLATFORM_EXPORT LMSVGImageCalendar : public LMSVGImageAbstract
{
public:
    explicit LMSVGImageCalendar(const QByteArray& theData, const QMap<QString, QString>& theCssSheets = {});

    Type type() const override { return Type::Calendar; }
    std::unique_ptr<LMSVGImageAbstract> clone() const override;

    // Style sheet texts by sheet name.
    const QMap<QString, QString>& cssSheets() const { return myCssSheets; }
    QStringList cssSheetNames() const { return myCssSheets.keys(); }
    // The sheet drawn with; an unknown or empty name draws the document's own styles.
    const QString& currentCssSheet() const { return myCurrentCssSheet; }
    void setCurrentCssSheet(const QString& theName) { myCurrentCssSheet = theName; }

    // Old designs rely on text strokes that are not scaled with the text.
    bool useLegacyBrokenSvgUnscaledTextStrokeWidth() const { return myLegacyStrokeWidth; }
    void setUseLegacyBrokenSvgUnscaledTextStrokeWidth(bool theLegacy) { myLegacyStrokeWidth = theLegacy; }

    // Appends the document and one child "cssSheet" (attribute "name", text the sheet) per sheet.
    void buildXML(QDomElement& theParent) const override;
    static std::unique_ptr<LMSVGImageCalendar> fromXml(const LMXMLElement& theParent);

    bool equals(const LMSVGImageAbstract& theOther) const override;

protected:
    QByteArray renderData() const override;
    QString renderVariant() const override;

private:
    QMap<QString, QString> myCssSheets;
    QString myCurrentCssSheet;
    bool myLegacyStrokeWidth = false;
};
