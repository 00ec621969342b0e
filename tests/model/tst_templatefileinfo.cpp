#include "LMDirectoryConfig.h"
#include "LMTemplate.h"
#include "LMTemplateFileInfo.h"

#include "LMTestSupport.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>

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
    void initTestCase();
    void homeDirectory_data();
    void homeDirectory();
    void relativeFilePathFromCategories_data();
    void relativeFilePathFromCategories();
    void productionPDFPath_data();
    void productionPDFPath();
    void thumbnailAndImagePaths_data();
    void thumbnailAndImagePaths();
    void spotColorFilePath_data();
    void spotColorFilePath();
    void uniqueNamePart_data();
    void uniqueNamePart();
    void associatedFiles();
    void uniqueNameInvalidation_data();
    void uniqueNameInvalidation();

private:
    QTemporaryDir myDir;
    QString myRoot;
};

void TestTemplateFileInfo::initTestCase()
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

void TestTemplateFileInfo::homeDirectory_data()
{
    QTest::addColumn<QString>("filePath");
    QTest::addColumn<QString>("home");

    QTest::newRow("below categories") << "/c/designs/categories/summer/page.svg"
                                      << "/c/designs";
    QTest::newRow("the last categories folder") << "/c/categories/a/categories/b.svg"
                                                << "/c/categories/a";
    QTest::newRow("no categories folder") << "/c/designs/page.svg"
                                          << "/c/designs/page.svg";
    QTest::newRow("categories only as part of a name") << "/c/mycategories/x.svg"
                                                       << "/c/mycategories/x.svg";
    QTest::newRow("unicode") << QStringLiteral("/c/Entwürfe/categories/Frühling/s.svg")
                             << QStringLiteral("/c/Entwürfe");
}

void TestTemplateFileInfo::homeDirectory()
{
    QFETCH(QString, filePath);
    QFETCH(QString, home);

    LMTemplateFileInfo anInfo;
    anInfo.setFilePath(filePath);
    QCOMPARE(anInfo.homeDirectory().path(), home);
}

void TestTemplateFileInfo::relativeFilePathFromCategories_data()
{
    QTest::addColumn<QString>("filePath");
    QTest::addColumn<QString>("expected");

    QTest::newRow("folder") << "/c/categories/summer/sea"
                            << "categories/summer/sea/";
    QTest::newRow("folder with slash") << "/c/categories/summer/"
                                       << "categories/summer/";
    QTest::newRow("the last categories before the last slash") << "/c/categories/a/categories/b/x.svg"
                                                               << "categories/b/x.svg/";
    QTest::newRow("categories after the last slash does not count") << "/c/designs/categories"
                                                                    << "";
    QTest::newRow("no categories") << "/c/designs/summer"
                                   << "";
    QTest::newRow("empty") << ""
                           << "";
}

void TestTemplateFileInfo::relativeFilePathFromCategories()
{
    QFETCH(QString, filePath);
    QFETCH(QString, expected);

    LMTemplateFileInfo anInfo;
    anInfo.setFilePath(filePath);
    QCOMPARE(anInfo.relativeFilePathFromCategories(), expected);
}

void TestTemplateFileInfo::productionPDFPath_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<bool>("spotColor");
    QTest::addColumn<QString>("expected");

    QTest::newRow("no prefix: two components") << QString() << false << "$CONTENT/02/page.pdf";
    QTest::newRow("with prefix: three components") << "designs/see" << false << "$CONTENT/02/designs/see/page.pdf";
    QTest::newRow("spot colour file and class") << QString() << true << "$CONTENT/05/page_gold.pdf";
    QTest::newRow("spot colour with prefix") << "p" << true << "$CONTENT/05/p/page_gold.pdf";
}

void TestTemplateFileInfo::productionPDFPath()
{
    QFETCH(QString, prefix);
    QFETCH(bool, spotColor);
    QFETCH(QString, expected);

    LMTemplateFileInfo anInfo;
    anInfo.setImagePathPrefix(prefix);
    anInfo.setPriceClass(LMPriceClass::create(QStringLiteral("2")));
    anInfo.setSpotColorPriceClass(LMPriceClass::create(QStringLiteral("5")));
    QCOMPARE(anInfo.productionPDFPath(spotColor), QString());
    anInfo.setPDFFile(QStringLiteral("page.pdf"));
    anInfo.setSpotColorFileForProduction(QStringLiteral("page_gold.pdf"));
    QCOMPARE(anInfo.productionPDFPath(spotColor), expected);
    // Without the file of the asked kind there is no path.
    if (spotColor)
        anInfo.setSpotColorFileForProduction(QString());
    else
        anInfo.setPDFFile(QString());
    QCOMPARE(anInfo.productionPDFPath(spotColor), QString());
}

void TestTemplateFileInfo::thumbnailAndImagePaths_data()
{
    QTest::addColumn<int>("fileType");
    QTest::addColumn<QString>("filePath");
    QTest::addColumn<QString>("thumbnail");
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<QString>("thumbnailPath");
    QTest::addColumn<QString>("imagePath");

    QTest::newRow("xml, thumbnail beside") << 1 << "@/backgrounds/blue"
                                           << "thumb.jpg" << false << "@/backgrounds/blue/thumb.jpg"
                                           << "@/backgrounds/blue/thumb.jpg";
    QTest::newRow("xml, thumbnail in the parent") << 1 << "@/backgrounds/red"
                                                  << "shared.jpg" << false << "@/backgrounds/shared.jpg"
                                                  << "@/backgrounds/shared.jpg";
    QTest::newRow("xml, thumbnail nowhere") << 1 << "@/backgrounds/red"
                                            << "gone.jpg" << false << "@/backgrounds/gone.jpg"
                                            << "@/backgrounds/gone.jpg";
    QTest::newRow("xml, folder that does not exist") << 1 << "@/nowhere/deeper"
                                                     << "gone.jpg" << false << "@/nowhere/deeper/gone.jpg"
                                                     << "@/nowhere/deeper/gone.jpg";
    QTest::newRow("svg, relative to the home directory") << 2 << "@/designs/categories/summer/page.svg"
                                                         << "thumbs/page.jpg" << false << "@/designs/thumbs/page.jpg"
                                                         << "@/designs/images/page.png";
    QTest::newRow("svg, absolute thumbnail") << 2 << "@/designs/categories/summer/page.svg"
                                             << "/abs/t.jpg" << true << "/abs/t.jpg"
                                             << "@/designs/images/page.png";
    QTest::newRow("not set") << 0 << "@/backgrounds/red"
                             << "shared.jpg" << false << "@/backgrounds/red/shared.jpg"
                             << "@/backgrounds/shared.jpg";
}

void TestTemplateFileInfo::thumbnailAndImagePaths()
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

void TestTemplateFileInfo::spotColorFilePath_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("expected");

    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("relative") << "gold/layer.svg"
                              << "/c/designs/gold/layer.svg";
    QTest::newRow("absolute") << "/elsewhere/layer.svg"
                              << "/elsewhere/layer.svg";
}

void TestTemplateFileInfo::spotColorFilePath()
{
    QFETCH(QString, file);
    QFETCH(QString, expected);

    LMTemplateFileInfo anInfo;
    anInfo.setFilePath(QStringLiteral("/c/designs"));
    anInfo.setSpotColorFile(file);
    QCOMPARE(anInfo.spotColorFilePath(), expected);
}

void TestTemplateFileInfo::uniqueNamePart_data()
{
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("pdf");
    QTest::addColumn<QStringList>("parts");

    QTest::newRow("none") << QString() << QString() << QStringList();
    QTest::newRow("image and pdf") << "images/./page.png"
                                   << "page.pdf"
                                   << QStringList({ QStringLiteral("images/page.png"), QStringLiteral("page.pdf") });
    QTest::newRow("pdf only") << QString() << "page.pdf" << QStringList({ QStringLiteral("page.pdf") });
    QTest::newRow("inside the content tree")
        << "@/designs/images/page.png" << QString() << QStringList({ QStringLiteral("designs/images/page.png") });
    QTest::newRow("outside the content tree")
        << "/elsewhere/page.png" << QString() << QStringList({ QStringLiteral("/elsewhere/page.png") });
}

void TestTemplateFileInfo::uniqueNamePart()
{
    QFETCH(QString, image);
    QFETCH(QString, pdf);
    QFETCH(QStringList, parts);

    LMTemplateFileInfo anInfo;
    anInfo.setImageFile(image.replace(QLatin1Char('@'), myRoot));
    anInfo.setPDFFile(pdf);
    QCOMPARE(anInfo.uniqueNamePart(), parts);
}

void TestTemplateFileInfo::associatedFiles()
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

void TestTemplateFileInfo::uniqueNameInvalidation_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<bool>("invalidates");

    QTest::newRow("file path") << Change([](LMTemplateFileInfo& theInfo) { theInfo.setFilePath(QStringLiteral("x")); })
                               << true;
    QTest::newRow("file type") << Change([](LMTemplateFileInfo& theInfo) {
        theInfo.setFileType(LMTemplateFileInfoType::XML);
    }) << true;
    QTest::newRow("thumbnail") << Change([](LMTemplateFileInfo& theInfo) {
        theInfo.setThumbnailFile(QStringLiteral("t"));
    }) << true;
    QTest::newRow("image") << Change([](LMTemplateFileInfo& theInfo) { theInfo.setImageFile(QStringLiteral("i")); })
                           << true;
    QTest::newRow("image prefix") << Change([](LMTemplateFileInfo& theInfo) {
        theInfo.setImagePathPrefix(QStringLiteral("p"));
    }) << true;
    QTest::newRow("pdf") << Change([](LMTemplateFileInfo& theInfo) { theInfo.setPDFFile(QStringLiteral("p.pdf")); })
                         << true;
    QTest::newRow("price class") << Change([](LMTemplateFileInfo& theInfo) {
        theInfo.setPriceClass(LMPriceClass::create(QStringLiteral("3")));
    }) << true;
    QTest::newRow("spot colour price class") << Change([](LMTemplateFileInfo& theInfo) {
        theInfo.setSpotColorPriceClass(LMPriceClass::create(QStringLiteral("3")));
    }) << true;
    QTest::newRow("preview") << Change([](LMTemplateFileInfo& theInfo) { theInfo.setPreviewFile(QStringLiteral("p")); })
                             << false;
    QTest::newRow("spot colour file") << Change([](LMTemplateFileInfo& theInfo) {
        theInfo.setSpotColorFile(QStringLiteral("s"));
    }) << false;
    QTest::newRow("exclusive source") << Change([](LMTemplateFileInfo& theInfo) {
        theInfo.setExclusiveSourceFile(QFileInfo(QStringLiteral("s")));
    }) << false;
}

void TestTemplateFileInfo::uniqueNameInvalidation()
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

QTEST_GUILESS_MAIN(TestTemplateFileInfo)
#include "tst_templatefileinfo.moc"
