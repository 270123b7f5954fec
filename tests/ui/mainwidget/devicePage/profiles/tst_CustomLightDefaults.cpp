#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/profiles/CustomLightDefaults.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <list>

class tst_CustomLightDefaults : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void defaultFileByKeyCountThenModel_data();
    void defaultFileByKeyCountThenModel();
    void everyDefaultFileHasTwoFilledSets_data();
    void everyDefaultFileHasTwoFilledSets();
    void newProfileGetsThreeRecordsAndFiveSets();
    void genericFileGivesBlueAndRedKeys();
    void lightSynchronizeWrittenOnlyWhenOn_data();
    void lightSynchronizeWrittenOnlyWhenOn();

private:
    QByteArray newProfileFile();

    QScopedPointer<QTemporaryDir> m_tmp;
};

namespace {

std::list<CustomLightItemStu> setItems(const QByteArray &path, const char *set)
{
    std::list<CustomLightItemStu> items;
    CVorlanXML_ProFileCustomLightInfoSelectAll(path.constData(), "1", set, &items);
    return items;
}

} // namespace

void tst_CustomLightDefaults::init()
{
    m_tmp.reset(new QTemporaryDir(qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/lights-XXXXXX"));
    QVERIFY(m_tmp->isValid());
}

QByteArray tst_CustomLightDefaults::newProfileFile()
{
    const QByteArray path = (m_tmp->path() + "/appProfile_Default.xml").toLocal8Bit();
    CVorlanXML_CreateXMLFile(path.constData());
    CVorlanXML_CreateProFileXmlParentNode(path.constData(), "1", "Profile1", 0);
    return path;
}

void tst_CustomLightDefaults::defaultFileByKeyCountThenModel_data()
{
    QTest::addColumn<int>("keyCount");
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("file");
    QTest::newRow("84 keys") << 84 << "Other"
                             << "customLightDefaultConfig_84.xml";
    QTest::newRow("69 keys share the 84 file") << 69 << "Other"
                                               << "customLightDefaultConfig_84.xml";
    QTest::newRow("84-key model group") << 84 << "Breeze84W"
                                        << "customLightDefaultConfig_Breeze84W.xml";
    QTest::newRow("group only within its key count") << 68 << "Breeze84W"
                                                     << "customLightDefaultConfig_68.xml";
    QTest::newRow("68-key model group") << 68 << "Quartz68HE"
                                        << "customLightDefaultConfig_Quartz68HE.xml";
    QTest::newRow("model names are case-sensitive") << 68 << "quartz68he"
                                                    << "customLightDefaultConfig_68.xml";
    QTest::newRow("83 keys") << 83 << "Quartz68HE"
                             << "customLightDefaultConfig_83.xml";
    QTest::newRow("100 keys") << 100 << "Other"
                              << "customLightDefaultConfig_98.xml";
    QTest::newRow("97 keys") << 97 << "Other"
                             << "customLightDefaultConfig_98.xml";
    QTest::newRow("61 keys") << 61 << "Other"
                             << "customLightDefaultConfig_61.xml";
    QTest::newRow("34 keys") << 34 << "Other"
                             << "customLightDefaultConfig_34.xml";
    QTest::newRow("18 keys") << 18 << "Other"
                             << "customLightDefaultConfig_18.xml";
    QTest::newRow("82 keys") << 82 << "Other"
                             << "customLightDefaultConfig_82.xml";
    QTest::newRow("other count, other model") << 104 << "Other"
                                              << "customLightDefaultConfig.xml";
    QTest::newRow("other count, grouped model") << 104 << "Aster104"
                                                << "customLightDefaultConfig_Aster104.xml";
    QTest::newRow("no key count") << 0 << ""
                                  << "customLightDefaultConfig.xml";
}

void tst_CustomLightDefaults::defaultFileByKeyCountThenModel()
{
    QFETCH(int, keyCount);
    QFETCH(QString, model);
    QFETCH(QString, file);
    QCOMPARE(CustomLightDefaults::defaultFileName(keyCount, model), file);
}

void tst_CustomLightDefaults::everyDefaultFileHasTwoFilledSets_data()
{
    defaultFileByKeyCountThenModel_data();
}

// Reads each compiled-in default file through the SDK, as a new profile does.
void tst_CustomLightDefaults::everyDefaultFileHasTwoFilledSets()
{
    QFETCH(QString, file);
    initVorlanResources();
    const QString copy = m_tmp->path() + "/" + file;
    QVERIFY(QFile::copy(":/images/configDir/" + file, copy));
    for (const char *set : {"0", "1"}) {
        std::list<CustomLightItemStu> items;
        QVERIFY(CVorlanXML_XmlCustomLightInfoSelectAll(copy.toLocal8Bit().constData(), set, &items));
        QVERIFY(!items.empty());
        for (const CustomLightItemStu &item : items) {
            QVERIFY(item.indexX >= 0 && item.indexX <= 5);
            QVERIFY(item.indexY >= 0 && item.indexY <= 21);
            QCOMPARE(item.transparentNum, 128);
        }
    }
    std::list<CustomLightItemStu> unused;
    QVERIFY(CVorlanXML_XmlCustomLightInfoSelectAll(copy.toLocal8Bit().constData(), "2", &unused));
    QVERIFY(unused.empty());
}

void tst_CustomLightDefaults::newProfileGetsThreeRecordsAndFiveSets()
{
    const QByteArray path = newProfileFile();
    const CustomLightDefaults defaults(68, "Quartz68HE", false);
    defaults.addDefaultLightInfo(path, 1);
    defaults.addDefaultCustomLights(path, 1);

    for (int area = 0; area < 3; ++area) {
        colorInfoData record{};
        QVERIFY(CVorlanXML_SelectProfileColorDataInfo(path.constData(), "1", area, 2, &record));
        QCOMPARE(record.area, area);
        QCOMPARE((QVector<int>{record.lightMode, record.brightness, record.speed, record.colorR, record.colorG,
                               record.colorB, record.bgColorR, record.direction, record.fullColor}),
                 (QVector<int>{2, 3, 3, 255, 0, 0, 0, 0, 1}));
    }

    std::list<CustomLightNodeStu> sets;
    QVERIFY(CVorlanXML_SelectProFileCustomLightAllNodes(path.constData(), "1", &sets));
    QStringList seen;
    for (const CustomLightNodeStu &set : sets)
        seen << QStringLiteral("%1 %2 %3 %4").arg(set.index, set.name, set.isUsing).arg(set.usingFlagIndex);
    QCOMPARE(seen, (QStringList{"0 Alphabets Using 0", "1 WASD+Arrows Using 1", "2 Custom 3 UnUsing -1",
                                "3 Custom 4 UnUsing -1", "4 Custom 5 UnUsing -1"}));
    QVERIFY(!setItems(path, "0").empty());
    QVERIFY(!setItems(path, "1").empty());
    for (const char *set : {"2", "3", "4"})
        QVERIFY(setItems(path, set).empty());
}

void tst_CustomLightDefaults::genericFileGivesBlueAndRedKeys()
{
    const QByteArray path = newProfileFile();
    CustomLightDefaults(57, "Unknown", false).addDefaultCustomLights(path, 1);

    const std::list<CustomLightItemStu> blue = setItems(path, "0");
    QCOMPARE(int(blue.size()), 34);
    for (const CustomLightItemStu &item : blue)
        QCOMPARE((QVector<int>{item.colorR, item.colorG, item.colorB, item.transparentNum}),
                 (QVector<int>{0, 0, 255, 128}));

    QStringList red;
    for (const CustomLightItemStu &item : setItems(path, "1")) {
        QCOMPARE((QVector<int>{item.colorR, item.colorG, item.colorB, item.transparentNum}),
                 (QVector<int>{255, 0, 0, 128}));
        red << QStringLiteral("%1 %2 (%3,%4)").arg(item.codeName, item.keyCode).arg(item.indexX).arg(item.indexY);
    }
    QCOMPARE(red, (QStringList{"W 26 (2,2)", "A 4 (3,2)", "S 22 (3,3)", "D 7 (3,4)", "Up 82 (4,16)", "Left 80 (5,15)",
                               "Down 81 (5,16)", "Right 79 (5,17)"}));
}

void tst_CustomLightDefaults::lightSynchronizeWrittenOnlyWhenOn_data()
{
    QTest::addColumn<bool>("synchronize");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void tst_CustomLightDefaults::lightSynchronizeWrittenOnlyWhenOn()
{
    QFETCH(bool, synchronize);
    const QByteArray path = newProfileFile();
    CustomLightDefaults(84, "Breeze84W", synchronize).addDefaultLightInfo(path, 1);
    QCOMPARE(CVorlanXML_SelectProFileLightSynchronizeStatus(path.constData(), "1"), synchronize ? 1 : 0);
}

QTEST_GUILESS_MAIN(tst_CustomLightDefaults)
#include "tst_CustomLightDefaults.moc"
