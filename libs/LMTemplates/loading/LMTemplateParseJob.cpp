#include "LMTemplateParseJob.h"

#include <QDomElement>

namespace {

const QString STR_TEMPLATES = QStringLiteral("templates");
const QString STR_TEMPLATES2 = QStringLiteral("templates2");
const QString STR_TEMPLATE = QStringLiteral("template");
const QString STR_SVG = QStringLiteral("svg");
const QString STR_COLLECTION = QStringLiteral("collection");

} // namespace

LMTemplateParseJob::FileType LMTemplateParseJob::detectFileType(const QDomElement& theRoot)
{
    const QString aTag = theRoot.tagName();
    if (aTag == STR_TEMPLATES)
        return FileType::Templates;
    if (aTag == STR_TEMPLATES2)
        return FileType::Templates2;
    if (aTag == STR_TEMPLATE)
        return FileType::Template;
    if (aTag == STR_SVG)
        return FileType::Svg;
    if (aTag == STR_COLLECTION)
        return FileType::Collection;
    return FileType::Unknown;
}
