#pragma once

#include "LMAbstractDecorationList.h"
#include "LMClipartConfiguration.h"
#include "LMDecorationLookup.h"
#include "LMJigRegistryAbstract.h"
#include "LMSingleton.h"
#include "LMTemplatesExport.h"
#include "LMXMLBasedRegistry.h"

#include <QHash>

#include <functional>

#include <memory>
#include <shared_mutex>
#include <vector>

class LMConfiguredDecoration;
class LMDecorationClipart;
class LMDecorationMask;
class LMDecorationMaskFrame;
class QDomDocument;
class QDomElement;
class QMimeData;

// The owner of every decoration of the process. Reads the decoration files ("decorations"
// documents) of the decoration folders, answers lookups by id, key, name and drag data, supplies
// the map pins, and writes the user's own decorations as new files, which it then reads back.
// Lookups take the shared lock, additions the exclusive one.
class LMTEMPLATES_EXPORT LMDecorationRegistry : public LMXMLBasedRegistry,
                                                public LMJigRegistryAbstract,
                                                public LMSingleton<LMDecorationRegistry>,
                                                public LMDecorationLookup
{
    Q_OBJECT
    friend class LMSingleton<LMDecorationRegistry>;

public:
    ~LMDecorationRegistry() override;

    // Reads every decoration file of the folders, in parallel, and registers in path order.
    void init() override;
    // One decoration file; public so that the tool and the tests can read a file on purpose.
    bool parseXML(const QFileInfo& theFile, bool theMarkDownloaded) override;
    QList<QDir> supervisedDirectories() const override;
    bool isInstalled(const LMDesignElementID& theId) const override;
    bool isActive(const LMDesignElementID& theId) const override;
    LMJig* consumeLastAddedJig(const LMJigType& theJigType) override;
    LMJig* find(const LMJigKey& theKey) const override;
    QList<LMJigType> supportedJigs() const override;

    LMAbstractDecorationList decorations() const;
    LMAbstractDecorationList decorations(const LMJigType& theType) const;
    LMAbstractDecorationList cliparts() const;
    LMAbstractDecorationList passepartouts() const;
    LMDesignElementIDSet collectAllDesignElementIds() const;
    LMThematicCategorySet categories() const;

    // The first decoration of the id, in reading order, that is not a user element.
    LMAbstractDecoration* decoration(const LMDesignElementID& theId) const;
    LMDecorationClipart* clipart(const LMDesignElementID& theId) const;
    LMDecorationMask* mask(const LMDesignElementID& theId) const;
    bool isMissing(const LMDesignElementID& theId) const { return !isInstalled(theId); }

    LMDecorationClipart* findClipart(const LMJigKey& theKey) const;
    LMDecorationMask* findMask(const LMJigKey& theKey) const;
    LMDecorationClipart* findClipart(const QString& theName) const;
    LMDecorationMask* findMask(const QString& theName) const;
    LMDecorationClipart* findClipart(const LMDesignElementID& theId,
                                     const LMClipartConfiguration& theConfiguration) const;
    LMAbstractDecorationList findCliparts(const QMimeData* theMimeData) const;
    LMDecorationMask* findMask(const QMimeData* theMimeData) const;
    // The registered decoration with the same key.
    LMAbstractDecoration* findDecoration(const LMAbstractDecoration* theDecoration) const;
    bool isDoubletOfActiveDecoration(const LMAbstractDecoration* theDecoration) const;

    LMJigKey lastAddedJigKey() const;
    LMDesignElementID lastAddedDesignElementId() const { return lastAddedJigKey().designElementID(); }
    void resetLastAddedDesignElementId();

    // Seconds since the start of 1 January 2000, local time.
    static int generateUserElementId();
    // Where user decorations are created; made when missing.
    QString findClipartsDir() const;

    // Write a user decoration and read it back; an empty key when anything failed (then nothing
    // of it is left on disk).
    LMJigKey saveClipartTemplate(LMDecorationClipart* theClipart, const LMClipartConfiguration& theConfiguration);
    LMJigKey saveMaskTemplate(const LMConfiguredDecoration& theMask, const LMClipartConfiguration& theConfiguration);
    LMJigKey saveMaskFrameTemplate(LMDecorationMaskFrame* theFrame, const LMClipartConfiguration& theConfiguration);

    LMDecorationClipart* defaultMapPinClipart() const;
    LMDecorationMask* defaultPinDecorationMask() const;

    // Forget the cached folders, tell the file system watcher and read the changed file.
    void notifyAll(const QString& thePath);
    // Copies the file into the folder under its encoded name; the copy's base name, empty on failure.
    static QString copyFile(const QFileInfo& theSource, const QString& theDirectory);
    // The "decoration" element of a new description document, with its categories.
    static QDomElement buildXML(QDomDocument* theDocument, const QString& theType,
                                const LMThematicCategorySet& theCategories);

    // The decoration lookup of the lower floors.
    LMDesignElementID findClipartByUniqueName(const QString& theUniqueName) const override;
    bool containsMask(const LMDesignElementID& theId) const override;
    LMJig* decorationJig(const LMDesignElementID& theId) const override;

protected:
    void setupInstance() override;

private:
    LMDecorationRegistry();

    // The decorations a file describes, made without touching the registry (on any thread).
    struct ReadFile
    {
        QFileInfo file;
        bool changed = true;
        std::vector<std::unique_ptr<LMAbstractDecoration>> decorations;
    };
    static void readFile(ReadFile& theFile);
    // Adds what a file described, unless already there; true when it described anything.
    bool registerFile(ReadFile& theFile, bool theMarkDownloaded);
    // The registered decoration equal to theNew (theNew is dropped), or theNew, now owned.
    LMAbstractDecoration* registerDecoration(std::unique_ptr<LMAbstractDecoration> theNew);
    static std::unique_ptr<LMAbstractDecoration> createDecoration(const QDomElement& theElement,
                                                                  const QDir& theDirectory);
    // Writes the document into a new user folder "USER_<id>_<userId>" with the pictures, atomically.
    LMJigKey saveUserDecoration(const LMDesignElementID& theSourceId, const QList<QFileInfo>& theSvgFiles,
                                const std::function<void(QDomDocument*, const QStringList&, int)>& theBuild);

    // A lock the race detector sees (Qt's lives in its uninstrumented library); never taken twice
    // by one thread: every locked section is a leaf.
    mutable std::shared_mutex myLock;
    LMAbstractDecorationList myDecorationList;
    std::vector<std::unique_ptr<LMAbstractDecoration>> myOwnedDecorations;
    QHash<LMJigKey, LMAbstractDecoration*> myDecorationsByKey;
    LMJigKey myLastAddedJigKey;
    LMThematicCategorySet myCategorySet;
};
