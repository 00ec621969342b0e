#pragma once

#include "LMPlatformExport.h"
#include "LMSingleton.h"
#include "LMSVGComposition.h"

#include <QHash>
#include <QMutex>
#include <QObject>

// The SVG compositions of the process, one per file, read on first use. Reading a file again
// (because it changed) announces the new composition through compositionLoaded, so that those who
// show it can draw it anew. Thread-safe; lives in the application's thread.
class LMPLATFORM_EXPORT LMSVGImageRendererCache : public QObject, public LMSingleton<LMSVGImageRendererCache>
{
    Q_OBJECT
    friend class LMSingleton<LMSVGImageRendererCache>;

public:
    ~LMSVGImageRendererCache() override;

    // The composition of the file, read now when it is not known yet.
    LMSVGComposition composition(const QString& thePath);
    // Reads the file again and announces the result.
    LMSVGComposition reload(const QString& thePath);

signals:
    void compositionLoaded(const LMSVGComposition& theComposition);

protected:
    void setupInstance() override;

private:
    LMSVGImageRendererCache();

    QMutex myMutex;
    QHash<QString, LMSVGComposition> myCompositions;
};
