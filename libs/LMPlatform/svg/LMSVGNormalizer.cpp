#include "LMSVGNormalizer.h"

#include "LMDirectoryConfig.h"
#include "LMFileHandler.h"
#include "LMLocaleAndTranslationManager.h"
#include "LMPlatformLogging.h"

#include <QDir>
#include <QDomElement>
#include <QDomNamedNodeMap>
#include <QFile>
#include <QHash>
#include <QVarLengthArray>
#include <QXmlStreamReader>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

const QString STR_DESIGN_LOGO_PLACEHOLDER = QStringLiteral("lumo:designlogo");
const QString STR_HREF = QStringLiteral("href");
const QString STR_SCRIPT = QStringLiteral("script");
const QString STR_FOREIGN_OBJECT = QStringLiteral("foreignObject");
const QString STR_METADATA = QStringLiteral("metadata");
const QString STR_XML_BASE = QStringLiteral("xml:base");
const QString STR_CAL_EMBED = QStringLiteral("lumo:cal_embed");
const QString STR_TRUE = QStringLiteral("true");

// Namespace processing is off: "svg:script" is a script as much as "script" is.
QString localName(const QString& theQualifiedName)
{
    const qsizetype aColon = theQualifiedName.lastIndexOf(QLatin1Char(':'));
    return aColon < 0 ? theQualifiedName : theQualifiedName.sliced(aColon + 1);
}

bool isHrefAttribute(const QString& theName)
{
    return theName == STR_HREF || theName.endsWith(QLatin1String(":href"));
}

// Event handlers ("onclick", "onload") run script in a browser; nothing here needs them.
bool isEventAttribute(const QString& theName)
{
    return theName.size() > 2 && theName.startsWith(QLatin1String("on"), Qt::CaseInsensitive)
        && !theName.contains(QLatin1Char(':'));
}

// Qt's SVG renderer draws an image that is an SVG file by reading that file with an SVG renderer
// of its own, which follows the images of that file in turn: a file that leads back to itself
// recurses until the stack overflows. Files are told by their first bytes, as the image reader
// tells them, whatever their names.
constexpr int SNIFFED_BYTES = 256;
// Beyond this many SVG files behind one reference the reference is refused as if it led back.
constexpr int FOLLOWED_FILES = 32;
// An SVG file larger than this is not scanned for references, and refused.
constexpr qint64 SCANNED_BYTES = 16 * 1024 * 1024;

bool isSvgData(const QByteArray& theHead)
{
    // Compressed SVG cannot be scanned without inflating it; it is refused like a cycle.
    if (theHead.startsWith("\x1f\x8b"))
        return true;
    return theHead.contains("<svg") || theHead.contains("<!DOCTYPE svg");
}

// The files that the references of an SVG file name, resolved against its folder.
QStringList referencedFiles(const QString& theFile, const QByteArray& theData)
{
    QStringList aFiles;
    const QDir aFolder = QFileInfo(theFile).absoluteDir();
    QXmlStreamReader aReader(theData);
    while (!aReader.atEnd()) {
        if (aReader.readNext() != QXmlStreamReader::StartElement)
            continue;
        // A const list: walking the returned one would detach it from the reader's and copy it.
        const QXmlStreamAttributes anAttributes = aReader.attributes();
        for (const QXmlStreamAttribute& anAttribute : anAttributes) {
            if (anAttribute.name() != QLatin1String("href"))
                continue;
            const QString aReference = anAttribute.value().toString().trimmed().section(QLatin1Char('#'), 0, 0);
            if (aReference.isEmpty() || aReference.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
                continue;
            const QString aCanonical = QFileInfo(aFolder.absoluteFilePath(aReference)).canonicalFilePath();
            if (!aCanonical.isEmpty())
                aFiles.append(aCanonical);
        }
    }
    return aFiles;
}

// Whether following theFile through the SVG files it names reaches a file of theTrail again (or
// more files than are followed). Raster images and missing files end a path.
bool leadsBack(const QString& theFile, QStringList& theTrail, int& theBudget)
{
    if (theTrail.contains(theFile))
        return true;
    // Never open() a pipe or device: it may wait for a writer forever. Nothing renders it either.
    if (!QFileInfo(theFile).isFile())
        return false;
    QFile aFile(theFile);
    if (!aFile.open(QIODevice::ReadOnly))
        return false;
    if (!isSvgData(aFile.peek(SNIFFED_BYTES)))
        return false;
    if (--theBudget < 0 || aFile.size() > SCANNED_BYTES || aFile.peek(2).startsWith("\x1f\x8b"))
        return true;
    theTrail.append(theFile);
    const QStringList aReferences = referencedFiles(theFile, aFile.readAll());
    const bool aBack = std::any_of(aReferences.cbegin(), aReferences.cend(), [&](const QString& theReference) {
        return leadsBack(theReference, theTrail, theBudget);
    });
    theTrail.removeLast();
    return aBack;
}

// "cal.svg" -> "cal_de.svg": the language variant the template reader falls back to.
QString languageVariant(const QString& theReference)
{
    const QString aLanguage = LMLocaleAndTranslationManager::instance()->languageCode();
    const qsizetype aSlash = theReference.lastIndexOf(QLatin1Char('/'));
    const qsizetype aDot = theReference.lastIndexOf(QLatin1Char('.'));
    if (aDot <= aSlash + 1)
        return theReference + QLatin1Char('_') + aLanguage;
    return theReference.first(aDot) + QLatin1Char('_') + aLanguage + theReference.sliced(aDot);
}

class Preparation
{
public:
    Preparation(const QFileInfo& theFile, const std::function<QString()>& theDesignLogo)
        : myBaseFolder(theFile.filePath().isEmpty() ? LMDirectoryConfig::instance()->contentRoot()
                                                    : theFile.absolutePath()),
          myFile(theFile), myDesignLogo(theDesignLogo)
    {
    }

    void run(const QDomElement& theRoot)
    {
        // An explicit stack: documents built in memory may nest deeper than loaded ones.
        QList<QPair<QDomElement, bool>> aStack { { theRoot, false } };
        while (!aStack.isEmpty()) {
            auto [anElement, anInMetadata] = aStack.takeLast();
            const QString aName = localName(anElement.tagName());
            if (aName == STR_SCRIPT || aName == STR_FOREIGN_OBJECT) {
                qCDebug(lcPlatformRender) << "removed element" << anElement.tagName() << "from" << myBaseFolder;
                anElement.parentNode().removeChild(anElement);
                continue;
            }
            prepareAttributes(anElement, anInMetadata);
            const bool aChildrenInMetadata = anInMetadata || aName == STR_METADATA;
            for (QDomElement aChild = anElement.lastChildElement(); !aChild.isNull();
                 aChild = aChild.previousSiblingElement())
                aStack.append({ aChild, aChildrenInMetadata });
        }
    }

private:
    void prepareAttributes(QDomElement& theElement, bool theInMetadata)
    {
        if (!theElement.hasAttributes())
            return;
        // The names are taken first: removing or setting attributes changes the map. Only the few
        // that are acted on are kept.
        const QDomNamedNodeMap anAttributes = theElement.attributes();
        QVarLengthArray<QString, 4> aRemoved;
        QVarLengthArray<QString, 4> aReferences;
        for (int anIndex = 0, aCount = anAttributes.size(); anIndex < aCount; ++anIndex) {
            QString aName = anAttributes.item(anIndex).nodeName();
            if (aName == STR_XML_BASE || isEventAttribute(aName))
                aRemoved.append(std::move(aName));
            else if (!theInMetadata && isHrefAttribute(aName))
                aReferences.append(std::move(aName));
        }
        for (const QString& aName : std::as_const(aRemoved))
            theElement.removeAttribute(aName);
        for (const QString& aName : std::as_const(aReferences))
            prepareReference(theElement, aName);
    }

    void prepareReference(QDomElement& theElement, const QString& theAttribute)
    {
        const QString aReference = theElement.attribute(theAttribute).trimmed();
        if (aReference.compare(STR_DESIGN_LOGO_PLACEHOLDER, Qt::CaseInsensitive) == 0) {
            if (!myLogo)
                myLogo = myDesignLogo ? myDesignLogo() : QString();
            if (myLogo->isEmpty()) {
                qCDebug(lcPlatformRender) << "no design logo for the placeholder in" << myBaseFolder;
                theElement.removeAttribute(theAttribute);
            } else {
                theElement.setAttribute(theAttribute, *myLogo);
            }
            return;
        }
        // Fragments and data URIs name no file: resolveContentReference says so with an empty
        // result and no warning, and they stay as they are.
        if (aReference.isEmpty() || aReference.startsWith(QLatin1Char('#'))
            || aReference.startsWith(QLatin1String("data:"), Qt::CaseInsensitive))
            return;

        // An embedded calendar may exist only in the language variant; the reader tries both.
        if (theElement.attribute(STR_CAL_EMBED) == STR_TRUE && !existsBesideTemplate(aReference)) {
            const QString aVariant = languageVariant(aReference);
            if (existsBesideTemplate(aVariant)) {
                if (LMFileHandler::resolveContentReference(myBaseFolder, aVariant).isEmpty())
                    theElement.removeAttribute(theAttribute);
                return;
            }
        }

        const QString aResolved = LMFileHandler::resolveContentReference(myBaseFolder, aReference);
        if (aResolved.isEmpty()) {
            theElement.removeAttribute(theAttribute);
            return;
        }
        if (leadsBackToItself(aResolved)) {
            qCWarning(lcPlatformFoto).noquote()
                << QStringLiteral("refused file reference \"%1\": the SVG file leads back to itself").arg(aReference);
            theElement.removeAttribute(theAttribute);
            return;
        }
        // Absolute, so that parts of the document copied into documents of their own (the SVG
        // areas of a template) still find their files.
        const qsizetype aFragment = aReference.indexOf(QLatin1Char('#'));
        theElement.setAttribute(theAttribute, aFragment < 0 ? aResolved : aResolved + aReference.sliced(aFragment));
    }

    // Each file is looked at once per document: a page names the same artwork many times.
    bool leadsBackToItself(const QString& theResolved)
    {
        const auto aKnown = myLeadsBack.constFind(theResolved);
        if (aKnown != myLeadsBack.cend())
            return *aKnown;
        // Resolving the document's own path costs a look at every folder above it: done once, and
        // only for a document that names files.
        if (!myCanonicalFile)
            myCanonicalFile = myFile.filePath().isEmpty() ? QString() : myFile.canonicalFilePath();
        QStringList aTrail;
        if (!myCanonicalFile->isEmpty())
            aTrail.append(*myCanonicalFile);
        int aBudget = FOLLOWED_FILES;
        const bool aBack = leadsBack(theResolved, aTrail, aBudget);
        myLeadsBack.insert(theResolved, aBack);
        return aBack;
    }

    bool existsBesideTemplate(const QString& theReference) const
    {
        const QString aFilePart = theReference.section(QLatin1Char('#'), 0, 0);
        return QFileInfo::exists(QDir(myBaseFolder).absoluteFilePath(aFilePart));
    }

    QString myBaseFolder;
    QFileInfo myFile;
    std::optional<QString> myCanonicalFile;
    std::function<QString()> myDesignLogo;
    std::optional<QString> myLogo;
    QHash<QString, bool> myLeadsBack;
};

} // namespace

const QString& LMSVGNormalizer::designLogoPlaceholder()
{
    return STR_DESIGN_LOGO_PLACEHOLDER;
}

QDomDocument LMSVGNormalizer::prepareDomDocument(const QDomDocument& theDocument, const QFileInfo& theFile,
                                                 const QString& theDesignLogo)
{
    if (theDocument.isNull())
        return QDomDocument();
    QDomDocument aDocument = theDocument.cloneNode(true).toDocument();
    prepareDomDocumentInPlace(aDocument, theFile, theDesignLogo);
    return aDocument;
}

void LMSVGNormalizer::prepareDomDocumentInPlace(QDomDocument& theDocument, const QFileInfo& theFile,
                                                const QString& theDesignLogo)
{
    prepareDomDocumentInPlace(theDocument, theFile, [&theDesignLogo] { return theDesignLogo; });
}

void LMSVGNormalizer::prepareDomDocumentInPlace(QDomDocument& theDocument, const QFileInfo& theFile,
                                                const std::function<QString()>& theDesignLogo)
{
    const QDomElement aRoot = theDocument.documentElement();
    if (!aRoot.isNull())
        Preparation(theFile, theDesignLogo).run(aRoot);
}
