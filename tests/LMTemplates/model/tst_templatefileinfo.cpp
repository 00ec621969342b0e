#include "LMDirectoryConfig.h"
#include "LMTemplate.h"
#include "LMTemplateFileInfo.h"

#include "LMTestSupport.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

using LMTestSupport::columns;
using LMTestSupport::row;

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

        row("below categories", QStringLiteral("/c/designs/categories/summer/page.svg"), QStringLiteral("/c/designs"));
        row("the last categories folder", QStringLiteral("/c/categories/a/categories/b.svg"),
            QStringLiteral("/c/categories/a"));
        row("no categories folder", QStringLiteral("/c/designs/page.svg"), QStringLiteral("/c/designs/page.svg"));
        row("categories only as part of a name", QStringLiteral("/c/mycategories/x.svg"),
            QStringLiteral("/c/mycategories/x.svg"));
    }

    void homeDirectory()
    {
        QFETCH(QString, filePath);

        LMTemplateFileInfo anInfo;
        anInfo.setFilePath(filePath);
        QTEST(anInfo.homeDirectory().path(), "home");
    }

    void relativeFilePathFromCategories_data()
    {
        columns<QString, QString>("filePath", "expected");

        row("folder", QStringLiteral("/c/categories/summer/sea"), QStringLiteral("categories/summer/sea/"));
        row("the last categories before the last slash", QStringLiteral("/c/categories/a/categories/b/x.svg"),
            QStringLiteral("categories/b/x.svg/"));
        row("categories after the last slash does not count", QStringLiteral("/c/designs/categories"),
            QStringLiteral(""));
        row("no categories", QStringLiteral("/c/designs/summer"), QStringLiteral(""));
        row("a folder that ends in a slash", QStringLiteral("/c/categories/summer/"),
            QStringLiteral("categories/summer/"));
        row("empty", QString(), QString());
    }

    void relativeFilePathFromCategories()
    {
        QFETCH(QString, filePath);

        LMTemplateFileInfo anInfo;
        anInfo.setFilePath(filePath);
        QTEST(anInfo.relativeFilePathFromCategories(), "expected");
    }

    void productionPDFPath_data()
    {
        columns<QString, bool, QString>("prefix", "spotColor", "expected");

        row("no prefix: two components", QString(), false, QStringLiteral("$CONTENT/02/page.pdf"));
        row("with prefix: three components", QStringLiteral("designs/see"), false,
            QStringLiteral("$CONTENT/02/designs/see/page.pdf"));
        row("spot colour file and class", QString(), true, QStringLiteral("$CONTENT/05/page_gold.pdf"));
    }

    void productionPDFPath()
    {
        QFETCH(QString, prefix);
        QFETCH(bool, spotColor);

        LMTemplateFileInfo anInfo;
        anInfo.setImagePathPrefix(prefix);
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

        row("xml, thumbnail beside", 1, QStringLiteral("@/backgrounds/blue"), QStringLiteral("thumb.jpg"), false,
            QStringLiteral("@/backgrounds/blue/thumb.jpg"), QStringLiteral("@/backgrounds/blue/thumb.jpg"));
        row("xml, thumbnail in the parent", 1, QStringLiteral("@/backgrounds/red"), QStringLiteral("shared.jpg"), false,
            QStringLiteral("@/backgrounds/shared.jpg"), QStringLiteral("@/backgrounds/shared.jpg"));
        row("xml, thumbnail nowhere", 1, QStringLiteral("@/backgrounds/red"), QStringLiteral("gone.jpg"), false,
            QStringLiteral("@/backgrounds/gone.jpg"), QStringLiteral("@/backgrounds/gone.jpg"));
        row("xml, folder that does not exist", 1, QStringLiteral("@/nowhere/deeper"), QStringLiteral("gone.jpg"), false,
            QStringLiteral("@/nowhere/deeper/gone.jpg"), QStringLiteral("@/nowhere/deeper/gone.jpg"));
        row("svg, relative to the home directory", 2, QStringLiteral("@/designs/categories/summer/page.svg"),
            QStringLiteral("thumbs/page.jpg"), false, QStringLiteral("@/designs/thumbs/page.jpg"),
            QStringLiteral("@/designs/images/page.png"));
        row("svg, absolute thumbnail", 2, QStringLiteral("@/designs/categories/summer/page.svg"),
            QStringLiteral("/abs/t.jpg"), true, QStringLiteral("/abs/t.jpg"),
            QStringLiteral("@/designs/images/page.png"));
        row("not set", 0, QStringLiteral("@/backgrounds/red"), QStringLiteral("shared.jpg"), false,
            QStringLiteral("@/backgrounds/red/shared.jpg"), QStringLiteral("@/backgrounds/shared.jpg"));
    }

    void thumbnailAndImagePaths()
    {
        QFETCH(int, fileType);
        QFETCH(QString, filePath);
        QFETCH(QString, thumbnail);
        QFETCH(bool, absolute);
        QFETCH(QString, thumbnailPath);
        QFETCH(QString, imagePath);

        for (QString* aText : { &filePath, &thumbnailPath, &imagePath })
            aText->replace(QLatin1Char('@'), myRoot);
        LMTemplateFileInfo anInfo;
        anInfo.setFileType(LMTemplateFileInfoType(fileType));
        anInfo.setFilePath(filePath);
        anInfo.setThumbnailFile(thumbnail);
        anInfo.setThumbnailIsAbsolute(absolute);
        anInfo.setImageFile(QStringLiteral("images/page.png"));
        QCOMPARE(QDir::cleanPath(anInfo.thumbnailPath().filePath()), thumbnailPath);
        QCOMPARE(QDir::cleanPath(anInfo.imagePath().filePath()), imagePath);
    }

    void spotColorFilePath_data()
    {
        columns<QString, QString>("file", "expected");

        row("empty", QString(), QString());
        row("relative", QStringLiteral("gold/layer.svg"), QStringLiteral("/c/designs/gold/layer.svg"));
        row("absolute", QStringLiteral("/elsewhere/layer.svg"), QStringLiteral("/elsewhere/layer.svg"));
    }

    void spotColorFilePath()
    {
        QFETCH(QString, file);

        LMTemplateFileInfo anInfo;
        anInfo.setFilePath(QStringLiteral("/c/designs"));
        anInfo.setSpotColorFile(file);
        QTEST(anInfo.spotColorFilePath(), "expected");
    }

    void uniqueNamePart_data()
    {
        columns<QString, QString, QStringList>("image", "pdf", "parts");

        row("none", QString(), QString(), QStringList());
        row("image and pdf", QStringLiteral("images/./page.png"), QStringLiteral("page.pdf"),
            QStringList({ QStringLiteral("images/page.png"), QStringLiteral("page.pdf") }));
        row("inside the content tree", QStringLiteral("@/designs/images/page.png"), QString(),
            QStringList({ QStringLiteral("designs/images/page.png") }));
        row("outside the content tree", QStringLiteral("/elsewhere/page.png"), QString(),
            QStringList({ QStringLiteral("/elsewhere/page.png") }));
    }

    void uniqueNamePart()
    {
        QFETCH(QString, image);
        QFETCH(QString, pdf);

        LMTemplateFileInfo anInfo;
        anInfo.setImageFile(image.replace(QLatin1Char('@'), myRoot));
        anInfo.setPDFFile(pdf);
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
        row("file path", CHANGE(setFilePath(QStringLiteral("x"))), true);
        row("file type", CHANGE(setFileType(LMTemplateFileInfoType::XML)), true);
        row("thumbnail", CHANGE(setThumbnailFile(QStringLiteral("t"))), true);
        row("image", CHANGE(setImageFile(QStringLiteral("i"))), true);
        row("image prefix", CHANGE(setImagePathPrefix(QStringLiteral("p"))), true);
        row("pdf", CHANGE(setPDFFile(QStringLiteral("p.pdf"))), true);
        row("price class", CHANGE(setPriceClass(LMPriceClass::create(QStringLiteral("3")))), true);
        row("spot colour price class", CHANGE(setSpotColorPriceClass(LMPriceClass::create(QStringLiteral("3")))), true);
        row("preview", CHANGE(setPreviewFile(QStringLiteral("p"))), false);
        row("spot colour file", CHANGE(setSpotColorFile(QStringLiteral("s"))), false);
        row("exclusive source", CHANGE(setExclusiveSourceFile(QFileInfo(QStringLiteral("s")))), false);
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
