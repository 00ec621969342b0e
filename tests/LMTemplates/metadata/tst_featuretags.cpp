#include "LMDlpFeatureTag.h"
#include "LMTestSupport.h"

#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
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
        columns<QString, qint64, QStringList>("text", "expectedValue", "expectedNames");

        row("second name of the bit writes the first", "feature-story-book", bit(35), QStringList { "story-book" });
        row("two names in one entry", "text:basic,clipart:mirror", (bit(0) | bit(13)),
            QStringList { "text:basic", "clipart:mirror" });
        row("blanks and case", "  TEXT:Basic ,  Maps:Included ", (bit(0) | bit(51)),
            QStringList { "text:basic", "maps:included" });
        row("unknown name", "text:sparkle", qint64(0), QStringList());
        row("unknown beside known", "text:sparkle, layout:v2", bit(45), QStringList { "layout:v2" });
        row("empty", QString(), qint64(0), QStringList());
    }

    void decode()
    {
        QFETCH(qint64, expectedValue);
        QFETCH(QStringList, expectedNames);

        const LMDlpFeatureTag aTag(fetch<QString>("text"));
        QCOMPARE(aTag.value(), expectedValue);
        QCOMPARE(aTag.names(), expectedNames);
        QCOMPARE(aTag.isValid(), expectedValue != 0);
        // The query names each set flag once, by its written name.
        const LMUrlQueryItemList aQuery = aTag.toSupportedFeaturesQueryItem();
        QCOMPARE(aQuery.size(), 1);
        QCOMPARE(aQuery.first().first, QStringLiteral("supportedFeatures"));
        QCOMPARE(aQuery.first().second, expectedNames.join(QLatin1Char(',')));
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
};

QTEST_GUILESS_MAIN(TestFeatureTags)
#include "tst_featuretags.moc"
