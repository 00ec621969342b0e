// Decorations: the model (cliparts, masks, mask frames, configured lists, thumbnails) and the
// registry (reading, lookups, drag data, user decorations, threads).
#include "LMConfiguredDecoration.h"
#include "LMConfiguredDecorationList.h"
#include "LMConfiguredDecorationTemplate.h"
#include "LMDecorationClipart.h"
#include "LMDecorationLookup.h"
#include "LMDecorationMaskFrame.h"
#include "LMDecorationRegistry.h"
#include "LMDirectoryConfig.h"
#include "LMTestSupport.h"
#include "LMThematicCategory.h"
#include "LMXMLElement.h"
#include "LMXMLLoader.h"

#include <QDataStream>
#include <QDomDocument>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <memory>
#include <thread>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {
// 100 x 50, red.
const QByteArray SVG_RED = "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='50' viewBox='0 0 100 50'>"
                           "<rect width='100' height='50' fill='#ff0000'/></svg>";
// 100 x 100, blue on the left half only.
const QByteArray SVG_LEFT = "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100' viewBox='0 0 100 100'>"
                            "<rect width='50' height='100' style='fill:#0000ff'/></svg>";
// 100 x 100, a white circle on black: keeps the photo inside the circle.
const QByteArray SVG_ROUND = "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100' viewBox='0 0 100 100'>"
                             "<rect width='100' height='100' fill='#000000'/>"
                             "<circle cx='50' cy='50' r='40' fill='#ffffff'/></svg>";

// A "decorations" document holding one decoration; the content element ("clipart" or "fading").
QDomElement contentOf(const QString& theDecoration)
{
    const QDomDocument aDocument = LMXMLLoader::loadDocumentFromData(
        QStringLiteral("<decorations>%1</decorations>").arg(theDecoration).toUtf8(), QStringLiteral("test"));
    const QDomElement aDecoration = aDocument.documentElement().firstChildElement(QStringLiteral("decoration"));
    const QDomElement aClipart = aDecoration.firstChildElement(QStringLiteral("clipart"));
    return aClipart.isNull() ? aDecoration.firstChildElement(QStringLiteral("fading")) : aClipart;
}

QByteArray decorations(const QString& theBody)
{
    return QStringLiteral("<?xml version='1.0' encoding='UTF-8'?><decorations>%1</decorations>").arg(theBody).toUtf8();
}

QMimeData* payloadOf(const QStringList& theStrings)
{
    QByteArray aData;
    QDataStream aStream(&aData, QIODevice::WriteOnly);
    for (const QString& aString : theStrings)
        aStream << aString;
    auto* aMime = new QMimeData;
    aMime->setData(LMAbstractDecorationList::mimeType(), aData);
    return aMime;
}

QStringList namesOf(const LMAbstractDecorationList& theList)
{
    QStringList aNames;
    for (const LMAbstractDecoration* aDecoration : theList)
        aNames.append(aDecoration->mimeData());
    return aNames;
}

LMDecorationRegistry* registry()
{
    return LMDecorationRegistry::instance();
}
} // namespace

class tst_Decorations : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        using LMTestSupport::writeFile;
        QVERIFY(myDir.isValid());
        writeFile(myDir, "red.svg", SVG_RED);
        writeFile(myDir, "left.svg", SVG_LEFT);
        writeFile(myDir, "round.svg", SVG_ROUND);
        writeFile(myContent, "decorations/cliparts/red.svg", SVG_RED);
        writeFile(myContent, "decorations/cliparts/blue.svg", QByteArray(SVG_RED).replace("#ff0000", "#0000ff"));
        writeFile(myContent, "decorations/cliparts/cliparts.xml",
                  decorations(
                      QStringLiteral("<decoration type='clipart'><categories><category>flowers</category></categories>"
                                     "<clipart file='red.svg' designElementId='101'/></decoration>"
                                     "<decoration type='clipart'><clipart file='blue.svg' designElementId='102'/>"
                                     "</decoration>")));
        writeFile(myContent, "decorations/masks/round.svg", SVG_ROUND);
        writeFile(myContent, "decorations/masks/round.xml",
                  decorations(QStringLiteral("<decoration type='fading'><fading file='round.svg' designElementId='201' "
                                             "keepAspectRatio='1'/></decoration>")));
        writeFile(
            myContent, "decorations/masks/frame.xml",
            decorations(QStringLiteral("<decoration type='fading' designElementId='301'><fading file='round.svg'>"
                                       "<clipart file='../cliparts/red.svg'/>"
                                       "<fotoarea x='0.1' y='0.1' width='0.8' height='0.8'/></fading></decoration>")));
        writeFile(myContent, "osm_config/osm_config.xml",
                  "<osm><pins><pinClipart name='clipart_gone.svg'/><pinClipart name='clipart_red.svg'/>"
                  "<pinDecorationFrame name='fading_round.svg'/></pins></osm>");
        LMDirectoryConfig::instance()->setContentRoot(myContent.path());
        LMDirectoryConfig::instance()->setUserDataDir(myUserData.path());
        QCOMPARE(registry()->decorations().size(), 4);
    }

    void ratio_data()
    {
        columns<QString, double, QSize, QString>("attributes", "ratio", "thumbnailSize", "warning");
        row("absent: the picture's", QString(), 0.5, QSize(64, 32), QString());
        row("zero: the picture's", "ratio='0'", 0.5, QSize(64, 32), QString());
        row("1e-13: the picture's", "ratio='1e-13'", 0.5, QSize(64, 32), QString());
        row("file's own", "ratio='2'", 2.0, QSize(32, 64), QString());
        row("malformed: the picture's", "ratio='tall'", 0.5, QSize(64, 32),
            "attribute \"ratio\": \"tall\" is not a number");
    }

    void ratio()
    {
        QFETCH(QString, warning);
        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning)));
        const LMDecorationClipart aClipart(
            contentOf(QStringLiteral("<decoration type='clipart'><clipart file='red.svg' %1/></decoration>")
                          .arg(fetch<QString>("attributes"))),
            QDir(myDir.path()));
        QTEST(aClipart.ratio(), "ratio");
        QTEST(aClipart.thumbnailSize(QSize(64, 64)), "thumbnailSize");
    }

    void userElement_data()
    {
        columns<QString, int, QString>("value", "userElementId", "mimeData");
        row("absent", QString(), 0, "clipart_red.svg");
        row("beyond 32 bits", "2147483648", 0, "clipart_red.svg");
        row("user element", "815", 815, "clipart_red.svg 815");
    }

    void userElement()
    {
        QFETCH(QString, value);
        const QString anAttribute = value.isNull() ? QString() : QStringLiteral("userElementId='%1'").arg(value);
        const LMDecorationClipart aClipart(
            contentOf(QStringLiteral(
                          "<decoration type='clipart'><clipart file='red.svg' designElementId='12' %1/></decoration>")
                          .arg(anAttribute)),
            QDir(myDir.path()));
        QTEST(aClipart.userElementId(), "userElementId");
        QTEST(aClipart.mimeData(), "mimeData");
        QFETCH(int, userElementId);
        // The key of a user element names its user id, not the id of its source.
        QCOMPARE(aClipart.createKey().designElementID().id(), userElementId != 0 ? userElementId : 12);
    }

    void fotoArea_data()
    {
        columns<QString, int, QRectF, QRectF>("fotoArea", "mirror", "relative", "scaled");
        const QString anArea = QStringLiteral("<fotoarea x='0.1' y='0.1' width='0.5' height='0.6'/>");
        const QRectF aRelative(0.1, 0.1, 0.5, 0.6);
        row("not mirrored", anArea, 0, aRelative, QRectF(30, 40, 100, 120));
        row("both", anArea, 3, aRelative, QRectF(90, 80, 100, 120));
        row("clamped to 0..1", "<fotoarea x='-0.5' y='2' width='1.5' height='-1'/>", 0, QRectF(0, 1, 1, 0),
            QRectF(10, 220, 200, 0));
        row("no photo area: the whole rectangle", QString(), 2, QRectF(0, 0, -1, -1), QRectF(10, 20, 200, 200));
    }

    void fotoArea()
    {
        QFETCH(int, mirror);
        const LMDecorationMaskFrame aFrame(
            contentOf(QStringLiteral("<decoration type='fading'><fading file='round.svg'><clipart file='red.svg'/>%1"
                                     "</fading></decoration>")
                          .arg(fetch<QString>("fotoArea"))),
            QDir(myDir.path()));
        QTEST(aFrame.relativeFotoRect(), "relative");
        const LMClipartConfiguration aConfiguration(LMMirrorRule(static_cast<LMMirrorRuleEnum>(mirror)), false);
        QTEST(aFrame.scaledFotoAreaRect(QRectF(10, 20, 200, 200), aConfiguration), "scaled");
        QCOMPARE(aFrame.uniqueName(), QStringLiteral("Schmuckrahmen_clipart_red.svg_fading_round.svg"));
    }

    void rotate_data()
    {
        columns<int, QList<int>>("steps", "order");
        row("five on three: first two to the end", 5, QList<int> { 2, 0, 1 });
        row("three on three: nothing", 3, QList<int> { 0, 1, 2 });
        row("minus one: nothing", -1, QList<int> { 0, 1, 2 });
        row("zero: nothing", 0, QList<int> { 0, 1, 2 });
    }

    void rotate()
    {
        // Three configured decorations told apart by their mirror rules 0, 1 and 2.
        const QList<LMConfiguredDecoration> anItems {
            LMConfiguredDecoration(nullptr, LMClipartConfiguration(LMMirrorRuleEnum::None, false)),
            LMConfiguredDecoration(nullptr, LMClipartConfiguration(LMMirrorRuleEnum::HorizontalAxis, false)),
            LMConfiguredDecoration(nullptr, LMClipartConfiguration(LMMirrorRuleEnum::VerticalAxis, false)),
        };
        LMConfiguredDecorationList aList;
        aList.append(anItems);
        aList.rotate(fetch<int>("steps"));
        // The mirror rule values are the original positions.
        QList<int> anOrder;
        for (const LMConfiguredDecoration& anItem : std::as_const(aList))
            anOrder.append(anItem.configuration().mirrorRule().value());
        QTEST(anOrder, "order");
    }

    void thumbnailPixels_data()
    {
        columns<QString, int, int, QPoint, QColor>("decoration", "mirror", "spotColor", "pixel", "color");
        const QString aRed = QStringLiteral("<decoration type='clipart'><clipart file='red.svg'/></decoration>");
        const QString aLeft = QStringLiteral("<decoration type='clipart'><clipart file='left.svg'/></decoration>");
        const QString aRound = QStringLiteral("<decoration type='fading'><fading file='round.svg'/></decoration>");
        const QString aFrame
            = QStringLiteral("<decoration type='fading'><fading file='round.svg'><clipart file='left.svg'/>"
                             "<fotoarea x='0.5' y='0' width='0.5' height='1'/></fading></decoration>");
        row("red clipart renders red", aRed, 0, 0, QPoint(32, 16), QColor(Qt::red));
        row("recoloured by a replacement",
            "<decoration type='clipart'><clipart file='red.svg'><colorReplacement from='#ff0000' to='#00ff00'/>"
            "</clipart></decoration>",
            0, 0, QPoint(32, 16), QColor(Qt::green));
        row("gold spot colour", aRed, 0, 2, QPoint(32, 16), QColor(0xc8, 0xa9, 0x51));
        row("left half drawn on the left", aLeft, 0, 0, QPoint(8, 32), QColor(Qt::blue));
        row("not mirrored: right half empty", aLeft, 0, 0, QPoint(56, 32), QColor(Qt::transparent));
        row("mirrored left and right: right drawn", aLeft, 2, 0, QPoint(56, 32), QColor(Qt::blue));
        row("mask keeps the inside", aRound, 0, 0, QPoint(32, 32), QColor(0x9e, 0x9e, 0x9e));
        row("mask: outside transparent", aRound, 0, 0, QPoint(1, 1), QColor(Qt::transparent));
        row("frame: clipart over the whole", aFrame, 0, 0, QPoint(8, 32), QColor(Qt::blue));
        row("frame: photo in its area", aFrame, 0, 0, QPoint(48, 32), QColor(0x9e, 0x9e, 0x9e));
        row("frame mirrored: photo on the left", aFrame, 2, 0, QPoint(16, 32), QColor(0x9e, 0x9e, 0x9e));
    }

    void thumbnailPixels()
    {
        const QDomElement aContent = contentOf(fetch<QString>("decoration"));
        std::unique_ptr<LMAbstractDecoration> aDecoration;
        if (aContent.tagName() == QLatin1String("clipart"))
            aDecoration = std::make_unique<LMDecorationClipart>(aContent, QDir(myDir.path()));
        else if (aContent.firstChildElement(QStringLiteral("clipart")).isNull())
            aDecoration = std::make_unique<LMDecorationMask>(aContent, QDir(myDir.path()));
        else
            aDecoration = std::make_unique<LMDecorationMaskFrame>(aContent, QDir(myDir.path()));
        const LMMirrorRule aMirror(static_cast<LMMirrorRuleEnum>(fetch<int>("mirror")));
        const LMSpotColor aSpot(static_cast<LMSpotColorEnum>(fetch<int>("spotColor")));
        const QImage anImage = aDecoration->thumbnail(QSize(64, 64), aMirror, aSpot);
        QCOMPARE(anImage.size(), aDecoration->thumbnailSize(QSize(64, 64)));
        const QColor aPixel = anImage.pixelColor(fetch<QPoint>("pixel"));
        QFETCH(QColor, color);
        if (color.alpha() == 0) {
            QCOMPARE(aPixel.alpha(), 0);
        } else {
            QCOMPARE(aPixel.alpha(), 255);
            QCOMPARE(aPixel.rgb(), color.rgb());
        }
        // Asked again the same way, the cached picture comes back.
        QCOMPARE(aDecoration->thumbnail(QSize(64, 64), aMirror, aSpot).cacheKey(), anImage.cacheKey());
    }

    void designStyleXml_data()
    {
        columns<QString, QString>("element", "debugText");
        row("plain", "<clipart designElementId='77'/>",
            "        Clipart:\n          Design Element Id: 77\n          GSEL: 0\n          Mirror: none");
        row("spot colour, mirrored, recoloured",
            "<clipart designElementId='78' gsel='1'><mirror mirror-axis='vertical'/>"
            "<colorReplacement from='#ff0000' to='#0000ff'/></clipart>",
            "        Clipart:\n          Design Element Id: 78\n          GSEL: 1\n          Mirror: vertical\n"
            "          Color: #ff0000,255 -> #0000ff,255");
    }

    void designStyleXml()
    {
        const QDomDocument aDocument
            = LMXMLLoader::loadDocumentFromData(fetch<QString>("element").toUtf8(), QStringLiteral("test"));
        const LMConfiguredDecorationTemplate aRead
            = LMConfiguredDecorationTemplate::fromDesignStyleXml(aDocument.documentElement());
        QTEST(aRead.toDebugString(), "debugText");
        QDomDocument anOut;
        QDomElement aWritten = anOut.createElement(QStringLiteral("clipart"));
        anOut.appendChild(aWritten);
        aRead.toDesignStyleXml(aWritten);
        QCOMPARE(LMConfiguredDecorationTemplate::fromDesignStyleXml(aWritten), aRead);
    }

    void readsTheContentTree_data()
    {
        columns<QString, int, QString, bool>("name", "id", "className", "exclusiveSource");
        row("first of two in a file", "clipart_red.svg", 101, "LMDecorationClipart", false);
        row("second of two in a file", "clipart_blue.svg", 102, "LMDecorationClipart", false);
        row("alone in its file", "fading_round.svg", 201, "LMDecorationMask", true);
        row("fading with a clipart: a mask frame", "Schmuckrahmen_clipart_red.svg_fading_round.svg", 301,
            "LMDecorationMaskFrame", true);
    }

    void readsTheContentTree()
    {
        QFETCH(QString, name);
        QFETCH(int, id);
        LMAbstractDecoration* aDecoration = registry()->decorations().find(name);
        QVERIFY(aDecoration != nullptr);
        QCOMPARE(registry()->decoration(LMDesignElementID(id)), aDecoration);
        QCOMPARE(registry()->find(aDecoration->createKey()), aDecoration);
        QTEST(QString::fromLatin1(aDecoration->metaObject()->className()), "className");
        QTEST(!aDecoration->exclusiveSourceFile().filePath().isEmpty(), "exclusiveSource");
    }

    void lookupSeam()
    {
        const LMDecorationLookup* aLookup = LMDecorationLookup::installed();
        QCOMPARE(aLookup, static_cast<const LMDecorationLookup*>(registry()));
        QCOMPARE(aLookup->findClipartByUniqueName(QStringLiteral("clipart_red.svg")), LMDesignElementID(101));
        QVERIFY(aLookup->containsMask(LMDesignElementID(301)));
        QVERIFY(!aLookup->containsMask(LMDesignElementID(101)));
        QCOMPARE(LMConfiguredDecorationTemplate(LMDesignElementID(102)).decoration(),
                 static_cast<LMJig*>(registry()->clipart(LMDesignElementID(102))));
        // The map pins the osm configuration names first of those that exist.
        QCOMPARE(registry()->defaultMapPinClipart(), registry()->findClipart(QStringLiteral("clipart_red.svg")));
        QCOMPARE(registry()->defaultPinDecorationMask(), registry()->findMask(QStringLiteral("fading_round.svg")));
    }

    void badFilesAreSkipped_data()
    {
        columns<QByteArray, QString>("content", "warning");
        row("type missing", decorations("<decoration><clipart file='red.svg'/></decoration>"),
            "newDecoration==nullptr file=");
        row("clipart without content", decorations("<decoration type='clipart'><fading file='red.svg'/></decoration>"),
            "newDecoration==nullptr file=");
        row("missing picture", decorations("<decoration type='clipart'><clipart file='gone.svg'/></decoration>"),
            "gone.svg: not found");
        row("huge ratio", decorations("<decoration type='clipart'><clipart file='red.svg' ratio='1e9'/></decoration>"),
            "newDecoration==nullptr file=");
        row("malformed", QByteArray("<decorations><decoration type='clipart'"), "malformed XML file");
    }

    void badFilesAreSkipped()
    {
        QFETCH(QString, warning);
        LMTestSupport::writeFile(myLoose, "red.svg", SVG_RED);
        const QString aFile = LMTestSupport::writeFile(myLoose, QStringLiteral("%1.xml").arg(QTest::currentDataTag()),
                                                       fetch<QByteArray>("content"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(warning)));
        // Every element that gives no decoration is reported with the file.
        if (!warning.startsWith(QLatin1String("newDecoration")) && !warning.startsWith(QLatin1String("malformed")))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^newDecoration==nullptr file=")));
        const qsizetype aCount = registry()->decorations().size();
        QVERIFY(!registry()->parseXML(QFileInfo(aFile), false));
        QCOMPARE(registry()->decorations().size(), aCount);
    }

    void readingTwiceRegistersOnce()
    {
        const qsizetype aCount = registry()->decorations().size();
        QTest::ignoreMessage(QtWarningMsg, "Dublette: clipart_red.svg");
        QTest::ignoreMessage(QtWarningMsg, "Dublette: clipart_blue.svg");
        QVERIFY(registry()->parseXML(QFileInfo(myContent.filePath("decorations/cliparts/cliparts.xml")), false));
        QCOMPARE(registry()->decorations().size(), aCount);
    }

    void payload_data()
    {
        columns<QStringList, QStringList, QStringList>("strings", "found", "unknown");
        row("unknown name among them", QStringList { "clipart_red.svg\nclipart_nosuch.svg\nfading_round.svg" },
            QStringList { "clipart_red.svg", "fading_round.svg" }, QStringList { "clipart_nosuch.svg" });
        row("empty parts and several strings", QStringList { "\n\nclipart_red.svg\n", "clipart_blue.svg" },
            QStringList { "clipart_red.svg", "clipart_blue.svg" }, QStringList());
    }

    void payload()
    {
        QFETCH(QStringList, unknown);
        for (const QString& aName : std::as_const(unknown))
            QTest::ignoreMessage(QtWarningMsg, qUtf8Printable(QStringLiteral("not found: ") + aName));
        const std::unique_ptr<QMimeData> aMime(payloadOf(fetch<QStringList>("strings")));
        const LMAbstractDecorationList aList(aMime.get());
        QTEST(namesOf(aList), "found");
        // Written back and read again, the same decorations in the same order.
        QMimeData aWritten;
        aList.encode(&aWritten);
        LMAbstractDecorationList aDecoded;
        aDecoded.decode(&aWritten);
        QCOMPARE(aDecoded, aList);
    }

    void userDecorationIsWrittenAndReadBack_data()
    {
        columns<int, QString>("sourceId", "userCategory");
        row("clipart", 101, LMThematicCategory::userCliparts().internalName());
        row("mask", 201, LMThematicCategory::userMask().internalName());
        row("mask frame", 301, LMThematicCategory::userMaskFrames().internalName());
    }

    void userDecorationIsWrittenAndReadBack()
    {
        QFETCH(int, sourceId);
        LMAbstractDecoration* aSource = registry()->decoration(LMDesignElementID(sourceId));
        QVERIFY(aSource != nullptr);
        const LMClipartConfiguration aConfiguration(LMMirrorRuleEnum::VerticalAxis, false);
        LMJigKey aKey;
        if (auto* aClipart = qobject_cast<LMDecorationClipart*>(aSource))
            aKey = registry()->saveClipartTemplate(aClipart, aConfiguration);
        else
            aKey = registry()->saveMaskTemplate(LMConfiguredDecoration(aSource), aConfiguration);
        QVERIFY(!aKey.isNull());
        auto* aUser = qobject_cast<LMAbstractDecoration*>(registry()->find(aKey));
        QVERIFY(aUser != nullptr);
        QVERIFY(aUser != aSource);
        QVERIFY(aUser->isUserElement());
        QCOMPARE(aUser->metaObject()->className(), aSource->metaObject()->className());
        QVERIFY(aUser->categories().contains(LMThematicCategory(fetch<QString>("userCategory"))));
        QCOMPARE(aUser->svgComposition().ratio(), aSource->svgComposition().ratio());
        // The source keeps its id; the user element is found by its name with the user id.
        QCOMPARE(registry()->decoration(LMDesignElementID(sourceId)), aSource);
        QCOMPARE(registry()->decorations().find(aUser->mimeData()), aUser);
        const QString aFolder = QStringLiteral("USER_%1_%2").arg(sourceId).arg(aUser->userElementId());
        QVERIFY(QFileInfo::exists(
            QDir(registry()->findClipartsDir()).filePath(aFolder + QStringLiteral("/%1.xml").arg(sourceId))));
    }

    void failedSaveLeavesNothingBehind()
    {
        const QString aSvg = LMTestSupport::writeFile(myLoose, "vanishing/vanishing.svg", SVG_RED);
        const QString aFile = LMTestSupport::writeFile(
            myLoose, "vanishing/vanishing.xml",
            decorations(
                "<decoration type='clipart'><clipart file='vanishing.svg' designElementId='401'/></decoration>"));
        QVERIFY(registry()->parseXML(QFileInfo(aFile), false));
        auto* aClipart = registry()->clipart(LMDesignElementID(401));
        QVERIFY(aClipart != nullptr);
        QVERIFY(QFile::remove(aSvg));
        const QDir aUserDir(registry()->findClipartsDir());
        const QStringList aBefore = aUserDir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QVERIFY(registry()->saveClipartTemplate(aClipart, LMClipartConfiguration()).isNull());
        QCOMPARE(aUserDir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), aBefore);
    }

    void lookupsFromThreads()
    {
        LMTestSupport::writeFile(myLoose, "threads/red.svg", SVG_RED);
        QStringList aFiles;
        for (int anIndex = 0; anIndex < 20; ++anIndex) {
            aFiles.append(LMTestSupport::writeFile(
                myLoose, QStringLiteral("threads/%1.xml").arg(anIndex),
                decorations(QStringLiteral("<decoration type='clipart'><clipart file='red.svg' designElementId='%1'/>"
                                           "</decoration>")
                                .arg(500 + anIndex))));
        }
        // Readers while the files are added; each reader must always find the content's clipart.
        // Plain threads: Qt's pool hands tasks over through atomics the race detector cannot see.
        std::atomic<int> aMisses { 0 };
        std::vector<std::thread> aReaders;
        for (int aReader = 0; aReader < 4; ++aReader) {
            aReaders.emplace_back([&aMisses]() {
                for (int aRound = 0; aRound < 200; ++aRound) {
                    if (registry()->findClipart(QStringLiteral("clipart_red.svg")) == nullptr
                        || registry()->decoration(LMDesignElementID(201)) == nullptr
                        || registry()->categories().isEmpty())
                        ++aMisses;
                }
            });
        }
        // Two writers, each adding every other file.
        std::atomic<int> aParsed { 0 };
        std::vector<std::thread> aWriters;
        for (int aWriter = 0; aWriter < 2; ++aWriter) {
            aWriters.emplace_back([&aFiles, &aParsed, aWriter]() {
                for (qsizetype i = aWriter; i < aFiles.size(); i += 2)
                    aParsed += registry()->parseXML(QFileInfo(aFiles.at(i)), false) ? 1 : 0;
            });
        }
        for (std::thread& aThread : aWriters)
            aThread.join();
        for (std::thread& aReader : aReaders)
            aReader.join();
        QCOMPARE(aParsed.load(), 20);
        QCOMPARE(aMisses.load(), 0);
        QVERIFY(registry()->isInstalled(LMDesignElementID(519)));
    }

private:
    QTemporaryDir myDir;
    QTemporaryDir myContent;
    QTemporaryDir myUserData;
    QTemporaryDir myLoose;
};

QTEST_MAIN(tst_Decorations)
#include "tst_decorations.moc"
