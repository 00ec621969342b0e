#include "LMTemplateIO.h"

const QString LMTemplateIO::WORD_NAME = QStringLiteral("name");
const QString LMTemplateIO::WORD_TEMPLATE = QStringLiteral("template");
const QString LMTemplateIO::WORD_TEMPLATES2 = QStringLiteral("templates2");
const QString LMTemplateIO::WORD_DESIGNELEMENT_TYPE = QStringLiteral("designElementType");
const QString LMTemplateIO::WORD_CATEGORY = QStringLiteral("category");
const QString LMTemplateIO::WORD_FILENAME = QStringLiteral("filename");
const QString LMTemplateIO::WORD_PRODUCT = QStringLiteral("product");
const QString LMTemplateIO::WORD_AUTOTHUMB = QStringLiteral("autoThumb");
const QString LMTemplateIO::WORD_SUBCATEGORY = QStringLiteral("subcategory");
const QString LMTemplateIO::WORD_PRICECLASS = QStringLiteral("priceclass");
const QString LMTemplateIO::WORD_01 = QStringLiteral("01");
const QString LMTemplateIO::WORD_DESCRIPTION = QStringLiteral("description");
const QString LMTemplateIO::WORD_TYPE = QStringLiteral("type");
const QString LMTemplateIO::WORD_ID = QStringLiteral("id");
const QString LMTemplateIO::WORD_FILTER = QStringLiteral("filter");
const QString LMTemplateIO::WORD_LAYOUT = QStringLiteral("layout");
const QString LMTemplateIO::WORD_EXAMPLE = QStringLiteral("example");
const QString LMTemplateIO::WORD_USABLE_BY_ASSISTANT = QStringLiteral("usableByAssistant");
const QString LMTemplateIO::WORD_LOCKS_LAYOUT = QStringLiteral("locksLayout");
const QString LMTemplateIO::WORD_USER_LAYOUT = QStringLiteral("isUserLayout");
const QString LMTemplateIO::WORD_FIX_ROTATION = QStringLiteral("fixRotation");
const QString LMTemplateIO::WORD_ORIENTATION = QStringLiteral("orientation");
const QString LMTemplateIO::WORD_SORT = QStringLiteral("sort");
const QString LMTemplateIO::WORD_VIEW_ANGLE = QStringLiteral("viewAngle");
const QString LMTemplateIO::WORD_SMART_LAYOUT = QStringLiteral("smartLayout");
const QString LMTemplateIO::WORD_PREVIEW = QStringLiteral("preview");
