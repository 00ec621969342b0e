#include "LMTemplatesSettings.h"

#include "LMTestSupport.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using LMTestSupport::columns;
using LMTestSupport::fetch;
using LMTestSupport::row;

namespace {
const QString KEY_FOTO = QStringLiteral("PreviewFotoTemplates");
const QString KEY_COLOR = QStringLiteral("TemplateProximitySortColor");

qsizetype fotoWrites(const QSignalSpy& theSaved)
{
    return std::count_if(theSaved.cbegin(), theSaved.cend(),
                         [](const QList<QVariant>& theArgs) { return theArgs.value(0).toString() == KEY_FOTO; });
}
} // namespace

class TestTemplatesSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(myDir.isValid());
        myStorePath = myDir.filePath(QStringLiteral("settings/store.ini"));
        myExistingFoto = LMTestSupport::writeFile(myDir, QStringLiteral("fotos/Ärmel, Sommer.jpg"), "jpeg");
        myVanishedFoto = myDir.filePath(QStringLiteral("fotos/gone.jpg"));
        LMSettings::setStoreFile(myStorePath);

        // The store the instance is created from names a photo that has vanished meanwhile: the
        // instance forgets it and writes the empty path back.
        writeStore({ { KEY_FOTO, myVanishedFoto } });
        LMTemplatesSettings* aSettings = LMTemplatesSettings::instance();
        QVERIFY(!aSettings->previewFotoExists());
        QVERIFY(storedValue(KEY_FOTO).isValid());
        QCOMPARE(storedValue(KEY_FOTO).toString(), QString());
        QCOMPARE(aSettings->proximitySortColor(), LMTemplatesSettings::defaultProximitySortColor());
    }

    void init() { QFile::remove(myStorePath); }

    void loadSettings_data()
    {
        columns<QVariantMap, QString, QColor, int>("store", "expectedFoto", "expectedColor", "fotoWrites");

        const QColor aDefault = LMTemplatesSettings::defaultProximitySortColor();
        row("empty store", QVariantMap(), QString(), aDefault, 0);
        row("existing photo with comma and umlaut", QVariantMap { { KEY_FOTO, myExistingFoto } }, myExistingFoto,
            aDefault, 0);
        row("vanished photo is forgotten and written back", QVariantMap { { KEY_FOTO, myVanishedFoto } }, QString(),
            aDefault, 1);
        row("stored colour with alpha", QVariantMap { { KEY_COLOR, "#80102030" } }, QString(),
            QColor(0x10, 0x20, 0x30, 0x80), 0);
        row("malformed colour gives the default", QVariantMap { { KEY_COLOR, "#12345" } }, QString(), aDefault, 0);
    }

    void loadSettings()
    {
        QFETCH(QString, expectedFoto);
        QFETCH(int, fotoWrites);

        writeStore(fetch<QVariantMap>("store"));
        LMTemplatesSettings* aSettings = LMTemplatesSettings::instance();
        QSignalSpy aSaved(aSettings, &LMSettings::saved);
        aSettings->loadSettings();

        QCOMPARE(aSettings->previewFoto(), expectedFoto);
        QCOMPARE(aSettings->previewFotoExists(), !expectedFoto.isEmpty());
        QTEST(aSettings->proximitySortColor(), "expectedColor");
        QCOMPARE(::fotoWrites(aSaved), fotoWrites);
        if (fotoWrites > 0)
            QCOMPARE(storedValue(KEY_FOTO).toString(), expectedFoto);
    }

    void settingValues()
    {
        LMTemplatesSettings* aSettings = LMTemplatesSettings::instance();
        aSettings->loadSettings();
        aSettings->setProximitySortColor(QColor(0x11, 0x22, 0x33, 0x44));
        aSettings->setPreviewFoto(myExistingFoto);
        QCOMPARE(storedValue(KEY_COLOR).toString(), QStringLiteral("#44112233"));
        QCOMPARE(storedValue(KEY_FOTO).toString(), myExistingFoto);

        // The same colour again writes nothing; the same photo again is written.
        QSignalSpy aSaved(aSettings, &LMSettings::saved);
        aSettings->setProximitySortColor(QColor(0x11, 0x22, 0x33, 0x44));
        QCOMPARE(aSaved.count(), 0);
        aSettings->setPreviewFoto(myExistingFoto);
        QCOMPARE(::fotoWrites(aSaved), 1);
    }

    void resetProximitySortColor()
    {
        LMTemplatesSettings* aSettings = LMTemplatesSettings::instance();
        aSettings->setProximitySortColor(QColor(Qt::black));
        aSettings->resetProximitySortColor();
        QCOMPARE(aSettings->proximitySortColor(), QColor::fromHsv(80, 200, 200, 255));
        QCOMPARE(QColor::fromString(storedValue(KEY_COLOR).toString()).rgba(), aSettings->proximitySortColor().rgba());

        // The default read back from the store is the default: resetting again writes nothing.
        aSettings->loadSettings();
        QSignalSpy aSaved(aSettings, &LMSettings::saved);
        aSettings->resetProximitySortColor();
        QCOMPARE(aSaved.count(), 0);
    }

private:
    QVariant storedValue(const QString& theKey) const
    {
        return QSettings(myStorePath, QSettings::IniFormat).value(theKey);
    }
    void writeStore(const QVariantMap& theValues) const
    {
        QFile::remove(myStorePath);
        QSettings aStore(myStorePath, QSettings::IniFormat);
        for (auto anIt = theValues.cbegin(); anIt != theValues.cend(); ++anIt)
            aStore.setValue(anIt.key(), anIt.value());
    }

    QTemporaryDir myDir;
    QString myStorePath;
    QString myExistingFoto;
    QString myVanishedFoto;
};

QTEST_GUILESS_MAIN(TestTemplatesSettings)
#include "tst_templatessettings.moc"
