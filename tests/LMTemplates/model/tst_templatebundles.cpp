#include "LMTemplate.h"
#include "LMTemplateBundle.h"
#include "LMTemplateBundleRegistry.h"
#include "LMTestSupport.h"

#include <QTest>

#include <thread>
#include <vector>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {

// The test's templates: their handles are compared, so each test makes its own.
class Pages
{
public:
    Pages(int theCount, const QString& thePrefix)
    {
        for (int anIndex = 0; anIndex < theCount; ++anIndex) {
            auto aTemplate = std::make_unique<LMTemplate>(LMJigTypeEnum::SvgTemplate);
            aTemplate->setName(QStringLiteral("%1 Seite %2").arg(thePrefix).arg(anIndex + 1));
            myHandles.append(LMUnconfiguredTemplate(aTemplate.get()));
            myTemplates.push_back(std::move(aTemplate));
        }
    }

    const LMUnconfiguredTemplateList& list() const { return myHandles; }
    // The first pages, as a list.
    LMUnconfiguredTemplateList first(int theCount) const
    {
        LMUnconfiguredTemplateList aList;
        for (int anIndex = 0; anIndex < theCount; ++anIndex)
            aList.append(myHandles.at(anIndex));
        return aList;
    }
    LMUnconfiguredTemplate at(int theIndex) const
    {
        return theIndex < 0 ? LMUnconfiguredTemplate::null() : myHandles.at(theIndex);
    }
    LMTemplate* templateAt(int theIndex) const { return myTemplates.at(theIndex).get(); }

private:
    std::vector<std::unique_ptr<LMTemplate>> myTemplates;
    LMUnconfiguredTemplateList myHandles;
};

// The indexes of the bundle's templates among the pages; -1 for a template that is none of them.
QList<int> indexes(const LMTemplateBundle& theBundle, const Pages& thePages)
{
    QList<int> aResult;
    for (const LMUnconfiguredTemplate& aTemplate : theBundle.templates())
        aResult.append(int(thePages.list().indexOf(aTemplate)));
    return aResult;
}

} // namespace

// Bundles of page templates: steps between pages, needed pages, and the registry that finds the
// bundle of a template, also from several threads at once.
class TestTemplateBundles : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void navigation_data()
    {
        columns<int, int, int, int>("size", "asked", "next", "previous");

        // Indexes into the bundle's pages; -1 is the null template, 9 a page outside the bundle.
        row("first of three", 3, 0, 1, -1);
        row("middle of three", 3, 1, 2, 0);
        row("last of three", 3, 2, -1, 1);
        row("page of another design", 3, 9, -1, -1);
        row("empty bundle", 0, -1, -1, -1);
    }

    void navigation()
    {
        QFETCH(int, size);
        QFETCH(int, asked);
        QFETCH(int, next);
        QFETCH(int, previous);

        const Pages aPages(10, QStringLiteral("Reise"));
        const LMTemplateBundle aBundle(aPages.first(size));
        const LMUnconfiguredTemplate anAsked = aPages.at(asked);

        QCOMPARE(aBundle.nextTemplate(anAsked), aPages.at(next));
        QCOMPARE(aBundle.previousTemplate(anAsked), aPages.at(previous));
        QCOMPARE(aBundle.hasNextTemplate(anAsked), next >= 0);
        QCOMPARE(aBundle.hasPreviousTemplate(anAsked), previous >= 0);
        QCOMPARE(aBundle.contains(anAsked), asked >= 0 && asked < size);
        QCOMPARE(aBundle.firstTemplate(), aPages.at(size > 0 ? 0 : -1));
        QCOMPARE(aBundle.empty(), size == 0);
    }

    void countNeededPages_data()
    {
        columns<QList<int>, int>("pages", "needed");

        row("empty bundle", QList<int>(), 1);
        row("three pages", QList<int> { 0, 1, 2 }, 3);
        row("a null page ends the steps", QList<int> { 0, 1, -1, 2 }, 2);
    }

    void countNeededPages()
    {
        const Pages aPages(3, QStringLiteral("Album"));
        LMUnconfiguredTemplateList aList;
        for (int anIndex : fetch<QList<int>>("pages"))
            aList.append(aPages.at(anIndex));
        QTEST(LMTemplateBundle(aList).countNeededPages(), "needed");
    }

    void equality()
    {
        const Pages aPages(3, QStringLiteral("Kalender"));
        const LMTemplateBundle aBundle(aPages.list());
        QCOMPARE(aBundle, LMTemplateBundle(aPages.list()));
        QVERIFY(aBundle != LMTemplateBundle({ aPages.at(2), aPages.at(1), aPages.at(0) }));
        QVERIFY(aBundle != LMTemplateBundle({ aPages.at(0), aPages.at(1) }));
        QVERIFY(LMTemplateBundle() == LMTemplateBundle());

        // Handles compare by template object, not by name.
        const Pages aSameNames(3, QStringLiteral("Kalender"));
        QVERIFY(aBundle != LMTemplateBundle(aSameNames.list()));
    }

    void removeFromRegistry_data()
    {
        columns<int, QList<int>>("removed", "left");

        row("middle of three", 1, QList<int> { 0, 2 });
        row("first of three", 0, QList<int> { 1, 2 });
        row("a template of no bundle", 3, QList<int> { 0, 1, 2 });
    }

    void removeFromRegistry()
    {
        QFETCH(int, removed);
        QFETCH(QList<int>, left);

        LMTemplateBundleRegistry* aRegistry = LMTemplateBundleRegistry::instance();
        const Pages aPages(4, QStringLiteral("Poster"));
        aRegistry->add(LMTemplateBundle(aPages.first(3)));
        aRegistry->remove(aPages.at(removed));

        for (int anIndex : left) {
            const LMTemplateBundle aBundle = aRegistry->find(aPages.at(anIndex));
            QCOMPARE(indexes(aBundle, aPages), left);
            QCOMPARE(aBundle.countNeededPages(), int(left.size()));
        }
        // The removed template, or one of no bundle, stands alone.
        const LMTemplateBundle anAlone = aRegistry->find(aPages.at(removed));
        QCOMPARE(indexes(anAlone, aPages), QList<int> { removed });
        QCOMPARE(anAlone.countNeededPages(), 1);

        for (int anIndex = 0; anIndex < 4; ++anIndex)
            aRegistry->remove(aPages.at(anIndex));
    }

    void append()
    {
        LMTemplateBundleRegistry* aRegistry = LMTemplateBundleRegistry::instance();
        const Pages aPages(5, QStringLiteral("Fotobuch"));
        aRegistry->add(LMTemplateBundle({ aPages.at(1), aPages.at(2) }));

        LMTemplateBundle aBundle({ aPages.at(0) });
        // A template of a bundle brings its whole bundle along.
        aBundle.append(aPages.at(2));
        QCOMPARE(indexes(aBundle, aPages), QList<int>({ 0, 1, 2 }));
        // A template of no bundle comes alone.
        aBundle.append(aPages.at(4));
        QCOMPARE(indexes(aBundle, aPages), QList<int>({ 0, 1, 2, 4 }));
        // Pages already there are not repeated.
        aBundle.append(aPages.at(1));
        QCOMPARE(indexes(aBundle, aPages), QList<int>({ 0, 1, 2, 4 }));
        QCOMPARE(aBundle.nextTemplate(aPages.at(2)), aPages.at(4));

        aBundle.remove(aPages.at(1));
        QCOMPARE(indexes(aBundle, aPages), QList<int>({ 0, 2, 4 }));
        QCOMPARE(aBundle.previousTemplate(aPages.at(2)), aPages.at(0));

        aRegistry->remove(aPages.at(1));
        aRegistry->remove(aPages.at(2));
    }

    void createBundleCombinesCategories()
    {
        const Pages aPages(3, QStringLiteral("Hochzeit"));
        aPages.templateAt(0)->setCategorization(LMCategorization(
            LMCategoryTypeEnum::Subcategory, LMThematicCategorySet({ LMThematicCategory(QStringLiteral("Liebe")) })));
        aPages.templateAt(2)->setCategorization(LMCategorization(
            LMCategoryTypeEnum::Theme, LMThematicCategorySet({ LMThematicCategory(QStringLiteral("Blumen")) })));
        LMCategorization aCombined;
        aCombined.insert(LMCategoryTypeEnum::Subcategory, LMThematicCategory(QStringLiteral("Liebe")));
        aCombined.insert(LMCategoryTypeEnum::Theme, LMThematicCategory(QStringLiteral("Blumen")));

        LMTemplateBundleRegistry* aRegistry = LMTemplateBundleRegistry::instance();
        const LMTemplateBundle aBundle = aRegistry->createBundle(aPages.list());
        QCOMPARE(aBundle.templates(), aPages.list());
        for (int anIndex = 0; anIndex < 3; ++anIndex) {
            QCOMPARE(aPages.templateAt(anIndex)->categorization(), aCombined);
            QCOMPARE(aRegistry->find(aPages.at(anIndex)), aBundle);
        }
        for (int anIndex = 0; anIndex < 3; ++anIndex)
            aRegistry->remove(aPages.at(anIndex));
    }

    void concurrentAddFindRemove()
    {
        // Each thread registers designs of its own, reads them back while the others write, and
        // takes a page out of each; a thread sees only whole bundles.
        constexpr int THREADS = 4;
        constexpr int DESIGNS = 40;
        LMTemplateBundleRegistry* aRegistry = LMTemplateBundleRegistry::instance();
        std::vector<std::unique_ptr<Pages>> aPages;
        for (int anIndex = 0; anIndex < THREADS * DESIGNS; ++anIndex)
            aPages.push_back(std::make_unique<Pages>(3, QStringLiteral("Design %1").arg(anIndex)));

        std::vector<int> aFailures(THREADS, 0);
        std::vector<std::thread> aThreads;
        for (int aThread = 0; aThread < THREADS; ++aThread) {
            aThreads.emplace_back([&, aThread] {
                for (int aDesign = aThread * DESIGNS; aDesign < (aThread + 1) * DESIGNS; ++aDesign) {
                    const Pages& aDesignPages = *aPages.at(aDesign);
                    if (aDesign % 2 == 0)
                        aRegistry->add(LMTemplateBundle(aDesignPages.list()));
                    else
                        aRegistry->createBundle(aDesignPages.list());
                    if (aRegistry->find(aDesignPages.at(2)).templates() != aDesignPages.list())
                        ++aFailures[aThread];
                    aRegistry->remove(aDesignPages.at(1));
                    const LMTemplateBundle aShrunken = aRegistry->find(aDesignPages.at(0));
                    if (aShrunken.templates() != LMUnconfiguredTemplateList { aDesignPages.at(0), aDesignPages.at(2) })
                        ++aFailures[aThread];
                }
            });
        }
        for (std::thread& aThread : aThreads)
            aThread.join();

        QCOMPARE(aFailures, std::vector<int>(THREADS, 0));
        for (const std::unique_ptr<Pages>& aDesign : aPages) {
            QCOMPARE(aRegistry->find(aDesign->at(2)).countNeededPages(), 2);
            for (int anIndex = 0; anIndex < 3; ++anIndex)
                aRegistry->remove(aDesign->at(anIndex));
        }
    }
};

QTEST_MAIN(TestTemplateBundles)
#include "tst_templatebundles.moc"
