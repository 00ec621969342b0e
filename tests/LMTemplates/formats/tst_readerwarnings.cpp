#include "LMJobLoadTemplateFile.h"
#include "LMSVGMetaData.h"
#include "LMTemplate.h"
#include "LMTemplateFactorySVG.h"
#include "LMTemplateFactoryXML2.h"
#include "LMTemplateLoaderLoadingInfo.h"
#include "LMTestSupport.h"
#include "LMUnconfiguredTemplateList.h"
#include "LMXMLLoader.h"

#include <QDomDocument>
#include <QtTest>

namespace {
// A value of /proc/self/status in bytes ("VmRSS", "VmHWM"); 0 where the system does not tell.
qint64 statusBytes(const QByteArray& theKey)
{
    QFile aStatus(QStringLiteral("/proc/self/status"));
    if (!aStatus.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& aLine : aStatus.readAll().split('\n'))
        if (aLine.startsWith(theKey + ':'))
            return aLine.mid(theKey.size() + 1).trimmed().split(' ').first().toLongLong() * 1024;
    return 0;
}

// The templates the load job reads from the file.
LMUnconfiguredTemplateList loaded(const QString& thePath)
{
    LMTemplateLoaderLoadingInfo anInfo { QFileInfo(thePath) };
    LMJobLoadTemplateFile(&anInfo).doStuff();
    return anInfo.takeTemplates();
}

// Sets the process's peak of resident memory back to what it holds now.
bool resetPeakMemory()
{
    QFile aFile(QStringLiteral("/proc/self/clear_refs"));
    return aFile.open(QIODevice::WriteOnly) && aFile.write("5") == 1;
}
} // namespace

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

// What the readers take as written (their fallbacks stay) but say a word about: areas off their
// page or of negative size, layouts without a page, SVG slots beyond any sheet, resolutions no page
// is made at; and the bounds that keep a hostile file's cost in proportion: attribute length and
// templates per block. Each case expects its one warning; any other fails.
class TestReaderWarnings : public QObject
{
    Q_OBJECT

private slots:
    void init() { QTest::failOnWarning(QRegularExpression(QStringLiteral(".*"))); }

    void layouts_data()
    {
        columns<QString, QString, int>("layout", "warning", "areas");

        const QString aPage = QStringLiteral("<total width='1000' height='1000'/>");
        row("area on its page", aPage + "<imagearea x='-50' y='0' width='100' height='100'/>", QString(), 1);
        row("area off its page", aPage + "<imagearea x='1000' y='0' width='100' height='100'/>",
            "<imagearea> at (1000, 0, 100 x 100) of layout \"L\" lies outside its page of 1000 x 1000", 1);
        row("area above its page", aPage + "<textarea x='0' y='-300' width='100' height='200'/>",
            "<textarea> at (0, -300, 100 x 200) of layout \"L\" lies outside its page of 1000 x 1000", 1);
        row("negative size", aPage + "<imagearea x='10' y='10' width='-100' height='100'/>",
            "<imagearea> at (10, 10, -100 x 100) of layout \"L\" has a negative size", 1);
        row("no page", "<imagearea x='0' y='0' width='100' height='100'/>",
            "layout \"L\" has no usable page size (-1 x -1): its areas are left out", 0);
        row("page of no width", "<total width='0' height='1000'/><imagearea x='0' y='0' width='100' height='100'/>",
            "layout \"L\" has no usable page size (0 x 1000): its areas are left out", 0);
        row("page alone", "<total width='0' height='0'/>", QString(), 0);
    }

    void layouts()
    {
        QFETCH(QString, layout);
        QFETCH(QString, warning);

        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        LMUnconfiguredTemplateList aTemplates = LMTemplateFactoryXML2::buildTemplates(
            QStringLiteral("<templates2 version='2'><template name='L'><layout>%1</layout></template></templates2>")
                .arg(layout));
        QCOMPARE(aTemplates.size(), 1);
        QCOMPARE(aTemplates.first()->areaDefinitions().count(), fetch<int>("areas"));
        aTemplates.deleteEntriesAndClear();
    }

    void svgSlots_data()
    {
        columns<QString, QString>("attributes", "warning");

        row("usual", "x='10' y='10' width='100' height='50'", QString());
        row("negative width", "x='10' y='10' width='-100' height='50'",
            "element \"slot\" has a negative size (-100 x 50)");
        row("far off", "x='1e9' y='10' width='100' height='50'",
            "element \"slot\" has geometry beyond any page (1e+09, 10, 100 x 50)");
        row("astronomic", "x='1e308' y='10' width='1e308' height='50'",
            "element \"slot\" has no finite geometry: left empty");
    }

    void svgSlots()
    {
        QFETCH(QString, warning);

        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        QDomDocument aDocument;
        QVERIFY(
            aDocument.setContent(QStringLiteral("<svg><image id='slot' %1/></svg>").arg(fetch<QString>("attributes"))));
        LMTemplateFactorySVG::readRotatedRectStretched(aDocument.documentElement().firstChildElement(), 1.0, nullptr);
    }

    void resolutions_data()
    {
        columns<QString, double, QString>("dpi", "kept", "warning");

        row("print", "300", 300.0, QString());
        row("a dot per inch", "1", 1.0, "page.svg has lumo:svg_dpi=1, far from the usual 254");
        row("a billion", "1e9", 1e9, "page.svg has lumo:svg_dpi=1e+09, far from the usual 254");
        row("none", "0", 254.0, "page.svg has no usable lumo:svg_dpi; 254 used");
    }

    void resolutions()
    {
        QFETCH(QString, warning);

        if (!warning.isEmpty())
            QTest::ignoreMessage(QtWarningMsg, qPrintable(warning));
        QDomDocument aDocument;
        QVERIFY(
            aDocument.setContent(QStringLiteral("<svg><metadata><lumo:template lumo:svg_dpi='%1'/></metadata></svg>")
                                     .arg(fetch<QString>("dpi"))));
        QCOMPARE(LMSVGMetaData(aDocument, QFileInfo(QStringLiteral("page.svg"))).svgDPI(), fetch<double>("kept"));
    }

    void bounds_data()
    {
        columns<qsizetype, bool>("attributeLength", "refused");

        row("longest attribute", LMXMLLoader::ourMaximumAttributeLength, false);
        row("one character more", LMXMLLoader::ourMaximumAttributeLength + 1, true);
    }

    void bounds()
    {
        QFETCH(bool, refused);

        const QByteArray aText = "<r>\n<a v=\"" + QByteArray(fetch<qsizetype>("attributeLength"), 'x') + "\"/></r>";
        if (refused)
            QTest::ignoreMessage(QtWarningMsg,
                                 qPrintable(QStringLiteral("refused XML file long.xml: an attribute "
                                                           "longer than %1 characters at line 2")
                                                .arg(LMXMLLoader::ourMaximumAttributeLength)));
        QCOMPARE(LMXMLLoader::loadDocumentFromData(aText, QStringLiteral("long.xml")).isNull(), refused);
    }

    // Version-2 blocks from the DOM and from the stream, and version-1 lists, each as many
    // templates as fit in one and one more.
    void templatesPerBlock_data()
    {
        columns<QString, QString>("reader", "warning");
        // FILE: the file, which a reader of text in memory does not know.
        const QString aHoldsMore = QStringLiteral(" holds more than %1 templates: the rest is left out")
                                       .arg(LMTemplateFactory::ourMaximumTemplates);
        row("version 2 from the DOM", "dom", "a layout block at line 1" + aHoldsMore);
        row("version 2 from the stream", "stream", "a layout block at line 1 of FILE" + aHoldsMore);
        row("version 1", "list", "a template list at line 1 of FILE" + aHoldsMore);
    }
    void templatesPerBlock()
    {
        QFETCH(QString, reader);
        const bool aList = reader == QStringLiteral("list");
        QString aText = aList ? QStringLiteral("<templates>") : QStringLiteral("<templates2 version='2'>");
        for (qsizetype i = 0; i <= LMTemplateFactory::ourMaximumTemplates; ++i)
            aText += aList ? QStringLiteral("<template name='t%1' type='layout'/>").arg(i)
                           : QStringLiteral("<template name='t%1'/>").arg(i);
        aText += aList ? QStringLiteral("</templates>") : QStringLiteral("</templates2>");
        const QTemporaryDir aDir;
        const QString aPath = LMTestSupport::writeFile(aDir, "many.xml", aText.toUtf8());
        QTest::ignoreMessage(QtWarningMsg,
                             qPrintable(QString(fetch<QString>("warning")).replace(QStringLiteral("FILE"), aPath)));
        LMUnconfiguredTemplateList aTemplates
            = reader == QStringLiteral("dom") ? LMTemplateFactoryXML2::buildTemplates(aText) : loaded(aPath);
        QCOMPARE(aTemplates.size(), LMTemplateFactory::ourMaximumTemplates);
        QCOMPARE(aTemplates.last().name(), QStringLiteral("t%1").arg(LMTemplateFactory::ourMaximumTemplates - 1));
        aTemplates.deleteEntriesAndClear();
    }

    // A file just under the loader's size bound, of as many small templates as fit, costs the
    // templates kept and the text, not a DOM of the whole (which took 80 times the file).
    void largeFileMemory_data()
    {
        columns<QByteArray, QByteArray, QByteArray, qsizetype, QString>("head", "element", "tail", "templates",
                                                                        "warning");
        row("SVG page of small shapes", QByteArray("<svg width='100' height='100'><g>\n"),
            QByteArray("<rect x='1' y='2' width='3' height='4' fill='#f6f1e7'/>\n"), QByteArray("</g></svg>\n"),
            qsizetype(0),
            QStringLiteral("large.xml: more than %1 elements").arg(LMTemplateFactorySVG::ourMaximumElements));
    }
    void largeFileMemory()
    {
        QFETCH(QByteArray, element);
        QFETCH(QByteArray, tail);
        QFETCH(qsizetype, templates);
        const QTemporaryDir aDir;
        qint64 aFileSize = 0;
        {
            QByteArray aText = fetch<QByteArray>("head");
            aText.reserve(LMXMLLoader::ourMaximumSize);
            while (aText.size() + element.size() + tail.size() < LMXMLLoader::ourMaximumSize)
                aText += element;
            aText += tail;
            aFileSize = aText.size();
            LMTestSupport::writeFile(aDir, "large.xml", aText);
        }
        if (!resetPeakMemory() || statusBytes("VmHWM") == 0)
            QSKIP("the system does not tell the peak memory of a process");
        const qint64 aBefore = statusBytes("VmRSS");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::escape(fetch<QString>("warning"))));
        if (templates == 0)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("could not open template file")));
        LMUnconfiguredTemplateList aTemplates = loaded(aDir.filePath("large.xml"));
        QCOMPARE(aTemplates.size(), templates);
        const qint64 aGrowth = statusBytes("VmHWM") - aBefore;
        aTemplates.deleteEntriesAndClear();
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the address sanitizer keeps freed memory in quarantine: the peak says nothing here");
#endif
        QVERIFY2(aGrowth < 10 * aFileSize,
                 qPrintable(QStringLiteral("%1 bytes for a file of %2").arg(aGrowth).arg(aFileSize)));
    }
};

QTEST_GUILESS_MAIN(TestReaderWarnings)
#include "tst_readerwarnings.moc"
