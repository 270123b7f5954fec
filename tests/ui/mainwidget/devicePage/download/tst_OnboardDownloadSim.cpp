#include "device/MainHidInterFace.h"
#include "sdk/protocol/HidCmd.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/OnboardProfileFixture.h"
#include "tests/support/PacedReportLoop.h"
#include "tests/support/StallProbe.h"
#include "ui/mainwidget/devicePage/download/EventLoopDownloadWaiter.h"
#include "ui/mainwidget/devicePage/download/OnboardDownload.h"

#include <QtTest>

#include <cstring>

namespace {

using Entries = QMap<int, QByteArray>; // key code to its 4 on-board bytes

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int value : values)
        out.append(static_cast<char>(value));
    return out;
}

// The whole layer as the keyboard should hold it: every key its own function unless listed.
QString expectedLayer(const Entries &assigned)
{
    QByteArray layer;
    for (int code : OnboardProfileFixture::keyMatrix()) {
        if (assigned.contains(code))
            layer += assigned.value(code);
        else if (code == 0)
            layer += bytes({0, 0, 0, 0});
        else if (code == -10)
            layer += bytes({1, 0, 0, 0});
        else if (code == 127)
            layer += bytes({7, 18, 0, 0});
        else if (code == 128)
            layer += bytes({7, 16, 0, 0});
        else if (code == 129)
            layer += bytes({7, 17, 0, 0});
        else
            layer += bytes({0, code, 0, 0});
    }
    return QString::fromLatin1(layer.toHex(' '));
}

QString padded(const QByteArray &start, int size)
{
    return QString::fromLatin1((start + QByteArray(size - start.size(), '\0')).toHex(' '));
}

SeniorKeyInfoStu advancedKey(int id, int type, const char *key1, const char *key2)
{
    SeniorKeyInfoStu key;
    std::memset(&key, 0, sizeof(key));
    key.id = id;
    key.type = type;
    std::strncpy(key.key1, key1, sizeof(key.key1) - 1);
    std::strncpy(key.key2, key2, sizeof(key.key2) - 1);
    const int travel[] = {15, 36, 36, 15};
    std::copy(std::begin(travel), std::end(travel), key.travel);
    for (int i = 0; i < 16; ++i)
        key.dks[i] = i % 3;
    key.holdMs = 200;
    return key;
}

class InterfaceSink : public OnboardReportSink
{
public:
    explicit InterfaceSink(MainHidInterFace &hid)
        : m_hid(hid)
    {
    }
    int sendCommand(const unsigned char *report) override { return m_hid.sendCommand(report); }

private:
    MainHidInterFace &m_hid;
};

} // namespace

class TestOnboardDownloadSim : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void plainKeyboardHoldsWhatTheProfileSays_data();
    void plainKeyboardHoldsWhatTheProfileSays();
    void magneticKeyboardHoldsAdvancedKeys();
    void keyboardThatNeverAcknowledgesFails();
    void eventLoopKeepsRunningThroughDownload();

private:
    // Downloads into a freshly plugged keyboard and returns its memory once every report arrived.
    QJsonObject download(const QString &model, bool magnetic, const QString &fault, bool *successful);

    QTemporaryDir m_dir;
    std::unique_ptr<KbdsimProcess> m_sim;
    std::unique_ptr<OnboardProfileFixture> m_profile;
};

void TestOnboardDownloadSim::init()
{
    m_sim = std::make_unique<KbdsimProcess>();
    QVERIFY(m_sim->start(m_dir.path() + "/sim"));
    m_profile = std::make_unique<OnboardProfileFixture>(m_dir.path() + "/" + QTest::currentTestFunction()
                                                        + QTest::currentDataTag());
    // Default layer: a remap and a macro; FN layer: a combination and a second macro.
    m_profile->setKey(0, 4, "0", "0", "5");
    m_profile->setKey(0, 21, "1", "2", "3", "5");
    m_profile->bindMacro(0, 3,
                         {OnboardProfileFixture::macroEvent("key", 4, "down", 0),
                          OnboardProfileFixture::macroEvent("key", 4, "up", 50)});
    m_profile->setKey(1, 4, "2", "0", "3,4");
    m_profile->setKey(1, 30, "1", "1", "6");
    m_profile->bindMacro(1, 6,
                         {OnboardProfileFixture::macroEvent("mouse", 513, "down", 0),
                          OnboardProfileFixture::macroEvent("mouse", 514, "up", 300)});
}

void TestOnboardDownloadSim::cleanup()
{
    m_sim.reset();
    m_profile.reset();
}

QJsonObject TestOnboardDownloadSim::download(const QString &model, bool magnetic, const QString &fault,
                                             bool *successful)
{
    int id = 0;
    const QString path = m_sim->plug(model, &id);
    if (path.isEmpty())
        return QJsonObject();
    if (!fault.isEmpty() && !m_sim->control(fault.arg(id)).startsWith("OK"))
        return QJsonObject();

    PacedReportLoop device;
    EventLoopDownloadWaiter waiter;
    OnboardDownload download(waiter);
    download.setTargetProvider([&device] { return &device; });
    connect(&device, &PacedReportLoop::reportArrived, &download, [&download](const QByteArray &report) {
        if (report[1] == 0x19)
            download.onAcknowledged();
    });
    if (!device.open(path))
        return QJsonObject();

    OnboardDownloadRequest request;
    request.keyCodes = OnboardProfileFixture::keyMatrix();
    request.magnetic = magnetic;
    request.deviceFolder = m_profile->folder();
    request.seniorKeyXmlPath = m_profile->seniorKeyPath();
    *successful = download.run(request);

    // The download does not wait for the queue to drain.
    QJsonObject memory;
    const auto arrived = [&] {
        if (device.queued() != 0)
            return false;
        memory = m_sim->dump(id);
        return memory.value("received").toArray().size() == device.written();
    };
    if (!QTest::qWaitFor(arrived, 20000))
        return QJsonObject();
    return memory.value("onboard").toObject();
}

void TestOnboardDownloadSim::plainKeyboardHoldsWhatTheProfileSays_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("acksDropped");
    QTest::newRow("every report acknowledged") << QString() << 0;
    QTest::newRow("third acknowledgement lost") << QString("ackdrop %1 3") << 1;
}

void TestOnboardDownloadSim::plainKeyboardHoldsWhatTheProfileSays()
{
    QFETCH(QString, fault);
    QFETCH(int, acksDropped);
    bool successful = false;
    const QJsonObject memory = download("Aster104", false, fault, &successful);
    QVERIFY(!memory.isEmpty());
    QVERIFY(successful);

    const QJsonObject layers = memory.value("keyLayers").toObject();
    QCOMPARE(layers.keys(), QStringList({"0", "2"}));
    QCOMPARE(layers.value("0").toString(), expectedLayer({{4, bytes({0, 5, 0, 0})}, {21, bytes({16, 21, 0, 0})}}));
    QCOMPARE(layers.value("2").toString(), expectedLayer({{4, bytes({19, 224, 225, 4})}, {30, bytes({16, 30, 1, 0})}}));

    const QJsonArray macroSlots = memory.value("macroSlots").toArray();
    const QJsonObject first = macroSlots.at(0).toObject();
    QCOMPARE(first.value("image").toString(), padded(bytes({4, 0x10, 0, 0x32, 4, 0, 0, 0}), 248));
    QCOMPARE(first.value("playMode").toInt(), 1);
    QCOMPARE(first.value("playCount").toInt(), 5);
    QCOMPARE(first.value("eventBytes").toInt(), 8);
    const QJsonObject second = macroSlots.at(1).toObject();
    QCOMPARE(second.value("image").toString(), padded(bytes({1, 0x11, 1, 0x2C, 1, 0x01, 0, 0}), 248));
    for (int slot = 0; slot < 10; ++slot) {
        QCOMPARE(macroSlots.at(slot).toObject().value("parts").toInt(), 0x1F);
        if (slot >= 2)
            QCOMPARE(macroSlots.at(slot).toObject().value("image").toString(), padded(QByteArray(), 248));
    }
    QCOMPARE(memory.value("acksDropped").toInt(), acksDropped);
    QCOMPARE(memory.value("rejectedReports").toInt(), 0);
    for (const QJsonValue &place : memory.value("advancedKeys").toArray())
        QVERIFY(!place.toObject().value("written").toBool());
}

void TestOnboardDownloadSim::magneticKeyboardHoldsAdvancedKeys()
{
    m_profile->addAdvancedKey(advancedKey(1, 1, "4", "1,5"));
    m_profile->addAdvancedKey(advancedKey(2, 2, "225", "4"));
    m_profile->setKey(0, 40, "40", "0", "2");
    m_profile->setKey(1, 41, "40", "0", "1");

    bool successful = false;
    const QJsonObject memory = download("Quartz68HE", true, QString(), &successful);
    QVERIFY(!memory.isEmpty());
    QVERIFY(successful);

    const QJsonObject layers = memory.value("keyLayers").toObject();
    QCOMPARE(layers.value("0").toString(),
             expectedLayer({{4, bytes({0, 5, 0, 0})}, {21, bytes({16, 21, 0, 0})}, {40, bytes({23, 0, 0, 0})}}));
    QCOMPARE(layers.value("2").toString(),
             expectedLayer({{4, bytes({19, 224, 225, 4})}, {30, bytes({16, 30, 1, 0})}, {41, bytes({23, 1, 0, 0})}}));
    const QJsonArray places = memory.value("advancedKeys").toArray();
    QCOMPARE(places.at(0).toObject().value("data").toString(), padded(bytes({2, 0, 225, 0, 0, 0, 4, 0, 0, 20}), 58));
    QCOMPARE(places.at(1).toObject().value("data").toString(),
             padded(bytes({1, 15, 36, 36, 15, 0, 4, 0, 0, 0, 1, 2, 0, 0x13, 224, 5, 0, 1, 2,
                           0, 1,  0,  0,  0,  0, 2, 0, 1, 2, 0, 0, 0, 0,    0,   1, 2, 0}),
                    58));
    for (int index = 0; index < 40; ++index) {
        QVERIFY(places.at(index).toObject().value("written").toBool());
        if (index >= 2)
            QCOMPARE(places.at(index).toObject().value("data").toString(), padded(QByteArray(), 58));
    }
    QCOMPARE(memory.value("rejectedReports").toInt(), 0);
}

void TestOnboardDownloadSim::keyboardThatNeverAcknowledgesFails()
{
    bool successful = true;
    const QJsonObject memory = download("Aster104", false, "ackdrop %1 all", &successful);
    QVERIFY(!memory.isEmpty());
    QVERIFY(!successful);
    // Two attempts, each stopped at the second macro report: only slot 0's first part arrived.
    const QJsonArray macroSlots = memory.value("macroSlots").toArray();
    QCOMPARE(macroSlots.at(0).toObject().value("parts").toInt(), 0x01);
    QCOMPARE(macroSlots.at(1).toObject().value("parts").toInt(), 0);
    QCOMPARE(memory.value("acksDropped").toInt(), 8);
}

void TestOnboardDownloadSim::eventLoopKeepsRunningThroughDownload()
{
    // Both pauses of a magnetic keyboard, through the HID I/O thread as the program runs it.
    m_profile->addAdvancedKey(advancedKey(1, 1, "4", "1,5"));
    m_profile->setKey(0, 40, "40", "0", "1");
    int id = 0;
    const QString path = m_sim->plug("Quartz68HE", &id);
    QVERIFY(!path.isEmpty());
    MainHidInterFace hid(0, "Quartz68HE");
    QCOMPARE(hid.openHid(path), 0);
    hid.start();
    InterfaceSink sink(hid);
    EventLoopDownloadWaiter waiter;
    OnboardDownload download(waiter);
    download.setTargetProvider([&sink] { return &sink; });
    connect(&hid, &MainHidInterFace::sigHidDataArrived, &download, [&download](const QByteArray &report) {
        if (uchar(report[1]) == CMD_ONBOARD_ACK)
            download.onAcknowledged();
    });
    OnboardDownloadRequest request;
    request.keyCodes = OnboardProfileFixture::keyMatrix();
    request.magnetic = true;
    request.deviceFolder = m_profile->folder();
    request.seniorKeyXmlPath = m_profile->seniorKeyPath();

    StallProbe probe;
    probe.start();
    QVERIFY(download.run(request));
    probe.stop();
    QVERIFY2(probe.longestGapMs() <= 100, qPrintable(QString("stalled %1 ms").arg(probe.longestGapMs())));

    QVERIFY(QTest::qWaitFor(
        [&] {
            const QJsonArray places = m_sim->dump(id).value("onboard").toObject().value("advancedKeys").toArray();
            return !places.isEmpty() && places.last().toObject().value("written").toBool();
        },
        20000));
}

QTEST_GUILESS_MAIN(TestOnboardDownloadSim)
#include "tst_OnboardDownloadSim.moc"
