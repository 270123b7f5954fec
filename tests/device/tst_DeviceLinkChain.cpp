#include "device/DDeviceKeyboardLink.h"

#include "app/DDataManager.h"
#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/ModelCatalog.h"
#include "sdk/store/VorlanXml.h"
#include "tests/support/SimServerFixture.h"
#include "tests/support/TestReports.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <cstring>
#include <memory>

namespace {

constexpr int kWait = 10000;

QByteArray report(int command, const QList<QPair<int, int>> &bytes = {})
{
    return testReport(command, bytes);
}

QByteArray keyState(std::initializer_list<int> bytes)
{
    QList<QPair<int, int>> placed;
    int index = 6;
    for (int value : bytes)
        placed.append(qMakePair(index++, value));
    return report(0x04, placed);
}

QList<int> toList(const std::vector<uint8_t> &values)
{
    QList<int> list;
    for (uint8_t value : values)
        list << value;
    return list;
}

} // namespace

class tst_DeviceLinkChain : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void inquiryChainRunsToItsEnd_data();
    void inquiryChainRunsToItsEnd();
    void forwardedKeysAnsweredOnceWithLocks();
    void multimediaReportsEchoedOnce();
    void inquireLightConfigSavesReportedLights();

private:
    // Opens a link to a plugged keyboard and waits for the end of its inquiry chain.
    bool openAndWait(DDeviceKeyboardLink &link, int keyboard, const QString &model);

    std::unique_ptr<SimServerFixture> m_sim;
    QByteArray m_profile;
};

void tst_DeviceLinkChain::initTestCase()
{
    m_profile = (qEnvironmentVariable("VORLAN_TEST_TMP") + QStringLiteral("/chain-profile.xml")).toLocal8Bit();
}

void tst_DeviceLinkChain::init()
{
    m_sim = std::make_unique<SimServerFixture>();
    QVERIFY(m_sim->isRunning());
    QCOMPARE(CVorlanHid_Init(), 0);
    QFile::remove(QString::fromLocal8Bit(m_profile));
    QVERIFY(CVorlanXML_CreateXMLFile(m_profile.constData()));
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(m_profile.constData(), "1", "Profile 1", 0));
}

void tst_DeviceLinkChain::cleanup()
{
    m_sim.reset();
}

bool tst_DeviceLinkChain::openAndWait(DDeviceKeyboardLink &link, int keyboard, const QString &model)
{
    hidStructInfoAll record{};
    std::strncpy(record.hidName, model.toLatin1().constData(), sizeof(record.hidName) - 1);
    std::strncpy(record.hidPath, m_sim->devicePath(keyboard).toLatin1().constData(), sizeof(record.hidPath) - 1);
    QSignalSpy layout(&link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d);
    link.openHidDevice(0, record);
    return layout.wait(kWait) || layout.count() > 0;
}

void tst_DeviceLinkChain::inquiryChainRunsToItsEnd_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QString>("serialFault");
    QTest::addColumn<QList<int>>("commands");

    QTest::newRow("plain model") << "Aster104"
                                 << "normal" << QList<int>{0x14, 0x06, 0x07, 0x09, 0x01, 0x0D};
    QTest::newRow("magnetic model asks for its three values")
        << "Quartz68HE"
        << "normal" << QList<int>{0x14, 0x06, 0x07, 0x09, 0x29, 0x29, 0x29, 0x01, 0x0D};
    QTest::newRow("blank serial number is written first")
        << "Aster104"
        << "blank" << QList<int>{0x14, 0x15, 0x06, 0x07, 0x09, 0x01, 0x0D};
    QTest::newRow("31 characters are not a serial number")
        << "Breeze84W"
        << "short" << QList<int>{0x14, 0x15, 0x06, 0x07, 0x09, 0x01, 0x0D};
}

void tst_DeviceLinkChain::inquiryChainRunsToItsEnd()
{
    QFETCH(QString, model);
    QFETCH(QString, serialFault);
    QFETCH(QList<int>, commands);

    const int keyboard = m_sim->plug(model);
    QVERIFY(keyboard > 0);
    const std::string answer =
        m_sim->server().execute("serial " + std::to_string(keyboard) + " " + serialFault.toStdString());
    QVERIFY2(answer.rfind("OK", 0) == 0, answer.c_str());
    m_sim->server().withKeyboard(keyboard, [](SimKeyboard &simulated) {
        simulated.memory().sensitivity = 41;
        simulated.memory().antiShake = 5;
        simulated.memory().reportRate = 3;
    });
    DDataManager::instance()->setSideLightModesReported(false);

    DDeviceKeyboardLink link;
    QSignalSpy layout(&link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d);
    QVERIFY(openAndWait(link, keyboard, model));
    QVERIFY(link.isInquireOver());
    QCOMPARE(layout.count(), 1);
    QCOMPARE(layout.first().at(0).toString(), m_sim->devicePath(keyboard));
    QCOMPARE(layout.first().at(1).toString(), model);
    QCOMPARE(m_sim->receivedCommands(keyboard), commands);

    // The serial number the link keeps is the one the keyboard holds from now on.
    std::string held;
    m_sim->server().withKeyboard(keyboard, [&held](SimKeyboard &simulated) { held = simulated.memory().serial; });
    QCOMPARE(link.getSN(), QString::fromStdString(held));
    QCOMPARE(link.getSN().size(), 32);
    if (serialFault == QLatin1String("normal"))
        QCOMPARE(link.getSN(), QLatin1String(SimServerFixture::DefaultSerial));

    const ModelInfo *info = ModelCatalog::findByName(model.toStdString());
    QVERIFY(info);
    QCOMPARE(link.getKeyboardLightModeSupport().modes, toList(info->keyboardLightModes));
    QCOMPARE(link.getKeyboardLightModeSupport().speedSteps, info->keyboardSpeedSteps);
    QCOMPARE(link.getSideLightModeSupport().modes, toList(info->sideLightModes));
    QCOMPARE(DDataManager::instance()->isSideLightModesReported(), !info->sideLightModes.empty());

    if (info->isMagnetic) {
        QList<int> subCommands;
        for (const QByteArray &sent : m_sim->received(keyboard)) {
            if (static_cast<unsigned char>(sent.at(1)) == 0x29)
                subCommands << sent.at(6) << sent.at(7);
        }
        QCOMPARE(subCommands, (QList<int>{4, 0, 10, 0, 9, 0}));
        QTRY_COMPARE_WITH_TIMEOUT(DDataManager::instance()->getRateOfReturnValue(), 3, kWait);
        QCOMPARE(DDataManager::instance()->getKeyboardSensitivity(), 41);
        QCOMPARE(DDataManager::instance()->getAntiShakeValue(), 5);
    }
}

void tst_DeviceLinkChain::forwardedKeysAnsweredOnceWithLocks()
{
    const int keyboard = m_sim->plug(QStringLiteral("Aster104"));
    QVERIFY(keyboard > 0);
    QVERIFY(CVorlanXML_AddProFileFunctionInfo(m_profile.constData(), "1", "1", "0", "1", "1"));
    DDeviceKeyboardLink link;
    link.setCurrentProfileXmlPath(m_profile.constData());
    link.setCurrentProfileIndex(1);
    QVERIFY(openAndWait(link, keyboard, QStringLiteral("Aster104")));

    // The locks act only while the keyboard's status asks for them.
    const QList<QByteArray> forwarded = {
        keyState({0x04, 0, 0x2B}),       // Alt+Tab, locks still off
        report(0x01, {{5, 1}, {6, 1}}),  // status: key locks on
        keyState({0x04, 0, 0x2B, 0x3D}), // Alt+Tab+F4: Tab removed, F4 not locked
        keyState({0x02, 0, 0x2B, 0x3D}), // Shift instead of Alt: Tab stays removed
        keyState({0x00, 0, 0x05, 0x2B}), // Tab pressed again with no modifier
        keyState({0x88, 0, 0x05}),       // both Windows keys: cleared
        keyState({0x0C, 0, 0x05, 0x2B}), // Alt+Tab with Windows still held (already cleared)
        keyState({}),                    // everything released
    };
    const QList<QByteArray> answers = {
        QByteArray::fromHex("04002b0000000000"), QByteArray::fromHex("04003d0000000000"),
        QByteArray::fromHex("02003d0000000000"), QByteArray::fromHex("0000050000000000"),
        QByteArray::fromHex("0000050000000000"), QByteArray::fromHex("0400050000000000"),
        QByteArray::fromHex("0000000000000000"),
    };

    const int before = m_sim->received(keyboard).size();
    for (const QByteArray &sent : forwarded)
        QVERIFY(m_sim->inject(keyboard, sent));
    // Reports are answered in order: once the echo of this last one is back, every key answer is.
    QVERIFY(m_sim->inject(keyboard, report(0x05)));
    QTRY_VERIFY_WITH_TIMEOUT(m_sim->receivedCommands(keyboard).contains(0x04), kWait);
    const QList<QByteArray> received = m_sim->received(keyboard).mid(before);
    QCOMPARE(received.size(), answers.size() + 1);
    QCOMPARE(static_cast<int>(received.last().at(1)), 0x04);
    for (int i = 0; i < answers.size(); ++i) {
        QCOMPARE(received.at(i).left(6).toHex(), QByteArray("010300000009"));
        QCOMPARE(received.at(i).mid(6, 8).toHex(' '), answers.at(i).toHex(' '));
    }
}

void tst_DeviceLinkChain::multimediaReportsEchoedOnce()
{
    const int keyboard = m_sim->plug(QStringLiteral("Aster104"));
    QVERIFY(keyboard > 0);
    DDeviceKeyboardLink link;
    QVERIFY(openAndWait(link, keyboard, QStringLiteral("Aster104")));

    const int before = m_sim->received(keyboard).size();
    QVERIFY(m_sim->inject(keyboard, report(0x05, {{6, 0x03}, {7, 0xE9}, {18, 0x11}, {19, 0x22}})));
    QVERIFY(m_sim->inject(keyboard, report(0x05, {{6, 0x03}})));
    QTRY_COMPARE_WITH_TIMEOUT(m_sim->received(keyboard).size(), before + 2, kWait);
    const QList<QByteArray> received = m_sim->received(keyboard).mid(before);
    QCOMPARE(received.at(0).toHex(), QByteArray::fromHex("01040000001503e9"
                                                         "00000000000000000000"
                                                         "11")
                                         .leftJustified(64, '\0')
                                         .toHex());
    QCOMPARE(received.at(1).left(7).toHex(), QByteArray("01040000001503"));
}

void tst_DeviceLinkChain::inquireLightConfigSavesReportedLights()
{
    const int keyboard = m_sim->plug(QStringLiteral("Aster104"));
    QVERIFY(keyboard > 0);
    m_sim->server().withKeyboard(keyboard, [](SimKeyboard &simulated) {
        simulated.memory().keyboardLight.mode = 7;
        simulated.memory().keyboardLight.brightness = 2;
        simulated.memory().sideLight.mode = 3;
    });
    DDeviceKeyboardLink link;
    link.setCurrentProfileXmlPath(m_profile.constData());
    QVERIFY(openAndWait(link, keyboard, QStringLiteral("Aster104")));
    // The chain's records stay in memory only.
    QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_profile.constData(), "1", 0), -1);

    QSignalSpy changed(&link, &DDeviceKeyboardLink::sigLightConfigHaveChanged_HidSend);
    QSignalSpy layout(&link, &DDeviceKeyboardLink::sigWaitForDataReturn_0x0d);
    const int before = m_sim->received(keyboard).size();
    link.inquireLightConfig();
    QVERIFY(layout.wait(kWait));
    QCOMPARE(m_sim->receivedCommands(keyboard).mid(before), (QList<int>{0x06, 0x07, 0x0D}));
    QTRY_COMPARE_WITH_TIMEOUT(changed.count(), 2, kWait);
    QCOMPARE(changed.at(0), (QVariantList{0, 7}));
    QCOMPARE(changed.at(1), (QVariantList{1, 3}));
    colorInfoData stored{};
    QVERIFY(CVorlanXML_SelectProfileColorDataInfo(m_profile.constData(), "1", 0, 7, &stored));
    QCOMPARE(stored.brightness, 3);
    QCOMPARE(CVorlanXML_SelectProFileMouseLightTypeUsingIndex(m_profile.constData(), "1", 1), 3);
}

QTEST_MAIN(tst_DeviceLinkChain)
#include "tst_DeviceLinkChain.moc"
