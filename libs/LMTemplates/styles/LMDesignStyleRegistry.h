#pragma once

#include "LMDesignElementIDSet.h"
#include "LMDesignStyleList.h"
#include "LMJigRegistryAbstract.h"
#include "LMSingleton.h"
#include "LMTemplatesExport.h"
#include "LMXMLBasedRegistry.h"

#include <shared_mutex>

class LMDesignStyleFilter;

// The design styles of the process: reads the style files of the style folders, keeps the most
// important version of each style (one the user installed, else the one changed last), asks for
// the design elements a style needs to be downloaded, and remembers the style that arrived last
// until the editor takes it. Styles are handed out as copies that share their contents.
//
// Thread-safe: the style list and the last downloaded id are guarded by one lock, readers
// sharing it; searches copy the list and search the copy outside the lock.
class LMTEMPLATES_EXPORT LMDesignStyleRegistry : public LMXMLBasedRegistry,
                                                 public LMJigRegistryAbstract,
                                                 public LMSingleton<LMDesignStyleRegistry>
{
    Q_OBJECT
    friend class LMSingleton<LMDesignStyleRegistry>;

public:
    ~LMDesignStyleRegistry() override;

    // Registers the style of the file unless a version of its id that is as important is there;
    // a more important version replaces every former one. A fresh file (one that arrived after
    // start-up) is remembered as downloaded last, marked downloaded and announced. False for a
    // file that is no style and for a version that is not taken.
    bool parseXML(const QFileInfo& theFile, bool theFresh) override;
    QList<QDir> supervisedDirectories() const override;

    LMDesignStyleList styles() const { return allStyles(); }
    LMDesignStyleList allStyles() const;
    LMDesignStyleList styles(const LMDesignStyleFilter* theFilter) const;
    // The first style of the id; a null style when there is none.
    LMDesignStyle findStyleByDesignElementId(const LMDesignElementID& theId) const;
    LMDesignStyle findDesignStyle(const LMDesignElementID& theId) const { return findStyleByDesignElementId(theId); }
    LMDesignStyle formerVersionOf(const LMDesignStyle& theStyle) const
    {
        return findStyleByDesignElementId(theStyle.designElementID());
    }
    LMDesignElementIDSet collectAllDesignElementIds() const;

    // ---- The jig registry's questions ----------------------------------------------------------
    // A new copy of the style of the key, which the caller owns; null when there is none.
    LMJig* find(const LMJigKey& theKey) const override;
    bool isInstalled(const LMDesignElementID& theId) const override;
    bool isActive(const LMDesignElementID& theId) const override;
    QList<LMJigType> supportedJigs() const override;
    // Design styles are taken with consumeLastAddedDesignStyle(), which hands out a value: this
    // gives no jig.
    LMJig* consumeLastAddedJig(const LMJigType& theJigType) override;

    // ---- The style downloaded last ---------------------------------------------------------------
    LMDesignElementID recordFreshDownload(const LMDesignStyle& theStyle);
    LMDesignElementID lastDownloadedDesignElementId() const;
    LMDesignElementID lastRecentlyDownloadedDesignID() const { return lastDownloadedDesignElementId(); }
    void resetLastDownloadedDesignElementId();
    // The style of the last downloaded id; a null style when there is none.
    LMDesignStyle lastAddedDesignStyle() const;
    LMDesignStyle lastRecentlyDownloadedDesignStyle() const { return lastAddedDesignStyle(); }
    // The style downloaded last when the jig type asks for its kind (4096 for a story book, 2048
    // for any other style); it is then forgotten. Otherwise a null style, and it stays.
    LMDesignStyle consumeLastAddedDesignStyle(const LMJigType& theJigType);

    // Gives the style synthesised inner pages and puts the result in place of its versions.
    LMDesignStyle updateDesignStyle(const LMDesignElementID& theId);
    // Asks for the design elements the style needs (layout collections, backgrounds, cliparts,
    // passepartouts); in the master and price-update modes also says which.
    void installRequiredPartsOf(const LMDesignStyle& theStyle);

signals:
    void newDesignStyleAdded(const LMDesignElementID& theId);
    void pleaseDownloadDesignElementIDs(const LMDesignElementIDSet& theIds);

protected:
    void setupInstance() override;

private:
    LMDesignStyleRegistry();
    // Replaces every version of the style's id by the style, under the lock.
    void replaceVersions(const LMDesignStyle& theStyle);

    // A lock the race detector sees; never taken twice by one thread: every locked section is a
    // leaf.
    mutable std::shared_mutex myLock;
    LMDesignStyleList myStyles;
    LMDesignElementID myLastDownloadedId;
};
