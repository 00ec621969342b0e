#include "LMTestSupport.h"
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

// The tool's decoration commands on the bundled sample: what "list --jig" shows and what
// "render" paints.
class tst_DecorationTool : public QObject
{
    Q_OBJECT

private slots:
    void list_data()
    {
        columns<QString, QStringList>("jig", "names");
        row("cliparts", "clipart",
            QStringList { "clipart_balloon_blue.svg", "clipart_heart_red.svg", "clipart_leaf_green.svg",
                          "clipart_pin_red.svg", "clipart_star_gold.svg" });
        row("masks and the mask frame", "mask",
            QStringList { "Schmuckrahmen_clipart_instant_frame.svg_fading_instant-mask.svg", "fading_heart-mask.svg",
                          "fading_round.svg" });
    }

    void list()
    {
        QFETCH(QString, jig);
        const LMTestSupport::ToolResult aResult
            = run({ QStringLiteral("list"), QStringLiteral("--jig"), jig, QStringLiteral("--json") });
        QCOMPARE(aResult.exitCode, 0);
        QStringList aNames;
        const QJsonArray anArray = aResult.json().value("decorations").toObject().value(jig).toArray();
        for (const QJsonValue& aValue : anArray)
            aNames.append(aValue.toObject().value("name").toString());
        QTEST(aNames, "names");
    }

    void render_data()
    {
        columns<QString, QSize, QPoint, QColor>("name", "size", "pixel", "color");
        row("red heart renders red", "clipart_heart_red.svg", QSize(256, 230), QPoint(128, 128),
            QColor(0xd6, 0x28, 0x28));
        row("round mask: inside kept", "fading_round.svg", QSize(256, 256), QPoint(128, 128), QColor(0x9e, 0x9e, 0x9e));
        row("round mask: corner transparent", "fading_round.svg", QSize(256, 256), QPoint(2, 2),
            QColor(Qt::transparent));
    }

    void render()
    {
        const QString aPng = myDir.filePath(QStringLiteral("%1.png").arg(QTest::currentDataTag()));
        QCOMPARE(run({ QStringLiteral("render"), QStringLiteral("--decoration"), fetch<QString>("name"),
                       QStringLiteral("--out"), aPng, QStringLiteral("--size"), QStringLiteral("256") })
                     .exitCode,
                 0);
        const QImage anImage(aPng);
        QTEST(anImage.size(), "size");
        QFETCH(QColor, color);
        const QColor aPixel = anImage.pixelColor(fetch<QPoint>("pixel"));
        QCOMPARE(aPixel.alpha(), color.alpha());
        if (color.alpha() > 0)
            QCOMPARE(aPixel.rgb(), color.rgb());
    }

private:
    LMTestSupport::ToolResult run(const QStringList& theArguments)
    {
        return LMTestSupport::runTool(QStringLiteral(LM_TOOL_PATH), theArguments, myDir.filePath("user"),
                                      QStringLiteral(LM_SAMPLE_CONTENT));
    }

    QTemporaryDir myDir;
};

QTEST_MAIN(tst_DecorationTool)
#include "tst_decorationtool.moc"
