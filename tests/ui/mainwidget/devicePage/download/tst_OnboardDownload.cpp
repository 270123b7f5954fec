#include "tests/support/OnboardProfileFixture.h"
#include "ui/mainwidget/devicePage/download/DownloadWaiter.h"
#include "ui/mainwidget/devicePage/download/OnboardDownload.h"
#include "ui/mainwidget/devicePage/download/OnboardReportSink.h"

#include <QtTest>

#include <cstring>

namespace {

// Every report and pause in the order they happen, as short tokens: K<layer>.<packet>,
// M<slot>.<part>, A<index> (advanced key), B<index> (blank advanced key), P (pause).
using Trace = QStringList;

QString token(const QByteArray &report)
{
    const int b2 = quint8(report[2]);
    switch (quint8(report[1])) {
    case 0x17: return QString("K%1.%2").arg(b2).arg(quint8(report[4]));
    case 0x18: return QString("M%1.%2").arg(b2).arg(quint8(report[4]));
    case 0x2A: return QString(report[6] ? "A%1" : "B%1").arg(b2);
    default: return QString("?%1").arg(quint8(report[1]));
    }
}

Trace sequence(const QString &format, int from, int to)
{
    Trace out;
    for (int i = from; i <= to; ++i)
        out << format.arg(i);
    return out;
}

Trace macroSlots(int from, int to)
{
    Trace out;
    for (int slot = from; slot <= to; ++slot)
        out << sequence(QString("M%1.%2").arg(slot).arg("%1"), 0, 4);
    return out;
}

class RecordingSink : public OnboardReportSink
{
public:
    explicit RecordingSink(Trace &trace)
        : m_trace(trace)
    {
    }

    int sendCommand(const unsigned char *report) override
    {
        const QByteArray copy(reinterpret_cast<const char *>(report), 64);
        m_trace << token(copy);
        reports << copy;
        if (copy[1] == 0x18) {
            if (copy == m_lastMacro)
                ++resends;
            else
                ++macroReports;
            m_lastMacro = copy;
        }
        return 0;
    }

    QByteArray find(const QString &name) const
    {
        for (const QByteArray &report : reports) {
            if (token(report) == name)
                return report;
        }
        return QByteArray();
    }

    QVector<QByteArray> reports;
    int macroReports = 0;
    int resends = 0;

private:
    Trace &m_trace;
    QByteArray m_lastMacro;
};

// Delivers each macro report's acknowledgement on the wait the script names (0 = never); no time passes.
class ScriptedWaiter : public DownloadWaiter
{
public:
    ScriptedWaiter(Trace &trace, RecordingSink &sink)
        : m_trace(trace)
        , m_sink(sink)
    {
    }

    void waitProcessingEvents(const std::function<bool()> &done, int timeoutMs) override
    {
        QCOMPARE(timeoutMs, 100);
        if (done())
            return;
        if (m_sink.macroReports != m_awaited) {
            m_awaited = m_sink.macroReports;
            m_waitsForAwaited = 0;
        }
        ++m_waitsForAwaited;
        ++waits;
        if (onWait)
            onWait(waits);
        const int ackWait = ackOnWait ? ackOnWait(m_awaited) : 1;
        if (ackWait == m_waitsForAwaited)
            download->onAcknowledged();
    }

    void pause(int ms) override
    {
        QCOMPARE(ms, 400);
        m_trace << "P";
        if (onPause)
            onPause(++pauses);
    }

    OnboardDownload *download = nullptr;
    std::function<int(int macroReport)> ackOnWait;
    std::function<void(int wait)> onWait;
    std::function<void(int pause)> onPause;
    int waits = 0;
    int pauses = 0;

private:
    Trace &m_trace;
    RecordingSink &m_sink;
    int m_awaited = 0;
    int m_waitsForAwaited = 0;
};

QByteArray entryAt(const QByteArray &keyReport, int indexInReport)
{
    return keyReport.mid(6 + 4 * indexInReport, 4);
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int value : values)
        out.append(static_cast<char>(value));
    return out;
}

SeniorKeyInfoStu advancedKey(int id, int type, const char *key1)
{
    SeniorKeyInfoStu key;
    std::memset(&key, 0, sizeof(key));
    key.id = id;
    key.type = type;
    std::strncpy(key.key1, key1, sizeof(key.key1) - 1);
    key.holdMs = 200;
    return key;
}

} // namespace

class TestOnboardDownload : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void plainKeyboardGetsLayersMacrosAndBlankSlots();
    void acknowledgementWaitsAndResends_data();
    void acknowledgementWaitsAndResends();
    void neverAcknowledgedRepeatsOnceAndKeepsAdvancedKeys();
    void magneticKeyboardGetsAdvancedKeysAndBlankPlaces();
    void unreadableLayerFileEndsWithFailure();
    void whatDoesNotFitIsAFailure_data();
    void whatDoesNotFitIsAFailure();
    void keyboardSwitchDuringWaitStopsDownload();
    void keyboardSwitchDuringPauseStopsDownload_data();
    void keyboardSwitchDuringPauseStopsDownload();
    void secondRunDuringDownloadIsRefused();
    void withoutDeviceDownloadFails();

private:
    bool download(bool magnetic);

    QTemporaryDir m_dir;
    std::unique_ptr<OnboardProfileFixture> m_profile;
    Trace m_trace;
    std::unique_ptr<RecordingSink> m_sink;
    std::unique_ptr<ScriptedWaiter> m_waiter;
    std::unique_ptr<OnboardDownload> m_download;
    OnboardReportSink *m_target = nullptr;
};

void TestOnboardDownload::init()
{
    m_profile = std::make_unique<OnboardProfileFixture>(m_dir.path() + "/" + QTest::currentTestFunction()
                                                        + QTest::currentDataTag());
    m_trace.clear();
    m_sink = std::make_unique<RecordingSink>(m_trace);
    m_waiter = std::make_unique<ScriptedWaiter>(m_trace, *m_sink);
    m_download = std::make_unique<OnboardDownload>(*m_waiter);
    m_waiter->download = m_download.get();
    m_target = m_sink.get();
    m_download->setTargetProvider([this] { return m_target; });
}

void TestOnboardDownload::cleanup()
{
    m_download.reset();
    m_waiter.reset();
    m_sink.reset();
    m_profile.reset();
}

bool TestOnboardDownload::download(bool magnetic)
{
    OnboardDownloadRequest request;
    request.keyCodes = OnboardProfileFixture::keyMatrix();
    request.magnetic = magnetic;
    request.deviceFolder = m_profile->folder();
    request.seniorKeyXmlPath = m_profile->seniorKeyPath();
    return m_download->run(request);
}

void TestOnboardDownload::plainKeyboardGetsLayersMacrosAndBlankSlots()
{
    // Key 21 sits at position 20 (packet 1), key 30 at position 29 (packet 2).
    m_profile->setKey(0, 4, "0", "0", "5");
    m_profile->setKey(0, 21, "1", "2", "3", "5");
    m_profile->bindMacro(0, 3,
                         {OnboardProfileFixture::macroEvent("key", 4, "down", 0),
                          OnboardProfileFixture::macroEvent("key", 4, "up", 50)});
    m_profile->setKey(1, 4, "2", "0", "3,4");
    m_profile->setKey(1, 30, "1", "1", "3", "1");
    m_profile->bindMacro(1, 3, {OnboardProfileFixture::macroEvent("key", 5, "down", 0)});

    QVERIFY(download(false));

    Trace expected;
    expected << "K0.0" << macroSlots(0, 0) << sequence("K0.%1", 1, 9) << "K2.0"
             << "K2.1" << macroSlots(1, 1) << sequence("K2.%1", 2, 9) << "P" << macroSlots(2, 9);
    QCOMPARE(m_trace, expected);
    QCOMPARE(m_sink->resends, 0);

    const QByteArray defaultFirst = m_sink->find("K0.0");
    QCOMPARE(defaultFirst.left(6), bytes({1, 0x17, 0, 0, 0, 56}));
    QCOMPARE(entryAt(defaultFirst, 0), bytes({0, 1, 0, 0}));  // no record: own function
    QCOMPARE(entryAt(defaultFirst, 3), bytes({0, 5, 0, 0}));  // remapped to B
    QCOMPARE(entryAt(defaultFirst, 5), bytes({1, 0, 0, 0}));  // Fn
    QCOMPARE(entryAt(defaultFirst, 6), bytes({7, 16, 0, 0})); // Volume+
    QCOMPARE(entryAt(defaultFirst, 10), bytes({0, 0, 0, 0})); // gap
    QCOMPARE(entryAt(m_sink->find("K0.1"), 6), bytes({16, 21, 0, 0}));
    QCOMPARE(m_sink->find("K0.9").left(6), bytes({1, 0x17, 0, 0, 9, 24}));
    QCOMPARE(entryAt(m_sink->find("K2.0"), 3), bytes({19, 224, 225, 4}));
    QCOMPARE(entryAt(m_sink->find("K2.2"), 1), bytes({16, 30, 1, 0}));

    // Each slot carries the copy bound in its own layer file, with the key's play mode and count.
    QCOMPARE(m_sink->find("M0.0").mid(6, 16), bytes({0, 1, 0, 8, 0, 5, 0, 0, 4, 0x10, 0, 0x32, 4, 0, 0, 0}));
    QCOMPARE(m_sink->find("M1.0").mid(6, 12), bytes({0, 0, 0, 4, 0, 1, 0, 0, 5, 0x10, 0, 0}));
    QCOMPARE(m_sink->find("M9.4"), bytes({1, 0x18, 9, 0, 4, 24}).append(QByteArray(58, '\0')));
}

void TestOnboardDownload::acknowledgementWaitsAndResends_data()
{
    QTest::addColumn<int>("ackWait");
    QTest::addColumn<int>("resends");
    QTest::newRow("acknowledged at once") << 1 << 0;
    QTest::newRow("acknowledged after one resend") << 2 << 1;
    QTest::newRow("acknowledged in the fourth wait") << 4 << 3;
}

void TestOnboardDownload::acknowledgementWaitsAndResends()
{
    QFETCH(int, ackWait);
    QFETCH(int, resends);
    // Only the first macro report's acknowledgement is late, so the second waits for it.
    m_waiter->ackOnWait = [ackWait](int report) { return report == 1 ? ackWait : 1; };
    QVERIFY(download(false));
    QCOMPARE(m_sink->resends, resends);
    QCOMPARE(m_trace.count("K0.0"), 1);
    // The resends repeat the first part while the second waits.
    const int second = m_trace.indexOf("M0.1");
    QCOMPARE(m_trace.mid(second - resends - 1, resends + 1).count("M0.0"), resends + 1);
}

void TestOnboardDownload::neverAcknowledgedRepeatsOnceAndKeepsAdvancedKeys()
{
    m_profile->setKey(0, 21, "1", "1", "3");
    m_profile->bindMacro(0, 3, OnboardProfileFixture::typing({4}, 10));
    m_profile->setKey(1, 30, "40", "0", "7");
    m_profile->addAdvancedKey(advancedKey(7, 3, "4"));
    m_waiter->ackOnWait = [](int) { return 0; };

    QVERIFY(!download(true));

    // The second macro report waits four times (three resends of the first), then only
    // advanced-key reports go on.
    Trace attempt;
    attempt << "K0.0"
            << "M0.0"
            << "M0.0"
            << "M0.0"
            << "M0.0"
            << "A0"
            << "P"
            << "P" << sequence("B%1", 1, 39);
    QCOMPARE(m_trace, Trace() << attempt << attempt);
    QCOMPARE(OnboardDownload::resultText(false), QString("Download config failed, Please try again"));
    QCOMPARE(OnboardDownload::resultText(true), QString("Download config successful"));
}

void TestOnboardDownload::magneticKeyboardGetsAdvancedKeysAndBlankPlaces()
{
    m_profile->addAdvancedKey(advancedKey(1, 2, "225"));
    m_profile->addAdvancedKey(advancedKey(2, 3, "4"));
    m_profile->setKey(0, 4, "40", "0", "1");
    m_profile->setKey(0, 21, "40", "0", "2");
    m_profile->setKey(0, 23, "40", "0", "99"); // deleted after it was bound
    m_profile->setKey(1, 4, "40", "0", "1");   // the same advanced key again takes a new place

    QVERIFY(download(true));

    Trace expected;
    expected << "A0"
             << "K0.0"
             << "A1" << sequence("K0.%1", 1, 9) << "A2" << sequence("K2.%1", 0, 9) << "P" << macroSlots(0, 9) << "P"
             << sequence("B%1", 3, 39);
    QCOMPARE(m_trace, expected);
    QCOMPARE(entryAt(m_sink->find("K0.0"), 3), bytes({23, 0, 0, 0}));
    QCOMPARE(entryAt(m_sink->find("K0.1"), 6), bytes({23, 1, 0, 0}));
    QCOMPARE(entryAt(m_sink->find("K0.1"), 8), bytes({0, 23, 0, 0}));
    QCOMPARE(entryAt(m_sink->find("K2.0"), 3), bytes({23, 2, 0, 0}));
    QCOMPARE(m_sink->find("A0").mid(6, 10), bytes({2, 0, 225, 0, 0, 0, 0, 0, 0, 20}));
    QCOMPARE(m_sink->find("A1").mid(6, 5), bytes({3, 0, 4, 0, 0}));
}

void TestOnboardDownload::unreadableLayerFileEndsWithFailure()
{
    QVERIFY(QFile::remove(m_profile->layerPath(1)));
    QVERIFY(!download(false));
    // Each of the two attempts starts over once; nothing after the default layer is sent.
    const Trace layer = sequence("K0.%1", 0, 9);
    QCOMPARE(m_trace, Trace() << layer << layer << layer << layer);
}

void TestOnboardDownload::whatDoesNotFitIsAFailure_data()
{
    QTest::addColumn<QString>("what");
    QTest::newRow("eleven macro keys") << "macros";
    QTest::newRow("a macro of 63 events") << "events";
    QTest::newRow("41 advanced keys") << "advanced";
}

void TestOnboardDownload::whatDoesNotFitIsAFailure()
{
    QFETCH(QString, what);
    const QVector<int> matrix = OnboardProfileFixture::keyMatrix();
    QVector<int> keys; // key codes at positions 22 onwards, gaps left out
    for (int position = 22; position < matrix.size(); ++position) {
        if (matrix[position] != 0)
            keys << matrix[position];
    }
    if (what == "macros") {
        for (int i = 0; i < 11; ++i)
            m_profile->setKey(0, keys[i], "1", "1", "2");
        m_profile->bindMacro(0, 2, OnboardProfileFixture::typing({4}, 10));
    } else if (what == "events") {
        m_profile->setKey(0, keys[0], "1", "1", "2");
        std::list<MacroEvent> events = OnboardProfileFixture::typing(QVector<int>(31, 4), 10);
        events.push_back(OnboardProfileFixture::macroEvent("key", 5, "down", 10));
        m_profile->bindMacro(0, 2, events);
    } else {
        m_profile->addAdvancedKey(advancedKey(1, 3, "4"));
        for (int i = 0; i < 41; ++i)
            m_profile->setKey(0, keys[i], "40", "0", "1");
    }

    QVERIFY(!download(true));

    QCOMPARE(m_trace.count("K0.0"), 1); // repeating would not make it fit
    QVERIFY(!m_trace.contains("M10.0"));
    QVERIFY(!m_trace.contains("A40"));
    if (what == "macros") {
        // The eleventh macro key (packet 2) keeps its own function.
        QCOMPARE(m_trace.count("M9.4"), 1);
        QCOMPARE(entryAt(m_sink->find("K0.2"), matrix.indexOf(keys[10]) - 28), bytes({0, keys[10], 0, 0}));
    } else if (what == "events") {
        QCOMPARE(quint8(m_sink->find("M0.0")[9]), quint8(248));
    } else {
        QCOMPARE(m_trace.count("B39"), 0);
        QCOMPARE(m_trace.count("A39"), 1);
    }
}

void TestOnboardDownload::keyboardSwitchDuringWaitStopsDownload()
{
    m_profile->setKey(0, 21, "1", "1", "3");
    m_profile->bindMacro(0, 3, OnboardProfileFixture::typing({4}, 10));
    Trace otherTrace;
    RecordingSink other(otherTrace);
    m_waiter->onWait = [&](int) { m_target = &other; };

    QVERIFY(!download(false));
    QCOMPARE(m_trace, Trace() << "K0.0"
                              << "M0.0");
    QVERIFY(otherTrace.isEmpty());
}

void TestOnboardDownload::keyboardSwitchDuringPauseStopsDownload_data()
{
    QTest::addColumn<int>("pause");
    QTest::newRow("before the blank macro slots") << 1;
    QTest::newRow("before the blank advanced keys") << 2;
}

void TestOnboardDownload::keyboardSwitchDuringPauseStopsDownload()
{
    QFETCH(int, pause);
    Trace otherTrace;
    RecordingSink other(otherTrace);
    m_waiter->onPause = [&](int count) {
        if (count == pause)
            m_target = &other;
    };

    QVERIFY(!download(true));
    // Nothing after the pause the switch happened in, on either keyboard.
    QCOMPARE(m_trace.count("P"), pause);
    QCOMPARE(m_trace.last(), QString("P"));
    QVERIFY(otherTrace.isEmpty());
}

void TestOnboardDownload::secondRunDuringDownloadIsRefused()
{
    m_profile->setKey(0, 21, "1", "1", "3");
    m_profile->bindMacro(0, 3, OnboardProfileFixture::typing({4}, 10));
    int nestedResults = 0;
    m_waiter->onWait = [&](int wait) {
        if (wait == 1) {
            nestedResults += download(false) ? 1 : -1;
            QCOMPARE(m_trace, Trace() << "K0.0"
                                      << "M0.0");
        }
    };
    QVERIFY(download(false));
    QCOMPARE(nestedResults, -1);
    QCOMPARE(m_trace.count("K0.0"), 1);
}

void TestOnboardDownload::withoutDeviceDownloadFails()
{
    m_target = nullptr;
    QVERIFY(!download(true));
    QVERIFY(m_trace.count("P") == 4);
    QVERIFY(m_sink->reports.isEmpty());
}

QTEST_GUILESS_MAIN(TestOnboardDownload)
#include "tst_OnboardDownload.moc"
