#include "LMToolCommandShow.h"

#include "LMAreaType.h"
#include "LMTemplate.h"
#include "LMTemplateAnalysis.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateLayerType.h"
#include "LMTemplateRegistry.h"
#include "LMToolMessageCapture.h"

#include <QFileInfo>
#include <QJsonArray>

namespace {

QStringList files(const LMTemplate& theTemplate)
{
    QStringList aFiles;
    for (const QFileInfo& aFile : theTemplate.associatedFiles())
        if (!aFile.filePath().isEmpty())
            aFiles.append(aFile.filePath());
    aFiles.removeDuplicates();
    return aFiles;
}

QJsonArray rectJson(const QRectF& theRect)
{
    return QJsonArray { theRect.x(), theRect.y(), theRect.width(), theRect.height() };
}

QString number(double theValue)
{
    return QString::number(theValue, 'g', 6);
}

// A smart layout area gathers photo areas: they are listed as its children.
const LMTemplateAreaDefinitionSmartLayout* smartLayout(const LMTemplateAreaDefinition* theArea)
{
    return dynamic_cast<const LMTemplateAreaDefinitionSmartLayout*>(theArea);
}

QJsonArray areasJson(const LMTemplateAreaDefinitionList& theAreas)
{
    QJsonArray anAreas;
    for (const LMTemplateAreaDefinition* anArea : theAreas) {
        QJsonObject anObject { { QStringLiteral("type"), anArea->areaType().encodeCSV() },
                               { QStringLiteral("rect"), rectJson(anArea->rect()) },
                               { QStringLiteral("normalized"), anArea->isNormalized() },
                               { QStringLiteral("rotation"), anArea->rotation().degrees() } };
        if (const LMTemplateAreaDefinitionSmartLayout* aSmart = smartLayout(anArea))
            anObject.insert(QStringLiteral("children"), areasJson(aSmart->children()));
        anAreas.append(anObject);
    }
    return anAreas;
}

QString areasText(const LMTemplateAreaDefinitionList& theAreas, const QString& theIndent)
{
    QString aText;
    for (const LMTemplateAreaDefinition* anArea : theAreas) {
        const QRectF& aRect = anArea->rect();
        aText += theIndent
            + QStringLiteral("%1 x=%2 y=%3 w=%4 h=%5 rotation=%6%7\n")
                  .arg(anArea->areaType().encodeCSV(), number(aRect.x()), number(aRect.y()), number(aRect.width()),
                       number(aRect.height()))
                  .arg(anArea->rotation().degrees())
                  .arg(anArea->isNormalized() ? QStringLiteral(" (fractions of the page)") : QString());
        if (const LMTemplateAreaDefinitionSmartLayout* aSmart = smartLayout(anArea))
            aText += areasText(aSmart->children(), theIndent + QStringLiteral("  "));
    }
    return aText;
}

} // namespace

LMToolCommandShow::LMToolCommandShow()
    : LMToolCommand(QStringLiteral("show"),
                    QStringLiteral("Finds a template by name (any name the editor accepts) "
                                   "and prints it."))
{
}

void LMToolCommandShow::addOptions(QCommandLineParser& theParser)
{
    addContentOption();
    addArticleOption();
    addJsonOption();
    theParser.addPositionalArgument(QStringLiteral("name"), QStringLiteral("The template's name or unique name."));
}

int LMToolCommandShow::execute()
{
    if (parser().positionalArguments().size() != 1)
        return usageError(QStringLiteral("show takes exactly one template name"));
    const QString aName = parser().positionalArguments().constFirst();

    LMToolMessageCapture aCapture;
    const LMArticle anArticle = openAndLoadArticle(aCapture, false);
    if (anArticle.isNull())
        return Failure;

    noteWarnings(aCapture);
    const LMUnconfiguredTemplate aTemplate = resolveTemplate(aName, anArticle);
    if (aTemplate.isNull())
        return Failure;
    if (jsonWanted())
        printJson(toJson(aTemplate));
    else
        printText(toText(aTemplate));
    return Success;
}

QJsonObject LMToolCommandShow::toJson(const LMUnconfiguredTemplate& theTemplate)
{
    const LMTemplate& aTemplate = *theTemplate;
    const QJsonArray anAreas = areasJson(aTemplate.areaDefinitions());
    // What the loader measured: the analysis every user of the registry gets.
    const LMTemplateAnalysis& anAnalysis = aTemplate.analysis();
    const QJsonObject anAnalysisJson {
        { QStringLiteral("photoAreas"), anAnalysis.countFotoAreas() },
        { QStringLiteral("portrait"), anAnalysis.countFotoAreasInPortrait() },
        { QStringLiteral("landscape"), anAnalysis.countFotoAreasInLandscape() },
        { QStringLiteral("texts"), anAnalysis.countTexts() },
        { QStringLiteral("calendars"), anAnalysis.countCalendariums() },
        { QStringLiteral("clipartDummies"), anAnalysis.countClipartDummies() },
        { QStringLiteral("spaciousness"), anAnalysis.spaciousness() },
        { QStringLiteral("inclinedPhotos"), anAnalysis.countInclinedFotos() },
        { QStringLiteral("mostExtremeFormat"), anAnalysis.mostExtremeFormat() },
        { QStringLiteral("crazy"), anAnalysis.isCrazy() },
        { QStringLiteral("tight"), anAnalysis.isTight() },
        { QStringLiteral("wellBalanced"), anAnalysis.isWellBalanced() },
    };
    return QJsonObject {
        { QStringLiteral("name"), aTemplate.name() },
        { QStringLiteral("uniqueName"), aTemplate.uniqueName() },
        { QStringLiteral("jigType"), aTemplate.jigType().encodeCSV() },
        { QStringLiteral("layer"), aTemplate.templateLayerType().encodeCSV() },
        { QStringLiteral("designElementId"), aTemplate.designElementID().toString() },
        { QStringLiteral("source"), displayPath(aTemplate.fileInfo().filePath()) },
        { QStringLiteral("files"), QJsonArray::fromStringList(files(aTemplate)) },
        { QStringLiteral("areas"), anAreas },
        { QStringLiteral("pageAspect"), aTemplate.pageAspect() },
        { QStringLiteral("analysis"), anAnalysisJson },
    };
}

QString LMToolCommandShow::toText(const LMUnconfiguredTemplate& theTemplate)
{
    const LMTemplate& aTemplate = *theTemplate;
    QString aText;
    aText += QStringLiteral("name:        %1\n").arg(aTemplate.name());
    aText += QStringLiteral("unique name: %1\n").arg(aTemplate.uniqueName());
    aText += QStringLiteral("kind:        %1\n").arg(aTemplate.jigType().encodeCSV());
    aText += QStringLiteral("layer:       %1\n").arg(aTemplate.templateLayerType().encodeCSV());
    aText += QStringLiteral("id:          %1\n").arg(aTemplate.designElementID().toString());
    aText += QStringLiteral("source:      %1\n").arg(displayPath(aTemplate.fileInfo().filePath()));
    aText += QStringLiteral("files:\n");
    for (const QString& aFile : files(aTemplate))
        aText += QStringLiteral("  %1\n").arg(displayPath(aFile));
    aText += QStringLiteral("areas: %1\n").arg(aTemplate.areaDefinitions().count());
    aText += areasText(aTemplate.areaDefinitions(), QStringLiteral("  "));
    // What the loader measured: the analysis every user of the registry gets.
    const LMTemplateAnalysis& anAnalysis = aTemplate.analysis();
    aText += QStringLiteral("analysis (page aspect %1):\n").arg(number(aTemplate.pageAspect()));
    aText
        += QStringLiteral("  photo areas %1 (portrait %2, landscape %3), texts %4, calendars %5, clipart dummies %6\n")
               .arg(anAnalysis.countFotoAreas())
               .arg(anAnalysis.countFotoAreasInPortrait())
               .arg(anAnalysis.countFotoAreasInLandscape())
               .arg(anAnalysis.countTexts())
               .arg(anAnalysis.countCalendariums())
               .arg(anAnalysis.countClipartDummies());
    aText += QStringLiteral("  spaciousness %1, inclined photos %2, most extreme format %3\n")
                 .arg(number(anAnalysis.spaciousness()))
                 .arg(anAnalysis.countInclinedFotos())
                 .arg(number(anAnalysis.mostExtremeFormat()));
    aText += QStringLiteral("  crazy %1, tight %2, well balanced %3\n")
                 .arg(anAnalysis.isCrazy() ? QStringLiteral("yes") : QStringLiteral("no"),
                      anAnalysis.isTight() ? QStringLiteral("yes") : QStringLiteral("no"),
                      anAnalysis.isWellBalanced() ? QStringLiteral("yes") : QStringLiteral("no"));
    return aText;
}
