#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "platform/FakeKeyHookBackend.h"
#include "resources/VorlanResources.h"
#include "sdk/light/VorlanLightSdk.h"
#include "sdk/store/VorlanXml.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/SeenAppVersion.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"
#include "widgets/keySelectFrame.h"
#include "widgets/keyboardButCustom.h"
#include "widgets/sideLightButtonCustom.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const int Patience = 20000;

colorInfoData staticRecord(int area, int r, int g, int b)
{
    colorInfoData info{};
    info.area = area;
    info.lightMode = 0;
    info.brightness = 5; // the top level of a keyboard with 4 brightness steps
    info.speed = 3;
    info.colorR = r;
    info.colorG = g;
    info.colorB = b;
    return info;
}

struct Logged
{
    qint64 ms;
    QByteArray report;
};

} // namespace

// The light engine of the program against the simulated keyboard: the picture's colours reach
// the keyboard as the colour stream while synchronisation is on.
class tst_LightEngineKbdsim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void staticColoursStreamToTheKeyboard();
    void receiverGetsOnePressInTheCompactState();
    void cleanupTestCase();

private:
    QList<Logged> received(int id, int command);
    void select(const char *model, int usbOrDongle = 0);

    KbdsimProcess m_sim;
    FakeKeyHookBackend m_hooks;
    std::unique_ptr<DMainWidget> m_window;
};

void tst_LightEngineKbdsim::initTestCase()
{
    initVorlanResources();
    markAppVersionSeen();
    DDataManager::instance()->loadTheme(0);
    QVERIFY(m_sim.start(qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim"));
    WindowsHookInterface::setBackend(&m_hooks);
}

void tst_LightEngineKbdsim::cleanupTestCase()
{
    m_window.reset();
    WindowsHookInterface::setBackend(nullptr);
}

QList<Logged> tst_LightEngineKbdsim::received(int id, int command)
{
    QList<Logged> reports;
    for (const QJsonValue &entry : m_sim.dump(id).value("received").toArray()) {
        const QJsonObject object = entry.toObject();
        const QByteArray report = QByteArray::fromHex(object.value("report").toString().toLatin1());
        if (report.size() == 64 && static_cast<unsigned char>(report.at(1)) == command)
            reports.append({qint64(object.value("ms").toDouble()), report});
    }
    return reports;
}

void tst_LightEngineKbdsim::select(const char *model, int usbOrDongle)
{
    DDevicePage *page = m_window->devicePage();
    const auto card = [&]() -> DDeviceListItem * {
        for (DDeviceListItem *item : page->getDeviceItemMap()) {
            const hidStructInfoAll info = item->getHidInfo();
            if (qstrcmp(info.hidName, model) == 0 && info.isOnline == 1 && info.usbOrDongle == usbOrDongle)
                return item;
        }
        return nullptr;
    };
    QTRY_VERIFY_WITH_TIMEOUT(card(), Patience);
    page->onHidItemMouseClicked(card()->getHidInfo());
    QTRY_VERIFY_WITH_TIMEOUT(page->getCurrentDeviceItem()
                                 && qstrcmp(page->getCurrentDeviceItem()->getHidInfo().hidName, model) == 0
                                 && page->profileXmlPath()[0] != '\0',
                             Patience);
}

void tst_LightEngineKbdsim::staticColoursStreamToTheKeyboard()
{
    int aster = 0;
    int breeze = 0;
    QVERIFY(!m_sim.plug("Aster104", &aster).isEmpty());
    QVERIFY(!m_sim.plug("Breeze84W", &breeze).isEmpty());
    m_window = std::make_unique<DMainWidget>();
    DDevicePage *page = m_window->devicePage();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    select("Aster104");

    // The profile: keyboard Static red, side Static blue, both at the top level.
    const QByteArray path(page->profileXmlPath());
    const QByteArray index = QByteArray::number(DDataManager::instance()->getCurrentProfileIndex());
    for (const colorInfoData &record : {staticRecord(0, 255, 0, 0), staticRecord(1, 0, 0, 255)}) {
        if (!CVorlanXML_ModifyProFileLightInfoItem(path, index, record.area, 0, record))
            QVERIFY(CVorlanXML_AddProFileLightInfoItem(path, index, record));
        QVERIFY(CVorlanXML_ModifyProFileMouseLightUsingIndex(path, index, record.area, 0));
    }
    // Selecting the keyboard again starts the engine with that profile.
    select("Breeze84W");
    m_sim.control(QString("clearlog %1").arg(aster));
    QElapsedTimer sinceSelection;
    sinceSelection.start();
    select("Aster104");
    QTRY_VERIFY_WITH_TIMEOUT(!received(aster, 0x16).isEmpty(), 2000);
    QVERIFY(sinceSelection.elapsed() < 2000);
    QCOMPARE(int(received(aster, 0x16).first().report.at(6)), 1);

    // Complete colour sets: keys in packets 0..7, the 33-LED side light in two packets.
    QTRY_VERIFY_WITH_TIMEOUT(m_sim.dump(aster).value("lightStreamSets").toInt() >= 3, Patience);
    QList<Logged> stream = received(aster, 0x0E);
    QVector<int> keySizes, sideSizes;
    for (const Logged &frame : stream) {
        const int area = frame.report.at(2);
        const int packet = frame.report.at(4);
        const int size = static_cast<unsigned char>(frame.report.at(5));
        QVector<int> &sizes = area == 0 ? keySizes : sideSizes;
        if (packet == sizes.size())
            sizes << size;
    }
    QCOMPARE(keySizes, (QVector<int>{54, 54, 54, 54, 54, 54, 54, 18}));
    QCOMPARE(sideSizes, (QVector<int>{54, 45}));
    const QJsonObject memory = m_sim.dump(aster);
    QCOMPARE(memory.value("lightStreamKeys").toString().remove(' '), QString("ff0000").repeated(132));
    // The side stream carries the model's 33 LEDs: the picture's valid segments in blue, the
    // positions the picture lacks dark.
    QString side;
    const QList<sideLightButtonCustom *> segments =
        DDataManager::instance()->getKeySelectFrame()->getSideLightButtonList();
    for (int led = 0; led < 33; ++led)
        side += led < segments.size() && segments.at(led)->isValid() ? "0000ff" : "000000";
    QVERIFY(side.contains("0000ff"));
    QCOMPARE(memory.value("lightStreamSide").toString().remove(' ').left(33 * 6), side);

    // The synchronisation report repeats about every 3 s.
    QTRY_VERIFY_WITH_TIMEOUT(received(aster, 0x16).size() >= 2, 5000);
    const QList<Logged> syncs = received(aster, 0x16);
    const qint64 interval = syncs.at(1).ms - syncs.at(0).ms;
    QVERIFY2(interval > 2700 && interval < 3500, QByteArray::number(interval));

    // Selecting the other keyboard ends the synchronisation; the buffers stay as they are.
    m_sim.control(QString("clearlog %1").arg(aster));
    select("Breeze84W");
    QTRY_COMPARE_WITH_TIMEOUT(received(aster, 0x16).size(), 1, 2000);
    QCOMPARE(int(received(aster, 0x16).first().report.at(6)), 0);
    const int sets = m_sim.dump(aster).value("lightStreamSets").toInt();
    QTest::qWait(500);
    QCOMPARE(m_sim.dump(aster).value("lightStreamSets").toInt(), sets);
    QCOMPARE(received(aster, 0x16).size(), 1);
}

void tst_LightEngineKbdsim::receiverGetsOnePressInTheCompactState()
{
    int receiver = 0;
    QVERIFY(!m_sim.plug("Breeze84W:receiver", &receiver).isEmpty());
    // A keyboard behind a receiver becomes current once it reports itself in reach.
    DDevicePage *page = m_window->devicePage();
    const auto inReach = [&] {
        m_sim.control(QString("status %1 0 0 85 1 0 0").arg(receiver));
        for (DDeviceListItem *item : page->getDeviceItemMap()) {
            if (item->getHidInfo().usbOrDongle == 1 && item->getHidInfo().isOnline == 1)
                return true;
        }
        return false;
    };
    QVERIFY(QTest::qWaitFor(inReach, Patience));
    select("Breeze84W", 1);
    QTRY_VERIFY_WITH_TIMEOUT(page->getCurrentDeviceItem() && page->getCurrentDeviceItem()->getHidInfo().usbOrDongle == 1
                                 && page->lightEngine()->isLightSynchronous(),
                             Patience);

    // Ripple from the lighting tab: the hook passes presses through to the light effects.
    QTest::mouseClick(page->findChild<QToolButton *>("toolButton_LightConfig"), Qt::LeftButton);
    QToolButton *ripple = page->findChild<QToolButton *>("toolButton_Ripple");
    QVERIFY(ripple);
    QTest::mouseClick(ripple, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(page->lightEngine()->keyboardColorInfo().lightMode, 8, Patience);
    QTRY_VERIFY_WITH_TIMEOUT(m_hooks.keyboardHooked(), Patience);
    m_sim.control(QString("clearlog %1").arg(receiver));
    QTRY_VERIFY_WITH_TIMEOUT(received(receiver, 0x28).size() >= 5, Patience);

    DDataManager *data = DDataManager::instance();
    const keyboardButCustom *cap = data->getKeyButtonMap().value(data->getVirtualKeyMap().value(65), nullptr);
    QVERIFY(cap);
    QVERIFY(!m_hooks.injectKey(65, 0x1e, 0x00));
    m_hooks.injectKey(65, 0x1e, 0x80);
    const int seen = received(receiver, 0x28).size();
    QTRY_VERIFY_WITH_TIMEOUT(received(receiver, 0x28).size() >= seen + 10, Patience);
    // The press's colour (no press since).
    int r = 0, g = 0, b = 0;
    CVorlanHid_GetCurrentRippleLightColor(&r, &g, &b);

    int carrying = 0;
    for (const Logged &state : received(receiver, 0x28)) {
        QCOMPARE(int(state.report.at(4)), 8);
        const QByteArray payload = state.report.mid(5, 5);
        if (payload == QByteArray(5, '\0'))
            continue;
        ++carrying;
        qInfo() << "0x28 with the press:" << state.report.toHex(' ');
        QByteArray expected;
        for (int value : {cap->getRowIndex(), cap->getColumnIndex(), r, g, b})
            expected.append(char(value));
        QCOMPARE(payload, expected);
    }
    QCOMPARE(carrying, 1);
}

QTEST_MAIN(tst_LightEngineKbdsim)
#include "tst_LightEngineKbdsim.moc"
