#pragma once

#include "LMToolDiagnostic.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

class QDomElement;
class QFileInfo;
class QRectF;
class QSizeF;

// The authoring mistakes the library's lenient readers pass over, found by reading the files of a
// content tree once more with line numbers: words a format does not know (with the near word
// meant), products, article classes and page types the catalogue does not know, white-list
// patterns that match no file, references to missing files, areas of no size or off their page,
// template names given twice and sidecar keys no reader knows.
//
// The lint knows the words of each format, not which element takes which attribute: a word
// that belongs elsewhere in the same format passes.
class LMToolLint
{
public:
    // Reads the catalogue and the file manager as they are now: open the content first.
    LMToolLint();

    // Every file of the content tree below its root.
    void run();
    const QList<LMToolDiagnostic>& diagnostics() const { return myDiagnostics; }

    // The rule of a finding that says a file is offered to no product; `check` adds those itself,
    // as only a load knows them.
    static QString notOfferedRule();

private:
    void lintXmlFile(const QFileInfo& theFile);
    void lintJsonFile(const QFileInfo& theFile);
    void lintTemplateElement(const QDomElement& theElement, const QString& theFile);
    void lintTemplateNames(const QDomElement& theRoot, const QString& theFile);
    void lintArea(const QDomElement& theArea, const QString& theFile);
    // The area's x, y, width and height (missing: 0); false, after saying so, when one is no number.
    bool readRect(const QDomElement& theArea, const QString& theFile, QRectF& theRect);
    void checkOnPage(const QDomElement& theArea, const QString& theFile, const QRectF& theRect, const QSizeF& thePage);
    void lintFilterRule(const QDomElement& theRule, const QString& theFile);
    void lintSvgElement(const QDomElement& theElement, const QString& theFile);
    void lintWhiteList(const QDomElement& theRoot, const QString& theFile);
    void checkWords(const QDomElement& theElement, const QString& theFile, const QSet<QString>& theElements,
                    const QSet<QString>& theAttributes, bool theNamespacedOnly);
    void checkProducts(const QDomElement& theElement, const QString& theText, const QString& theFile);
    void checkPageTypes(const QDomElement& theElement, const QString& theText, const QString& theFile);
    void checkReferencedFile(const QDomElement& theElement, const QString& theName, const QString& theFile,
                             const QString& theWhat);
    void add(const QString& theFile, const QDomElement& theElement, const QString& theRule, const QString& theMessage);

    // Where the start tag of the element begins: the DOM knows where it ends.
    QPair<int, int> startOfTag(const QDomElement& theElement) const;

    QString myRoot;
    QStringList myLines; // of the XML file being read
    QSet<QString> myProducts;
    QHash<QString, QString> myFirstPlaceOfName; // template name -> "file:line" of its first use
    QList<LMToolDiagnostic> myDiagnostics;
};
