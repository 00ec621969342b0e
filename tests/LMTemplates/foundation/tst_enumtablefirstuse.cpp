#include "LMTemplateLayerType.h"

#include <QTest>

#include <latch>
#include <thread>
#include <vector>

namespace {

struct Seen
{
    const void* table = nullptr;
    QList<qint32> decoded;
    QStringList encoded;
};

const QStringList WORDS {
    QStringLiteral("template_content_1, TEMPLATE_CONTENT_2"),
    QStringLiteral("TEMPLATE_CONTENT_THEME_CONTENT"),
    QStringLiteral("TEMPLATE_RELEVANT_FOR_ORDER"),
    QStringLiteral(""),
    QStringLiteral("unknown"),
    QStringLiteral("Template_Variant"),
};
const QList<qint32> VALUES { 124, 0, 768, 15870, 512 };

} // namespace

// Kept apart from the other table tests: the table under test must not exist before the threads
// race to create it, so this executable touches it nowhere else.
class TestEnumTableFirstUse : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void concurrentFirstUseBuildsOneTable()
    {
        constexpr int aThreadCount = 8;
        std::vector<Seen> aSeen(aThreadCount);
        std::latch aStart(aThreadCount);
        std::vector<std::thread> aThreads;
        for (int anIndex = 0; anIndex < aThreadCount; ++anIndex) {
            aThreads.emplace_back([&aSeen, &aStart, anIndex] {
                Seen& aMine = aSeen[anIndex];
                // All threads ask for the table at once, none before the others.
                aStart.arrive_and_wait();
                aMine.table = &LMTemplateLayerType::enumToStringTable();
                for (const QString& aWord : WORDS)
                    aMine.decoded.append(LMTemplateLayerType(aWord).value());
                for (const qint32 aValue : VALUES) {
                    const LMTemplateLayerType aLayer = LMTemplateLayerType::fromInt(aValue);
                    aMine.encoded << aLayer.encode() << aLayer.encodeCSV();
                }
            });
        }
        for (std::thread& aThread : aThreads)
            aThread.join();

        const QList<qint32> anExpectedDecoded { 24, 124, 15870, 0, 0, 8192 };
        QCOMPARE(aSeen.front().decoded, anExpectedDecoded);
        QCOMPARE(aSeen.front().encoded.value(0), QStringLiteral("TEMPLATE_CONTENT_0_4"));
        QCOMPARE(aSeen.front().encoded.value(5), QStringLiteral("TEMPLATE_FRAME, TEMPLATE_LAYOUT"));
        for (const Seen& aThreadSeen : aSeen) {
            QCOMPARE(aThreadSeen.table, aSeen.front().table);
            QCOMPARE(aThreadSeen.decoded, aSeen.front().decoded);
            QCOMPARE(aThreadSeen.encoded, aSeen.front().encoded);
        }
        QCOMPARE(static_cast<const void*>(&LMTemplateLayerType::enumToStringTable()), aSeen.front().table);
    }
};

QTEST_GUILESS_MAIN(TestEnumTableFirstUse)
#include "tst_enumtablefirstuse.moc"
