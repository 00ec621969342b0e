#include "LMDlpFeatureTag.h"
#include "LMTestSupport.h"

#include <QTest>

using LMTestSupport::row;

namespace {
qint64 bit(int theBit)
{
    return qint64(1) << theBit;
}
} // namespace

// The 64-bit feature word and its names.
class TestFeatureTags : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("expectedValue");
        QTest::addColumn<QStringList>("expectedNames");

        row("story-book", QStringLiteral("story-book"), bit(35), QStringList { "story-book" });
        row("second name of the bit writes the first", QStringLiteral("feature-story-book"), bit(35),
            QStringList { "story-book" });
        row("two names in one entry", QStringLiteral("text:basic,clipart:mirror"), (bit(0) | bit(13)),
            QStringList { "text:basic", "clipart:mirror" });
        row("blanks and case", QStringLiteral("  TEXT:Basic ,  Maps:Included "), (bit(0) | bit(51)),
            QStringList { "text:basic", "maps:included" });
        row("border offset sits out of order", QStringLiteral("border:offset"), bit(23),
            QStringList { "border:offset" });
        row("highest named bit", QStringLiteral("feature-premium_cover"), bit(56),
            QStringList { "feature-premium_cover" });
        row("bit 31 stays positive", QStringLiteral("corner:shape:notched"), bit(31),
            QStringList { "corner:shape:notched" });
        row("unknown name", QStringLiteral("text:sparkle"), qint64(0), QStringList());
        row("unknown beside known", QStringLiteral("text:sparkle, layout:v2"), bit(45), QStringList { "layout:v2" });
        row("empty", QString(), qint64(0), QStringList());
    }

    void decode()
    {
        QFETCH(QString, text);
        QFETCH(qint64, expectedValue);
        QFETCH(QStringList, expectedNames);

        const LMDlpFeatureTag aTag(text);
        QCOMPARE(aTag.value(), expectedValue);
        QCOMPARE(aTag.names(), expectedNames);
        QCOMPARE(aTag.isValid(), expectedValue != 0);
    }

    void everyNameRoundTrips()
    {
        // Every named bit decodes from its written name; 39 and 57..63 have none and are left out.
        int aNamed = 0;
        for (int aBit = 0; aBit < 64; ++aBit) {
            const LMDlpFeatureTag aTag(LMDlpFeatureTag::fromInt(bit(aBit)));
            const QStringList aNames = aTag.names();
            if (aBit == 39 || aBit > 56) {
                QVERIFY2(aNames.isEmpty(), qPrintable(QString::number(aBit)));
                continue;
            }
            QCOMPARE(aNames.size(), 1);
            QCOMPARE(LMDlpFeatureTag(aNames.first()).value(), bit(aBit));
            ++aNamed;
        }
        QCOMPARE(aNamed, 56);
        // A word with the sign bit set still names its other flags.
        const LMDlpFeatureTag aSigned(LMDlpFeatureTag::fromInt(bit(63) | bit(0)));
        QCOMPARE(aSigned.names(), QStringList { "text:basic" });
    }

    void supportedFeaturesQueryItem_data()
    {
        QTest::addColumn<qint64>("value");
        QTest::addColumn<QString>("expected");

        row("two flags", (bit(0) | bit(38)), QStringLiteral("text:basic,feature-assistent-qualified"));
        row("shared bit once", bit(35), QStringLiteral("story-book"));
        row("none", qint64(0), QString());
    }

    void supportedFeaturesQueryItem()
    {
        QFETCH(qint64, value);
        QFETCH(QString, expected);

        const LMUrlQueryItemList aList
            = LMDlpFeatureTag(LMDlpFeatureTag::fromInt(value)).toSupportedFeaturesQueryItem();
        QCOMPARE(aList.size(), 1);
        QCOMPARE(aList.first().first, QStringLiteral("supportedFeatures"));
        QCOMPARE(aList.first().second, expected);
    }
};

QTEST_GUILESS_MAIN(TestFeatureTags)
#include "tst_featuretags.moc"
