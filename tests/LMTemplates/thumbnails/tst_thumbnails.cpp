#include "LMArticle.h"
#include "LMBackgroundJobManager.h"
#include "LMBackgroundJobTemplateThumbnailDefault.h"
#include "LMBackgroundPreviewRenderer.h"
#include "LMLayoutPreviewRenderer.h"
#include "LMPaginationPaintingManager.h"
#include "LMProductCatalogue.h"
#include "LMSVGComposition.h"
#include "LMSVGImage.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinitionCalendarium.h"
#include "LMTemplateAreaDefinitionFoto.h"
#include "LMTemplateAreaDefinitionSVG.h"
#include "LMTemplateAreaDefinitionText.h"
#include "LMTemplateThumbnailCache.h"
#include "LMTestSupport.h"

#include <QPainter>
#include <QStyleOptionViewItem>
#include <QtConcurrent>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {
// The test product's inner page is 1000 × 500 units: in a 200 × 200 thumbnail 200 × 100 pixels,
// five units to the pixel.
constexpr int SIDE = 200;
const QColor TEXT_FILL(225, 225, 225);

enum class Kind { Foto, Text, Calendar, Svg };

std::unique_ptr<LMTemplateAreaDefinition> makeArea(Kind theKind, const QRectF& theRect)
{
    const LMAreaDescription aDescription { LMRotatedRect(theRect), LMAreaAbility() };
    const LMAreaPositioningConstraint anywhere = LMAreaPositioningConstraintEnum::Anywhere;
    switch (theKind) {
    case Kind::Foto:
        return std::make_unique<LMTemplateAreaDefinitionFoto>(aDescription, anywhere);
    case Kind::Text:
        return std::make_unique<LMTemplateAreaDefinitionText>(aDescription, anywhere);
    case Kind::Calendar:
        return std::make_unique<LMTemplateAreaDefinitionCalendarium>(aDescription, anywhere);
    case Kind::Svg: {
        auto anSvg = std::make_unique<LMTemplateAreaDefinitionSVG>(aDescription, anywhere);
        anSvg->setSvgImage(std::make_unique<LMSVGImage>(
            QByteArrayLiteral("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>"
                              "<rect width='10' height='10' fill='#0000ff'/></svg>")));
        return anSvg;
    }
    }
    return nullptr;
}

// The templates of a test; deleted with it.
class Templates
{
public:
    ~Templates()
    {
        for (LMUnconfiguredTemplate& aTemplate : myTemplates)
            aTemplate.deleteTemplate();
    }
    LMConfiguredTemplate add(const QList<QPair<Kind, QRectF>>& theAreas, const QString& theName = QStringLiteral("t"))
    {
        auto aTemplate = std::make_unique<LMTemplate>(LMJigTypeEnum::Layout);
        aTemplate->setName(theName);
        aTemplate->setAutoThumbSetting(LMAutoThumbOptionEnum::Layout);
        for (const auto& anArea : theAreas)
            aTemplate->addAreaDefinition(makeArea(anArea.first, anArea.second));
        myTemplates.append(LMUnconfiguredTemplate(aTemplate.release()));
        return LMConfiguredTemplate(myTemplates.constLast());
    }

private:
    QList<LMUnconfiguredTemplate> myTemplates;
};

LMTemplateThumbnailContext contextOf(const LMConfiguredTemplate& theTemplate, const QString& thePhoto = QString())
{
    const LMTemplateContext aContext(LMArticle::fromOrderTxtName("BOOK_WIDE"), LMPageTypeEnum::InnerPage);
    return LMTemplateThumbnailContext(QSize(SIDE, SIDE), aContext, theTemplate, LMCalendariumPreviewParameters(),
                                      thePhoto, Qt::white);
}

QImage preview(const LMConfiguredTemplate& theTemplate, const QString& thePhoto = QString())
{
    return LMLayoutPreviewRenderer(contextOf(theTemplate, thePhoto)).createImage();
}

// Runs of rows, down column x from y0 to y1, that are lighter than the text areas' grey.
int lighterRuns(const QImage& theImage, int theX, int theFrom, int theTo)
{
    int aRuns = 0;
    bool anInRun = false;
    for (int y = theFrom; y < theTo; ++y) {
        const bool aLighter = qGray(theImage.pixel(theX, y)) > qGray(TEXT_FILL.rgb()) + 4;
        aRuns += aLighter && !anInRun;
        anInRun = aLighter;
    }
    return aRuns;
}
} // namespace

class tst_Thumbnails : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(LMProductCatalogue::instance()->load(LMTestSupport::dataPath("thumbnails/catalogue.json")));
        QVERIFY(myDir.isValid());
        connect(LMTemplateThumbnailCache::instance(), &LMTemplateThumbnailCache::thumbnailChanged, this,
                [this](const LMTemplateThumbnailContext& theContext) { myAnnounced.append(theContext); });
    }

    void init()
    {
        LMBackgroundJobManager::instance()->waitForIdle();
        QCoreApplication::processEvents();
        LMTemplateThumbnailCache::instance()->clearCache();
        myAnnounced.clear();
    }

    void contextEquality_data()
    {
        columns<QSize, QString, QColor, bool, bool>("size", "photo", "background", "border", "equal");

        row("same", QSize(SIDE, SIDE), QString(), QColor(Qt::white), false, true);
        row("border does not count", QSize(SIDE, SIDE), QString(), QColor(Qt::white), true, true);
        row("other size", QSize(SIDE, 100), QString(), QColor(Qt::white), false, false);
        row("other photo", QSize(SIDE, SIDE), "/a.jpg", QColor(Qt::white), false, false);
        row("other background", QSize(SIDE, SIDE), QString(), QColor(Qt::black), false, false);
    }

    void contextEquality()
    {
        QFETCH(QSize, size);
        QFETCH(QString, photo);
        QFETCH(bool, equal);
        Templates aTemplates;
        const LMConfiguredTemplate aTemplate = aTemplates.add({});
        const LMTemplateThumbnailContext aBase = contextOf(aTemplate);
        LMTemplateThumbnailContext anOther(size, aBase.templateContext(), aTemplate, LMCalendariumPreviewParameters(),
                                           photo, fetch<QColor>("background"));
        anOther.setBorder(fetch<bool>("border"));
        QCOMPARE(aBase == anOther, equal);
        if (equal)
            QCOMPARE(qHash(aBase), qHash(anOther));
    }

    void textAreaLines_data()
    {
        columns<int, int>("height", "lines");

        row("100 high: one line", 100, 1);
        row("49 high: none", 49, 0);
        row("150 high: two", 150, 2);
    }

    void textAreaLines()
    {
        QFETCH(int, height);
        Templates aTemplates;
        const QImage anImage = preview(aTemplates.add({ { Kind::Text, QRectF(0, 0, 1000, height) } }));
        QCOMPARE(anImage.size(), QSize(SIDE, SIDE / 2));
        // Inside the box, away from its outline.
        QFETCH(int, lines);
        QCOMPARE(lighterRuns(anImage, 100, 2, height / 5 - 2), lines);
        QCOMPARE(QColor(anImage.pixel(100, 1)), TEXT_FILL);
    }

    void defaultTilt_data()
    {
        // Where the grey text box that fills the left fifth of the page ends up.
        columns<int, QSize, QPoint, QPoint>("tilt", "size", "grey", "white");

        // (Points between the box's ruled lines, which run every ten pixels.)
        row("none", -1, QSize(200, 100), QPoint(10, 55), QPoint(190, 55));
        row("90: left goes to the top", 90, QSize(100, 200), QPoint(44, 10), QPoint(44, 190));
        row("270: left goes to the bottom", 270, QSize(100, 200), QPoint(55, 189), QPoint(55, 10));
        row("180: unchanged", 180, QSize(200, 100), QPoint(10, 55), QPoint(190, 55));
    }

    void defaultTilt()
    {
        QFETCH(int, tilt);
        Templates aTemplates;
        LMConfiguredTemplate aTemplate = aTemplates.add({ { Kind::Text, QRectF(0, 0, 200, 500) } });
        if (tilt >= 0)
            aTemplate.templatePointer()->setDefaultRotation(LMTemplateDefaultTilt(LMAngle(tilt)));
        const QImage anImage = preview(aTemplate);
        QTEST(anImage.size(), "size");
        QCOMPARE(QColor(anImage.pixel(fetch<QPoint>("grey"))), TEXT_FILL);
        QCOMPARE(QColor(anImage.pixel(fetch<QPoint>("white"))), QColor(Qt::white));
    }

    void calendarsOverPhotos()
    {
        // The photo area covers the calendar: listed first or last, the calendar is drawn over it.
        Templates aTemplates;
        const QRectF aPage(0, 0, 1000, 500);
        const QRectF aCalendar(250, 100, 500, 300);
        const QImage aPhotoOnly = preview(aTemplates.add({ { Kind::Foto, aPage } }));
        const QImage aCalendarFirst = preview(aTemplates.add({ { Kind::Calendar, aCalendar }, { Kind::Foto, aPage } }));
        const QImage aCalendarLast = preview(aTemplates.add({ { Kind::Foto, aPage }, { Kind::Calendar, aCalendar } }));
        QVERIFY(aCalendarFirst != aPhotoOnly);
        QCOMPARE(aCalendarFirst, aCalendarLast);
        // Outside the calendar the photo area is untouched.
        QCOMPARE(aCalendarFirst.copy(0, 0, 40, 100), aPhotoOnly.copy(0, 0, 40, 100));
    }

    void previewPhoto()
    {
        QImage aRed(300, 200, QImage::Format_RGB32);
        aRed.fill(Qt::red);
        const QString aPhoto = myDir.filePath("red.png");
        QVERIFY(aRed.save(aPhoto));
        Templates aTemplates;
        const LMConfiguredTemplate aTemplate = aTemplates.add({ { Kind::Foto, QRectF(500, 0, 500, 500) } });
        const QImage aWithPhoto = preview(aTemplate, aPhoto);
        QCOMPARE(QColor(aWithPhoto.pixel(150, 50)), QColor(Qt::red));
        QCOMPARE(QColor(aWithPhoto.pixel(50, 50)), QColor(Qt::white));
        // Without a photo, or with one that cannot be read, the empty-area marker stands in.
        const QImage aMarker = preview(aTemplate);
        QVERIFY(QColor(aMarker.pixel(150, 50)) != QColor(Qt::red)
                && QColor(aMarker.pixel(150, 50)) != QColor(Qt::white));
        QCOMPARE(preview(aTemplate, myDir.filePath("missing.png")), aMarker);
    }

    void spotColorPassPaintsOnlySvg()
    {
        Templates aTemplates;
        LMConfiguredTemplate aTemplate
            = aTemplates.add({ { Kind::Text, QRectF(0, 0, 500, 500) }, { Kind::Svg, QRectF(500, 0, 500, 500) } });
        aTemplate.templatePointer()->setSpotColorLayer(LMSpotColorEnum::GoldFoil);
        LMLayoutPreviewRenderer aRenderer(contextOf(aTemplate));
        QImage aLayer(SIDE, SIDE / 2, QImage::Format_ARGB32_Premultiplied);
        aLayer.fill(Qt::transparent);
        {
            QPainter aPainter(&aLayer);
            aRenderer.paintSpotColor(&aPainter);
        }
        QCOMPARE(qAlpha(aLayer.pixel(50, 50)), 0);
        QCOMPARE(QColor(aLayer.pixel(150, 50)), LMSVGComposition::displayColor(LMSpotColorEnum::GoldFoil));
        // The normal pass draws the artwork in its own colour.
        QCOMPARE(QColor(aRenderer.createImage().pixel(150, 50)), QColor(Qt::blue));
    }

    void placeholderThenSignalThenCached()
    {
        LMTemplateThumbnailCache* aCache = LMTemplateThumbnailCache::instance();
        Templates aTemplates;
        const LMTemplateThumbnailContext aContext
            = contextOf(aTemplates.add({ { Kind::Text, QRectF(0, 0, 1000, 100) } }));
        const QImage aFirst = aCache->thumbnail(aContext, LMBackgroundJobPriority::Normal);
        QCOMPARE(aFirst, LMTemplateThumbnailCache::hourGlass(aContext.maxRenderingSize()));
        QTRY_COMPARE_WITH_TIMEOUT(myAnnounced.size(), 1, 10000);
        QCOMPARE(myAnnounced.constFirst(), aContext);

        const QImage aSecond = aCache->thumbnail(aContext, LMBackgroundJobPriority::Normal);
        QCOMPARE(aSecond, preview(aContext.getTemplate()));
        LMBackgroundJobManager::instance()->waitForIdle();
        QCoreApplication::processEvents();
        QCOMPARE(myAnnounced.size(), 1);
        QCOMPARE(aCache->currentCacheSize(), LMTemplateThumbnailCache::determineCost(aSecond));
    }

    void oversizedImageIsNotCached()
    {
        LMTemplateThumbnailCache* aCache = LMTemplateThumbnailCache::instance();
        Templates aTemplates;
        const LMTemplateThumbnailContext aContext = contextOf(aTemplates.add({}));
        QImage aHuge(2600, 2048, QImage::Format_ARGB32_Premultiplied);
        QVERIFY(LMTemplateThumbnailCache::determineCost(aHuge) > LMTemplateThumbnailCache::MaximumCost);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("more than the cache holds")));
        aCache->updateCacheData(aContext, aHuge);
        QVERIFY(!aCache->contains(aContext));
        QVERIFY(myAnnounced.isEmpty());
        // Just within the bound it is kept (and announced at once: this is the receiver's thread).
        aCache->updateCacheData(aContext, QImage(2048, 2559, QImage::Format_ARGB32_Premultiplied));
        QVERIFY(aCache->contains(aContext));
        QCOMPARE(myAnnounced.size(), 1);
    }

    void invalidateDropsOnlyThatTemplate()
    {
        LMTemplateThumbnailCache* aCache = LMTemplateThumbnailCache::instance();
        Templates aTemplates;
        const LMConfiguredTemplate aDropped = aTemplates.add({}, QStringLiteral("dropped"));
        const LMConfiguredTemplate aKept = aTemplates.add({}, QStringLiteral("kept"));
        QList<LMTemplateThumbnailContext> aContexts { contextOf(aDropped), contextOf(aDropped), contextOf(aKept) };
        aContexts[1].setMaxRenderingSize(QSize(50, 50));
        for (const LMTemplateThumbnailContext& aContext : std::as_const(aContexts))
            aCache->updateCacheData(aContext, QImage(10, 10, QImage::Format_RGB32));
        aCache->invalidate(aDropped);
        QVERIFY(!aCache->contains(aContexts.at(0)));
        QVERIFY(!aCache->contains(aContexts.at(1)));
        QVERIFY(aCache->contains(aContexts.at(2)));
    }

    void missingFilesShowTheFileName()
    {
        Templates aTemplates;
        LMConfiguredTemplate aTemplate = aTemplates.add({});
        LMTemplateFileInfo aFiles;
        aFiles.setFilePath(myDir.path());
        aFiles.setThumbnailFile(QStringLiteral("gone.png"));
        aTemplate.templatePointer()->setFileInfo(aFiles);
        aTemplate.templatePointer()->setAutoThumbSetting(LMAutoThumbOptionEnum::Default);
        const LMTemplateThumbnailContext aContext = contextOf(aTemplate);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("gone.png")));
        const QImage anImage
            = LMTemplateThumbnailCache::instance()->thumbnail(aContext, LMBackgroundJobPriority::Immediate);
        QCOMPARE(anImage.size(), QSize(SIDE, SIDE));
        QCOMPARE(anImage,
                 LMBackgroundJobTemplateThumbnailDefault::paintNotFoundWarning(QSize(SIDE, SIDE),
                                                                               QStringLiteral("gone.png")));
    }

    void croppingRect_data()
    {
        columns<QSize, QSize, QRect>("source", "target", "crop");

        row("wide source, square target", QSize(400, 200), QSize(50, 50), QRect(100, 0, 200, 200));
        row("tall source, wide target", QSize(100, 300), QSize(200, 100), QRect(0, 125, 100, 50));
        row("same shape", QSize(300, 150), QSize(200, 100), QRect(0, 0, 300, 150));
    }

    void croppingRect()
    {
        QTEST(LMBackgroundPreviewRenderer::calculateCroppingRect(fetch<QSize>("source"), fetch<QSize>("target")),
              "crop");
    }

    void pagination_data()
    {
        columns<int, bool, bool>("bullets", "mouseOver", "painted");

        row("one page: nothing", 1, true, false);
        row("three pages", 3, false, true);
        row("three pages, mouse over", 3, true, true);
    }

    void pagination()
    {
        QFETCH(int, bullets);
        LMPaginationPaintingManager aManager;
        aManager.setBulletsCount(bullets);
        aManager.setBulletColor(Qt::gray);
        aManager.setBulletSelectedColor(Qt::black);
        aManager.setPaginationButtonBackgroundColor(Qt::blue);
        aManager.setPaginationButtonArrowColor(Qt::white);
        QStyleOptionViewItem anOption;
        anOption.rect = QRect(0, 0, 100, 60);
        QFETCH(bool, mouseOver);
        anOption.state = mouseOver ? QStyle::State_MouseOver : QStyle::State_None;
        // Three bullets of 9 with gaps of 8 are 43 wide: centred, 9 above the bottom.
        QCOMPARE(aManager.firstBulletTopLeft(anOption), QPoint((100 - ((9 + 8) * bullets - 8)) / 2, 50));
        QCOMPARE(aManager.buttonAt(1, anOption), QRect(100 - 1 - 10 - 24, 25, 24, 24));
        QVERIFY(aManager.buttonAt(2, anOption).isEmpty());

        QImage anImage(100, 60, QImage::Format_ARGB32_Premultiplied);
        anImage.fill(Qt::transparent);
        {
            QPainter aPainter(&anImage);
            aManager.renderPagination(&aPainter, anOption, 1);
        }
        const QPoint aFirst = aManager.firstBulletTopLeft(anOption) + QPoint(4, 4);
        QCOMPARE(qAlpha(anImage.pixel(aFirst)) > 0, fetch<bool>("painted"));
        if (bullets > 1) {
            QCOMPARE(QColor(anImage.pixel(aFirst)), QColor(Qt::gray));
            QCOMPARE(QColor(anImage.pixel(aFirst + QPoint(17, 0))), QColor(Qt::black));
        }
        const QPoint aButton = aManager.buttonAt(0, anOption).topLeft() + QPoint(4, 12);
        QCOMPARE(qAlpha(anImage.pixel(aButton)) > 0, bullets > 1 && mouseOver);
    }

    void concurrentJobs()
    {
        // Jobs store pictures on the workers while this thread asks, invalidates and clears.
        LMTemplateThumbnailCache* aCache = LMTemplateThumbnailCache::instance();
        Templates aTemplates;
        QList<LMTemplateThumbnailContext> aContexts;
        for (int i = 0; i < 24; ++i)
            aContexts.append(contextOf(
                aTemplates.add({ { Kind::Text, QRectF(0, 0, 1000, 40 * i + 10) } }, QStringLiteral("t%1").arg(i))));
        for (int aRound = 0; aRound < 3; ++aRound) {
            for (const LMTemplateThumbnailContext& aContext : std::as_const(aContexts))
                aCache->thumbnail(aContext, LMBackgroundJobPriority::Normal);
            aCache->invalidate(aContexts.at(aRound).getTemplate());
            QtConcurrent::blockingMap(aContexts, [aCache](const LMTemplateThumbnailContext& theContext) {
                aCache->thumbnailSize(theContext);
            });
        }
        LMBackgroundJobManager::instance()->waitForIdle();
        QCoreApplication::processEvents();
        for (const LMTemplateThumbnailContext& aContext : std::as_const(aContexts))
            QCOMPARE(aCache->thumbnail(aContext, LMBackgroundJobPriority::Immediate), preview(aContext.getTemplate()));
        QVERIFY(myAnnounced.size() >= aContexts.size());
    }

private:
    QTemporaryDir myDir;
    // What the cache announced, received in this thread (queued from the workers).
    QList<LMTemplateThumbnailContext> myAnnounced;
};

QTEST_MAIN(tst_Thumbnails)
#include "tst_thumbnails.moc"
