#include "LMDirectoryConfig.h"
#include "LMTemplate.h"
#include "LMTemplateFileInfo.h"

#include "LMTestSupport.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;
using LMTestSupport::words;

namespace {
using Change = std::function<void(LMTemplateFileInfo&)>;
} // namespace

Q_DECLARE_METATYPE(Change)

// The files of a template: the paths derived for XML and SVG templates, production paths, and
// the hook that makes the template compute its unique name anew.
class TestTemplateFileInfo : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        myRoot = QFileInfo(myDir.path()).canonicalFilePath();
        // An XML template folder whose thumbnail lies beside it, one whose thumbnail lies in its
        // parent, and an SVG design below a categories folder.
        LMTestSupport::writeFile(myDir, QStringLiteral("backgrounds/blue/thumb.jpg"), "jpeg");
        LMTestSupport::writeFile(myDir, QStringLiteral("backgrounds/shared.jpg"), "jpeg");
        QDir(myRoot).mkpath(QStringLiteral("backgrounds/red"));
        LMTestSupport::writeFile(myDir, QStringLiteral("designs/categories/summer/page.svg"), "<svg/>");
        LMDirectoryConfig::instance()->setContentRoot(myRoot);
    }

    void homeDirectory_data()
    {
        columns<QString, QString>("filePath", "home");

        row("below categories", "/c/designs/categories/summer/page.svg", "/c/designs");
        row("the last categories folder", "/c/categories/a/categories/b.svg", "/c/categories/a");
        row("no categories folder", "/c/designs/page.svg", "/c/designs/page.svg");
        row("categories only as part of a name", "/c/mycategories/x.svg", "/c/mycategories/x.svg");
    }

    void homeDirectory()
    {
        LMTemplateFileInfo anInfo;
        anInfo.setFilePath(fetch<QString>("filePath"));
        QTEST(anInfo.homeDirectory().path(), "home");
    }

    void relativeFilePathFromCategories_data()
    {
        columns<QString, QString>("filePath", "expected");

        row("folder", "/c/categories/summer/sea", "categories/summer/sea/");
        row("the last categories before the last slash", "/c/categories/a/categories/b/x.svg", "categories/b/x.svg/");
        row("categories after the last slash does not count", "/c/designs/categories", "");
        row("no categories", "/c/designs/summer", "");
        row("a folder that ends in a slash", "/c/categories/summer/", "categories/summer/");
        row("empty", QString(), QString());
    }

    void relativeFilePathFromCategories()
    {
        LMTemplateFileInfo anInfo;
        anInfo.setFilePath(fetch<QString>("filePath"));
        QTEST(anInfo.relativeFilePathFromCategories(), "expected");
    }

    void productionPDFPath_data()
    {
        columns<QString, bool, QString>("prefix", "spotColor", "expected");

        row("no prefix: two components", QString(), false, "$CONTENT/02/page.pdf");
        row("with prefix: three components", "designs/see", false, "$CONTENT/02/designs/see/page.pdf");
        row("spot colour file and class", QString(), true, "$CONTENT/05/page_gold.pdf");
    }

    void productionPDFPath()
    {
        QFETCH(bool, spotColor);

        LMTemplateFileInfo anInfo;
        anInfo.setImagePathPrefix(fetch<QString>("prefix"));
        anInfo.setPriceClass(LMPriceClass::create(QStringLiteral("2")));
        anInfo.setSpotColorPriceClass(LMPriceClass::create(QStringLiteral("5")));
        QCOMPARE(anInfo.productionPDFPath(spotColor), QString());
        anInfo.setPDFFile(QStringLiteral("page.pdf"));
        anInfo.setSpotColorFileForProduction(QStringLiteral("page_gold.pdf"));
        QTEST(anInfo.productionPDFPath(spotColor), "expected");
        // Without the file of the asked kind there is no path.
        if (spotColor)
            anInfo.setSpotColorFileForProduction(QString());
        else
            anInfo.setPDFFile(QString());
        QCOMPARE(anInfo.productionPDFPath(spotColor), QString());
    }

    void thumbnailAndImagePaths_data()
    {
        columns<int, QString, QString, bool, QString, QString>("fileType", "filePath", "thumbnail", "absolute",
                                                               "thumbnailPath", "imagePath");

        row("xml, thumbnail beside", 1, "@/backgrounds/blue", "thumb.jpg", false, "@/backgrounds/blue/thumb.jpg",
            "@/backgrounds/blue/thumb.jpg");
        row("xml, thumbnail in the parent", 1, "@/backgrounds/red", "shared.jpg", false, "@/backgrounds/shared.jpg",
            "@/backgrounds/shared.jpg");
        row("xml, thumbnail nowhere", 1, "@/backgrounds/red", "gone.jpg", false, "@/backgrounds/gone.jpg",
            "@/backgrounds/gone.jpg");
        row("xml, folder that does not exist", 1, "@/nowhere/deeper", "gone.jpg", false, "@/nowhere/deeper/gone.jpg",
            "@/nowhere/deeper/gone.jpg");
        row("svg, relative to the home directory", 2, "@/designs/categories/summer/page.svg", "thumbs/page.jpg", false,
            "@/designs/thumbs/page.jpg", "@/designs/images/page.png");
        row("svg, absolute thumbnail", 2, "@/designs/categories/summer/page.svg", "/abs/t.jpg", true, "/abs/t.jpg",
            "@/designs/images/page.png");
        row("not set", 0, "@/backgrounds/red", "shared.jpg", false, "@/backgrounds/red/shared.jpg",
            "@/backgrounds/shared.jpg");
    }

    void thumbnailAndImagePaths()
    {
        QFETCH(QString, filePath);
        QFETCH(QString, thumbnailPath);
        QFETCH(QString, imagePath);

        for (QString* aText : { &filePath, &thumbnailPath, &imagePath })
            aText->replace(QLatin1Char('@'), myRoot);
        LMTemplateFileInfo anInfo;
        anInfo.setFileType(LMTemplateFileInfoType(fetch<int>("fileType")));
        anInfo.setFilePath(filePath);
        anInfo.setThumbnailFile(fetch<QString>("thumbnail"));
        anInfo.setThumbnailIsAbsolute(fetch<bool>("absolute"));
        anInfo.setImageFile(QStringLiteral("images/page.png"));
        QCOMPARE(QDir::cleanPath(anInfo.thumbnailPath().filePath()), thumbnailPath);
        QCOMPARE(QDir::cleanPath(anInfo.imagePath().filePath()), imagePath);
    }

    void spotColorFilePath_data()
    {
        columns<QString, QString>("file", "expected");

        row("empty", QString(), QString());
        row("relative", "gold/layer.svg", "/c/designs/gold/layer.svg");
        row("absolute", "/elsewhere/layer.svg", "/elsewhere/layer.svg");
    }

    void spotColorFilePath()
    {
        LMTemplateFileInfo anInfo;
        anInfo.setFilePath(QStringLiteral("/c/designs"));
        anInfo.setSpotColorFile(fetch<QString>("file"));
        QTEST(anInfo.spotColorFilePath(), "expected");
    }

    void uniqueNamePart_data()
    {
        columns<QString, QString, QStringList>("image", "pdf", "parts");

        row("none", QString(), QString(), QStringList());
        row("image and pdf", "images/./page.png", "page.pdf", words("images/page.png page.pdf"));
        row("inside the content tree", "@/designs/images/page.png", QString(), words("designs/images/page.png"));
        row("outside the content tree", "/elsewhere/page.png", QString(), words("/elsewhere/page.png"));
    }

    void uniqueNamePart()
    {
        LMTemplateFileInfo anInfo;
        anInfo.setImageFile(fetch<QString>("image").replace(QLatin1Char('@'), myRoot));
        anInfo.setPDFFile(fetch<QString>("pdf"));
        QTEST(anInfo.uniqueNamePart(), "parts");
    }

    void associatedFiles()
    {
        LMTemplateFileInfo anInfo;
        anInfo.setFileType(LMTemplateFileInfoType::SVG);
        anInfo.setFilePath(myRoot + QStringLiteral("/designs/categories/summer/page.svg"));
        anInfo.setThumbnailFile(QStringLiteral("t.jpg"));
        anInfo.setImageFile(QStringLiteral("i.png"));
        anInfo.setExclusiveSourceFile(QFileInfo(anInfo.filePath()));
        const QList<QFileInfo> aFiles = anInfo.associatedFiles();
        QCOMPARE(aFiles.size(), 3);
        QCOMPARE(aFiles.at(0), QFileInfo(anInfo.filePath()));
        QCOMPARE(aFiles.at(1), anInfo.imagePath());
        QCOMPARE(aFiles.at(2), anInfo.thumbnailPath());
    }

    void uniqueNameInvalidation_data()
    {
        columns<Change, bool>("change", "invalidates");

#define CHANGE(...) Change([](LMTemplateFileInfo& theInfo) { theInfo.__VA_ARGS__; })
        row("file path", CHANGE(setFilePath("x")), true);
        row("file type", CHANGE(setFileType(LMTemplateFileInfoType::XML)), true);
        row("thumbnail", CHANGE(setThumbnailFile("t")), true);
        row("image", CHANGE(setImageFile("i")), true);
        row("image prefix", CHANGE(setImagePathPrefix("p")), true);
        row("pdf", CHANGE(setPDFFile("p.pdf")), true);
        row("price class", CHANGE(setPriceClass(LMPriceClass::create("3"))), true);
        row("spot colour price class", CHANGE(setSpotColorPriceClass(LMPriceClass::create("3"))), true);
        row("preview", CHANGE(setPreviewFile("p")), false);
        row("spot colour file", CHANGE(setSpotColorFile("s")), false);
        row("exclusive source", CHANGE(setExclusiveSourceFile(QFileInfo("s"))), false);
#undef CHANGE
    }

    void uniqueNameInvalidation()
    {
        QFETCH(Change, change);
        QFETCH(bool, invalidates);

        // Without a parent template nobody is told.
        LMTemplateFileInfo aDetached;
        change(aDetached);

        LMTemplate aTemplate(LMJigTypeEnum::Layout);
        aTemplate.setName(QStringLiteral("page"));
        QVERIFY(!aTemplate.uniqueName().isEmpty());
        QVERIFY(aTemplate.isUniqueNameCached());
        change(aTemplate.fileInfo());
        QCOMPARE(aTemplate.isUniqueNameCached(), !invalidates);

        // A copy taken over by another template tells that one only.
        LMTemplate anOther(LMJigTypeEnum::Layout);
        anOther.setFileInfo(aTemplate.fileInfo());
        QCOMPARE(anOther.fileInfo().parentTemplate(), &anOther);
        QVERIFY(!aTemplate.uniqueName().isEmpty());
        QVERIFY(!anOther.uniqueName().isEmpty());
        change(anOther.fileInfo());
        QVERIFY(aTemplate.isUniqueNameCached());
        QCOMPARE(anOther.isUniqueNameCached(), !invalidates);
    }

private:
    QTemporaryDir myDir;
    QString myRoot;
};

QTEST_GUILESS_MAIN(TestTemplateFileInfo)
#include "tst_templatefileinfo.moc"
