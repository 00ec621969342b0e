#pragma once

// Not public API: the name search of the template registry.

#include "LMUnconfiguredTemplate.h"

#include <QString>

class LMTemplateRegistry;

// Finds a template by a name as this editor and older ones stored it: the name itself, then its
// production id, its nice form, the current passepartout codes, its minimal form and the name
// variants, then the name of an SVG content file and a background id. Holds no state of its own;
// the templates are the registry's at the time of the search.
class LMTemplateNameSearch
{
public:
    explicit LMTemplateNameSearch(const LMTemplateRegistry& theRegistry) : myRegistry(theRegistry) { }

    // Every step above, without cache; the null template when none answers.
    LMUnconfiguredTemplate find(const QString& theName) const;

    // The form under which names are cached and searched: design and free themes read as the
    // normal one, the white background as its id.
    static QString normalized(const QString& theName);

    static QString makeTemplateNameNice(const QString& theName);
    static QString makeTemplateNameMinimal(const QString& theName);
    static QString removePreviewAndPDFFromTemplatename(const QString& theName);
    static QString extractProductionID(const QString& theName);
    static QString changePassepartoutArticles(const QString& theName);

private:
    const LMTemplateRegistry& myRegistry;
};
