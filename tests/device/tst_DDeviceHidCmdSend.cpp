#include "device/DDeviceHidCmdSend.h"

#include "device/HidCmdReport.h"
#include "device/MainHidInterFace.h"
#include "sdk/hid/VorlanHidSdk.h"
#include "tests/support/SimServerFixture.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QTest>

#include <functional>
#include <memory>

namespace {

using Builder = std::function<void(DDeviceHidCmdSend &)>;

// The report a builder queues: the given leading bytes, the rest 0.
QByteArray expectedReport(const QByteArray &hexPrefix)
{
    return QByteArray::fromHex(hexPrefix).leftJustified(64, '\0');
}

QMap<QString, Builder> builders()
{
    QByteArray multimedia(64, '\x7f');
    multimedia[1] = 0x05;
    for (int i = 6; i <= 18; ++i)
        multimedia[i] = static_cast<char>(i - 5);

    return {
        {"writeSN", [](DDeviceHidCmdSend &b) { b.writeSN(QStringLiteral("0123456789abcdef0123456789abcdef")); }},
        {"writeSN long", [](DDeviceHidCmdSend &b) { b.writeSN(QString(40, QLatin1Char('z'))); }},
        {"writeKey", [](DDeviceHidCmdSend &b) { b.writeKey(QByteArray::fromHex("0200040506070809")); }},
        {"writeFullKey", [multimedia](DDeviceHidCmdSend &b) { b.writeFullKey(HidCmdReport::fromBytes(multimedia)); }},
        {"inquireLightMode", [](DDeviceHidCmdSend &b) { b.inquireLightMode(); }},
        {"inquireSideLightMode", [](DDeviceHidCmdSend &b) { b.inquireSideLightMode(); }},
        {"inquireKeyboardLightConfig", [](DDeviceHidCmdSend &b) { b.inquireKeyboardLightConfig(); }},
        {"inquireSideLightConfig", [](DDeviceHidCmdSend &b) { b.inquireSideLightConfig(); }},
        {"resetKeyboard", [](DDeviceHidCmdSend &b) { b.resetKeyboard(); }},
        {"setSleepTime 300 600", [](DDeviceHidCmdSend &b) { b.setSleepTime(300, 600, 1); }},
        {"setSleepTime 255 256", [](DDeviceHidCmdSend &b) { b.setSleepTime(255, 256, 0); }},
        {"setSleepTime wide", [](DDeviceHidCmdSend &b) { b.setSleepTime(0x12345, 0, 0x101); }},
        {"setLockWin 1010", [](DDeviceHidCmdSend &b) { b.setLockWin(1, 0, 1, 0); }},
        {"setLockWin 0101", [](DDeviceHidCmdSend &b) { b.setLockWin(0, 1, 0, 1); }},
        {"checkLayoutSupportCustom", [](DDeviceHidCmdSend &b) { b.checkLayoutSupportCustom(); }},
        {"checkSleepTime", [](DDeviceHidCmdSend &b) { b.checkSleepTime(); }},
        {"querySensitivity", [](DDeviceHidCmdSend &b) { b.querySensitivity(); }},
        {"queryAntiShake", [](DDeviceHidCmdSend &b) { b.queryAntiShake(); }},
        {"queryRateOfReturn", [](DDeviceHidCmdSend &b) { b.queryRateOfReturn(); }},
    };
}

} // namespace

class tst_DDeviceHidCmdSend : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void reportOnTheWire_data();
    void reportOnTheWire();
    void writeSNCreatesLowercaseHexNumber();
    void refusedQueueLogsItsLine_data();
    void refusedQueueLogsItsLine();

private:
    std::unique_ptr<SimServerFixture> m_sim;
    std::unique_ptr<MainHidInterFace> m_hid;
    DDeviceHidCmdSend m_builder;
    int m_keyboard = -1;
};

void tst_DDeviceHidCmdSend::initTestCase()
{
    m_sim = std::make_unique<SimServerFixture>();
    QVERIFY(m_sim->isRunning());
    QCOMPARE(CVorlanHid_Init(), 0);
    m_keyboard = m_sim->plug(QStringLiteral("Aster104"));
    QVERIFY(m_keyboard > 0);

    m_hid = std::make_unique<MainHidInterFace>(0, QStringLiteral("Aster104"), nullptr);
    QCOMPARE(m_hid->openHid(m_sim->devicePath(m_keyboard)), 0);
    m_hid->start(QThread::InheritPriority);
    m_builder.setHidInterface(m_hid.get());
    // The serial-number inquiry goes first; start each row from a clean log.
    QTRY_COMPARE_WITH_TIMEOUT(m_sim->receivedCommands(m_keyboard), QList<int>{0x14}, 5000);
}

void tst_DDeviceHidCmdSend::cleanupTestCase()
{
    if (m_hid)
        m_hid->closeHid();
    m_hid.reset();
    m_sim.reset();
}

void tst_DDeviceHidCmdSend::reportOnTheWire_data()
{
    QTest::addColumn<QString>("builder");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("writeSN") << "writeSN"
                             << expectedReport("011500000020"
                                               "3031323334353637383961626364656630313233343536373839616263646566");
    QTest::newRow("writeSN cut to 32 bytes")
        << "writeSN long" << expectedReport("011500000020" + QByteArray(32, 'z').toHex());
    QTest::newRow("writeKey") << "writeKey" << expectedReport("0103000000090200040506070809");
    QTest::newRow("writeFullKey echoes bytes 6..18")
        << "writeFullKey" << expectedReport("0104000000150102030405060708090a0b0c0d");
    QTest::newRow("inquireLightMode") << "inquireLightMode" << expectedReport("0109");
    QTest::newRow("inquireSideLightMode") << "inquireSideLightMode" << expectedReport("0101");
    QTest::newRow("inquireKeyboardLightConfig") << "inquireKeyboardLightConfig" << expectedReport("010601");
    QTest::newRow("inquireSideLightConfig") << "inquireSideLightConfig" << expectedReport("010701");
    QTest::newRow("resetKeyboard") << "resetKeyboard" << expectedReport("01130000000101");
    QTest::newRow("setSleepTime 300, 600") << "setSleepTime 300 600" << expectedReport("011301000001000000012c025801");
    QTest::newRow("setSleepTime 255, 256") << "setSleepTime 255 256" << expectedReport("01130100000100000000ff010000");
    QTest::newRow("setSleepTime above 16 bits, flag's low byte")
        << "setSleepTime wide" << expectedReport("0113010000010000001245000001");
    QTest::newRow("setLockWin third and fourth swapped") << "setLockWin 1010"
                                                         << expectedReport("01130000000100000000000000"
                                                                           "01000001");
    QTest::newRow("setLockWin other flags") << "setLockWin 0101"
                                            << expectedReport("01130000000100000000000000"
                                                              "00010100");
    QTest::newRow("checkLayoutSupportCustom") << "checkLayoutSupportCustom" << expectedReport("010d");
    QTest::newRow("checkSleepTime") << "checkSleepTime" << expectedReport("011302000001");
    QTest::newRow("querySensitivity") << "querySensitivity" << expectedReport("01290000001804");
    QTest::newRow("queryAntiShake asks, not sets") << "queryAntiShake" << expectedReport("0129000000180a00");
    QTest::newRow("queryRateOfReturn asks, not sets") << "queryRateOfReturn" << expectedReport("0129000000180900");
}

void tst_DDeviceHidCmdSend::reportOnTheWire()
{
    QFETCH(QString, builder);
    QFETCH(QByteArray, expected);

    const int before = m_sim->received(m_keyboard).size();
    builders().value(builder)(m_builder);
    QTRY_COMPARE_WITH_TIMEOUT(m_sim->received(m_keyboard).size(), before + 1, 5000);
    QCOMPARE(m_sim->received(m_keyboard).last().toHex(' '), expected.toHex(' '));
}

void tst_DDeviceHidCmdSend::writeSNCreatesLowercaseHexNumber()
{
    const int before = m_sim->received(m_keyboard).size();
    const QString serial = m_builder.writeSN(QString());
    QVERIFY2(QRegularExpression(QStringLiteral("^[0-9a-f]{32}$")).match(serial).hasMatch(), qPrintable(serial));
    QTRY_COMPARE_WITH_TIMEOUT(m_sim->received(m_keyboard).size(), before + 1, 5000);
    const QByteArray written = m_sim->received(m_keyboard).last();
    QCOMPARE(written.mid(0, 6).toHex(), QByteArray("011500000020"));
    QCOMPARE(QString::fromLatin1(written.mid(6, 32)), serial);
    QCOMPARE(written.mid(38), QByteArray(26, '\0'));
    QVERIFY(m_builder.writeSN(QString()) != serial);
}

void tst_DDeviceHidCmdSend::refusedQueueLogsItsLine_data()
{
    QTest::addColumn<QString>("builder");
    QTest::addColumn<QString>("line");

    QTest::newRow("writeSN") << "writeSN"
                             << "USB serial port [Write SN] Failed ...";
    QTest::newRow("writeKey") << "writeKey"
                              << "USB serial port [Write Key] Failed ...";
    QTest::newRow("writeFullKey") << "writeFullKey"
                                  << "USB serial port [Write Key] Failed ...";
    QTest::newRow("inquireLightMode") << "inquireLightMode"
                                      << "---------- *** Inquire [Light Mode] Failed *** ----------";
    QTest::newRow("inquireSideLightMode") << "inquireSideLightMode"
                                          << "---------- *** Inquire [Side Light Mode] Failed *** ----------";
    QTest::newRow("inquireKeyboardLightConfig")
        << "inquireKeyboardLightConfig"
        << "---------- *** Inquire [Keyboard Light Config] Failed *** ----------";
    QTest::newRow("inquireSideLightConfig") << "inquireSideLightConfig"
                                            << "---------- *** Inquire [Side Light Config] Failed *** ----------";
    QTest::newRow("resetKeyboard") << "resetKeyboard"
                                   << "---------- *** [Reset] Failed *** ----------";
    QTest::newRow("setSleepTime") << "setSleepTime 300 600"
                                  << "---------- *** [Set Sleep time] Failed *** ----------";
    QTest::newRow("setLockWin") << "setLockWin 1010"
                                << "---------- *** [Lock Win] Failed *** ----------";
    QTest::newRow("checkLayoutSupportCustom") << "checkLayoutSupportCustom"
                                              << "USB serial port [Check keyboard layout is support custom] Failed ...";
    QTest::newRow("checkSleepTime") << "checkSleepTime"
                                    << "---------- *** [Check Sleep time] Failed *** ----------";
    QTest::newRow("querySensitivity") << "querySensitivity"
                                      << "USB serial port [Query Keyboard Sensitivity] Failed ...";
    QTest::newRow("queryAntiShake") << "queryAntiShake"
                                    << "USB serial port [Query Keyboard Sensitivity] Failed ...";
    QTest::newRow("queryRateOfReturn") << "queryRateOfReturn"
                                       << "USB serial port [Query Keyboard Sensitivity] Failed ...";
}

void tst_DDeviceHidCmdSend::refusedQueueLogsItsLine()
{
    QFETCH(QString, builder);
    QFETCH(QString, line);

    // Never opened: the queue refuses every report.
    MainHidInterFace closed(1, QStringLiteral("Aster104"), nullptr);
    DDeviceHidCmdSend refused;
    refused.setHidInterface(&closed);
    QTest::ignoreMessage(QtDebugMsg, qPrintable(line));
    builders().value(builder)(refused);
    if (builder.startsWith(QLatin1String("setLockWin"))) {
        QTest::ignoreMessage(QtDebugMsg, qPrintable(line));
        QCOMPARE(refused.setLockWin(1, 1, 1, 1), -1);
    }
}

QTEST_GUILESS_MAIN(tst_DDeviceHidCmdSend)
#include "tst_DDeviceHidCmdSend.moc"
