#include "device/DDeviceKeyboardLink.h"

#include "app/DDataManager.h"
#include "device/MainHidInterFace.h"
#include "sdk/store/VorlanXml.h"
#include "tests/support/FakeHostKeyActions.h"
#include "tests/support/TestReports.h"

#include <QApplication>
#include <QMetaMethod>
#include <QSignalSpy>
#include <QTest>

#include <cstring>
#include <memory>
#include <vector>

namespace {

QByteArray report(int command, const QList<QPair<int, int>> &bytes = {})
{
    return testReport(command, bytes);
}

QByteArray status(int keyLock, int connection, int linkState, int download = 0, int mode = 0)
{
    return report(
        0x01, {{5, 1}, {6, keyLock}, {9, 1}, {10, 80}, {11, connection}, {12, linkState}, {13, download}, {14, mode}});
}

hidStructInfoAll record(const char *model, const char *path)
{
    hidStructInfoAll info{};
    std::strcpy(info.hidName, model);
    std::strcpy(info.hidPath, path);
    std::strcpy(info.deviceKind, "keyboard");
    return info;
}

// Counts every signal of an object.
class SignalCounter
{
public:
    explicit SignalCounter(QObject *object)
    {
        const QMetaObject *meta = object->metaObject();
        for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
            const QMetaMethod method = meta->method(i);
            if (method.methodType() == QMetaMethod::Signal && hasRegisteredParameters(method))
                m_spies.push_back(std::make_unique<QSignalSpy>(object, method));
        }
    }
    int total() const
    {
        int count = 0;
        for (const auto &spy : m_spies)
            count += spy->count();
        return count;
    }

private:
    // Signals carrying raw hook values are never emitted by the link's dispatcher.
    static bool hasRegisteredParameters(const QMetaMethod &method)
    {
        for (int i = 0; i < method.parameterCount(); ++i) {
            if (method.parameterType(i) == QMetaType::UnknownType)
                return false;
        }
        return true;
    }

    std::vector<std::unique_ptr<QSignalSpy>> m_spies;
};

using ColumnMap = QMap<int, int>;

} // namespace

class tst_DDeviceKeyboardLink : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void failedOpenLogsAndBuildsNothing();
    void statusReportNeedsByteFive();
    void statusReportsReceiverEdges();
    void statusWithoutReceiverWatchEmitsNoReceiverChange();
    void keyboardModeOnlyForItsModel();
    void lightRecordsKeptUntilSavingIsOn();
    void inquireLightConfigOnFailedLinkTurnsSavingOn();
    void customLightSlotSetsCustomMode();
    void keyBitmapRepliesAppend();
    void settingsReplies();
    void layoutCheckAndRelays();
    void magneticRepliesReachDataManager();
    void allKeysCalibrationMap_data();
    void allKeysCalibrationMap();
    void codesWithoutHandlerAreDropped_data();
    void codesWithoutHandlerAreDropped();
    void hostKeyActions_data();
    void hostKeyActions();
    void hostKeyWithoutProfileDoesNothing();

private:
    QByteArray m_profile;
};

void tst_DDeviceKeyboardLink::initTestCase()
{
    m_profile = (qEnvironmentVariable("VORLAN_TEST_TMP") + QStringLiteral("/profile.xml")).toLocal8Bit();
}

void tst_DDeviceKeyboardLink::init()
{
    QFile::remove(QString::fromLocal8Bit(m_profile));
    QVERIFY(CVorlanXML_CreateXMLFile(m_profile.constData()));
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(m_profile.constData(), "2", "Profile 2", 0));
}

void tst_DDeviceKeyboardLink::failedOpenLogsAndBuildsNothing()
{
    DDeviceKeyboardLink link;
    QTest::ignoreMessage(QtDebugMsg, "Unable to open device [Error]");
    QTest::ignoreMessage(QtDebugMsg, "Open the device-failed");
    link.openHidDevice(3, record("Aster104", "hid#vid_1209&pid_0001&mi_01#/nonexistent"));
    QVERIFY(link.getHidInterface());
    QVERIFY(!link.getHidInterface()->isRunning());
    // Without a builder the forwards do nothing and the lock forward reports the refusal.
    QCOMPARE(link.setLockWinConfig(1, 1, 1, 1), -1);
    link.resetKeyboard();
    link.checkSleepTime();
    link.setSleepTime(1, 2, 3);
    QVERIFY(!link.isInquireOver());
}

void tst_DDeviceKeyboardLink::statusReportNeedsByteFive()
{
    DDeviceKeyboardLink link;
    link.setDongleWatchEnabled(true);
    SignalCounter signals_(&link);
    QByteArray notStatus = status(1, 1, 1, 3);
    notStatus[5] = 0;
    link.onHidDataArrived(notStatus, 64, 0);
    QCOMPARE(signals_.total(), 0);
}

void tst_DDeviceKeyboardLink::statusReportsReceiverEdges()
{
    DDeviceKeyboardLink link;
    link.setDongleWatchEnabled(true);
    QSignalSpy battery(&link, &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity);
    QSignalSpy dongle(&link, &DDeviceKeyboardLink::sigDongleStatus);
    QSignalSpy download(&link, &DDeviceKeyboardLink::sigRuningOnboardDownloadStatus);

    link.onHidDataArrived(status(0, 1, 0), 64, 0);
    link.onHidDataArrived(status(0, 1, 1, 2), 64, 0);
    link.onHidDataArrived(status(0, 1, 1), 64, 0);
    // On a cable the state is stored but nothing is announced; back on the receiver it differs.
    link.onHidDataArrived(status(0, 0, 0), 64, 0);
    link.onHidDataArrived(status(0, 1, 1), 64, 0);

    QCOMPARE(battery.count(), 5);
    QCOMPARE(battery.first(), (QVariantList{1, 80, 1, 0, QString()}));
    QCOMPARE(dongle.count(), 3);
    QCOMPARE(dongle.at(0).at(0).toInt(), 0);
    QCOMPARE(dongle.at(1).at(0).toInt(), 1);
    QCOMPARE(dongle.at(2).at(0).toInt(), 1);
    QCOMPARE(download.count(), 1);
    QCOMPARE(download.first().first().toInt(), 2);
}

void tst_DDeviceKeyboardLink::statusWithoutReceiverWatchEmitsNoReceiverChange()
{
    DDeviceKeyboardLink link;
    QSignalSpy dongle(&link, &DDeviceKeyboardLink::sigDongleStatus);
    link.onHidDataArrived(status(0, 1, 0), 64, 0);
    link.setDongleWatchEnabled(true);
    // The state seen while not watching was not stored, so 0 is still a change.
    link.onHidDataArrived(status(0, 1, 0), 64, 0);
    QCOMPARE(dongle.count(), 1);
}

void tst_DDeviceKeyboardLink::keyboardModeOnlyForItsModel()
{
    DDeviceKeyboardLink other;
    QSignalSpy otherMode(&other, &DDeviceKeyboardLink::sigTheKeyboardModeChanged);
    other.onHidDataArrived(status(0, 0, 0, 0, 2), 64, 0);
    QCOMPARE(otherMode.count(), 0);

    DDeviceKeyboardLink link;
    QTest::ignoreMessage(QtDebugMsg, "Unable to open device [Error]");
    QTest::ignoreMessage(QtDebugMsg, "Open the device-failed");
    link.openHidDevice(0, record(DDeviceKeyboardLink::keyboardModeModelName(), "hid#vid_1209&pid_0003#/none"));
    QSignalSpy mode(&link, &DDeviceKeyboardLink::sigTheKeyboardModeChanged);
    for (int value : {0, 0, 2, 2, 0})
        link.onHidDataArrived(status(0, 0, 0, 0, value), 64, 0);
    QCOMPARE(mode.count(), 3);
    QCOMPARE(mode.at(0).first().toInt(), 0);
    QCOMPARE(mode.at(1).first().toInt(), 2);
    QCOMPARE(mode.at(2).first().toInt(), 0);
}

void tst_DDeviceKeyboardLink::lightRecordsKeptUntilSavingIsOn()
{
    DDeviceKeyboardLink link;
    link.setCurrentProfileXmlPath(m_profile.constData());
    link.setCurrentProfileIndex(2);
    QSignalSpy changed(&link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);

    // Nothing received yet: nothing to save.
    link.saveLightInfoToProfile(0);
    QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_profile.constData(), "2", 0), -1);

    link.onHidDataArrived(report(0x07, {{6, 4}, {7, 2}, {8, 0}, {9, 255}, {17, 9}}), 64, 0);
    link.onHidDataArrived(report(0x08, {{6, 3}, {7, 1}, {8, 1}}), 64, 0);
    QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_profile.constData(), "2", 0), -1);
    QCOMPARE(changed.count(), 0);

    // The first save writes without announcing, and turns saving on.
    link.saveLightInfoToProfile(0);
    colorInfoData stored{};
    QVERIFY(CVorlanXML_SelectProfileColorDataInfo(m_profile.constData(), "2", 0, 4, &stored));
    QCOMPARE(stored.brightness, 3);
    QCOMPARE(stored.speed, 1);
    QCOMPARE(stored.colorR, 255);
    QCOMPARE(stored.reserved12, 9);
    QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_profile.constData(), "2", 0), 4);
    QCOMPARE(changed.count(), 0);

    // From then on each record is written and announced; a known mode is modified in place.
    link.onHidDataArrived(report(0x07, {{6, 4}, {7, 0}, {8, 3}}), 64, 0);
    link.onHidDataArrived(report(0x08, {{6, 3}, {7, 1}, {8, 1}}), 64, 0);
    QVERIFY(CVorlanXML_SelectProfileColorDataInfo(m_profile.constData(), "2", 0, 4, &stored));
    QCOMPARE(stored.brightness, 1);
    QCOMPARE(stored.speed, 4);
    QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_profile.constData(), "2", 1), 3);
    QCOMPARE(changed.count(), 2);
    QCOMPARE(changed.at(0), (QVariantList{0, 4}));
    QCOMPARE(changed.at(1), (QVariantList{1, 3}));
}

void tst_DDeviceKeyboardLink::inquireLightConfigOnFailedLinkTurnsSavingOn()
{
    DDeviceKeyboardLink link;
    QTest::ignoreMessage(QtDebugMsg, "Unable to open device [Error]");
    QTest::ignoreMessage(QtDebugMsg, "Open the device-failed");
    link.openHidDevice(0, record("Aster104", "hid#vid_1209&pid_0001#/none"));
    link.setCurrentProfileXmlPath(m_profile.constData());
    link.setCurrentProfileIndex(2);
    link.inquireLightConfig();

    QSignalSpy changed(&link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
    link.onHidDataArrived(report(0x07, {{6, 5}}), 64, 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_profile.constData(), "2", 0), 5);
}

void tst_DDeviceKeyboardLink::customLightSlotSetsCustomMode()
{
    DDeviceKeyboardLink link;
    link.setCurrentProfileXmlPath(m_profile.constData());
    link.setCurrentProfileIndex(2);
    QSignalSpy slot(&link, &DDeviceKeyboardLink::sigCustomLight_ConfigHaveChanged_HidSend0x09);
    link.onHidDataArrived(report(0x09, {{2, 3}}), 64, 0);
    QCOMPARE(slot.count(), 1);
    QCOMPARE(slot.first(), (QVariantList{0, 10, 3}));
    QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_profile.constData(), "2", 0), 10);
}

void tst_DDeviceKeyboardLink::keyBitmapRepliesAppend()
{
    DDeviceKeyboardLink link;
    const QByteArray bitmap = report(0x0E, {{6, 0x41}, {27, 0x82}});
    link.onHidDataArrived(bitmap, 64, 0);
    link.onHidDataArrived(bitmap, 64, 0);
    using Positions = QList<QPair<int, int>>;
    QCOMPARE(link.getKeyPositionList(), (Positions{{0, 0}, {1, 21}, {0, 0}, {1, 21}}));
}

void tst_DDeviceKeyboardLink::settingsReplies()
{
    DDeviceKeyboardLink link;
    link.setCurrentProfileXmlPath(m_profile.constData());
    link.setCurrentProfileIndex(2);
    QSignalSpy done(&link, &DDeviceKeyboardLink::sigSleepTimeSetSuccessful);

    link.onHidDataArrived(report(0x14, {{2, 0}}), 64, 0);
    QCOMPARE(done.count(), 1);

    link.onHidDataArrived(report(0x14, {{2, 2}, {9, 0x01}, {10, 0x2C}, {11, 0x02}, {12, 0x58}, {13, 1}}), 64, 0);
    QCOMPARE(done.count(), 1);
    QCOMPARE(DDataManager::instance()->getProhibitSleep(), 1);
    int times[2] = {-1, -1};
    QVERIFY(CVorlanXML_GetProFileIntoSleepTimeInfo(m_profile.constData(), "2", times));
    QCOMPARE(times[0], 300);
    QCOMPARE(times[1], 10);
}

void tst_DDeviceKeyboardLink::layoutCheckAndRelays()
{
    DDeviceKeyboardLink link;
    QSignalSpy layout(&link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d);
    QSignalSpy value(&link, &DDeviceKeyboardLink::sigQN9080Recv0x0bCmd);
    QSignalSpy macro(&link, &DDeviceKeyboardLink::sigRuningOnboard0x18Cmd);
    QSignalSpy ack(&link, &DDeviceKeyboardLink::sigRuningOnboard0x19Cmd);

    QByteArray text = report(0x0D);
    const QByteArray fields("VL8201,01,KB,VL,Aster104,extra");
    text.replace(6, fields.size(), fields);
    link.onHidDataArrived(text, 64, 0);
    link.onHidDataArrived(report(0x0B, {{2, 7}}), 64, 0);
    link.onHidDataArrived(report(0x18), 64, 0);
    link.onHidDataArrived(report(0x19), 64, 0);
    link.onHidDataArrived(report(0x19), 64, 0);

    QCOMPARE(layout.count(), 1);
    QCOMPARE(layout.first().at(1).toString(), QStringLiteral("Aster104"));
    QCOMPARE(value.count(), 1);
    QCOMPARE(value.first().first().toInt(), 7);
    QCOMPARE(macro.count(), 1);
    QCOMPARE(ack.count(), 2);
}

void tst_DDeviceKeyboardLink::magneticRepliesReachDataManager()
{
    DDataManager *manager = DDataManager::instance();
    DDeviceKeyboardLink link;
    QSignalSpy travel(manager, &DDataManager::sigBackDynamicDisplaySensitivityNum);
    QSignalSpy settings(manager, &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
    QSignalSpy calibration(manager, &DDataManager::sigTheMagneticKeyboardCalibrationStatusBack);

    link.onHidDataArrived(report(0x21, {{6, 4}, {7, 41}}), 64, 0);
    link.onHidDataArrived(report(0x21, {{6, 9}, {7, 3}}), 64, 0);
    link.onHidDataArrived(report(0x21, {{6, 10}, {7, 5}}), 64, 0);
    link.onHidDataArrived(report(0x21, {{6, 1}, {7, 2}, {8, 14}, {9, 120}}), 64, 0);
    link.onHidDataArrived(report(0x21, {{6, 5}, {7, 1}, {8, 20}, {9, 21}, {10, 22}, {11, 23}}), 64, 0);
    link.onHidDataArrived(report(0x21, {{6, 7}, {7, 2}}), 64, 0);
    link.onHidDataArrived(report(0x21, {{6, 2}, {7, 99}}), 64, 0);

    QCOMPARE(manager->getKeyboardSensitivity(), 41);
    QCOMPARE(manager->getRateOfReturnValue(), 3);
    QCOMPARE(manager->getAntiShakeValue(), 5);
    QCOMPARE(travel.count(), 1);
    QCOMPARE(travel.first(), (QVariantList{2, 14, 120}));
    QCOMPARE(settings.count(), 1);
    QCOMPARE(settings.first(), (QVariantList{1, 20, 21, 22, 23}));
    QCOMPARE(calibration.count(), 1);
    QCOMPARE(calibration.first().first().toInt(), 2);
}

void tst_DDeviceKeyboardLink::allKeysCalibrationMap_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<ColumnMap>("expected");

    const QMap<int, int> columns{{0, 0x03}, {21, 0x20}};
    QTest::newRow("successful: non-zero columns") << 0 << columns;
    QTest::newRow("running: non-zero columns") << 1 << columns;
    QTest::newRow("failed: columns not read") << 2 << ColumnMap();
}

void tst_DDeviceKeyboardLink::allKeysCalibrationMap()
{
    QFETCH(int, status);
    QFETCH(ColumnMap, expected);

    DDeviceKeyboardLink link;
    QSignalSpy relayed(DDataManager::instance(), &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack);
    // An earlier reply's keys never survive a later one.
    link.onHidDataArrived(report(0x21, {{6, 8}, {7, 1}, {12, 0x3f}}), 64, 0);
    link.onHidDataArrived(report(0x21, {{6, 8}, {7, status}, {8, 0x03}, {29, 0x20}}), 64, 0);
    QCOMPARE(link.getAllKeysCalibrationMap(), expected);
    QCOMPARE(relayed.count(), 2);
    QCOMPARE(relayed.last().first().toInt(), status);
}

void tst_DDeviceKeyboardLink::codesWithoutHandlerAreDropped_data()
{
    QTest::addColumn<int>("command");
    for (int command : {0x00, 0x03, 0x06, 0x0C, 0x13, 0x15, 0x16, 0x17, 0x28, 0x29, 0x2A, 0xFF})
        QTest::newRow(qPrintable(QStringLiteral("0x%1").arg(command, 2, 16, QLatin1Char('0')))) << command;
}

void tst_DDeviceKeyboardLink::codesWithoutHandlerAreDropped()
{
    QFETCH(int, command);

    DDeviceKeyboardLink link;
    link.setDongleWatchEnabled(true);
    link.setCurrentProfileXmlPath(m_profile.constData());
    link.setCurrentProfileIndex(2);
    FakeHostKeyActions actions;
    link.setHostKeyActions(&actions);
    SignalCounter linkSignals(&link);
    SignalCounter managerSignals(DDataManager::instance());
    QFile profile(QString::fromLocal8Bit(m_profile));
    QVERIFY(profile.open(QIODevice::ReadOnly));
    const QByteArray before = profile.readAll();
    profile.close();

    QByteArray input(64, '\x01');
    input[1] = static_cast<char>(command);
    link.onHidDataArrived(input, 64, 0);

    QCOMPARE(linkSignals.total(), 0);
    QCOMPARE(managerSignals.total(), 0);
    QVERIFY(actions.actions.isEmpty());
    QVERIFY(link.getKeyPositionList().isEmpty());
    QVERIFY(!link.isInquireOver());
    QVERIFY(profile.open(QIODevice::ReadOnly));
    QCOMPARE(profile.readAll(), before);
}

void tst_DDeviceKeyboardLink::hostKeyActions_data()
{
    QTest::addColumn<QByteArray>("type");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<int>("profileSwitch");

    const QStringList paste{"clipboard:abc \u00e9\u4e2d", "key:11:down", "key:56:down", "key:56:up", "key:11:up"};
    QTest::newRow("text pasted") << QByteArray("6") << QByteArray("abc \xc3\xa9\xe4\xb8\xad") << 1 << paste << -1;
    // Beyond the record's 5120-byte value field: the whole text is pasted.
    const QString longText = QString(5000, QChar(0x4e2d));
    QStringList longPaste = paste;
    longPaste[0] = "clipboard:" + longText;
    QTest::newRow("5000 CJK characters pasted whole") << QByteArray("6") << longText.toUtf8() << 1 << longPaste << -1;
    QTest::newRow("release does nothing") << QByteArray("6") << QByteArray("abc") << 0 << QStringList() << -1;
    QTest::newRow("profile switch") << QByteArray("7") << QByteArray("3") << 1 << QStringList() << 3;
    QTest::newRow("profile switch without a number") << QByteArray("7") << QByteArray("x") << 1 << QStringList() << -1;
    QTest::newRow("launch") << QByteArray("8") << QByteArray("/opt/tool run") << 1
                            << QStringList{"launch:/opt/tool run"} << -1;
    QTest::newRow("disabled key") << QByteArray("5") << QByteArray("abc") << 1 << QStringList() << -1;
    QTest::newRow("no entry") << QByteArray() << QByteArray() << 1 << QStringList() << -1;
}

void tst_DDeviceKeyboardLink::hostKeyActions()
{
    QFETCH(QByteArray, type);
    QFETCH(QByteArray, value);
    QFETCH(int, pressed);
    QFETCH(QStringList, actions);
    QFETCH(int, profileSwitch);

    if (!type.isEmpty()) {
        QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_profile.constData(), "2", "30", "1", type.constData(), "1",
                                                          "0", value.constData()));
    }
    // Another key's entry is never used.
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(m_profile.constData(), "2", "31", "2", "8", "1", "0", "/bin/x"));

    DDeviceKeyboardLink link;
    link.setCurrentProfileXmlPath(m_profile.constData());
    link.setCurrentProfileIndex(2);
    FakeHostKeyActions fake;
    link.setHostKeyActions(&fake);
    QSignalSpy switched(&link, &DDeviceKeyboardLink::sigCustomEventChangProfile);
    if (type == "7" && profileSwitch < 0)
        QTest::ignoreMessage(QtWarningMsg, "Key profile switch without a profile number: x");

    link.onHidDataArrived(report(0x20, {{6, 0x55}, {9, 30}, {10, pressed}}), 64, 0);

    QCOMPARE(fake.actions, actions);
    QCOMPARE(switched.count(), profileSwitch < 0 ? 0 : 1);
    if (profileSwitch >= 0)
        QCOMPARE(switched.first().first().toInt(), profileSwitch);
}

void tst_DDeviceKeyboardLink::hostKeyWithoutProfileDoesNothing()
{
    DDeviceKeyboardLink link;
    FakeHostKeyActions fake;
    link.setHostKeyActions(&fake);
    link.onHidDataArrived(report(0x20, {{9, 30}, {10, 1}}), 64, 0);
    QVERIFY(fake.actions.isEmpty());
}

QTEST_MAIN(tst_DDeviceKeyboardLink)
#include "tst_DDeviceKeyboardLink.moc"
