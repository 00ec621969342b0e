// The templates a new page starts with, as the sample catalogue names them per page type.
#include "LMArticle.h"
#include "LMDefaultTemplateDetector.h"
#include "LMDirectoryConfig.h"
#include "LMPageType.h"
#include "LMProductCatalogue.h"
#include "LMTemplateContext.h"
#include "LMTemplateRegistry.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_DefaultTemplates : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(myUserData.isValid());
        LMDirectoryConfig::instance()->setContentRoot(LMDirectoryConfig::sampleContentRoot());
        LMDirectoryConfig::instance()->setUserDataDir(myUserData.path());
        QVERIFY(LMProductCatalogue::instance()->reload());
    }

    void defaultTemplates_data()
    {
        QTest::addColumn<QString>("article");
        QTest::addColumn<QString>("pageType");
        QTest::addColumn<QStringList>("expected");

        QTest::newRow("inner page: background and layout")
            << "ALBUM_TALL_21"
            << "inner_page" << QStringList { "4101", "Album 4 photos A" };
        QTest::newRow("an exact entry wins over the first sharing one")
            << "ALBUM_TALL_21"
            << "first_page" << QStringList { "4102", "Album 1 photo A" };
        QTest::newRow("a design takes the place of the layout")
            << "ALBUM_TALL_21"
            << "last_page" << QStringList { "4101", "designs/meadow/meadow-1.svg" };
        QTest::newRow("a product naming nothing: nothing, with a warning") << "ALBUM_SQUARE_20"
                                                                           << "inner_page" << QStringList();
    }

    void defaultTemplates()
    {
        QFETCH(QString, article);
        QFETCH(QString, pageType);
        QFETCH(QStringList, expected);
        const LMArticle anArticle = LMArticle::fromOrderTxtName(article);
        QVERIFY(anArticle.isValid());
        LMTemplateRegistry::instance()->loadTemplates(anArticle);
        if (expected.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, "there is no default layout for page inner_page");
        const LMDefaultTemplateDetector aDetector(anArticle);
        QStringList aNames;
        for (const LMConfiguredTemplate& aTemplate :
             aDetector.defaultTemplatesForPage(LMTemplateContext(anArticle, LMPageType(pageType)), 0, 24))
            aNames << aTemplate.name();
        QCOMPARE(aNames, expected);
    }

    void unknownNames()
    {
        QVERIFY(LMDefaultTemplateDetector::findTemplateByName(QString()).isNull());
        QVERIFY(LMDefaultTemplateDetector::findTemplateByName(QStringLiteral("no such layout")).isNull());
        // Only "layout", "background" and "design" are kinds.
        const LMArticle anArticle = LMArticle::fromOrderTxtName(QStringLiteral("ALBUM_TALL_21"));
        QCOMPARE(anArticle.defaultTemplateForPage(3, LMPageTypeEnum::InnerPage, 0, 1), QString());
        QCOMPARE(anArticle.defaultTemplateForPage(LMArticle::DefaultLayout, LMPageTypeEnum::Spine, 0, 1), QString());
    }

private:
    QTemporaryDir myUserData;
};

QTEST_MAIN(tst_DefaultTemplates)
#include "tst_defaulttemplates.moc"
