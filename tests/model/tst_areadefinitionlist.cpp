#include "LMSVGImageCalendar.h"
#include "LMTemplateAreaDefinitionClipart.h"
#include "LMTemplateAreaDefinitionFoto.h"
#include "LMTemplateAreaDefinitionList.h"
#include "LMTemplateAreaDefinitionOsm.h"
#include "LMTemplateAreaDefinitionSVG.h"
#include "LMTemplateAreaDefinitionText.h"

#include <QDomDocument>
#include <QTest>

namespace {
// A rectangle given in fractions of the page, and its rotation.
struct Box
{
    QRectF rect;
    int rotation = 0;
};
using Boxes = QList<Box>;

std::unique_ptr<LMTemplateAreaDefinitionFoto> foto(const QRectF& theRect, int theRotation = 0)
{
    return std::make_unique<LMTemplateAreaDefinitionFoto>(
        LMRotatedRect(theRect, LMAngle(theRotation)), LMAreaAbilityEnum::FotoDefault, LMAreaDecoration(),
        LMAreaPositioningConstraintEnum::Anywhere, LMImageFXs(), QSizeF(1, 1), LMAreaCreationRuleEnum::Default);
}

LMTemplateAreaDefinitionList photos(const Boxes& theBoxes)
{
    LMTemplateAreaDefinitionList aList;
    for (const Box& aBox : theBoxes)
        aList.append(foto(aBox.rect, aBox.rotation));
    aList.setValid(true);
    return aList;
}

template <typename Area> std::unique_ptr<Area> area(const QRectF& theRect)
{
    return std::make_unique<Area>(LMRotatedRect(theRect), LMAreaAbilityEnum::FotoDefault, LMAreaDecoration(),
                                  LMAreaPositioningConstraintEnum::Anywhere, LMImageFXs(), QSizeF(1, 1),
                                  LMAreaCreationRuleEnum::Default);
}

// One area of several kinds: a photo, a text with a default text, a clipart with and one
// without clipart, a map and an SVG area with a calendar image.
LMTemplateAreaDefinitionList mixed()
{
    LMTemplateAreaDefinitionList aList;
    aList.append(foto(QRectF(0.1, 0.1, 0.3, 0.4)));
    auto aText = area<LMTemplateAreaDefinitionText>(QRectF(0.5, 0.8, 0.4, 0.1));
    aText->setDefaultText(QStringLiteral("Hallo"));
    aList.append(std::move(aText));
    auto aFilled = area<LMTemplateAreaDefinitionClipart>(QRectF(0.8, 0.1, 0.1, 0.1));
    aFilled->setClipart(LMConfiguredDecorationTemplate(LMDesignElementID(7)));
    aList.append(std::move(aFilled));
    aList.append(area<LMTemplateAreaDefinitionClipart>(QRectF(0.8, 0.3, 0.1, 0.1)));
    aList.append(area<LMTemplateAreaDefinitionOsm>(QRectF(0.5, 0.1, 0.2, 0.2)));
    auto anSvg = area<LMTemplateAreaDefinitionSVG>(QRectF(0, 0, 1, 1));
    anSvg->setDefaultCssSheet(QStringLiteral("winter"));
    anSvg->setSvgImage(std::make_unique<LMSVGImageCalendar>(
        QByteArray("<svg xmlns='http://www.w3.org/2000/svg' width='4' height='2'/>"),
        QMap<QString, QString>({ { QStringLiteral("autumn"), QString() }, { QStringLiteral("winter"), QString() } })));
    aList.append(std::move(anSvg));
    aList.setValid(true);
    return aList;
}
} // namespace

Q_DECLARE_METATYPE(Boxes)
Q_DECLARE_METATYPE(LMRealRange)

// The measures of a list of areas, its deep copies and filters, and the list's XML form.
class TestAreaDefinitionList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isCrazy_data();
    void isCrazy();
    void isWellBalanced_data();
    void isWellBalanced();
    void formatsAndOrientations_data();
    void formatsAndOrientations();
    void spaciousness();
    void scaleFactor();
    void areaTypesAndPositions();
    void copiesAreDeep();
    void filterOwnsClones();
    void perAreaQueries();
    void setLocked();
    void xmlRoundTrip();
};

void TestAreaDefinitionList::isCrazy_data()
{
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<bool>("crazy");
    QTest::addColumn<int>("inclined");

    QTest::newRow("empty") << Boxes() << false << 0;
    QTest::newRow("one area") << Boxes({ { QRectF(0.1, 0.1, 0.5, 0.5) } }) << false << 0;
    QTest::newRow("apart") << Boxes({ { QRectF(0, 0, 0.4, 0.4) }, { QRectF(0.5, 0.5, 0.4, 0.4) } }) << false << 0;
    QTest::newRow("touching edges") << Boxes({ { QRectF(0, 0, 0.5, 0.5) }, { QRectF(0.5, 0, 0.5, 0.5) } }) << false
                                    << 0;
    QTest::newRow("touching corners") << Boxes({ { QRectF(0, 0, 0.5, 0.5) }, { QRectF(0.5, 0.5, 0.5, 0.5) } }) << false
                                      << 0;
    QTest::newRow("overlap of a thousandth")
        << Boxes({ { QRectF(0, 0, 0.5, 0.5) }, { QRectF(0.499, 0, 0.5, 0.5) } }) << true << 0;
    QTest::newRow("one inside another") << Boxes({ { QRectF(0, 0, 1, 1) }, { QRectF(0.4, 0.4, 0.1, 0.1) } }) << true
                                        << 0;
    QTest::newRow("third overlaps the first only")
        << Boxes({ { QRectF(0, 0, 0.3, 0.3) }, { QRectF(0.6, 0.6, 0.3, 0.3) }, { QRectF(0.2, 0.2, 0.3, 0.3) } }) << true
        << 0;
    QTest::newRow("turned by a right angle, apart")
        << Boxes({ { QRectF(0, 0, 0.2, 0.2), 90 }, { QRectF(0.5, 0.5, 0.2, 0.2) } }) << true << 0;
    QTest::newRow("turned a little, apart")
        << Boxes({ { QRectF(0, 0, 0.2, 0.2) }, { QRectF(0.5, 0.5, 0.2, 0.2), 5 } }) << true << 1;
    QTest::newRow("full turn counts as none")
        << Boxes({ { QRectF(0, 0, 0.2, 0.2), 360 }, { QRectF(0.5, 0.5, 0.2, 0.2) } }) << false << 0;
    QTest::newRow("two inclined") << Boxes({ { QRectF(0, 0, 0.2, 0.2), 45 }, { QRectF(0.5, 0.5, 0.2, 0.2), -10 } })
                                  << true << 2;
}

void TestAreaDefinitionList::isCrazy()
{
    QFETCH(Boxes, boxes);
    QFETCH(bool, crazy);
    QFETCH(int, inclined);

    const LMTemplateAreaDefinitionList aList = photos(boxes);
    QCOMPARE(aList.isCrazy(), crazy);
    QCOMPARE(aList.countInclined(), inclined);
}

void TestAreaDefinitionList::isWellBalanced_data()
{
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<bool>("balanced");

    QTest::newRow("empty") << Boxes() << true;
    QTest::newRow("centred") << Boxes({ { QRectF(0.25, 0.25, 0.5, 0.5) } }) << true;
    QTest::newRow("mirror pair") << Boxes({ { QRectF(0, 0.25, 0.4, 0.5) }, { QRectF(0.6, 0.25, 0.4, 0.5) } }) << true;
    QTest::newRow("one off centre") << Boxes({ { QRectF(0, 0, 0.5, 0.5) } }) << false;
    // A whole-page area weighs 1; its centre moved by d gives |x| = d.
    QTest::newRow("just inside the bound") << Boxes({ { QRectF(0.0099, 0, 1, 1) } }) << true;
    QTest::newRow("just outside the bound") << Boxes({ { QRectF(0.0101, 0, 1, 1) } }) << false;
    QTest::newRow("x and y add up") << Boxes({ { QRectF(0.006, 0.006, 1, 1) } }) << false;
    // Weights (-0.04, 0), (0.012, -0.004) and (0.012, 0.004): the mean is about -0.0053.
    QTest::newRow("heavy left, two light right")
        << Boxes({ { QRectF(0.1, 0.25, 0.4, 0.5) }, { QRectF(0.7, 0.3, 0.2, 0.2) }, { QRectF(0.7, 0.5, 0.2, 0.2) } })
        << true;
    QTest::newRow("heavy left, one light right")
        << Boxes({ { QRectF(0.1, 0.25, 0.4, 0.5) }, { QRectF(0.7, 0.3, 0.2, 0.2) } }) << false;
}

void TestAreaDefinitionList::isWellBalanced()
{
    QFETCH(Boxes, boxes);
    QFETCH(bool, balanced);

    QCOMPARE(photos(boxes).isWellBalanced(), balanced);
}

void TestAreaDefinitionList::formatsAndOrientations_data()
{
    QTest::addColumn<Boxes>("boxes");
    QTest::addColumn<double>("aspect");
    QTest::addColumn<LMRealRange>("range");
    QTest::addColumn<QList<int>>("orientations");
    QTest::addColumn<int>("portrait");
    QTest::addColumn<int>("landscape");

    QTest::newRow("empty") << Boxes() << 1.0 << LMRealRange() << QList<int>() << 0 << 0;
    QTest::newRow("one area sets both bounds")
        << Boxes({ { QRectF(0, 0, 0.2, 0.4) } }) << 1.0 << LMRealRange(0.5, 0.5) << QList<int>({ 1 }) << 1 << 0;
    QTest::newRow("page aspect") << Boxes(
        { { QRectF(0, 0, 0.2, 0.4) }, { QRectF(0, 0, 0.4, 0.2) }, { QRectF(0, 0, 0.2, 0.2) } })
                                 << 1.5 << LMRealRange(0.75, 3.0) << QList<int>({ 1, 2, 2 }) << 1 << 2;
    QTest::newRow("square counts as landscape") << Boxes({ { QRectF(0, 0, 0.2, 0.4) }, { QRectF(0, 0, 0.4, 0.2) } })
                                                << 2.0 << LMRealRange(1.0, 4.0) << QList<int>({ 4, 2 }) << 0 << 2;
}

void TestAreaDefinitionList::formatsAndOrientations()
{
    QFETCH(Boxes, boxes);
    QFETCH(double, aspect);
    QFETCH(LMRealRange, range);
    QFETCH(QList<int>, orientations);
    QFETCH(int, portrait);
    QFETCH(int, landscape);

    const LMTemplateAreaDefinitionList aList = photos(boxes);
    const LMRealRange aRange = aList.formatRange(aspect);
    QCOMPARE(aRange.min(), range.min());
    QCOMPARE(aRange.max(), range.max());
    QList<int> aValues;
    for (const LMOrientation& anOrientation : aList.orientations(aspect))
        aValues.append(anOrientation.value());
    QCOMPARE(aValues, orientations);
    QCOMPARE(aList.countPortraitAndLandscapeAreas(aspect), LMPortraitAndLandscapeCount(portrait, landscape));
}

void TestAreaDefinitionList::spaciousness()
{
    QCOMPARE(LMTemplateAreaDefinitionList().calculateSpaciousness(), 0.0);
    QCOMPARE(LMTemplateAreaDefinitionList().smallestPercentageUsedByAnyArea(LMAreaTypeEnum::Foto), 0.0);

    const LMTemplateAreaDefinitionList aList = mixed();
    QCOMPARE(aList.count(), 6);
    QCOMPARE(aList.count(LMAreaTypeEnum::Foto), 1);
    QCOMPARE(aList.count(LMAreaTypeEnum::Clipart), 2);
    QCOMPARE(aList.count(LMAreaType(LMAreaTypeEnum::Foto) | LMAreaType(LMAreaTypeEnum::Osm)), 2);
    QCOMPARE(aList.smallestPercentageUsedByAnyArea(LMAreaTypeEnum::Foto), 0.12);
    QCOMPARE(aList.smallestPercentageUsedByAnyArea(LMAreaTypeEnum::Clipart), 0.01);
    QCOMPARE(aList.smallestPercentageUsedByAnyArea(LMAreaTypeEnum::QRCode), 0.0);
    QCOMPARE(aList.calculateSpaciousness(), 0.12 + 0.04 + 0.01 + 0.01 + 0.04 + 1.0);
}

void TestAreaDefinitionList::scaleFactor()
{
    LMTemplateAreaDefinitionList aList;
    QCOMPARE(aList.scaleFactor(QSizeF(10, 10)), 1.0);
    aList.append(std::make_unique<LMTemplateAreaDefinitionFoto>(LMAreaDescription(), LMAreaPositioningConstraint()));
    QCOMPARE(aList.scaleFactor(QSizeF(10, 10)), 1.0);
    aList.append(std::make_unique<LMTemplateAreaDefinitionFoto>(LMRotatedRect(QRectF(0, 0, 1, 1)), LMAreaAbility(),
                                                                LMAreaDecoration(), LMAreaPositioningConstraint(),
                                                                LMImageFXs(), QSizeF(200, 100), LMAreaCreationRule()));
    aList.append(std::make_unique<LMTemplateAreaDefinitionFoto>(LMRotatedRect(QRectF(0, 0, 1, 1)), LMAreaAbility(),
                                                                LMAreaDecoration(), LMAreaPositioningConstraint(),
                                                                LMImageFXs(), QSizeF(50, 50), LMAreaCreationRule()));
    // The first area that knows its page decides.
    QCOMPARE(aList.scaleFactor(QSizeF(100, 100)), 0.5);
}

void TestAreaDefinitionList::areaTypesAndPositions()
{
    const LMTemplateAreaDefinitionList aList = mixed();
    LMTemplateAreaDefinitionList aReordered;
    for (int i = aList.count() - 1; i >= 0; --i) {
        std::unique_ptr<LMTemplateAreaDefinition> aClone = aList.at(i)->clone();
        aClone->setZPosition(100 + i);
        aReordered.append(std::move(aClone));
    }
    QVERIFY(aList.areAreaTypesAndPositionsEqual(aReordered));
    QVERIFY(aReordered.areAreaTypesAndPositionsEqual(aList));

    LMTemplateAreaDefinitionList aShorter = aReordered;
    aShorter.removeAt(0);
    QVERIFY(!aList.areAreaTypesAndPositionsEqual(aShorter));

    // Same count, but one area moved.
    LMTemplateAreaDefinitionList aMoved = aReordered;
    std::unique_ptr<LMTemplateAreaDefinition> anArea = aMoved.takeAt(0);
    LMAreaDescription aDescription = anArea->areaDescription();
    aDescription.setRect(aDescription.rect().translated(0.01, 0));
    anArea->setAreaDescription(aDescription);
    aMoved.prepend(std::move(anArea));
    QVERIFY(!aList.areAreaTypesAndPositionsEqual(aMoved));
    QVERIFY(LMTemplateAreaDefinitionList().areAreaTypesAndPositionsEqual(LMTemplateAreaDefinitionList()));
}

void TestAreaDefinitionList::copiesAreDeep()
{
    LMTemplateAreaDefinitionList aList = photos({ { QRectF(0.1, 0.2, 0.3, 0.4), 30 } });
    LMTemplateAreaDefinitionList aCopy(aList);
    QVERIFY(aCopy.isValid());
    QVERIFY(aCopy.at(0) != aList.at(0));
    aCopy.at(0)->setZPosition(42);
    QCOMPARE(aList.at(0)->zPosition(), 1);

    const LMTemplateAreaDefinitionList aMirrored(aList, LMMirrorRuleEnum::BothAxes);
    QCOMPARE(aMirrored.at(0)->rotatedRect(), LMRotatedRect(QRectF(0.6, 0.4, 0.3, 0.4), LMAngle(30)));

    LMTemplateAreaDefinitionList anAssigned;
    anAssigned = aMirrored;
    const LMTemplateAreaDefinitionList& aSame = anAssigned;
    anAssigned = aSame; // assigning a list to itself keeps its areas
    QCOMPARE(anAssigned.count(), 1);
    anAssigned.copyAreaDefinitions(aList, LMMirrorRuleEnum::HorizontalAxis);
    QCOMPARE(anAssigned.at(0)->rotatedRect(), LMRotatedRect(QRectF(0.1, 0.4, 0.3, 0.4), LMAngle(330)));

    LMTemplateAreaDefinitionList aMoved(std::move(anAssigned));
    QCOMPARE(aMoved.count(), 1);
}

void TestAreaDefinitionList::filterOwnsClones()
{
    const LMTemplateAreaDefinitionList aList = mixed();
    LMTemplateAreaDefinitionList aCliparts = aList.filter(LMAreaTypeEnum::Clipart);
    QCOMPARE(aCliparts.count(), 2);
    QVERIFY(aCliparts.isValid());
    aCliparts.at(0)->setZPosition(9);
    QCOMPARE(aList.at(2)->zPosition(), 1);

    const LMTemplateAreaDefinitionList anOthers = aList.filter(LMAreaTypeEnum::Clipart, false);
    QCOMPARE(anOthers.count(), 4);
    QCOMPARE(anOthers.count(LMAreaTypeEnum::Clipart), 0);
    QCOMPARE(aList.filter(LMAreaTypeEnum::All).count(), 6);
    QCOMPARE(aList.filter(LMAreaType()).count(), 0);
}

void TestAreaDefinitionList::perAreaQueries()
{
    const LMTemplateAreaDefinitionList aList = mixed();
    QVERIFY(aList.containsOsmMaps());
    QVERIFY(aList.hasFilledCliparts());
    QVERIFY(aList.containsPrefilledTexts());
    QCOMPARE(aList.availableCssSheets(), QStringList({ QStringLiteral("autumn"), QStringLiteral("winter") }));

    const LMTemplateAreaDefinitionList aWithout = aList.withoutEmptyCliparts();
    QCOMPARE(aWithout.count(), 5);
    QCOMPARE(aWithout.count(LMAreaTypeEnum::Clipart), 1);
    QVERIFY(aWithout.hasFilledCliparts());

    const LMTemplateAreaDefinitionList aPhotos = aList.filter(LMAreaTypeEnum::Foto);
    QVERIFY(!aPhotos.containsOsmMaps());
    QVERIFY(!aPhotos.hasFilledCliparts());
    QVERIFY(!aPhotos.containsPrefilledTexts());
    QVERIFY(aPhotos.availableCssSheets().isEmpty());
}

void TestAreaDefinitionList::setLocked()
{
    LMTemplateAreaDefinitionList aList = mixed();
    aList.setLocked(true);
    for (const LMTemplateAreaDefinition* anArea : aList)
        QCOMPARE(anArea->abilities().value(), 6799332);
    aList.setLocked(false);
    for (const LMTemplateAreaDefinition* anArea : aList)
        QCOMPARE(anArea->abilities().value(), 6799359);
}

void TestAreaDefinitionList::xmlRoundTrip()
{
    const LMTemplateAreaDefinitionList aList = mixed();
    QDomDocument aDocument;
    QDomElement aLayout = aDocument.createElement(QStringLiteral("layout"));
    aDocument.appendChild(aLayout);
    aList.buildXML(aLayout, QSizeF(3000, 2000));
    QCOMPARE(aLayout.childNodes().size(), aList.count());

    const LMTemplateAreaDefinitionList aRead = LMTemplateAreaDefinitionList::fromXml(aLayout, QSizeF(3000, 2000));
    QVERIFY(aRead.isValid());
    QVERIFY(aRead.areAreaTypesAndPositionsEqual(aList));
    QCOMPARE(aRead.availableCssSheets(), aList.availableCssSheets());
    QCOMPARE(aRead.hasFilledCliparts(), aList.hasFilledCliparts());
}

QTEST_MAIN(TestAreaDefinitionList)
#include "tst_areadefinitionlist.moc"
