#include "app/WindowsHookInterface.h"

#include "app/DDataManager.h"
#include "platform/FakeKeyHookBackend.h"

#include <QtTest>

namespace {

using EventList = QVector<QVector<int>>;

} // namespace

// The hook's decisions, driven through the fake back end.
class tst_WindowsHookInterface : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void keySequences_data();
    void keySequences();
    void heldKeyTableHoldsAtMost128Keys();
    void macroRecordingGoesThroughDataManager();
    void stoppingMacroRecordingDropsMouseHook();
    void startWhileInstalledOnlyChangesMode();
    void failedKeyboardInstallReturnsZeroAndLogs();
    void failedMouseInstallKeepsKeyboardHook();
    void requestMacroRecordHookReturnsReceiverResult();
    void destroyedHookReleasesKeyboard();
    void desktopHookFailsOffX11();

private:
    FakeKeyHookBackend *m_backend = nullptr;
    WindowsHookInterface *m_hook = nullptr;
};

void tst_WindowsHookInterface::init()
{
    m_backend = new FakeKeyHookBackend;
    WindowsHookInterface::setBackend(m_backend);
    m_hook = new WindowsHookInterface;
}

void tst_WindowsHookInterface::cleanup()
{
    delete m_hook;
    m_hook = nullptr;
    WindowsHookInterface::setBackend(nullptr);
    delete m_backend;
    m_backend = nullptr;
}

void tst_WindowsHookInterface::keySequences_data()
{
    QTest::addColumn<int>("mode");
    // Each injected event: vk, scan code, flags.
    QTest::addColumn<EventList>("events");
    // Each report: vk, scan code, flag, hookFlag.
    QTest::addColumn<EventList>("reports");
    // Per event: 1 swallowed, 0 passed on.
    QTest::addColumn<QVector<int>>("swallowed");

    const QVector<int> aDown{0x41, 0x1E, 0x00};
    const QVector<int> aUp{0x41, 0x1E, 0x80};
    QTest::newRow("held key in mode 2: one press, repeats pass, one release")
        << 2 << EventList{aDown, aDown, aDown, aUp} << EventList{{0x41, 0x1E, 1, 0x00}, {0x41, 0x1E, 0, 0x80}}
        << QVector<int>{1, 0, 0, 1};
    QTest::newRow("mode 3 behaves as mode 2")
        << 3 << EventList{aDown, aDown, aUp} << EventList{{0x41, 0x1E, 1, 0x00}, {0x41, 0x1E, 0, 0x80}}
        << QVector<int>{1, 0, 1};
    QTest::newRow("Caps Lock in mode 2 is reported and passed")
        << 2 << EventList{{0x14, 0x3A, 0x00}, {0x14, 0x3A, 0x80}}
        << EventList{{0x14, 0x3A, 1, 0x00}, {0x14, 0x3A, 0, 0x80}} << QVector<int>{0, 0};
    QTest::newRow("lock keys and both Ctrl keys pass in mode 2")
        << 2
        << EventList{{0x90, 0x45, 0x01}, {0x91, 0x46, 0x00}, {0xA2, 0x1D, 0x00}, {0xA3, 0x1D, 0x01}, {0xA3, 0x1D, 0x81}}
        << EventList{{0x90, 0x45, 1, 0x01},
                     {0x91, 0x46, 1, 0x00},
                     {0xA2, 0x1D, 1, 0x00},
                     {0xA3, 0x1D, 1, 0x01},
                     {0xA3, 0x1D, 0, 0x81}}
        << QVector<int>{0, 0, 0, 0, 0};
    QTest::newRow("Shift is swallowed in mode 2")
        << 2 << EventList{{0xA0, 0x2A, 0x00}} << EventList{{0xA0, 0x2A, 1, 0x00}} << QVector<int>{1};
    QTest::newRow("mode 5 reports and passes everything")
        << 5 << EventList{aDown, aDown, aUp, {0x0D, 0x1C, 0x01}}
        << EventList{{0x41, 0x1E, 1, 0x00}, {0x41, 0x1E, 0, 0x80}, {0x0D, 0x1C, 1, 0x01}} << QVector<int>{0, 0, 0, 0};
    QTest::newRow("key held before the start reports only its release")
        << 2 << EventList{aUp} << EventList{{0x41, 0x1E, 0, 0x80}} << QVector<int>{1};
    QTest::newRow("Alt combinations are key-downs")
        << 2 << EventList{{0xA4, 0x38, 0x20}, {0x09, 0x0F, 0x20}, {0x09, 0x0F, 0xA0}, {0xA4, 0x38, 0x80}}
        << EventList{{0xA4, 0x38, 1, 0x20}, {0x09, 0x0F, 1, 0x20}, {0x09, 0x0F, 0, 0xA0}, {0xA4, 0x38, 0, 0x80}}
        << QVector<int>{1, 1, 1, 1};
    QTest::newRow("injected extended key-down counts, injected plain one is a release")
        << 2 << EventList{{0x25, 0x4B, 0x11}, {0x42, 0x30, 0x10}}
        << EventList{{0x25, 0x4B, 1, 0x11}, {0x42, 0x30, 0, 0x10}} << QVector<int>{1, 1};
}

void tst_WindowsHookInterface::keySequences()
{
    QFETCH(int, mode);
    QFETCH(EventList, events);
    QFETCH(EventList, reports);
    QFETCH(QVector<int>, swallowed);

    EventList seen;
    connect(m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key, this,
            [&seen](int keyCode, int scCode, int flag, int hookFlag) {
                seen.append({keyCode, scCode, flag, hookFlag});
            });
    QCOMPARE(m_hook->startHook(mode), 1);
    QCOMPARE(m_backend->swallowing(), mode != HOOK_INTERACT_LIGHT);

    QVector<int> decisions;
    for (const QVector<int> &event : events)
        decisions.append(m_backend->injectKey(event[0], event[1], event[2]) ? 1 : 0);
    QCOMPARE(seen, reports);
    QCOMPARE(decisions, swallowed);
}

void tst_WindowsHookInterface::heldKeyTableHoldsAtMost128Keys()
{
    int presses = 0;
    connect(m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key, this,
            [&presses](int, int, int flag, int) { presses += flag; });
    QCOMPARE(m_hook->startHook(HOOK_KEY_CAPTURE), 1);
    for (int vk = 1; vk <= 128; ++vk)
        m_backend->injectKey(vk, 0, 0);
    QCOMPARE(presses, 128);
    // Held keys repeat without a report.
    m_backend->injectKey(1, 0, 0);
    m_backend->injectKey(128, 0, 0);
    QCOMPARE(presses, 128);
    // The 129th key finds no room: each of its repeats is reported as a new press.
    m_backend->injectKey(200, 0, 0);
    m_backend->injectKey(200, 0, 0);
    QCOMPARE(presses, 130);
    // A release makes room again.
    m_backend->injectKey(5, 0, 0x80);
    m_backend->injectKey(200, 0, 0);
    m_backend->injectKey(200, 0, 0);
    QCOMPARE(presses, 131);
    // A new start empties the table.
    m_hook->stopHook();
    QCOMPARE(m_hook->startHook(HOOK_KEY_CAPTURE), 1);
    m_backend->injectKey(1, 0, 0);
    QCOMPARE(presses, 132);
}

void tst_WindowsHookInterface::macroRecordingGoesThroughDataManager()
{
    DDataManager *manager = DDataManager::instance();
    QSignalSpy ownSignal(m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QSignalSpy keyboard(manager, &DDataManager::sigRecviveStreamEX_MacroKeyboard);
    QVector<QVector<int>> mouse;
    // The record is valid only during the emission: read it there, as the macro editor does.
    auto connection = connect(manager, &DDataManager::sigRecviveStreamEX_MacroMouse, this,
                              [&mouse](int nCode, WPARAM wParam, LPARAM lParam) {
                                  const auto *record = reinterpret_cast<const MSLLHOOKSTRUCT *>(lParam);
                                  mouse.append({nCode, int(wParam), record->pt.x, record->pt.y});
                              });

    QCOMPARE(m_hook->startHook(HOOK_MACRO_RECORD), 1);
    QVERIFY(m_backend->mouseHooked());
    QVERIFY(m_backend->injectKey(0x41, 0x1E, 0x00));
    QVERIFY(m_backend->injectKey(0x41, 0x1E, 0x80));
    QVERIFY(!m_backend->injectKey(0xA2, 0x1D, 0x00));
    QVERIFY(m_backend->injectMouse(WM_LBUTTONDOWN, 10, 20));
    QVERIFY(m_backend->injectMouse(WM_MOUSEMOVE, 11, 21));
    QVERIFY(m_backend->injectMouse(WM_LBUTTONUP, 12, 22));
    disconnect(connection);

    QCOMPARE(ownSignal.count(), 0);
    QCOMPARE(keyboard.count(), 3);
    QCOMPARE(keyboard.at(0), (QVariantList{0x41, 0x1E, 1, 0x00}));
    QCOMPARE(keyboard.at(1), (QVariantList{0x41, 0x1E, 0, 0x80}));
    QCOMPARE(mouse, (QVector<QVector<int>>{{0, 513, 10, 20}, {0, 514, 12, 22}}));
}

void tst_WindowsHookInterface::stoppingMacroRecordingDropsMouseHook()
{
    QCOMPARE(m_hook->startHook(HOOK_MACRO_RECORD), 1);
    QVERIFY(m_backend->mouseHooked());
    QCOMPARE(m_hook->stopHook(), 1);
    QVERIFY(!m_backend->keyboardHooked());
    QVERIFY(!m_backend->mouseHooked());
    QCOMPARE(m_hook->startHook(HOOK_KEY_CAPTURE), 1);
    QVERIFY(m_backend->keyboardHooked());
    QVERIFY(!m_backend->mouseHooked());
    QCOMPARE(m_hook->mode(), int(HOOK_KEY_CAPTURE));
}

void tst_WindowsHookInterface::startWhileInstalledOnlyChangesMode()
{
    QCOMPARE(m_hook->mode(), int(HOOK_NONE));
    QCOMPARE(m_hook->startHook(HOOK_MACRO_RECORD), 1);
    QCOMPARE(m_hook->startHook(HOOK_INTERACT_LIGHT), 1);
    QCOMPARE(m_hook->mode(), int(HOOK_INTERACT_LIGHT));
    // Nothing was reinstalled: the mouse hook and the swallowing grab of mode 1 remain.
    QVERIFY(m_backend->mouseHooked());
    QVERIFY(m_backend->swallowing());
    // The decisions follow the new mode.
    QSignalSpy reports(m_hook, &WindowsHookInterface::sigKeyboardRecviveStreamEX_Key);
    QVERIFY(!m_backend->injectKey(0x41, 0x1E, 0x00));
    QCOMPARE(reports.count(), 1);
}

void tst_WindowsHookInterface::failedKeyboardInstallReturnsZeroAndLogs()
{
    m_backend->setKeyboardInstallFails(true);
    QTest::ignoreMessage(QtDebugMsg, "Set keyboard Hook error, error code=%ld");
    QCOMPARE(m_hook->startHook(HOOK_MACRO_RECORD), 0);
    QVERIFY(!m_backend->keyboardHooked());
    QVERIFY(!m_backend->mouseHooked());
    // The next start tries again.
    m_backend->setKeyboardInstallFails(false);
    QCOMPARE(m_hook->startHook(HOOK_KEY_CAPTURE), 1);
    QVERIFY(m_backend->keyboardHooked());
}

void tst_WindowsHookInterface::failedMouseInstallKeepsKeyboardHook()
{
    m_backend->setMouseInstallFails(true);
    QTest::ignoreMessage(QtDebugMsg, "Set mouse Hook error, error code=%ld");
    QCOMPARE(m_hook->startHook(HOOK_MACRO_RECORD), 0);
    QVERIFY(m_backend->keyboardHooked());
    QCOMPARE(m_hook->stopHook(), 1);
    QVERIFY(!m_backend->keyboardHooked());
}

void tst_WindowsHookInterface::requestMacroRecordHookReturnsReceiverResult()
{
    DDataManager *manager = DDataManager::instance();
    // Without a receiver the stored result is returned unchanged.
    manager->setMacroRecordHookResult(false);
    QCOMPARE(manager->requestMacroRecordHook(true), false);

    // The owner of the hook, as the key-assignment tab handles the request.
    auto connection = connect(
        manager, &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, this,
        [this, manager](bool isStartHook) {
            m_hook->stopHook();
            const int result = isStartHook ? m_hook->startHook(HOOK_MACRO_RECORD) : m_hook->stopHook();
            manager->setMacroRecordHookResult(result == 1);
        },
        Qt::DirectConnection);
    QCOMPARE(manager->requestMacroRecordHook(true), true);
    QVERIFY(m_backend->mouseHooked());
    QCOMPARE(manager->requestMacroRecordHook(false), true);
    QVERIFY(!m_backend->keyboardHooked());

    m_backend->setKeyboardInstallFails(true);
    QTest::ignoreMessage(QtDebugMsg, "Set keyboard Hook error, error code=%ld");
    QCOMPARE(manager->requestMacroRecordHook(true), false);
    disconnect(connection);
}

void tst_WindowsHookInterface::destroyedHookReleasesKeyboard()
{
    QCOMPARE(m_hook->startHook(HOOK_KEY_CAPTURE), 1);
    delete m_hook;
    m_hook = nullptr;
    QVERIFY(!m_backend->keyboardHooked());
    QVERIFY(!m_backend->injectKey(0x41, 0x1E, 0x00));
}

void tst_WindowsHookInterface::desktopHookFailsOffX11()
{
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        QSKIP("runs on a platform without a global hook (offscreen)");
    WindowsHookInterface::setBackend(nullptr);
    QTest::ignoreMessage(QtDebugMsg, "Set keyboard Hook error, error code=%ld");
    QCOMPARE(m_hook->startHook(HOOK_KEY_CAPTURE), 0);
    QCOMPARE(m_hook->stopHook(), 1);
}

QTEST_MAIN(tst_WindowsHookInterface)
#include "tst_WindowsHookInterface.moc"
