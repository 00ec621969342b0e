#include "LMTemplatesSettings.h"

#include "LMTestSupport.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString KEY_FOTO = QStringLiteral("PreviewFotoTemplates");
const QString KEY_COLOR = QStringLiteral("TemplateProximitySortColor");
} // namespace

class TestTemplatesSettings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void loadSettings_data();
    void loadSettings();
    void settingTheCurrentValueAgain();
    void changesAreWrittenThrough();
    void resetProximitySortColor();

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

void TestTemplatesSettings::initTestCase()
{
    QVERIFY(myDir.isValid());
    myStorePath = myDir.filePath(QStringLiteral("settings/store.ini"));
    myExistingFoto = LMTestSupport::writeFile(myDir, QStringLiteral("fotos/Ärmel, Sommer.jpg"), "jpeg");
    myVanishedFoto = myDir.filePath(QStringLiteral("fotos/gone.jpg"));
    LMSettings::setStoreFile(myStorePath);

    // The store the instance is created from names a photo that has vanished meanwhile: the
    // instance forgets it and writes the empty path back.
    writeStore({{KEY_FOTO, myVanishedFoto}});
    LMTemplatesSettings* aSettings = LMTemplatesSettings::instance();
    QCOMPARE(aSettings->previewFoto(), QString());
    QVERIFY(!aSettings->previewFotoExists());
    QVERIFY(storedValue(KEY_FOTO).isValid());
    QCOMPARE(storedValue(KEY_FOTO).toString(), QString());
    QCOMPARE(aSettings->proximitySortColor(), LMTemplatesSettings::defaultProximitySortColor());
}

void TestTemplatesSettings::init()
{
    QFile::remove(myStorePath);
}

void TestTemplatesSettings::loadSettings_data()
{
    QTest::addColumn<QVariantMap>("store");
    QTest::addColumn<QString>("expectedFoto");
    QTest::addColumn<QColor>("expectedColor");
    QTest::addColumn<int>("fotoWrites");

    const QColor aDefault = LMTemplatesSettings::defaultProximitySortColor();
    QTest::newRow("empty store") << QVariantMap() << QString() << aDefault << 0;
    QTest::newRow("existing photo with comma and umlaut")
        << QVariantMap{{KEY_FOTO, myExistingFoto}} << myExistingFoto << aDefault << 0;
    QTest::newRow("vanished photo is forgotten and written back")
        << QVariantMap{{KEY_FOTO, myVanishedFoto}} << QString() << aDefault << 1;
    QTest::newRow("empty photo path is left alone") << QVariantMap{{KEY_FOTO, QString()}} << QString() << aDefault << 0;
    QTest::newRow("stored colour with alpha")
        << QVariantMap{{KEY_COLOR, QStringLiteral("#80102030")}} << QString() << QColor(0x10, 0x20, 0x30, 0x80) << 0;
    QTest::newRow("colour by name") << QVariantMap{{KEY_COLOR, QStringLiteral("red")}} << QString() << QColor(Qt::red) << 0;
    QTest::newRow("malformed colour gives the default")
        << QVariantMap{{KEY_COLOR, QStringLiteral("#12345")}} << QString() << aDefault << 0;
    QTest::newRow("empty colour gives the default") << QVariantMap{{KEY_COLOR, QString()}} << QString() << aDefault << 0;
}

void TestTemplatesSettings::loadSettings()
{
    QFETCH(QVariantMap, store);
    QFETCH(QString, expectedFoto);
    QFETCH(QColor, expectedColor);
    QFETCH(int, fotoWrites);

    writeStore(store);
    LMTemplatesSettings* aSettings = LMTemplatesSettings::instance();
    QSignalSpy aSaved(aSettings, &LMSettings::saved);
    aSettings->loadSettings();

    QCOMPARE(aSettings->previewFoto(), expectedFoto);
    QCOMPARE(aSettings->previewFotoExists(), !expectedFoto.isEmpty());
    QCOMPARE(aSettings->proximitySortColor(), expectedColor);
    const auto aFotoWrites = std::count_if(aSaved.cbegin(), aSaved.cend(),
        [](const QList<QVariant>& theArgs) { return theArgs.value(0).toString() == KEY_FOTO; });
    QCOMPARE(aFotoWrites, fotoWrites);
    if (fotoWrites > 0)
        QCOMPARE(storedValue(KEY_FOTO).toString(), expectedFoto);
}

void TestTemplatesSettings::settingTheCurrentValueAgain()
{
    LMTemplatesSettings* aSettings = LMTemplatesSettings::instance();
    aSettings->loadSettings();
    aSettings->setProximitySortColor(QColor(Qt::blue));
    aSettings->setPreviewFoto(myExistingFoto);

    QSignalSpy aSaved(aSettings, &LMSettings::saved);
    aSettings->setProximitySortColor(QColor(Qt::blue));
    QCOMPARE(aSaved.count(), 0);

    aSettings->setPreviewFoto(myExistingFoto);
    const auto aFotoWrites = std::count_if(aSaved.cbegin(), aSaved.cend(),
        [](const QList<QVariant>& theArgs) { return theArgs.value(0).toString() == KEY_FOTO; });
    QCOMPARE(aFotoWrites, 1);
}

void TestTemplatesSettings::changesAreWrittenThrough()
{
    LMTemplatesSettings* aSettings = LMTemplatesSettings::instance();
    aSettings->loadSettings();
    aSettings->setProximitySortColor(QColor(0x11, 0x22, 0x33, 0x44));
    aSettings->setPreviewFoto(myExistingFoto);

    QCOMPARE(storedValue(KEY_COLOR).toString(), QStringLiteral("#44112233"));
    QCOMPARE(storedValue(KEY_FOTO).toString(), myExistingFoto);

    // What was written is what the next process reads.
    aSettings->setProximitySortColor(QColor(Qt::green));
    writeStore({{KEY_COLOR, QStringLiteral("#ff112233")}, {KEY_FOTO, myExistingFoto}});
    aSettings->loadSettings();
    QCOMPARE(aSettings->proximitySortColor(), QColor(0x11, 0x22, 0x33));
    QCOMPARE(aSettings->previewFoto(), myExistingFoto);
}

void TestTemplatesSettings::resetProximitySortColor()
{
    LMTemplatesSettings* aSettings = LMTemplatesSettings::instance();
    aSettings->setProximitySortColor(QColor(Qt::black));
    aSettings->resetProximitySortColor();
    const QColor aColor = aSettings->proximitySortColor();
    QCOMPARE(aColor.hsvHue(), 80);
    QCOMPARE(aColor.hsvSaturation(), 200);
    QCOMPARE(aColor.value(), 200);
    QCOMPARE(aColor.alpha(), 255);
    QCOMPARE(QColor::fromString(storedValue(KEY_COLOR).toString()).rgba(), aColor.rgba());

    // The default read back from the store is the default: resetting again writes nothing.
    aSettings->loadSettings();
    QSignalSpy aSaved(aSettings, &LMSettings::saved);
    aSettings->resetProximitySortColor();
    QCOMPARE(aSaved.count(), 0);
}

QTEST_GUILESS_MAIN(TestTemplatesSettings)
#include "tst_templatessettings.moc"
