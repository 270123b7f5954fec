#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include "sdk/light/VorlanLightSdk.h"
#include "sim/SimKeyboard.h"
#include "tests/support/SimServerFixture.h"
#include "widgets/keyboardButCustom.h"

#include <QWidget>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

colorInfoData lightRecord(int area, int mode, int r, int g, int b, int brightness = 5)
{
    colorInfoData info{};
    info.area = area;
    info.lightMode = mode;
    info.brightness = brightness;
    info.speed = 3;
    info.colorR = r;
    info.colorG = g;
    info.colorB = b;
    return info;
}

hidStructInfoAll deviceRecord(const char *model, int usbOrDongle)
{
    hidStructInfoAll device{};
    std::strncpy(device.hidName, model, sizeof(device.hidName) - 1);
    device.usbOrDongle = usbOrDongle;
    device.keyCount = 104;
    return device;
}

LightModeSupport support(int steps, bool withModes = true)
{
    LightModeSupport s;
    if (withModes)
        s.modes = {0, 1, 2, 3, 4, 5};
    s.speedSteps = steps;
    s.brightnessSteps = steps;
    return s;
}

} // namespace

class TestLightDealMain : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void synchronisationOnTwiceSendsOneReport();
    void sendTickAfterStop_data();
    void sendTickAfterStop();
    void cableKeyboardForgetsPresses();
    void customIgnoresTheEffectFrame();
    void refusalLogsTheLine();
    void goneDeviceSendsNothing();
    void tickersPaintTheCapsAndRestart();

private:
    // Opens a HID object on a simulated keyboard and makes an engine for it.
    void openDevice(const char *model, bool receiver);
    QList<QByteArray> reportsOf(int command) const;
    void makeCaps();

    std::unique_ptr<SimServerFixture> m_sim;
    int m_id = -1;
    std::unique_ptr<MainHidInterFace> m_hid;
    std::unique_ptr<QWidget> m_picture;
    keyboardButCustom *m_caps[6][22] = {};
    std::unique_ptr<lightDealMain> m_engine;
};

void TestLightDealMain::init()
{
    m_sim = std::make_unique<SimServerFixture>();
    QVERIFY(m_sim->isRunning());
    makeCaps();
    m_engine = std::make_unique<lightDealMain>();
    m_engine->setKeyCaps(m_caps);
}

void TestLightDealMain::cleanup()
{
    m_engine.reset();
    if (m_hid) {
        m_hid->closeHid();
        m_hid.reset();
    }
    m_picture.reset();
    m_sim.reset();
}

void TestLightDealMain::makeCaps()
{
    m_picture = std::make_unique<QWidget>();
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 22; ++column) {
            m_caps[row][column] = new keyboardButCustom(m_picture.get());
            m_caps[row][column]->setLightPreviewEnabled(true);
        }
    }
}

void TestLightDealMain::openDevice(const char *model, bool receiver)
{
    m_id = m_sim->plug(model, QLatin1String(SimServerFixture::DefaultSerial), receiver);
    QVERIFY(m_id > 0);
    m_hid = std::make_unique<MainHidInterFace>(0, QString::fromLatin1(model));
    QCOMPARE(m_hid->openHid(m_sim->devicePath(m_id)), 0);
    m_hid->start();
    m_engine->setDeviceInfo(deviceRecord(model, receiver ? 1 : 0));
    m_engine->setLightModeSupport(support(5), support(5, std::strcmp(model, "Breeze84W") != 0));
    m_engine->setHidInterface(m_hid.get());
}

QList<QByteArray> TestLightDealMain::reportsOf(int command) const
{
    QList<QByteArray> matching;
    for (const QByteArray &report : m_sim->received(m_id)) {
        if (static_cast<unsigned char>(report.at(1)) == command)
            matching << report;
    }
    return matching;
}

void TestLightDealMain::synchronisationOnTwiceSendsOneReport()
{
    openDevice("Aster104", false);
    m_engine->setLightSynchronous(false); // off while off: nothing
    m_engine->setLightSynchronous(true);
    m_engine->setLightSynchronous(true);
    QTRY_COMPARE(reportsOf(0x16).size(), 1);
    QCOMPARE(reportsOf(0x16).at(0).left(7), QByteArray::fromHex("01160000000101"));
    m_engine->setLightSynchronous(false);
    QTRY_COMPARE(reportsOf(0x16).size(), 2);
    QCOMPARE(reportsOf(0x16).at(1).left(7), QByteArray::fromHex("01160000000100"));
    m_engine->setLightSynchronous(false);
    QTest::qWait(100);
    QCOMPARE(reportsOf(0x16).size(), 2);
}

void TestLightDealMain::sendTickAfterStop_data()
{
    QTest::addColumn<bool>("receiver");
    QTest::newRow("cable: nothing") << false;
    QTest::newRow("receiver: one compact state") << true;
}

void TestLightDealMain::sendTickAfterStop()
{
    QFETCH(bool, receiver);
    openDevice(receiver ? "Breeze84W" : "Aster104", receiver);
    m_engine->setLightSynchronous(true);
    m_engine->setLightSynchronous(false);
    QTRY_COMPARE(reportsOf(0x16).size(), 2);
    const int before = m_sim->received(m_id).size();
    // A tick the send ticker queued just before the stop.
    m_engine->onDviceUpdateAllKeyColorSendKeyboardHid();
    QTest::qWait(200);
    QCOMPARE(reportsOf(0x0E).size(), 0);
    QCOMPARE(reportsOf(0x28).size(), receiver ? 1 : 0);
    QCOMPARE(m_sim->received(m_id).size(), before + (receiver ? 1 : 0));
}

void TestLightDealMain::cableKeyboardForgetsPresses()
{
    openDevice("Breeze84W", true);
    const hidStructInfoAll receiver = m_engine->deviceInfo();
    hidStructInfoAll cable = receiver;
    cable.usbOrDongle = 0;
    m_engine->setKeyboardColorInfoDataStu(lightRecord(0, 8, 0, 255, 0));
    m_engine->setDeviceInfo(cable);
    m_engine->setInteractLightsPointXY(2, 3);
    m_engine->setDeviceInfo(receiver);
    m_engine->onDviceUpdateAllKeyColorSendKeyboardHid();
    QTRY_COMPARE(reportsOf(0x28).size(), 1);
    QCOMPARE(reportsOf(0x28).at(0).mid(4, 6), QByteArray::fromHex("080000000000"));

    // Behind the receiver the press goes out once, with the press's colour.
    CVorlanHid_keyClickedSendXY(2, 3);
    m_engine->setInteractLightsPointXY(2, 3);
    m_engine->onDviceUpdateAllKeyColorSendKeyboardHid();
    m_engine->onDviceUpdateAllKeyColorSendKeyboardHid();
    QTRY_COMPARE(reportsOf(0x28).size(), 3);
    qInfo() << "0x28 with a press:" << reportsOf(0x28).at(1).toHex(' ');
    QCOMPARE(reportsOf(0x28).at(1).mid(4, 6), QByteArray::fromHex("08020300ff00"));
    QCOMPARE(reportsOf(0x28).at(2).mid(4, 6), QByteArray::fromHex("080000000000"));
}

void TestLightDealMain::customIgnoresTheEffectFrame()
{
    m_engine->setDeviceInfo(deviceRecord("Aster104", 0));
    m_engine->setLightModeSupport(support(5), support(5));
    m_caps[1][4]->setCustomLightColor(QColor(0, 200, 0));
    m_engine->setKeyboardColorInfoDataStu(lightRecord(0, 10, 255, 0, 0, 6));
    m_engine->sendCustomLed(0, 0);
    m_engine->onDviceUpdateAllKeyColor();
    QCOMPARE(m_engine->keyColor(1, 4), QColor(0, 200, 0, 180));
    QCOMPARE(m_engine->keyColor(0, 0).alpha(), 0); // black custom cell, not the effect's red
    QCOMPARE(m_caps[1][4]->getCustomLightColor(), QColor(0, 200, 0, 255));
}

void TestLightDealMain::refusalLogsTheLine()
{
    // A HID object that was never opened refuses every report.
    MainHidInterFace closed(0, "Aster104");
    m_engine->setDeviceInfo(deviceRecord("Aster104", 1));
    m_engine->setHidInterface(&closed);
    QTest::ignoreMessage(QtWarningMsg, "USB serial port [ Into Light Synchronous ] Failed ...");
    m_engine->setLightSynchronous(true);
    QTest::ignoreMessage(QtWarningMsg, "USB serial port [Write keyboard Color] Failed ... 2.4G");
    m_engine->onDviceUpdateAllKeyColorSendKeyboardHid();
    for (int i = 0; i < 8; ++i)
        QTest::ignoreMessage(QtWarningMsg, "USB serial port [Write custom-Led] Failed ...");
    m_engine->sendCustomLed(0, 0);
    m_engine->setDeviceInfo(deviceRecord("Aster104", 0));
    for (int i = 0; i < 10; ++i)
        QTest::ignoreMessage(QtWarningMsg, "USB serial port [Write keyboard Color] Failed ... USB");
    m_engine->onDviceUpdateAllKeyColorSendKeyboardHid();
    QTest::ignoreMessage(QtWarningMsg, "USB serial port [ Into Light Synchronous ] Failed ...");
    m_engine->setLightSynchronous(false);
    m_engine->setHidInterface(nullptr);
}

void TestLightDealMain::goneDeviceSendsNothing()
{
    openDevice("Aster104", false);
    m_engine->setLightSynchronous(true);
    m_hid->closeHid();
    m_hid.reset();
    // Ticks queued before the device went: silent, no crash.
    m_engine->onDviceUpdateAllKeyColorSendKeyboardHid();
    m_engine->onSendLightSynchronize0x17Cmd();
    m_engine->setLightSynchronous(false);
    QVERIFY(!m_engine->hidInterface());
}

void TestLightDealMain::tickersPaintTheCapsAndRestart()
{
    openDevice("Aster104", false);
    m_engine->setKeyboardColorInfoDataStu(lightRecord(0, 0, 255, 0, 0, 6));
    m_engine->setLightPreviewEnabled(true);
    m_engine->setLightTickerRuning(true);
    QVERIFY(m_engine->isKeyTickerRuning());
    auto allCaps = [this](const QColor &colour) {
        for (auto &row : m_caps) {
            for (keyboardButCustom *cap : row) {
                if (cap->getLightColor() != colour)
                    return false;
            }
        }
        return true;
    };
    QTRY_VERIFY_WITH_TIMEOUT(allCaps(QColor(255, 0, 0, 180)), 1000);

    m_engine->setLightTickerRuning(false);
    QVERIFY(!m_engine->isKeyTickerRuning());
    m_engine->setKeyboardColorInfoDataStuHaveChanged(lightRecord(0, 0, 0, 0, 255, 6));
    QTest::qWait(100);
    QVERIFY(allCaps(QColor(255, 0, 0, 180))); // stopped: the picture keeps its colours
    m_engine->setLightTickerRuning(true);
    QTRY_VERIFY_WITH_TIMEOUT(allCaps(QColor(0, 0, 255, 180)), 1000);

    // Destroying a running engine stops and joins its threads.
    m_engine->setLightSynchronous(true);
    m_engine.reset();
}

QTEST_MAIN(TestLightDealMain)
#include "tst_lightDealMain.moc"
