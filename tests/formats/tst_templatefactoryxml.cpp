#include "LMArticlesGroup.h"
#include "LMArticleVariants.h"
#include "LMCategorization.h"
#include "LMCategoryType.h"
#include "LMContentFilterAbstract.h"
#include "LMContentFilterParameter.h"
#include "LMJig.h"
#include "LMPageConstraint.h"
#include "LMProductCatalogue.h"
#include "LMTemplate.h"
#include "LMTemplateFactoryXML.h"
#include "LMTemplateFactoryXML2.h"
#include "LMTemplateFilterFactory.h"
#include "LMTestSupport.h"
#include "LMThematicCategorySet.h"
#include "LMUnconfiguredTemplateList.h"
#include "LMXMLLoader.h"

#include <QDomDocument>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {
QStringList sortedNames(const LMThematicCategorySet& theSet)
{
    QStringList aNames = theSet.internalNames();
    aNames.sort();
    return aNames;
}

QStringList sortedOrderNames(const LMArticlesGroup& theGroup)
{
    QStringList aNames = theGroup.explicitArticles().orderTxtNames();
    aNames.sort();
    return aNames;
}

// A "filter" element holding the rules.
QDomElement filterElement(QDomDocument* theDocument, const QString& theRules)
{
    theDocument->setContent(QStringLiteral("<filter>%1</filter>").arg(theRules));
    return theDocument->documentElement();
}

// Categories "type:name" grouped by type, for table rows.
LMCategorization categorization(const QStringList& theEntries)
{
    LMCategorization aResult;
    for (const QString& anEntry : theEntries) {
        const qsizetype aColon = anEntry.indexOf(QLatin1Char(':'));
        aResult.insert(LMCategoryType(anEntry.left(aColon)), LMThematicCategory(anEntry.mid(aColon + 1)));
    }
    return aResult;
}
} // namespace

// Version 1 of the XML template files and what it relies on in the product model: every rule that
// decides a value, thumbnails and previews on disk, the special categories of filters, "art_id"
// expansion to compatible products, minimum product sizes, colour variants, and hostile files
// through the loader and both readers.
class TestTemplateFactoryXML : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void versionOne_data();
    void versionOne();
    void nullElement();
    void thumbnails_data();
    void thumbnails();
    void colourVariants_data();
    void colourVariants();
    void specialCategories_data();
    void specialCategories();
    void catalogueKeys_data();
    void catalogueKeys();
    void artIdExpansion_data();
    void artIdExpansion();
    void minimumSize_data();
    void minimumSize();
    void hostileFiles_data();
    void hostileFiles();

private:
    QTemporaryDir myDir;
};

void TestTemplateFactoryXML::initTestCase()
{
    QVERIFY(myDir.isValid());
    const QString aPath = LMTestSupport::writeFile(myDir, QStringLiteral("catalogue.json"), R"({"articles": [
        {"id": 11, "orderName": "BOOK_A", "class": "photobook", "sizeClass": "small", "compatibleProducts": [12, 99]},
        {"id": 12, "orderName": "BOOK_B", "class": "photobook", "sizeClass": "large", "compatibleProducts": [13]},
        {"id": 13, "orderName": "BOOK_C", "class": "photobook", "sizeClass": "xlarge"},
        {"id": 14, "orderName": "BOOK_D", "class": "photobook", "compatibleProducts": [14]},
        {"id": 15, "orderName": "BOOK_E", "class": "photobook", "sizeClass": "medium"}
    ]})");
    QVERIFY(LMProductCatalogue::instance()->load(aPath));
}

void TestTemplateFactoryXML::versionOne_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("jigType");
    QTest::addColumn<int>("designElementId");
    QTest::addColumn<int>("layerType");
    QTest::addColumn<int>("pageTypes");
    QTest::addColumn<int>("articleClasses");
    QTest::addColumn<int>("orientations");
    QTest::addColumn<QStringList>("products");
    QTest::addColumn<int>("supported");
    QTest::addColumn<QString>("priceClass");
    QTest::addColumn<QStringList>("subcategories");
    QTest::addColumn<QStringList>("variants");
    QTest::addColumn<int>("spotColor");
    QTest::addColumn<bool>("userLayout");
    QTest::addColumn<int>("sort");
    QTest::addColumn<QString>("thumbnail");
    QTest::addColumn<int>("areas");
    QTest::addColumn<int>("minimumSize");
    QTest::addColumn<int>("tilt");

    const QStringList aNone;
    // The ordinary pages a template gets when it names no cover, flyleaf or slipcase page.
    const int anOrdinary = 0x6D006E;
    QTest::newRow("background: id from its number, categories, spot colour, colour variants")
        << "0042" << 1 << 42 << 1 << anOrdinary << 0 << 2 << QStringList { "BOOK_A" } << 2 << "03"
        << QStringList { "Meer", "Strand" } << QStringList { "multicolor=30,2", "multicolor=60,1" } << 2 << false << 5
        << "bg_0042.jpg" << 0 << 0 << -1;
    QTest::newRow("colour background: fixed class, cover page type kept alone")
        << "Rot" << 1 << 77 << 1 << 0x100 << 512 << 0 << aNone << 31 << "01" << QStringList { "fArBeN" } << aNone << 0
        << false << 0 << "rot.jpg" << 0 << 0 << -1;
    QTest::newRow("background under more than the colours: its own class, no number, no id")
        << "Gruen" << 1 << 0 << 1 << anOrdinary << 0 << 0 << aNone << 31 << "01" << QStringList { "Blau", "Farben" }
        << aNone << 0 << false << 0 << "gruen.jpg" << 0 << 0 << -1;
    QTest::newRow("user layout: layout layer, areas, thumbnail pattern, bad sort")
        << "Mein Layout" << 8 << 0 << 512 << (0x3 | anOrdinary) << 0 << 5 << aNone << 5 << "01" << aNone << aNone << 0
        << true << 0 << "thumbs/lay_%1.png" << 2 << 1 << -1;
    QTest::newRow("layout of another category, unknown orientation and spot colour")
        << "Fremdes Layout" << 8 << 0 << 512 << anOrdinary << 0 << 0 << aNone << 31 << "01" << aNone << aNone << 0
        << false << 0 << "" << 0 << 0 << -1;
    QTest::newRow("poster strip: frame variants listed, tilt from the element")
        << "Leiste" << 128 << 0 << 256 << anOrdinary << 0 << 0 << aNone << 31 << "07" << aNone
        << QStringList { "frame=black", "frame=none", "frame=white" } << 0 << false << 0 << "" << 0 << 0 << 90;
    QTest::newRow("frame of wall decor: no tilt")
        << "Rahmen" << 128 << 0 << 256 << anOrdinary << 0 << 0 << aNone << 31 << "01" << aNone
        << QStringList { "frame=oak" } << 0 << false << 0 << "" << 0 << 0 << -1;
    QTest::newRow("bare element: defaults") << "Nichts" << 0 << 0 << 1 << anOrdinary << 0 << 0 << aNone << 31 << "01"
                                            << aNone << aNone << 0 << false << 0 << "" << 0 << 0 << -1;
}

void TestTemplateFactoryXML::versionOne()
{
    QFETCH(QString, name);
    QFETCH(int, jigType);
    QFETCH(int, designElementId);
    QFETCH(int, layerType);
    QFETCH(int, pageTypes);
    QFETCH(int, articleClasses);
    QFETCH(int, orientations);
    QFETCH(QStringList, products);
    QFETCH(int, supported);
    QFETCH(QString, priceClass);
    QFETCH(QStringList, subcategories);
    QFETCH(QStringList, variants);
    QFETCH(int, spotColor);
    QFETCH(bool, userLayout);
    QFETCH(int, sort);
    QFETCH(QString, thumbnail);
    QFETCH(int, areas);
    QFETCH(int, minimumSize);
    QFETCH(int, tilt);

    const QDomDocument aDocument
        = LMXMLLoader::loadDocument(QFileInfo(LMTestSupport::dataPath(QStringLiteral("formats/templates_v1.xml"))));
    LMUnconfiguredTemplateList aList;
    for (QDomElement anElement = aDocument.documentElement().firstChildElement(QStringLiteral("template"));
         !anElement.isNull(); anElement = anElement.nextSiblingElement(QStringLiteral("template")))
        aList.append(LMTemplateFactoryXML::createTemplate(anElement, myDir.path(), LMDesignElementMetaData()));
    QCOMPARE(aList.count(), 8);

    LMUnconfiguredTemplate aTemplate;
    for (const LMUnconfiguredTemplate& aCandidate : aList) {
        if (aCandidate->name() == name)
            aTemplate = aCandidate;
    }
    QVERIFY2(!aTemplate.isNull(), qPrintable(name));

    QCOMPARE(int(aTemplate->jigType().value()), jigType);
    QCOMPARE(aTemplate->designElementID().id(), designElementId);
    QCOMPARE(int(aTemplate->templateLayerType().value()), layerType);
    QCOMPARE(int(aTemplate->pageConstraint().pageTypes().value()), pageTypes);
    const LMArticlesGroup aGroup = aTemplate->articleGroup();
    QVERIFY(aGroup.restrictions().size() <= 1);
    const LMProductRestriction aRestriction
        = aGroup.restrictions().isEmpty() ? LMProductRestriction() : aGroup.restrictions().first();
    QCOMPARE(int(aRestriction.articleClasses().value()), articleClasses);
    QCOMPARE(int(aRestriction.orientations().value()), orientations);
    QCOMPARE(sortedOrderNames(aGroup), products);
    QCOMPARE(int(aTemplate->supportedOrientation().value()), supported);
    QCOMPARE(aTemplate->priceClass().toString(), priceClass);
    QCOMPARE(sortedNames(aTemplate->thematicCategories(LMCategoryTypeEnum::Subcategory)), subcategories);
    QCOMPARE(aTemplate->articleVariants().toStringList(), variants);
    QCOMPARE(int(aTemplate->spotColor().value()), spotColor);
    QCOMPARE(aTemplate->isUserLayout(), userLayout);
    QCOMPARE(aTemplate->sort(), sort);
    QCOMPARE(aTemplate->fileInfo().thumbnailFile(), thumbnail);
    QCOMPARE(aTemplate->fileInfo().filePath(), myDir.path());
    QCOMPARE(aTemplate->areaDefinitions().count(), areas);
    QCOMPARE(int(aTemplate->minimumProductSize().value()), minimumSize);
    QCOMPARE(aTemplate->defaultRotation().isDefined() ? aTemplate->defaultRotation().angle().degrees() : -1, tilt);

    // What only some rows have.
    if (spotColor != 0) {
        QCOMPARE(aTemplate->fileInfo().spotColorFile(), QStringLiteral("bg_0042_gold.png"));
        QCOMPARE(aTemplate->spotColorLayerType(), aTemplate->templateLayerType());
        QCOMPARE(sortedNames(aTemplate->thematicCategories(LMCategoryTypeEnum::SpotColor)),
                 QStringList { QStringLiteral("__SPOTCOLOR__gold-foil") });
    } else {
        QVERIFY(aTemplate->thematicCategories(LMCategoryTypeEnum::SpotColor).isEmpty());
        QVERIFY(aTemplate->fileInfo().spotColorFile().isEmpty());
    }
    if (name == QStringLiteral("Mein Layout")) {
        QVERIFY(aTemplate->locksLayout());
        QVERIFY(aTemplate->isLandscapeSingleSided());
    } else if (name == QStringLiteral("Leiste")) {
        QVERIFY(aTemplate->isFrame());
        QCOMPARE(aTemplate->frameMaterial(), LMFrameMaterial(LMFrameMaterialEnum::Wood));
    } else if (name == QStringLiteral("Rot")) {
        QCOMPARE(aTemplate->autoThumbSetting(), LMAutoThumbOption(LMAutoThumbOptionEnum::Background));
    } else {
        QVERIFY(!aTemplate->locksLayout());
        QVERIFY(!aTemplate->isLandscapeSingleSided());
    }
    aList.deleteEntriesAndClear();
}

void TestTemplateFactoryXML::nullElement()
{
    QVERIFY(LMTemplateFactoryXML::createTemplate(QDomElement(), QString(), LMDesignElementMetaData()).isNull());
    // The description stays with the element; the user-layout word is the untranslated one here.
    const QDomDocument aDocument
        = LMXMLLoader::loadDocument(QFileInfo(LMTestSupport::dataPath(QStringLiteral("formats/templates_v1.xml"))));
    const QDomElement aFirst = aDocument.documentElement().firstChildElement();
    QCOMPARE(LMTemplateFactoryXML::readDescription(aFirst), QStringLiteral("Sand und Wasser"));
    QCOMPARE(LMTemplateFactoryXML::readDescription(aFirst.nextSiblingElement()), QString());
    QCOMPARE(LMTemplateFactoryXML::userLayoutCategoryName(), QStringLiteral("Eigenes Layout"));
}

void TestTemplateFactoryXML::thumbnails_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("attributes");
    QTest::addColumn<QString>("thumbnail");
    QTest::addColumn<QString>("preview");

    QTest::newRow("file in the folder") << QStringList { "a/t.jpg" } << "a"
                                        << "filename='t.jpg'"
                                        << "t.jpg"
                                        << "";
    QTest::newRow("missing file is named anyway") << QStringList() << "a"
                                                  << "filename='t.jpg'"
                                                  << "t.jpg"
                                                  << "";
    QTest::newRow("refinement folder falls back to the parent") << QStringList { "a/t.jpg" } << "a/Refinement"
                                                                << "filename='t.jpg'"
                                                                << "../t.jpg"
                                                                << "";
    QTest::newRow("refinement folder keeps its own file")
        << QStringList { "a/t.jpg", "a/refinement/t.jpg" } << "a/refinement"
        << "filename='t.jpg'"
        << "t.jpg"
        << "";
    QTest::newRow("refinement folder without a parent file") << QStringList() << "a/refinement"
                                                             << "filename='t.jpg'"
                                                             << "t.jpg"
                                                             << "";
    QTest::newRow("other folders do not fall back") << QStringList { "a/t.jpg" } << "a/gold"
                                                    << "filename='t.jpg'"
                                                    << "t.jpg"
                                                    << "";
    QTest::newRow("folder only ending in the word") << QStringList { "a/t.jpg" } << "a/norefinement"
                                                    << "filename='t.jpg'"
                                                    << "../t.jpg"
                                                    << "";
    QTest::newRow("pattern from path and type") << QStringList() << "a"
                                                << "backgroundFilePath='b/x_' backgroundFileType='jpg'"
                                                << "b/x_%1.jpg"
                                                << "";
    QTest::newRow("filename wins over the pattern")
        << QStringList() << "a"
        << "filename='t.jpg' backgroundFilePath='b/x_' backgroundFileType='jpg'"
        << "t.jpg"
        << "";
    QTest::newRow("preview that exists") << QStringList { "a/p.png" } << "a"
                                         << "preview='p.png'"
                                         << ""
                                         << "p.png";
    QTest::newRow("preview that does not exist") << QStringList() << "a"
                                                 << "preview='p.png'"
                                                 << ""
                                                 << "";
    QTest::newRow("preview naming a folder") << QStringList { "a/p/x" } << "a"
                                             << "preview='p'"
                                             << ""
                                             << "";
    QTest::newRow("umlauts in names") << QStringList { "ä/Größe.jpg" } << "ä/REFINEMENT"
                                      << "filename='Größe.jpg'"
                                      << "../Größe.jpg"
                                      << "";
}

void TestTemplateFactoryXML::thumbnails()
{
    QFETCH(QStringList, files);
    QFETCH(QString, folder);
    QFETCH(QString, attributes);
    QFETCH(QString, thumbnail);
    QFETCH(QString, preview);

    QTemporaryDir aDir;
    QVERIFY(aDir.isValid());
    for (const QString& aFile : files)
        LMTestSupport::writeFile(aDir, aFile, QByteArray("x"));
    const QString aBase = aDir.filePath(folder);
    QVERIFY(QDir().mkpath(aBase));

    QDomDocument aDocument;
    QVERIFY(aDocument.setContent(
        QStringLiteral("<template type='hintergrund' category='hintergrund' name='1' %1/>").arg(attributes)));
    LMUnconfiguredTemplate aTemplate
        = LMTemplateFactoryXML::createTemplate(aDocument.documentElement(), aBase, LMDesignElementMetaData());
    QCOMPARE(aTemplate->fileInfo().thumbnailFile(), thumbnail);
    QCOMPARE(aTemplate->fileInfo().previewFile(), preview);
    if (!files.isEmpty() && !thumbnail.isEmpty())
        QVERIFY(aTemplate->fileInfo().thumbnailPath().exists());
    aTemplate.deleteTemplate();
}

void TestTemplateFactoryXML::colourVariants_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("variants");

    QTest::newRow("empty") << "" << QStringList();
    QTest::newRow("one configuration") << "30,2" << QStringList { "multicolor=30,2" };
    QTest::newRow("blanks around numbers") << " 0 , 0 " << QStringList { "multicolor=0,0" };
    QTest::newRow("several, sorted, once each")
        << "60,1;30,2;60,1" << QStringList { "multicolor=30,2", "multicolor=60,1" };
    QTest::newRow("hue off the 30 degree steps") << "31,0" << QStringList();
    QTest::newRow("fading beyond 5") << "0,6" << QStringList();
    QTest::newRow("hue beyond a turn is still a step") << "390,5" << QStringList { "multicolor=390,5" };
    QTest::newRow("negative") << "-30,1" << QStringList();
    QTest::newRow("three numbers") << "30,2,1" << QStringList();
    QTest::newRow("words and empty pieces") << ";blau;;30,x;90,3;" << QStringList { "multicolor=90,3" };
    QTest::newRow("the any marker is no variant") << "-2,-2" << QStringList();
}

void TestTemplateFactoryXML::colourVariants()
{
    QFETCH(QString, text);
    QFETCH(QStringList, variants);
    const LMArticleVariants aVariants = LMArticleVariants::createFromMCF(text);
    QCOMPARE(aVariants.toStringList(), variants);
    // Colour variants are accountable: they never stand for leaving something away.
    QVERIFY(!aVariants.hasNotAccountableVariant());
    for (const QString& aValue : aVariants.values(LMArticleVariants::multiColorKey()))
        QVERIFY(LMMultiColorConfig::fromString(aValue).isValid());
}

void TestTemplateFactoryXML::specialCategories_data()
{
    QTest::addColumn<QStringList>("wanted");
    QTest::addColumn<QStringList>("held");
    QTest::addColumn<bool>("accepted");

    const QString anInverted = LMThematicCategory::invertedCategory().internalName();
    const QString aStyleOnly = LMThematicCategory::styleV2Only().internalName();
    QTest::newRow("nothing wanted") << QStringList() << QStringList { "subcategory:sea" } << true;
    QTest::newRow("one of the wanted") << QStringList { "subcategory:sea", "subcategory:forest" }
                                       << QStringList { "subcategory:sea" } << true;
    QTest::newRow("none of the wanted") << QStringList { "subcategory:forest" } << QStringList { "subcategory:sea" }
                                        << false;
    QTest::newRow("every wanted type must be met")
        << QStringList { "subcategory:sea", "theme:01" } << QStringList { "subcategory:sea" } << false;
    QTest::newRow("inverted: holding none of the others passes")
        << QStringList { "subcategory:" + anInverted, "subcategory:forest" } << QStringList { "subcategory:sea" }
        << true;
    QTest::newRow("inverted: holding one of the others fails")
        << QStringList { "subcategory:" + anInverted, "subcategory:forest", "subcategory:mountain" }
        << QStringList { "subcategory:sea", "subcategory:mountain" } << false;
    QTest::newRow("inverted: an element without categories passes")
        << QStringList { "subcategory:" + anInverted, "subcategory:forest" } << QStringList() << true;
    QTest::newRow("inverted alone asks nothing")
        << QStringList { "subcategory:" + anInverted } << QStringList { "subcategory:sea" } << true;
    QTest::newRow("inverted turns only its own type")
        << QStringList { "subcategory:" + anInverted, "subcategory:forest", "theme:01" }
        << QStringList { "subcategory:sea", "theme:02" } << false;
    QTest::newRow("inverted and a plain type both met")
        << QStringList { "subcategory:" + anInverted, "subcategory:forest", "theme:01" }
        << QStringList { "subcategory:sea", "theme:01" } << true;
    QTest::newRow("inverted under another type than held")
        << QStringList { "theme:" + anInverted, "theme:forest" } << QStringList { "subcategory:forest" } << true;
    QTest::newRow("style-V2-only element, filter without it")
        << QStringList() << QStringList { "internal:" + aStyleOnly, "subcategory:sea" } << false;
    QTest::newRow("style-V2-only element, filter wanting other categories")
        << QStringList { "subcategory:sea" } << QStringList { "internal:" + aStyleOnly, "subcategory:sea" } << false;
    QTest::newRow("style-V2-only element, filter asking for it")
        << QStringList { "internal:" + aStyleOnly } << QStringList { "internal:" + aStyleOnly } << true;
    QTest::newRow("filter asking for it under another type still needs the type met")
        << QStringList { "theme:" + aStyleOnly } << QStringList { "internal:" + aStyleOnly } << false;
    QTest::newRow("filter asking for it, element without it")
        << QStringList { "internal:" + aStyleOnly } << QStringList { "subcategory:sea" } << false;
    QTest::newRow("filter asking for it, element with it and more")
        << QStringList { "internal:" + aStyleOnly, "subcategory:sea" }
        << QStringList { "internal:" + aStyleOnly, "subcategory:sea" } << true;
    QTest::newRow("unicode names") << QStringList { "subcategory:Größe" } << QStringList { "subcategory:Größe" }
                                   << true;
}

void TestTemplateFactoryXML::specialCategories()
{
    QFETCH(QStringList, wanted);
    QFETCH(QStringList, held);
    QFETCH(bool, accepted);

    const LMContentFilterAbstract aFilter(LMContentFilterParameter(LMTemplateContextGroup(), categorization(wanted)));
    LMJig aJig(LMJigType(LMJigTypeEnum::Background));
    aJig.setCategorization(categorization(held));
    QCOMPARE(aFilter.checkCategorization(aJig), accepted);
}

void TestTemplateFactoryXML::catalogueKeys_data()
{
    QTest::addColumn<QByteArray>("entry");
    QTest::addColumn<int>("sizeClass");
    QTest::addColumn<QList<qint32>>("compatibles");
    QTest::addColumn<QStringList>("problems");

    const QByteArray aBase = R"("id": 1, "orderName": "X")";
    QTest::newRow("neither key") << aBase << 0 << QList<qint32>() << QStringList();
    QTest::newRow("both keys") << aBase + R"(, "sizeClass": "Medium", "compatibleProducts": [3, 2, 3])" << 2
                               << QList<qint32> { 3, 2, 3 } << QStringList();
    QTest::newRow("size class by number") << aBase + R"(, "sizeClass": "4")" << 4 << QList<qint32>() << QStringList();
    QTest::newRow("unknown size class") << aBase + R"(, "sizeClass": "riesig")" << 0 << QList<qint32>()
                                        << QStringList { "\"sizeClass\" names no size class" };
    QTest::newRow("size class of the wrong type")
        << aBase + R"(, "sizeClass": 3)" << 0 << QList<qint32>() << QStringList { "\"sizeClass\" is not a text" };
    QTest::newRow("bad ids skipped") << aBase + R"(, "compatibleProducts": [0, -4, 2.5, "7", 8, 2147483648])" << 0
                                     << QList<qint32> { 8 }
                                     << QStringList { "\"compatibleProducts\" entry 0 is not an article id",
                                                      "\"compatibleProducts\" entry 1 is not an article id",
                                                      "\"compatibleProducts\" entry 2 is not an article id",
                                                      "\"compatibleProducts\" entry 3 is not an article id",
                                                      "\"compatibleProducts\" entry 5 is not an article id" };
    QTest::newRow("not a list") << aBase + R"(, "compatibleProducts": 8)" << 0 << QList<qint32>()
                                << QStringList { "\"compatibleProducts\" is not a list" };
    QTest::newRow("null list") << aBase + R"(, "compatibleProducts": null)" << 0 << QList<qint32>() << QStringList();
}

void TestTemplateFactoryXML::catalogueKeys()
{
    QFETCH(QByteArray, entry);
    QFETCH(int, sizeClass);
    QFETCH(QList<qint32>, compatibles);
    QFETCH(QStringList, problems);
    QJsonParseError anError;
    const QJsonDocument aDocument = QJsonDocument::fromJson("{" + entry + "}", &anError);
    QCOMPARE(anError.error, QJsonParseError::NoError);
    QStringList aProblems;
    const LMArticle anArticle = LMArticle::fromCatalogueEntry(aDocument.object(), QStringLiteral("EUR"), &aProblems);
    QVERIFY(anArticle.isValid());
    QCOMPARE(int(anArticle.sizeClass().value()), sizeClass);
    QCOMPARE(anArticle.compatibleProductIds(), compatibles);
    QCOMPARE(aProblems, problems);
}

void TestTemplateFactoryXML::artIdExpansion_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<QStringList>("articles");

    QTest::newRow("named by id: its compatibles, unknown ids dropped")
        << "<art_id>11</art_id>" << QStringList { "BOOK_A", "BOOK_B" };
    QTest::newRow("one step only, and directed") << "<art_id>12</art_id>" << QStringList { "BOOK_B", "BOOK_C" };
    QTest::newRow("no compatibles") << "<art_id>13</art_id>" << QStringList { "BOOK_C" };
    QTest::newRow("listing itself") << "<art_id>14</art_id>" << QStringList { "BOOK_D" };
    QTest::newRow("named by order name: no expansion") << "<product>BOOK_A</product>" << QStringList { "BOOK_A" };
    QTest::newRow("order names expand too once an id is named")
        << "<product>BOOK_A</product><art_id>13</art_id>" << QStringList { "BOOK_A", "BOOK_B", "BOOK_C" };
    QTest::newRow("unknown id") << "<art_id>99</art_id>" << QStringList();
    QTest::newRow("id that is no number") << "<art_id>elf</art_id>" << QStringList();
    QTest::newRow("empty id rule names nothing")
        << "<art_id></art_id><product>BOOK_A</product>" << QStringList { "BOOK_A" };
}

void TestTemplateFactoryXML::artIdExpansion()
{
    QFETCH(QString, rules);
    QFETCH(QStringList, articles);
    QDomDocument aDocument;
    LMArticlesGroup aGroup;
    LMTemplateFilterFactory::parseFilter(filterElement(&aDocument, rules), &aGroup, nullptr, nullptr, nullptr);
    QCOMPARE(sortedOrderNames(aGroup), articles);

    // The same through a version-2 template: the rules of the document-wide filter count as well.
    LMUnconfiguredTemplateList aList = LMTemplateFactoryXML2::buildTemplates(
        QStringLiteral("<templates2 version='2'><template name='t'><filter>%1</filter>"
                       "<layout width='10' height='10'/></template></templates2>")
            .arg(rules));
    QCOMPARE(aList.count(), 1);
    QCOMPARE(sortedOrderNames(aList.first()->articleGroup()), articles);
    aList.deleteEntriesAndClear();
}

void TestTemplateFactoryXML::minimumSize_data()
{
    QTest::addColumn<QString>("rules");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<QList<int>>("accepted");

    // Articles: 11 small, 12 large, 13 extra large, 14 without a size class, 15 medium.
    QTest::newRow("large and above, unknown size kept")
        << "<minimum_size>large</minimum_size>" << 3 << QList<int> { 12, 13, 14 };
    QTest::newRow("small admits every size")
        << "<minimum_size>small</minimum_size>" << 1 << QList<int> { 11, 12, 13, 14, 15 };
    QTest::newRow("extra large by its other word")
        << "<minimum_size>extra_large</minimum_size>" << 4 << QList<int> { 13, 14 };
    QTest::newRow("by number") << "<minimum_size>2</minimum_size>" << 2 << QList<int> { 12, 13, 14, 15 };
    QTest::newRow("unknown word restricts nothing")
        << "<minimum_size>huge</minimum_size>" << 0 << QList<int> { 11, 12, 13, 14, 15 };
    QTest::newRow("together with a class")
        << "<type>calendar</type><minimum_size>medium</minimum_size>" << 2 << QList<int>();
    QTest::newRow("together with the right class")
        << "<type>photobook</type><minimum_size>medium</minimum_size>" << 2 << QList<int> { 12, 13, 14, 15 };
}

void TestTemplateFactoryXML::minimumSize()
{
    QFETCH(QString, rules);
    QFETCH(int, minimum);
    QFETCH(QList<int>, accepted);
    QDomDocument aDocument;
    LMArticlesGroup aGroup;
    LMTemplateFilterFactory::parseFilter(filterElement(&aDocument, rules), &aGroup, nullptr, nullptr, nullptr);
    // The group keeps the restriction with its minimum size.
    QCOMPARE(aGroup.isEmpty(), minimum == 0 && !rules.contains(QStringLiteral("<type>")));
    if (!aGroup.isEmpty())
        QCOMPARE(int(aGroup.restrictions().first().minimumSize().value()), minimum);

    // Which products the template's group admits, as the product constraints ask it.
    QList<int> aContained;
    for (const int anId : { 11, 12, 13, 14, 15 }) {
        if (LMArticlesGroup(LMArticleList { LMArticle::fromId(anId) }).intersects(aGroup, false))
            aContained.append(anId);
    }
    QCOMPARE(aContained, accepted);

    // Restrictions that differ only in their minimum size are different restrictions.
    LMProductRestriction aSmall;
    aSmall.setMinimumSize(LMSpaceMagnitudeEnum::Small);
    LMProductRestriction aLarge;
    aLarge.setMinimumSize(LMSpaceMagnitudeEnum::Large);
    QVERIFY(aSmall != aLarge);
    QVERIFY(!aSmall.isEmpty());
    QVERIFY(aSmall.overlaps(aLarge));
}

void TestTemplateFactoryXML::hostileFiles_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("warning");

    const QString aDoctype = QStringLiteral("refused XML file .*: document type or entity declaration");
    const QString aDeep = QStringLiteral("refused XML file .*: elements nested deeper than 256 levels");
    const QString aLarge = QStringLiteral("refused XML file .*: larger than 67108864 bytes");
    const QString aMalformed = QStringLiteral("malformed XML file .*truncated_v[12].xml at line");
    QTest::newRow("version 1 with entity declarations") << 1 << "doctype" << aDoctype;
    QTest::newRow("version 2 with an external document type") << 2 << "doctype" << aDoctype;
    QTest::newRow("version 1 nested too deep") << 1 << "deep" << aDeep;
    QTest::newRow("version 2 nested too deep") << 2 << "deep" << aDeep;
    QTest::newRow("version 1 over the size bound") << 1 << "large" << aLarge;
    QTest::newRow("version 2 over the size bound") << 2 << "large" << aLarge;
    QTest::newRow("version 1 truncated") << 1 << "truncated" << aMalformed;
    QTest::newRow("version 2 truncated") << 2 << "truncated" << aMalformed;
}

void TestTemplateFactoryXML::hostileFiles()
{
    QFETCH(int, version);
    QFETCH(QString, kind);
    QFETCH(QString, warning);

    QTemporaryDir aDir;
    QVERIFY(aDir.isValid());
    const QString aRoot = version == 1 ? QStringLiteral("templates") : QStringLiteral("templates2");
    QString aPath;
    if (kind == QStringLiteral("doctype") || kind == QStringLiteral("truncated")) {
        aPath = LMTestSupport::dataPath(QStringLiteral("formats/%1_v%2.xml").arg(kind).arg(version));
    } else if (kind == QStringLiteral("deep")) {
        // A template whose area holds elements one level deeper than the loader allows.
        QByteArray aText = "<" + aRoot.toUtf8()
            + " version='2'><template name='tief' type='hintergrund' "
              "category='hintergrund'><layout width='10' height='10'>";
        const int aLevels = LMXMLLoader::ourMaximumDepth;
        aText += QByteArray("<imagearea>").repeated(aLevels) + QByteArray("</imagearea>").repeated(aLevels);
        aText += "</layout></template></" + aRoot.toUtf8() + ">";
        aPath = LMTestSupport::writeFile(aDir, QStringLiteral("deep.xml"), aText);
    } else {
        // A well-formed start, then a hole up to one byte past the bound (sparse where it can be).
        aPath = LMTestSupport::writeFile(aDir, QStringLiteral("large.xml"),
                                         "<" + aRoot.toUtf8()
                                             + "><template name='gross' type='hintergrund' category='hintergrund'/>");
        QFile aFile(aPath);
        QVERIFY(aFile.resize(LMXMLLoader::ourMaximumSize + 1));
    }

    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(warning));
    const QDomDocument aDocument = LMXMLLoader::loadDocument(QFileInfo(aPath));
    QVERIFY(aDocument.isNull());
    const QDomElement aRootElement = aDocument.documentElement();
    QVERIFY(aRootElement.isNull());

    // Both readers take what the loader hands over: nothing.
    LMUnconfiguredTemplateList aList;
    for (QDomElement anElement = aRootElement.firstChildElement(QStringLiteral("template")); !anElement.isNull();
         anElement = anElement.nextSiblingElement(QStringLiteral("template")))
        aList.append(LMTemplateFactoryXML::createTemplate(anElement, aDir.path(), LMDesignElementMetaData()));
    const LMUnconfiguredTemplate aFirst = LMTemplateFactoryXML::createTemplate(
        aRootElement.firstChildElement(QStringLiteral("template")), aDir.path(), LMDesignElementMetaData());
    QVERIFY(aFirst.isNull());
    LMTemplateFactoryXML2 aFactory(aRootElement.firstChildElement(QStringLiteral("filter")));
    aList.append(aFactory.buildTemplates(aDocument, aDir.path(), LMDesignElementMetaData()));
    aList.append(aFactory.buildTemplates(aRootElement, aDir.path(), LMDesignElementMetaData()));
    QVERIFY(aList.isEmpty());

    // The in-memory door of the loader refuses the same text.
    if (kind != QStringLiteral("large")) {
        QFile aFile(aPath);
        QVERIFY(aFile.open(QIODevice::ReadOnly));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("(refused|malformed) XML file again")));
        QVERIFY(LMXMLLoader::loadDocumentFromData(aFile.readAll(), QStringLiteral("again")).isNull());
    }
}

QTEST_GUILESS_MAIN(TestTemplateFactoryXML)
#include "tst_templatefactoryxml.moc"
