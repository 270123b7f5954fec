#include "app/StartupSettings.h"

#include "app/SettingsText.h"
#include "resources/VorlanResources.h"

#include <QDateTime>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kShippedDefaults = QStringLiteral(":/images/configDir/VorlanDefaultConfig.ini");

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Backdates the file so that any later write, even of the same bytes, shows in its time.
void backdate(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime(QDate(2001, 1, 1), QTime(0, 0)), QFileDevice::FileModificationTime));
}

QDateTime modified(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.fileTime(QFileDevice::FileModificationTime) : QDateTime();
}

} // namespace

class tst_StartupSettings : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void firstStartWritesDefaultsAndReportsChange();
    void secondStartChangesAndWritesNothing();
    void differentStoredVersionIsRewritten();
    void storedChoicesAreKept();
    void userThemeIndexNeedsUserConfig_data();
    void userThemeIndexNeedsUserConfig();
    void missingDefaultVersionFallsBack();
    void textsWithCommasReadWhole();

private:
    QString userPath() const { return m_dir->filePath(QStringLiteral("VorlanConfig.ini")); }
    QString defaultsPath(const QByteArray &content);

    std::unique_ptr<QTemporaryDir> m_dir;
};

void tst_StartupSettings::initTestCase()
{
    initVorlanResources();
}

void tst_StartupSettings::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

QString tst_StartupSettings::defaultsPath(const QByteArray &content)
{
    const QString path = m_dir->filePath(QStringLiteral("defaults.ini"));
    writeFile(path, content);
    return path;
}

void tst_StartupSettings::firstStartWritesDefaultsAndReportsChange()
{
    const StartupSettings result = StartupSettings::load(userPath(), kShippedDefaults);
    QCOMPARE(result.themeIndex, 0);
    QCOMPARE(result.bgImageUsing, false);
    QCOMPARE(result.userConfig, false);
    QCOMPARE(result.lightSynchronize, false);
    QCOMPARE(result.appVersion, QStringLiteral("V_2.03.02"));
    QVERIFY(result.appVersionChanged);

    const QByteArray text = readFile(userPath());
    QVERIFY2(text.contains("selectThemeIndex=0"), text.constData());
    QVERIFY2(text.contains("BgImageIsUsing=false"), text.constData());
    QVERIFY2(text.contains("VersionInfo=V_2.03.02"), text.constData());

    // The main window decides about auto-start by the key's absence, so nothing else is written.
    QSettings user(userPath(), QSettings::IniFormat);
    QStringList keys = user.allKeys();
    keys.sort();
    QCOMPARE(keys, QStringList({"Theme/selectThemeIndex", "ThemeBgImage/BgImageIsUsing", "oldVersion/VersionInfo"}));
}

void tst_StartupSettings::secondStartChangesAndWritesNothing()
{
    StartupSettings::load(userPath(), kShippedDefaults);
    const QByteArray before = readFile(userPath());
    backdate(userPath());
    const QDateTime stamp = modified(userPath());

    const StartupSettings second = StartupSettings::load(userPath(), kShippedDefaults);
    QVERIFY(!second.appVersionChanged);
    QCOMPARE(readFile(userPath()), before);
    QCOMPARE(modified(userPath()), stamp);
}

void tst_StartupSettings::differentStoredVersionIsRewritten()
{
    writeFile(userPath(), "[Theme]\nselectThemeIndex=1\n[ThemeBgImage]\nBgImageIsUsing=false\n"
                          "[oldVersion]\nVersionInfo=V_2.01.00\n");
    const StartupSettings result = StartupSettings::load(userPath(), kShippedDefaults);
    QVERIFY(result.appVersionChanged);
    QSettings user(userPath(), QSettings::IniFormat);
    QCOMPARE(user.value("oldVersion/VersionInfo").toString(), QStringLiteral("V_2.03.02"));

    QVERIFY(!StartupSettings::load(userPath(), kShippedDefaults).appVersionChanged);
}

void tst_StartupSettings::storedChoicesAreKept()
{
    writeFile(userPath(), "[Theme]\nselectThemeIndex=3\n[ThemeBgImage]\nBgImageIsUsing=true\n"
                          "[AutoStart]\nisAutoStart=false\n");
    const StartupSettings result = StartupSettings::load(userPath(), kShippedDefaults);
    QCOMPARE(result.themeIndex, 3);
    QCOMPARE(result.bgImageUsing, true);

    QSettings user(userPath(), QSettings::IniFormat);
    QCOMPARE(user.value("Theme/selectThemeIndex").toInt(), 3);
    QCOMPARE(user.value("ThemeBgImage/BgImageIsUsing").toBool(), true);
    QCOMPARE(user.value("AutoStart/isAutoStart").toBool(), false);
}

void tst_StartupSettings::userThemeIndexNeedsUserConfig_data()
{
    QTest::addColumn<QByteArray>("defaults");
    QTest::addColumn<bool>("userConfig");
    QTest::addColumn<int>("expectedIndex");

    QTest::newRow("user theme not allowed") << QByteArray("[MyselfConfig]\nuserConfig=false\n") << false << 0;
    QTest::newRow("key missing") << QByteArray("[AppVersion]\nVersion=V_2.03.02\n") << false << 0;
    QTest::newRow("user theme allowed") << QByteArray("[MyselfConfig]\nuserConfig=true\n") << true << 4;
}

void tst_StartupSettings::userThemeIndexNeedsUserConfig()
{
    QFETCH(QByteArray, defaults);
    QFETCH(bool, userConfig);
    QFETCH(int, expectedIndex);

    writeFile(userPath(), "[Theme]\nselectThemeIndex=4\n");
    const StartupSettings result = StartupSettings::load(userPath(), defaultsPath(defaults));
    QCOMPARE(result.userConfig, userConfig);
    QCOMPARE(result.themeIndex, expectedIndex);
    QSettings user(userPath(), QSettings::IniFormat);
    QCOMPARE(user.value("Theme/selectThemeIndex").toInt(), expectedIndex);
}

void tst_StartupSettings::missingDefaultVersionFallsBack()
{
    const QString defaults = defaultsPath("[LightSynchronize]\nisSynchronize=true\n");
    const StartupSettings result = StartupSettings::load(userPath(), defaults);
    QCOMPARE(result.appVersion, QStringLiteral("V_1.00.00"));
    QVERIFY(result.lightSynchronize);
    QSettings user(userPath(), QSettings::IniFormat);
    QCOMPARE(user.value("oldVersion/VersionInfo").toString(), QStringLiteral("V_1.00.00"));
}

void tst_StartupSettings::textsWithCommasReadWhole()
{
    QSettings shipped(kShippedDefaults, QSettings::IniFormat);
    shipped.setIniCodec("UTF_8");
    QCOMPARE(readSettingsText(shipped, "Copyright/CopyrightStr"),
             QString::fromUtf8("Copyright © Osterlin* all rights reserved."));
    QCOMPARE(readSettingsText(shipped, "CompanyName/ComName"), QStringLiteral("Osterlin"));
    QCOMPARE(readSettingsText(shipped, "CompanyLink/ComLink", "fallback").isEmpty(), false);

    QSettings unquoted(defaultsPath("[Copyright]\nCopyrightStr=first, second\n"), QSettings::IniFormat);
    QCOMPARE(readSettingsText(unquoted, "Copyright/CopyrightStr"), QStringLiteral("first, second"));
    QCOMPARE(readSettingsText(unquoted, "Copyright/Missing", "fallback"), QStringLiteral("fallback"));
}

QTEST_GUILESS_MAIN(tst_StartupSettings)
#include "tst_StartupSettings.moc"
