#pragma once

#include <QImage>
#include <QList>
#include <QString>

class LMArticle;
class LMConfiguredTemplate;
class LMTemplateContext;
class LMPageType;
class LMUnconfiguredTemplate;

// The pictures the tool makes of templates: their thumbnails, as the editor's lists show them,
// rendered through the thumbnail cache and its background jobs, and written as PNG files.
class LMToolPictures
{
public:
    // The thumbnails of the templates for the article's pages of that type, fitted into a square of
    // theSide pixels, with the photo (a path; empty for the empty-area marker) in photo areas. The
    // jobs run on the background job manager's workers; one that the cache no longer holds when all
    // are done is rendered again in this thread.
    static QList<QImage> thumbnails(const QList<LMUnconfiguredTemplate>& theTemplates, const LMArticle& theArticle,
                                    const LMPageType& thePageType, int theSide, const QString& thePhoto);
    // The absolute path of the photo an option names (empty for none); false, after the error
    // message, when the photo cannot be read.
    static bool resolvePhoto(const QString& theOption, QString& thePath);
    // The picture drawn over the background's picture of the same size; the picture itself when
    // the background gives none.
    static QImage onBackground(const QImage& thePicture, const LMConfiguredTemplate& theBackground,
                               const LMTemplateContext& theContext);
    // Writes the picture atomically; false when it cannot be written.
    static bool writePng(const QImage& theImage, const QString& theFile);
    // A file name for the template: its name with every character that is not a letter, digit,
    // '-' or '.' made '_'.
    static QString fileNameFor(const QString& theTemplateName);
};
