#include "LMArticlesGroup.h"
#include "LMArticleVariants.h"
#include "LMCategorization.h"
#include "LMCategoryType.h"
#include "LMContentFilterAbstract.h"
#include "LMContentFilterParameter.h"
#include "LMJig.h"
#include "LMPageConstraint.h"
#include "LMProductCatalogue.h"
#include "LMSmartLayoutRegistration.h"
#include "LMSpotColor.h"
#include "LMTemplate.h"
#include "LMTemplateAreaDefinition.h"
#include "LMTemplateAreaDefinitionSmartLayout.h"
#include "LMTemplateConfiguration.h"
#include "LMTemplateFactoryXML.h"
#include "LMTemplateFactoryXML2.h"
#include "LMTemplateFilterFactory.h"
#include "LMTemplateList.h"
#include "LMTemplateWriter.h"
#include "LMTestSupport.h"
#include "LMThematicCategorySet.h"
#include "LMUnconfiguredTemplateList.h"
#include "LMXMLBuilder.h"
#include "LMXMLLoader.h"
#include "LMXMLParserTemplate.h"

#include <QDomDocument>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {
QStringList sorted(QStringList theList)
{
    theList.sort();
    return theList;
}

QStringList sortedOrderNames(const LMArticlesGroup& theGroup)
{
    return sorted(theGroup.explicitArticles().orderTxtNames());
}

QDomElement parse(const QString& theXml, QDomDocument* theDocument)
{
    theDocument->setContent(theXml);
    return theDocument->documentElement();
}

QStringList words(const QString& theText)
{
    return theText.split(u' ', Qt::SkipEmptyParts);
}

// Categories "type:name" grouped by type, for table rows.
LMCategorization categorization(const QString& theEntries)
{
    LMCategorization aResult;
    for (const QString& anEntry : words(theEntries)) {
        const qsizetype aColon = anEntry.indexOf(QLatin1Char(':'));
        aResult.insert(LMCategoryType(anEntry.left(aColon)), LMThematicCategory(anEntry.mid(aColon + 1)));
    }
    return aResult;
}

LMArticlesGroup parsedFilter(const QString& theRules)
{
    QDomDocument aDocument;
    LMArticlesGroup aGroup;
    LMTemplateFilterFactory::parseFilter(parse(QStringLiteral("<filter>%1</filter>").arg(theRules), &aDocument),
                                         &aGroup, nullptr, nullptr, nullptr);
    return aGroup;
}
// Builds a "templates2" block the way the load job does: its filter, its revision, its templates.
LMUnconfiguredTemplateList buildBlock(const QDomElement& theRoot, const QString& theBasePath = QString())
{
    LMTemplateFactoryXML2 aFactory(theRoot.firstChildElement(QStringLiteral("filter")));
    aFactory.setTemplateRevision(LMTemplateFactory::intAttribute(theRoot, QStringLiteral("version"), 1));
    return aFactory.buildTemplates(theRoot, theBasePath, LMDesignElementMetaData());
}

QDomDocument loadFixture(const QString& theName)
{
    return LMXMLLoader::loadDocument(QFileInfo(LMTestSupport::dataPath(QStringLiteral("formats/") + theName)));
}

// The collection of layouts most tests read; it holds one unknown child element.
LMUnconfiguredTemplateList buildLayouts()
{
    QTest::ignoreMessage(QtWarningMsg, "found unknown <sparkles> element");
    return buildBlock(loadFixture(QStringLiteral("layouts_v2.xml")).documentElement(),
                      QStringLiteral("/content/layouts"));
}

LMUnconfiguredTemplate byName(const LMUnconfiguredTemplateList& theList, const QString& theName)
{
    for (const bool anUnmirrored : { true, false }) {
        for (const LMUnconfiguredTemplate& aTemplate : theList) {
            if (aTemplate->name() == theName && (!anUnmirrored || !aTemplate->possibleMirrorings().isValid()))
                return aTemplate;
        }
    }
    return LMUnconfiguredTemplate::null();
}

QStringList categories(const LMUnconfiguredTemplate& theTemplate, LMCategoryTypeEnum theType)
{
    QStringList aNames = theTemplate->thematicCategories(LMCategoryType(theType)).internalNames();
    aNames.sort();
    return aNames;
}

int count(const LMUnconfiguredTemplate& theTemplate, LMAreaTypeEnum theType)
{
    return int(theTemplate->areaDefinitions().count(LMAreaType(theType)));
}

// Keeps what the readers hand over, as the registry would.
class Registration : public LMSmartLayoutRegistration
{
public:
    void addSmartLayout(std::unique_ptr<LMTemplateAreaDefinitionSmartLayout> theSmartLayout) override
    {
        myLayouts.push_back(std::move(theSmartLayout));
    }
    std::vector<std::unique_ptr<LMTemplateAreaDefinitionSmartLayout>> myLayouts;
};
} // namespace

// Version 1 of the XML template files, its element readers, and what it relies on in the product
// model: every rule that decides a value, thumbnails and previews on disk, the special categories
// of filters, "art_id" expansion to compatible products, minimum product sizes, colour variants,
// and hostile files through the loader and both readers; version 2 of the files.
class TestTemplateFactoryXML : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        // Articles of each size class, some naming compatible products (one of them unknown, one itself).
        QVERIFY(LMProductCatalogue::instance()->load(LMTestSupport::dataPath("formats/sizes_catalogue.json")));
    }

    void versionOne_data()
    {
        columns<QString, QString>("name", "expected");
        row("background: id from its number, categories, spot colour, colour variants", "0042",
            "jig=1 id=42 orientations=2 products=BOOK_A supported=2 price=03 categories=Meer,Strand "
            "variants=multicolor=30,2 multicolor=60,1 spot=2:bg_0042_gold.png:__SPOTCOLOR__gold-foil sort=5 "
            "thumbnail=bg_0042.jpg");
        row("colour background: fixed class, cover page type kept alone", "Rot",
            "jig=1 id=77 pages=100 classes=512 categories=fArBeN thumbnail=rot.jpg autothumb=2");
        row("background under more than the colours: its own class, no number, no id", "Gruen",
            "jig=1 categories=Blau,Farben thumbnail=gruen.jpg");
        row("user layout: layout layer, areas, thumbnail pattern, bad sort", "Mein Layout",
            "jig=8 layer=512 pages=6d006f orientations=5 supported=5 user=true locks=true single-sided=true "
            "thumbnail=thumbs/lay_%1.png areas=2 photos=1 texts=1 minimum=1");
        row("layout of another category, unknown orientation and spot colour", "Fremdes Layout", "jig=8 layer=512");
        row("poster strip: frame variants listed, tilt from the element", "Leiste",
            "jig=128 layer=256 price=07 variants=frame=black frame=none frame=white tilt=90 material=2");
        row("frame of wall decor: no tilt", "Rahmen", "jig=128 layer=256 variants=frame=oak material=4");
        row("bare element: defaults", "Nichts", QString());
    }
    void versionOne()
    {
        QFETCH(QString, name);
        const QDomDocument aDocument
            = LMXMLLoader::loadDocument(QFileInfo(LMTestSupport::dataPath("formats/templates_v1.xml")));
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
        QTEST(LMTestSupport::templateSummary(*aTemplate, myDir.path()), "expected");
        QCOMPARE(aTemplate->isFrame(), name == QStringLiteral("Leiste") || name == QStringLiteral("Rahmen"));
        aList.deleteEntriesAndClear();
    }

    void thumbnails_data()
    {
        columns<QString, QString, QString, QString, QString>("files", "folder", "attributes", "thumbnail", "preview");
        row("file in the folder", "a/t.jpg", "a", "filename='t.jpg'", "t.jpg", "");
        row("missing file is named anyway", "", "a", "filename='t.jpg'", "t.jpg", "");
        row("refinement folder falls back to the parent", "a/t.jpg", "a/Refinement", "filename='t.jpg'", "../t.jpg",
            "");
        row("refinement folder without a parent file", "", "a/refinement", "filename='t.jpg'", "t.jpg", "");
        row("folder only ending in the word", "a/t.jpg", "a/norefinement", "filename='t.jpg'", "../t.jpg", "");
        row("other folders do not fall back", "a/t.jpg", "a/gold", "filename='t.jpg'", "t.jpg", "");
        row("pattern from path and type", "", "a", "backgroundFilePath='b/x_' backgroundFileType='jpg'", "b/x_%1.jpg",
            "");
        row("preview that exists", "a/p.png", "a", "preview='p.png'", "", "p.png");
        row("preview that does not exist", "", "a", "preview='p.png'", "", "");
        row("preview naming a folder", "a/p/x", "a", "preview='p'", "", "");
    }
    void thumbnails()
    {
        QFETCH(QString, files);
        QFETCH(QString, thumbnail);
        QTemporaryDir aDir;
        QVERIFY(aDir.isValid());
        for (const QString& aFile : words(files))
            LMTestSupport::writeFile(aDir, aFile, QByteArray("x"));
        const QString aBase = aDir.filePath(fetch<QString>("folder"));
        QVERIFY(QDir().mkpath(aBase));
        QDomDocument aDocument;
        const QDomElement anElement
            = parse(QStringLiteral("<template type='hintergrund' category='hintergrund' name='1' %1/>")
                        .arg(fetch<QString>("attributes")),
                    &aDocument);
        LMUnconfiguredTemplate aTemplate
            = LMTemplateFactoryXML::createTemplate(anElement, aBase, LMDesignElementMetaData());
        QCOMPARE(aTemplate->fileInfo().thumbnailFile(), thumbnail);
        QTEST(aTemplate->fileInfo().previewFile(), "preview");
        if (!files.isEmpty() && !thumbnail.isEmpty())
            QVERIFY(aTemplate->fileInfo().thumbnailPath().exists());
        aTemplate.deleteTemplate();
    }

    void elementReaders_data()
    {
        columns<QString, QString, int>("reader", "xml", "expected");
        row("missing type is content-1", "content", "<t/>", 8);
        row("content type, upper case", "content", "<t type='BACKGROUND-MASK'/>", 128);
        row("unknown content type gives 1", "content", "<t type='content-9'/>", 1);
        row("missing alignment is anywhere", "align", "<a/>", 7);
        row("left upper case", "align", "<a align='LEFT'/>", 1);
        row("unknown alignment is anywhere", "align", "<a align='top'/>", 7);
        row("cover", "cover", "<a align='CoverFront'/>", 1);
        row("cover word must lead", "cover", "<a align='frontcover'/>", 0);
        row("explicit portrait", "orientation", "<t orientation='Portrait' width='300' height='100'/>", 1);
        row("explicit unknown means all", "orientation", "<t orientation='sideways'/>", 31);
        row("landscape from size", "orientation", "<t width='300' height='100'/>", 2);
        row("portrait from total", "orientation", "<t><total width='100' height='300'/></t>", 1);
        row("square from size", "orientation", "<t width='100' height='100'/>", 4);
        row("background ignores size", "orientation", "<t category='Hintergrund' width='300' height='100'/>", 31);
        row("calendar ignores size", "orientation", "<t category='calendarium' width='300' height='100'/>", 31);
        row("no size", "orientation", "<t/>", 31);
        row("empty attribute uses size", "orientation", "<t orientation='' width='300' height='100'/>", 2);
        row("mirror without a size", "mirror", "<layout mirror='vertical'/>", 0);
        row("mirror with a size", "mirror", "<layout mirror='vertical'><total width='10' height='10'/></layout>", 1);
    }
    void elementReaders()
    {
        QFETCH(QString, reader);
        QDomDocument aDocument;
        const QDomElement anElement = parse(fetch<QString>("xml"), &aDocument);
        int aValue = -1;
        if (reader == QLatin1String("content"))
            aValue = int(LMXMLParserTemplate::templateContentType(anElement).value());
        else if (reader == QLatin1String("align"))
            aValue = int(LMXMLParserTemplate::pageAligment(anElement).value());
        else if (reader == QLatin1String("cover"))
            aValue = LMXMLParserTemplate::isCover(anElement);
        else if (reader == QLatin1String("orientation"))
            aValue = int(LMXMLParserTemplate::readOrientation(anElement).value());
        else if (reader == QLatin1String("mirror"))
            aValue = LMXMLParserTemplate::readMirrorRule(anElement).isValid();
        QTEST(aValue, "expected");
    }

    void totalSize_data()
    {
        columns<QString, QSize>("xml", "expected");
        row("own win over total", "<l width='300' height='200'><total width='1' height='1'/></l>", QSize(300, 200));
        row("only width falls to total", "<l width='300'><total width='40' height='50'/></l>", QSize(40, 50));
        row("first total", "<l><total width='40' height='50'/><total width='1' height='2'/></l>", QSize(40, 50));
        row("total without height", "<l><total width='40'/></l>", QSize());
    }
    void totalSize()
    {
        QDomDocument aDocument;
        QTEST(LMXMLParserTemplate::readTotalSize(parse(fetch<QString>("xml"), &aDocument)), "expected");
    }

    void readAreas_data()
    {
        columns<QString, int, int, int, double>("xml", "fix", "count", "firstRotation", "firstLeft");
        const QString aLayout = QStringLiteral("<layout><total width='1000' height='500'/><description>d</description>"
                                               "<!-- note --><fotozone/>"
                                               "<imagearea x='0.5' y='100' width='400' height='300' angle='90'/>"
                                               "<textarea x='500' y='100' width='400' height='100'/></layout>");
        row("no fix", aLayout, 0, 2, 90, 0.0005);
        row("position fix", aLayout, 1, 2, 90, 0.0);
        row("position and rotation fix", aLayout, 3, 2, 270, 0.0);
        row("no total size", "<layout><imagearea x='0' y='0' width='4' height='3'/></layout>", 1, 0, 0, 0.0);
        row("zero width", "<layout width='0' height='100'><imagearea x='0' y='0' width='4' height='3'/></layout>", 1, 0,
            0, 0.0);
        row("only silent tags", "<layout width='10' height='10'><total width='10' height='10'/><pdfname/></layout>", 1,
            0, 0, 0.0);
    }
    void readAreas()
    {
        QFETCH(int, count);
        QDomDocument aDocument;
        const LMTemplateAreaDefinitionList aList = LMXMLParserTemplate::readAreas(
            parse(fetch<QString>("xml"), &aDocument), QStringLiteral("/base"), fetch<int>("fix"));
        QCOMPARE(aList.count(), count);
        QCOMPARE(aList.isValid(), count > 0);
        if (count == 0)
            return;
        QTEST(aList.first()->areaDescription().rotation().degrees(), "firstRotation");
        QTEST(aList.first()->rect().left(), "firstLeft");
    }

    void unknownAreaTagWarns()
    {
        QDomDocument aDocument;
        const QDomElement aLayout = parse(QStringLiteral("<layout width='100' height='100'><sparkles/>"
                                                         "<imagearea x='0' y='0' width='10' height='10'/></layout>"),
                                          &aDocument);
        QTest::ignoreMessage(QtWarningMsg, "Unbekannter Knotentyp: sparkles");
        QTest::ignoreMessage(QtWarningMsg, "Unbekannter Knotentyp: sparkles");
        QCOMPARE(LMXMLParserTemplate::readAreas(aLayout, QString(), 0).count(), 1);
        QVERIFY(
            !LMXMLParserTemplate::createAreaDefinition(aLayout.firstChildElement(), QSize(100, 100), QString()).get());
    }

    void attributes_data()
    {
        columns<QString, int, bool, QString>("xml", "intValue", "boolValue", "textValue");
        row("missing gives defaults", "<t/>", 42, true, "dflt");
        row("values", "<t v='-7' b='false' s='x'/>", -7, false, "x");
        row("malformed gives 0 and false", "<t v='seven' b='maybe' s=''/>", 0, false, "");
        row("overflow gives 0", "<t v='99999999999' b='YES' s='ä'/>", 0, true, "ä");
    }
    void attributes()
    {
        QDomDocument aDocument;
        const QDomElement anElement = parse(fetch<QString>("xml"), &aDocument);
        QTEST(LMTemplateFactory::intAttribute(anElement, QStringLiteral("v"), 42), "intValue");
        QTEST(LMTemplateFactory::boolAttribute(anElement, QStringLiteral("b"), true), "boolValue");
        QTEST(LMTemplateFactory::attribute(anElement, QStringLiteral("s"), QStringLiteral("dflt")), "textValue");
    }

    void colourVariants_data()
    {
        columns<QString, QString>("text", "variants");
        row("empty", "", "");
        row("blanks around numbers", " 0 , 0 ", "multicolor=0,0");
        row("several, sorted, once each", "60,1;30,2;60,1", "multicolor=30,2 multicolor=60,1");
        row("hue off the 30 degree steps", "31,0", "");
        row("fading beyond 5", "0,6", "");
        row("hue beyond a turn is still a step", "390,5", "multicolor=390,5");
        row("negative", "-30,1", "");
        row("three numbers", "30,2,1", "");
        row("words and empty pieces", ";blau;;30,x;90,3;", "multicolor=90,3");
        row("the any marker is no variant", "-2,-2", "");
    }
    void colourVariants()
    {
        const LMArticleVariants aVariants = LMArticleVariants::createFromMCF(fetch<QString>("text"));
        QTEST(aVariants.toStringList().join(u' '), "variants");
        // Colour variants are accountable: they never stand for leaving something away.
        QVERIFY(!aVariants.hasNotAccountableVariant());
        for (const QString& aValue : aVariants.values(LMArticleVariants::multiColorKey()))
            QVERIFY(LMMultiColorConfig::fromString(aValue).isValid());
    }

    void specialCategories_data()
    {
        columns<QString, QString, bool>("wanted", "held", "accepted");
        const QString anInverted = LMThematicCategory::invertedCategory().internalName();
        const QString aStyle = LMThematicCategory::styleV2Only().internalName();
        const auto inverted = [&](const char* theOthers) {
            return "subcategory:" + anInverted + ' ' + theOthers;
        };
        row("nothing wanted", "", "subcategory:sea", true);
        row("none of the wanted", "subcategory:forest", "subcategory:sea", false);
        row("every wanted type must be met", "subcategory:sea theme:01", "subcategory:sea", false);
        row("inverted: holding none of the others passes", inverted("subcategory:forest"), "subcategory:sea", true);
        row("inverted: holding one of the others fails", inverted("subcategory:forest subcategory:mountain"),
            "subcategory:sea subcategory:mountain", false);
        row("inverted: an element without categories passes", inverted("subcategory:forest"), "", true);
        row("inverted turns only its own type", inverted("subcategory:forest theme:01"), "subcategory:sea theme:02",
            false);
        row("inverted under another type than held", "theme:" + anInverted + " theme:forest", "subcategory:forest",
            true);
        row("style-V2-only element, filter without it", "", "internal:" + aStyle + " subcategory:sea", false);
        row("style-V2-only element, filter wanting other categories", "subcategory:sea",
            "internal:" + aStyle + " subcategory:sea", false);
        row("style-V2-only element, filter asking for it", "internal:" + aStyle, "internal:" + aStyle, true);
        row("filter asking for it under another type still needs the type met", "theme:" + aStyle, "internal:" + aStyle,
            false);
        row("filter asking for it, element without it", "internal:" + aStyle, "subcategory:sea", false);
    }
    void specialCategories()
    {
        const LMContentFilterAbstract aFilter(
            LMContentFilterParameter(LMTemplateContextGroup(), categorization(fetch<QString>("wanted"))));
        LMJig aJig(LMJigType(LMJigTypeEnum::Background));
        aJig.setCategorization(categorization(fetch<QString>("held")));
        QTEST(aFilter.checkCategorization(aJig), "accepted");
    }

    void catalogueKeys_data()
    {
        columns<QByteArray, int, QList<qint32>, QStringList>("entry", "sizeClass", "compatibles", "problems");
        const QByteArray aBase = R"("id": 1, "orderName": "X")";
        const QString anEntry = QStringLiteral("\"compatibleProducts\" entry %1 is not an article id");
        row("neither key", aBase, 0, QList<qint32>(), QStringList());
        row("both keys", aBase + R"(, "sizeClass": "Medium", "compatibleProducts": [3, 2, 3])", 2,
            QList<qint32> { 3, 2, 3 }, QStringList());
        row("size class by number", aBase + R"(, "sizeClass": "4")", 4, QList<qint32>(), QStringList());
        row("unknown size class", aBase + R"(, "sizeClass": "riesig")", 0, QList<qint32>(),
            QStringList { "\"sizeClass\" names no size class" });
        row("size class of the wrong type", aBase + R"(, "sizeClass": 3)", 0, QList<qint32>(),
            QStringList { "\"sizeClass\" is not a text" });
        row("bad ids skipped", aBase + R"(, "compatibleProducts": [0, -4, 2.5, "7", 8, 2147483648])", 0,
            QList<qint32> { 8 },
            QStringList { anEntry.arg(0), anEntry.arg(1), anEntry.arg(2), anEntry.arg(3), anEntry.arg(5) });
        row("not a list", aBase + R"(, "compatibleProducts": 8)", 0, QList<qint32>(),
            QStringList { "\"compatibleProducts\" is not a list" });
        row("null list", aBase + R"(, "compatibleProducts": null)", 0, QList<qint32>(), QStringList());
    }
    void catalogueKeys()
    {
        QJsonParseError anError;
        const QJsonDocument aDocument = QJsonDocument::fromJson("{" + fetch<QByteArray>("entry") + "}", &anError);
        QCOMPARE(anError.error, QJsonParseError::NoError);
        QStringList aProblems;
        const LMArticle anArticle
            = LMArticle::fromCatalogueEntry(aDocument.object(), QStringLiteral("EUR"), &aProblems);
        QVERIFY(anArticle.isValid());
        QTEST(int(anArticle.sizeClass().value()), "sizeClass");
        QTEST(anArticle.compatibleProductIds(), "compatibles");
        QTEST(aProblems, "problems");
    }

    void artIdExpansion_data()
    {
        columns<QString, QString>("rules", "articles");
        row("named by id: its compatibles, unknown ids dropped", "<art_id>11</art_id>", "BOOK_A BOOK_B");
        row("one step only, and directed", "<art_id>12</art_id>", "BOOK_B BOOK_C");
        row("no compatibles", "<art_id>13</art_id>", "BOOK_C");
        row("listing itself", "<art_id>14</art_id>", "BOOK_D");
        row("named by order name: no expansion", "<product>BOOK_A</product>", "BOOK_A");
        row("order names expand too once an id is named", "<product>BOOK_A</product><art_id>13</art_id>",
            "BOOK_A BOOK_B BOOK_C");
        row("unknown id", "<art_id>99</art_id>", "");
        row("id that is no number", "<art_id>elf</art_id>", "");
        row("empty id rule names nothing", "<art_id></art_id><product>BOOK_A</product>", "BOOK_A");
    }
    void artIdExpansion()
    {
        QFETCH(QString, rules);
        QFETCH(QString, articles);
        QCOMPARE(sortedOrderNames(parsedFilter(rules)), words(articles));
        // The same through a version-2 template: the rules of the document-wide filter count as well.
        LMUnconfiguredTemplateList aList = LMTemplateFactoryXML2::buildTemplates(
            QStringLiteral("<templates2 version='2'><template name='t'><filter>%1</filter>"
                           "<layout width='10' height='10'/></template></templates2>")
                .arg(rules));
        QCOMPARE(aList.count(), 1);
        QCOMPARE(sortedOrderNames(aList.first()->articleGroup()), words(articles));
        aList.deleteEntriesAndClear();
    }

    void minimumSize_data()
    {
        columns<QString, int, QList<int>>("rules", "minimum", "accepted");
        // Articles: 11 small, 12 large, 13 extra large, 14 without a size class, 15 medium.
        row("large and above, unknown size kept", "<minimum_size>large</minimum_size>", 3, QList<int> { 12, 13, 14 });
        row("small admits every size", "<minimum_size>small</minimum_size>", 1, QList<int> { 11, 12, 13, 14, 15 });
        row("extra large by its other word", "<minimum_size>extra_large</minimum_size>", 4, QList<int> { 13, 14 });
        row("by number", "<minimum_size>2</minimum_size>", 2, QList<int> { 12, 13, 14, 15 });
        row("unknown word restricts nothing", "<minimum_size>huge</minimum_size>", 0,
            QList<int> { 11, 12, 13, 14, 15 });
        row("together with a class", "<type>calendar</type><minimum_size>medium</minimum_size>", 2, QList<int>());
        row("together with the right class", "<type>photobook</type><minimum_size>medium</minimum_size>", 2,
            QList<int> { 12, 13, 14, 15 });
    }
    void minimumSize()
    {
        QFETCH(QString, rules);
        QFETCH(int, minimum);
        const LMArticlesGroup aGroup = parsedFilter(rules);
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
        QTEST(aContained, "accepted");
    }

    // Version 2: defaults, filters, revisions and the legacy fix, smart layouts, example layouts,
    // mirrored variants, broken files, and documents written and read back.
    void viewAngle_data()
    {
        columns<int, int>("written", "expected");
        row("minus 90", -90, 270);
        row("450", 450, 90);
        row("minus 360", -360, 0);
        row("smallest int", std::numeric_limits<int>::min(), 232);
        row("largest int", std::numeric_limits<int>::max(), 127);
    }
    void viewAngle() { QTEST(LMTemplateFactoryXML2::normalizedViewAngle(fetch<int>("written")), "expected"); }

    void legacyFix_data()
    {
        columns<QString, int, double>("name", "rotation", "left");
        row("revision 1 with fixRotation: fix 3", "Alt", 270, 0.0);
        row("revision 1 without: fix 1", "Alt ohne Drehung", 90, 0.0);
        row("user layout: no fix", "Eigenes", 90, 0.0004);
    }
    void legacyFix()
    {
        QFETCH(QString, name);
        const QDomDocument aDocument = loadFixture(QStringLiteral("legacy_v1.xml"));
        LMUnconfiguredTemplateList aList = buildBlock(aDocument.documentElement());
        const LMUnconfiguredTemplate aTemplate = byName(aList, name);
        QVERIFY(!aTemplate.isNull());
        QTEST(aTemplate->areaDefinitions().first()->rotation().degrees(), "rotation");
        QTEST(aTemplate->areaDefinitions().first()->rect().left(), "left");
        QCOMPARE(aTemplate->isUserLayout(), name == QStringLiteral("Eigenes"));
        aList.deleteEntriesAndClear();

        // The same layouts in a file of revision 2 need no fix.
        LMTemplateFactoryXML2 aFactory;
        QCOMPARE(aFactory.templateRevision(), 2);
        aList = aFactory.buildTemplates(aDocument, QString(), LMDesignElementMetaData());
        QCOMPARE(byName(aList, name)->areaDefinitions().first()->rotation().degrees(), 90);
        aList.deleteEntriesAndClear();
    }

    void smartLayouts()
    {
        Registration aRegistration;
        LMSmartLayoutRegistration::install(&aRegistration);
        LMUnconfiguredTemplateList aList = buildLayouts();
        LMSmartLayoutRegistration::install(nullptr);
        QCOMPARE(count(byName(aList, QStringLiteral("Zwei Fotos")), LMAreaTypeEnum::SmartLayout), 1);
        // "enabled" false keeps the smart layout out even inside a layout collection.
        QCOMPARE(count(byName(aList, QStringLiteral("Ohne Filter")), LMAreaTypeEnum::SmartLayout), 0);
        QCOMPARE(count(byName(aList, QStringLiteral("Mit Fremdem")), LMAreaTypeEnum::SmartLayout), 1);
        // The block's smart layout is registered under the first template's categorisation.
        QCOMPARE(int(aRegistration.myLayouts.size()), 1);
        QCOMPARE(aRegistration.myLayouts.front()->categorization(), aList.first()->categorization());
        aList.deleteEntriesAndClear();

        // Outside a layout collection no smart layout is injected.
        aList = LMTemplateFactoryXML2::buildTemplates(QStringLiteral(
            "<templates2 version='2'><template name='a'><layout width='10' height='10'>"
            "<imagearea x='0' y='0' width='5' height='5'/><smartLayout/></layout></template></templates2>"));
        QCOMPARE(aList.count(), 1);
        QCOMPARE(count(aList.first(), LMAreaTypeEnum::SmartLayout), 0);
        aList.deleteEntriesAndClear();
    }

    void brokenFiles()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("truncated_v2.xml")));
        QVERIFY(buildBlock(loadFixture(QStringLiteral("truncated_v2.xml")).documentElement()).isEmpty());
        LMUnconfiguredTemplateList aList
            = buildBlock(loadFixture(QStringLiteral("no_size_v2.xml")).documentElement(), QStringLiteral("/content/a"));
        QCOMPARE(aList.count(), 3);
        for (const LMUnconfiguredTemplate& aTemplate : aList) {
            QCOMPARE(aTemplate->areaDefinitions().count(), 0);
            QVERIFY(!aTemplate->areaDefinitions().isValid());
            QCOMPARE(aTemplate->sort(), 0);
            QVERIFY(aTemplate->viewAngle().degrees() >= 0 && aTemplate->viewAngle().degrees() < 360);
            // The templates of one block keep one set of file names.
            QCOMPARE(aTemplate->fileInfo().filePath(), QStringLiteral("/content/a"));
            QVERIFY(aTemplate->fileInfo().sharesNamesWith(aList.first()->fileInfo()));
        }
        aList.deleteEntriesAndClear();
    }

    void fromText()
    {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral(".")));
        QVERIFY(LMTemplateFactoryXML2::buildTemplates(QStringLiteral("<templates2><template")).isEmpty());
        QVERIFY(LMTemplateFactoryXML2::buildTemplates(QStringLiteral("<templates/>")).isEmpty());
        LMUnconfiguredTemplateList aList = LMTemplateFactoryXML2::buildTemplates(
            QStringLiteral("<templates2><template name='Ä'><layout width='4' height='3'/></template></templates2>"));
        QCOMPARE(aList.count(), 1);
        QCOMPARE(aList.first()->name(), QStringLiteral("Ä"));
        aList.deleteEntriesAndClear();
    }

    void singleTemplateFile()
    {
        // A file whose root is one "template": built alone, without collection id or smart layout.
        LMUnconfiguredTemplateList aList = LMTemplateFactoryXML2().buildLayoutTemplate(
            loadFixture(QStringLiteral("single_template.xml")).documentElement(), QStringLiteral("/content/single"),
            LMDesignElementID(), LMDesignElementMetaData(), nullptr);
        QCOMPARE(aList.count(), 1);
        const LMUnconfiguredTemplate aTemplate = aList.at(0);
        QCOMPARE(aTemplate->name(), QStringLiteral("Einzeln"));
        QCOMPARE(aTemplate->designElementID(), LMDesignElementID(77));
        QCOMPARE(aTemplate->sort(), 5);
        QCOMPARE(count(aTemplate, LMAreaTypeEnum::SmartLayout), 0);
        QCOMPARE(categories(aTemplate, LMCategoryTypeEnum::Subcategory), QStringList());
        aList.deleteEntriesAndClear();
    }

    void onlyLayoutsAreWritten()
    {
        LMTemplateList aList;
        QList<LMUnconfiguredTemplate> aTemplates;
        for (const LMJigTypeEnum aType :
             { LMJigTypeEnum::Background, LMJigTypeEnum::Layout, LMJigTypeEnum::SvgTemplate }) {
            aTemplates.append(LMUnconfiguredTemplate::create(LMJigType(aType)));
            aList.append(LMConfiguredTemplate(aTemplates.last()));
        }
        const QDomDocument aWritten = LMTemplateWriter::buildXML2FromTemplates(aList, QSizeF(100, 100));
        QCOMPARE(aWritten.documentElement().elementsByTagName(QStringLiteral("template")).count(), 2);
        for (LMUnconfiguredTemplate& aTemplate : aTemplates)
            aTemplate.deleteTemplate();

        const QDomDocument anEmpty = LMTemplateWriter::buildXML2FromTemplates(LMTemplateList(), QSizeF(100, 100));
        QCOMPARE(anEmpty.documentElement().tagName(), QStringLiteral("templates2"));
        QVERIFY(anEmpty.documentElement().firstChildElement().isNull());
        QVERIFY(buildBlock(anEmpty.documentElement()).isEmpty());
    }

private:
    QTemporaryDir myDir;
};

QTEST_GUILESS_MAIN(TestTemplateFactoryXML)
#include "tst_templatefactoryxml.moc"
