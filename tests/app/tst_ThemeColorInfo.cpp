#include "app/ThemeColorInfo.h"

#include "resources/VorlanResources.h"

#include <QTemporaryDir>
#include <QTest>

#include <set>

class tst_ThemeColorInfo : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void normalizeThemeColor_data();
    void normalizeThemeColor();
    void shippedThemesHoldFortyColours_data();
    void shippedThemesHoldFortyColours();
    void trapCellsReadAsWritten_data();
    void trapCellsReadAsWritten();
    void missingKeysAndFilesGiveEmptyTexts();
};

void tst_ThemeColorInfo::initTestCase()
{
    initVorlanResources();
}

void tst_ThemeColorInfo::normalizeThemeColor_data()
{
    QTest::addColumn<QString>("fileValue");
    QTest::addColumn<bool>("bgImageUsing");
    QTest::addColumn<QString>("expected");

    QTest::newRow("three numbers, no images") << "205.205.205" << false << "205,205,205";
    QTest::newRow("three numbers, images") << "205.205.205" << true << "205,205,205";
    QTest::newRow("alpha dropped without images") << "52.52.86.128" << false << "52,52,86";
    QTest::newRow("alpha kept with images") << "52.52.86.128" << true << "52,52,86,128";
    QTest::newRow("single-digit alpha") << "0.0.0.9" << false << "0,0,0";
    QTest::newRow("five numbers stay") << "1.2.3.4.5" << false << "1,2,3,4,5";
    QTest::newRow("two numbers stay") << "1.2" << false << "1,2";
    QTest::newRow("empty") << "" << false << "";
}

void tst_ThemeColorInfo::normalizeThemeColor()
{
    QFETCH(QString, fileValue);
    QFETCH(bool, bgImageUsing);
    QFETCH(QString, expected);
    QCOMPARE(::normalizeThemeColor(fileValue, bgImageUsing), expected);
}

void tst_ThemeColorInfo::shippedThemesHoldFortyColours_data()
{
    QTest::addColumn<QString>("path");
    for (const char *name : {"Black", "Light", "Blue", "Pink", "Other"})
        QTest::newRow(name) << QStringLiteral(":/images/StyleQss/%1ThemeConfig.ini").arg(QLatin1String(name));
}

void tst_ThemeColorInfo::shippedThemesHoldFortyColours()
{
    QFETCH(QString, path);
    const ThemeColorInfo info = readThemeColorInfo(path, true);

    std::set<std::string> keys;
    for (const ThemeColorField &field : themeColorFields()) {
        keys.insert(field.key);
        const QStringList numbers = (info.*field.member).split(QLatin1Char(','));
        QVERIFY2(numbers.size() == 3 || numbers.size() == 4, field.key);
        for (const QString &number : numbers) {
            bool ok = false;
            const int value = number.toInt(&ok);
            QVERIFY2(ok && value >= 0 && value <= 255, field.key);
        }
    }
    QCOMPARE(keys.size(), size_t(40));
    QCOMPARE(info.TextFont, QStringLiteral("Microsoft YaHei"));
}

void tst_ThemeColorInfo::trapCellsReadAsWritten_data()
{
    QTest::addColumn<QString>("theme");
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("bgImageUsing");
    QTest::addColumn<QString>("expected");

    QTest::newRow("Black border, no images") << "Black"
                                             << "DeviceBorderColor" << false << "52,52,86";
    QTest::newRow("Black border, images") << "Black"
                                          << "DeviceBorderColor" << true << "52,52,86,128";
    QTest::newRow("Black text colour, images") << "Black"
                                               << "TextDefaultColor" << true << "205,205,205";
    QTest::newRow("Blue control border") << "Blue"
                                         << "SettingsControlBorderColor" << true << "65,105,255";
    QTest::newRow("Blue main background") << "Blue"
                                          << "MainWidgetBgColor" << true << "100,149,237,128";
    QTest::newRow("Pink main background, images") << "Pink"
                                                  << "MainWidgetBgColor" << true << "255,80,255";
    QTest::newRow("Pink text colour") << "Pink"
                                      << "TextDefaultColor" << false << "225,205,225";
    QTest::newRow("Light right background, images") << "Light"
                                                    << "DeviceRightBgColor" << true << "230,230,230,80";
    QTest::newRow("Light right background") << "Light"
                                            << "DeviceRightBgColor" << false << "230,230,230";
    QTest::newRow("Light main background") << "Light"
                                           << "MainWidgetBgColor" << true << "240,240,240,128";
    QTest::newRow("Black right background") << "Black"
                                            << "DeviceRightBgColor" << true << "26,27,49,100";
    QTest::newRow("Other soft-keyboard text") << "Other"
                                              << "DeviceSoftkeyboardButDefaultTextColor" << false << "190,180,200";
    QTest::newRow("Blue soft-keyboard text") << "Blue"
                                             << "DeviceSoftkeyboardButDefaultTextColor" << false << "230,240,230";
}

void tst_ThemeColorInfo::trapCellsReadAsWritten()
{
    QFETCH(QString, theme);
    QFETCH(QString, key);
    QFETCH(bool, bgImageUsing);
    QFETCH(QString, expected);

    const ThemeColorInfo info =
        readThemeColorInfo(QStringLiteral(":/images/StyleQss/%1ThemeConfig.ini").arg(theme), bgImageUsing);
    for (const ThemeColorField &field : themeColorFields()) {
        if (key == QLatin1String(field.key)) {
            QCOMPARE(info.*field.member, expected);
            return;
        }
    }
    QFAIL("unknown key");
}

void tst_ThemeColorInfo::missingKeysAndFilesGiveEmptyTexts()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("partial.ini"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[ThemeColor]\nTextDefaultColor = 1.2.3.4\n\nTextFont = Some Font\n");
    file.close();

    const ThemeColorInfo partial = readThemeColorInfo(path, false);
    QCOMPARE(partial.TextDefaultColor, QStringLiteral("1,2,3"));
    QCOMPARE(partial.TextFont, QStringLiteral("Some Font"));
    QVERIFY(partial.UpgradeProgressBarBottomColor.isEmpty());

    const ThemeColorInfo missing = readThemeColorInfo(dir.filePath(QStringLiteral("none.ini")), false);
    QVERIFY(missing.TextDefaultColor.isEmpty());
    QVERIFY(missing.TextFont.isEmpty());
}

QTEST_GUILESS_MAIN(tst_ThemeColorInfo)
#include "tst_ThemeColorInfo.moc"
