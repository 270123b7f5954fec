#include "sdk/store/VorlanXml.h"
#include "ui/mainwidget/devicePage/profiles/CustomLightDefaults.h"
#include "ui/mainwidget/devicePage/profiles/ProfileFolder.h"
#include "ui/mainwidget/devicePage/profiles/ProfilePath.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <list>

class tst_ProfileFolder : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void firstConnectionCreatesLayerFiles_data();
    void firstConnectionCreatesLayerFiles();
    void secondConnectionKeepsStoredIndexes();
    void unusableNamesGiveNoFolder_data();
    void unusableNamesGiveNoFolder();
    void tooLongPathCreatesNoFile();

private:
    QString m_configDir;
    QScopedPointer<QTemporaryDir> m_tmp;
};

namespace {

const CustomLightDefaults kDefaults(104, QStringLiteral("Aster104"), false);

QStringList profileNames(const QByteArray &path)
{
    ProfileNodeList nodes;
    CVorlanXML_SelectProFileAllNodes(path.constData(), &nodes);
    QStringList names;
    for (const auto &node : nodes)
        names << QString::fromStdString(node.first) + QLatin1Char('=') + QString::fromStdString(node.second);
    return names;
}

int customLightSetCount(const QByteArray &path)
{
    std::list<CustomLightNodeStu> sets;
    CVorlanXML_SelectProFileCustomLightAllNodes(path.constData(), "1", &sets);
    return int(sets.size());
}

} // namespace

void tst_ProfileFolder::init()
{
    m_tmp.reset(new QTemporaryDir(qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/profiles-XXXXXX"));
    QVERIFY(m_tmp->isValid());
    m_configDir = m_tmp->path() + "/UserConfig";
}

void tst_ProfileFolder::firstConnectionCreatesLayerFiles_data()
{
    QTest::addColumn<bool>("magnetic");
    QTest::newRow("plain keyboard") << false;
    QTest::newRow("magnetic keyboard") << true;
}

void tst_ProfileFolder::firstConnectionCreatesLayerFiles()
{
    QFETCH(bool, magnetic);
    const ProfileFolder folder(m_configDir, "Quartz68HE", "SN0042", magnetic);
    QCOMPARE(folder.folder(), m_configDir + "/Quartz68HE/SN0042");

    const QStringList created = folder.prepare(kDefaults);
    QCOMPARE(created.size(), magnetic ? 3 : 2);
    QStringList expectedFiles{"appProfile_Default.xml", "appProfile_FN.xml"};
    if (magnetic)
        expectedFiles << "appProfile_Magnetic.xml";
    QDir dir(folder.folder());
    QCOMPARE(dir.entryList(QDir::Files, QDir::Name), expectedFiles);

    for (const QByteArray &path : {folder.defaultFilePath(), folder.fnFilePath()}) {
        QCOMPARE(profileNames(path), QStringList{"1=Profile1"});
        QCOMPARE(CVorlanXML_GetCreateXMLFileProfileIndex(path.constData()), 1);
        for (int area = 0; area < 3; ++area)
            QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(path.constData(), "1", area), 2);
        QCOMPARE(customLightSetCount(path), 5);
    }
    if (magnetic) {
        const QByteArray path = folder.magneticFilePath();
        QCOMPARE(profileNames(path), QStringList{"1=Profile1"});
        QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(path.constData(), "1", 0), -1);
        QCOMPARE(customLightSetCount(path), 0);
    } else {
        QVERIFY(folder.magneticFilePath().isEmpty());
    }
}

void tst_ProfileFolder::secondConnectionKeepsStoredIndexes()
{
    const ProfileFolder first(m_configDir, "Breeze84W", "B-1", false);
    first.prepare(kDefaults);
    const QByteArray fn = first.fnFilePath();
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(fn.constData(), "2", "Travel", 0));
    QVERIFY(CVorlanXML_ModifyXMLFileProfileIndex(fn.constData(), 2));

    const ProfileFolder again(m_configDir, "Breeze84W", "B-1", false);
    QVERIFY(again.prepare(kDefaults).isEmpty());
    QCOMPARE(CVorlanXML_GetCreateXMLFileProfileIndex(fn.constData()), 2);
    QCOMPARE(profileNames(fn), (QStringList{"1=Profile1", "2=Travel"}));
    QCOMPARE(CVorlanXML_GetCreateXMLFileProfileIndex(again.defaultFilePath().constData()), 1);
}

void tst_ProfileFolder::unusableNamesGiveNoFolder_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("serial");
    QTest::newRow("no serial number") << "Aster104"
                                      << "";
    QTest::newRow("serial is parent") << "Aster104"
                                      << "..";
    QTest::newRow("serial with separator") << "Aster104"
                                           << "../other";
    QTest::newRow("no model") << ""
                              << "SN1";
}

void tst_ProfileFolder::unusableNamesGiveNoFolder()
{
    QFETCH(QString, model);
    QFETCH(QString, serial);
    const ProfileFolder folder(m_configDir, model, serial, true);
    QVERIFY(!folder.isValid());
    QVERIFY(folder.defaultFilePath().isEmpty());
    QVERIFY(folder.magneticFilePath().isEmpty());
    QVERIFY(folder.prepare(kDefaults).isEmpty());
    QVERIFY(!QDir(m_configDir).exists());
}

void tst_ProfileFolder::tooLongPathCreatesNoFile()
{
    // Long enough that the folder fits but the file paths do not.
    const QString serial = QString(255 - m_configDir.size() - QStringLiteral("/Aster104/").size() - 5, 'S');
    const ProfileFolder folder(m_configDir, "Aster104", serial, false);
    QVERIFY(folder.isValid());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Profile path refused, longer than 255 bytes"));
    QVERIFY(folder.defaultFilePath().isEmpty());
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Profile path refused"));
    QTest::ignoreMessage(QtDebugMsg, QRegularExpression("Profile path refused"));
    QVERIFY(folder.prepare(kDefaults).isEmpty());
    QCOMPARE(QDir(folder.folder()).entryList(QDir::Files), QStringList());
    QCOMPARE(ProfilePath::encode(folder.folder() + "/ab").size(), folder.folder().size() + 3);
}

QTEST_GUILESS_MAIN(tst_ProfileFolder)
#include "tst_ProfileFolder.moc"
