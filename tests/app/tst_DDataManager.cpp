#include "app/DDataManager.h"

#include "app/FontSubstitution.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QSettings>
#include <QTest>

class tst_DDataManager : public QObject
{
    Q_OBJECT

private slots:
    void firstInstanceCreatesFoldersAndSettings();
    void loadThemeNormalisesAlphaByBackgroundImages();
    void loadThemeChoosesFileByIndex_data();
    void loadThemeChoosesFileByIndex();
    void themeFilePath_data();
    void themeFilePath();
    void getFont_data();
    void getFont();
    void yaHeiRendersWithInstalledCjkFont();
    void chineseFamilyNameRendersWithInstalledCjkFont();
    void cjkSubstituteFamily_data();
    void cjkSubstituteFamily();
    void cleanup();
};

void tst_DDataManager::cleanup()
{
    DDataManager::instance()->setBgImageUsing(false);
    DDataManager::instance()->setUseLocalFont(true);
    DDataManager::instance()->loadTheme(0);
}

void tst_DDataManager::firstInstanceCreatesFoldersAndSettings()
{
    DDataManager *manager = DDataManager::instance();
    QCOMPARE(DDataManager::instance(), manager);
    QVERIFY(manager->isInitialized());

    // main() points the data location at a folder whose parents do not exist yet.
    const QString appData = qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/tst_DDataManager");
    QCOMPARE(manager->getAppDataDir(), appData);
    QCOMPARE(manager->getUserConfigDir(), appData + QStringLiteral("/UserConfig"));
    QVERIFY(QDir(manager->getUserConfigDir()).exists());

    QSettings user(manager->getUserConfigDir() + QStringLiteral("/VorlanConfig.ini"), QSettings::IniFormat);
    QCOMPARE(user.value("Theme/selectThemeIndex").toString(), QStringLiteral("0"));
    QCOMPARE(user.value("ThemeBgImage/BgImageIsUsing").toString(), QStringLiteral("false"));
    QCOMPARE(user.value("oldVersion/VersionInfo").toString(), QStringLiteral("V_2.03.02"));
    QVERIFY(manager->isAppVersionChanged());
    QVERIFY(!manager->isUserConfig());
    QVERIFY(!manager->isBgImageUsing());
    QVERIFY(!manager->isLightSynchronize());
    QCOMPARE(manager->getThemeInfo().AllBgColor, QStringLiteral("42,42,70"));
}

void tst_DDataManager::loadThemeNormalisesAlphaByBackgroundImages()
{
    DDataManager *manager = DDataManager::instance();
    manager->loadTheme(0);
    QCOMPARE(manager->getThemeInfo().DeviceBorderColor, QStringLiteral("52,52,86"));

    // The flag takes effect with the next load, not on the record already held.
    manager->setBgImageUsing(true);
    QCOMPARE(manager->getThemeInfo().DeviceBorderColor, QStringLiteral("52,52,86"));
    manager->loadTheme(0);
    QCOMPARE(manager->getThemeInfo().DeviceBorderColor, QStringLiteral("52,52,86,128"));
    QCOMPARE(manager->getThemeInfo().MainWidgetBgColor, QStringLiteral("34,34,58"));
}

void tst_DDataManager::loadThemeChoosesFileByIndex_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("allBgColor");
    QTest::addColumn<QString>("textDefaultColor");

    QTest::newRow("0 Black") << 0 << "42,42,70"
                             << "205,205,205";
    QTest::newRow("1 Light") << 1 << "180,180,180"
                             << "140,140,140";
    QTest::newRow("2 Blue") << 2 << "45,85,205"
                            << "225,225,225";
    QTest::newRow("3 Pink") << 3 << "245,65,245"
                            << "225,205,225";
    QTest::newRow("4 Other from resources") << 4 << "42,42,70"
                                            << "205,205,205";
    QTest::newRow("7 falls back to Black") << 7 << "42,42,70"
                                           << "205,205,205";
    QTest::newRow("-1 falls back to Black") << -1 << "42,42,70"
                                            << "205,205,205";
}

void tst_DDataManager::loadThemeChoosesFileByIndex()
{
    QFETCH(int, index);
    QFETCH(QString, allBgColor);
    QFETCH(QString, textDefaultColor);

    DDataManager *manager = DDataManager::instance();
    manager->loadTheme(2);
    manager->loadTheme(index);
    const ThemeColorInfo info = manager->getThemeInfo();
    QCOMPARE(info.AllBgColor, allBgColor);
    QCOMPARE(info.TextDefaultColor, textDefaultColor);
    QCOMPARE(info.TextFont, QStringLiteral("Microsoft YaHei"));
}

void tst_DDataManager::themeFilePath_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("userConfig");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Pink") << 3 << true << ":/images/StyleQss/PinkThemeConfig.ini";
    QTest::newRow("Other, user theme allowed") << 4 << true << "/opt/app/configDir/OtherThemeConfig.ini";
    QTest::newRow("Other, not allowed") << 4 << false << ":/images/StyleQss/OtherThemeConfig.ini";
    QTest::newRow("5") << 5 << true << ":/images/StyleQss/BlackThemeConfig.ini";
}

void tst_DDataManager::themeFilePath()
{
    QFETCH(int, index);
    QFETCH(bool, userConfig);
    QFETCH(QString, expected);
    QCOMPARE(DDataManager::themeFilePath(index, userConfig, QStringLiteral("/opt/app")), expected);
}

void tst_DDataManager::getFont_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("useLocalFont");
    QTest::addColumn<int>("weight");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<int>("pixelSize");

    // The fallback font is the application font of the start-up: 12 pixels (so no point size).
    QTest::newRow("bold") << 0 << true << int(QFont::Bold) << 10 << -1;
    QTest::newRow("normal") << 1 << true << int(QFont::Normal) << 10 << -1;
    QTest::newRow("kind 2") << 2 << true << int(QFont::Normal) << -1 << 12;
    QTest::newRow("kind 5") << 5 << true << int(QFont::Normal) << -1 << 12;
    QTest::newRow("kind -1") << -1 << true << int(QFont::Normal) << -1 << 12;
    QTest::newRow("bold, no local font") << 0 << false << int(QFont::Normal) << -1 << 12;
    QTest::newRow("normal, no local font") << 1 << false << int(QFont::Normal) << -1 << 12;
    QTest::newRow("kind 5, no local font") << 5 << false << int(QFont::Normal) << -1 << 12;
}

void tst_DDataManager::getFont()
{
    QFETCH(int, kind);
    QFETCH(bool, useLocalFont);
    QFETCH(int, weight);
    QFETCH(int, pointSize);
    QFETCH(int, pixelSize);

    DDataManager::instance()->setUseLocalFont(useLocalFont);
    const QFont font = DDataManager::instance()->getFont(kind);
    QCOMPARE(font.family(), QStringLiteral("Microsoft YaHei"));
    QCOMPARE(font.weight(), weight);
    QCOMPARE(font.pointSize(), pointSize);
    QCOMPARE(font.pixelSize(), pixelSize);
    QVERIFY(!font.italic());
}

void tst_DDataManager::yaHeiRendersWithInstalledCjkFont()
{
    const QFontInfo info(DDataManager::instance()->getFont(1));
    QCOMPARE(info.family(), QStringLiteral("WenQuanYi Micro Hei"));
}

void tst_DDataManager::chineseFamilyNameRendersWithInstalledCjkFont()
{
    // The forms' style sheets name the family in Chinese.
    DDataManager::instance();
    const QFontInfo info(QFont(QStringLiteral("微软雅黑")));
    QCOMPARE(info.family(), QStringLiteral("WenQuanYi Micro Hei"));
}

void tst_DDataManager::cjkSubstituteFamily_data()
{
    QTest::addColumn<QStringList>("installed");
    QTest::addColumn<QString>("expected");

    QTest::newRow("none") << QStringList({"DejaVu Sans"}) << QString();
    QTest::newRow("noto only") << QStringList({"DejaVu Sans", "Noto Sans CJK SC"}) << "Noto Sans CJK SC";
    QTest::newRow("preferred first") << QStringList({"Noto Sans CJK SC", "wenquanyi micro hei"})
                                     << "WenQuanYi Micro Hei";
}

void tst_DDataManager::cjkSubstituteFamily()
{
    QFETCH(QStringList, installed);
    QFETCH(QString, expected);
    QCOMPARE(::cjkSubstituteFamily(installed), expected);
}

int main(int argc, char *argv[])
{
    // Nested and missing, so the first instance has to create every level.
    qputenv("XDG_DATA_HOME", qgetenv("VORLAN_TEST_TMP") + "/fresh/share");
    QApplication app(argc, argv);
    QFont appFont = QApplication::font();
    appFont.setFamily(QStringLiteral("Microsoft YaHei"));
    appFont.setPixelSize(12);
    QApplication::setFont(appFont);

    tst_DDataManager test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_DDataManager.moc"
