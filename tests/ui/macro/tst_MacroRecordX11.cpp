#include "ui/macro/DMacroPage.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "resources/VorlanResources.h"
#include "tests/support/XTestInjector.h"
#include "tests/ui/macro/MacroFileFixture.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/MacroRecords.h"
#include "widgets/DSoftKeyboardPage.h"

#include <QLineEdit>
#include <QtTest>

#include <X11/keysym.h>

// Recording with the desktop's hook on a real display: keys and clicks are injected with XTest.
class tst_MacroRecordX11 : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recordsKeysFromTheDesktop();
    void keyFieldKeepsTheHookWhileItHasTheFocus();

private:
    XTestInjector m_injector;
    WindowsHookInterface m_hook;
};

void tst_MacroRecordX11::initTestCase()
{
    QVERIFY2(m_injector.isOpen(), "needs an X display (run under xvfb-run)");
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
    // As the key tab does: the editor's requests install or remove the hooks in macro-record mode.
    connect(
        DDataManager::instance(), &DDataManager::sigHookRuningStrtusCtrl_MacroRecord, this,
        [this](bool start) {
            m_hook.stopHook();
            const bool result = !start || m_hook.startHook(HOOK_MACRO_RECORD) == 1;
            DDataManager::instance()->setMacroRecordHookResult(result);
        },
        Qt::DirectConnection);
}

void tst_MacroRecordX11::recordsKeysFromTheDesktop()
{
    DSoftKeyboardPage keyboard;
    keyboard.loadKeyboardInfo("any");
    const QByteArray file = MacroFileFixture::freshFile("appMacro.xml");
    MacroFileFixture::addMacro(file, "1", "Macro1");

    DMacroPage page;
    page.setAttribute(Qt::WA_DeleteOnClose, false);
    page.setMacroXmlPath(file.constData());
    page.move(100, 100);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTRY_VERIFY(!page.macroRows().isEmpty());
    auto *record = page.findChild<QWidget *>("frame_Record");
    const QPoint button = record->mapToGlobal(record->rect().center());

    m_injector.click(button.x(), button.y());
    QTRY_VERIFY_WITH_TIMEOUT(page.isRecording(), 10000);
    QVERIFY(m_injector.tapKey(XK_a));
    QVERIFY(m_injector.tapKey(XK_KP_Enter));
    QVERIFY(m_injector.tapKey(XK_Return));
    QTRY_COMPARE_WITH_TIMEOUT(page.eventRows().size(), 6, 10000);
    // The keyboard grab must not have closed or hidden the editor.
    QTest::qWait(500);
    QVERIFY(page.isVisible());
    QVERIFY(page.isRecording());

    m_injector.click(button.x(), button.y());
    QTRY_VERIFY_WITH_TIMEOUT(!page.isRecording(), 10000);
    QStringList events;
    for (const MacroEvent &event : MacroFileFixture::events(file, "1")) {
        const MacroEventFields fields = MacroRecords::eventFields(event);
        events << fields.type + " " + fields.keyCode + " " + fields.operateExplain;
    }
    QCOMPARE(events, QStringList({"key 4 down", "key 4 up", "key 88 down", "key 88 up", "key 40 down", "key 40 up"}));

    // The hook is gone with the recording.
    QVERIFY(m_injector.tapKey(XK_b));
    QTest::qWait(300);
    QCOMPARE(page.eventRows().size(), 6);
    QVERIFY(page.isVisible());
}

// The hook's keyboard grab takes the focus from the window; the field must neither lose the
// hook for it nor ask again and again.
void tst_MacroRecordX11::keyFieldKeepsTheHookWhileItHasTheFocus()
{
    DSoftKeyboardPage keyboard;
    keyboard.loadKeyboardInfo("any");
    const QByteArray file = MacroFileFixture::freshFile("appMacro.xml");
    MacroFileFixture::addMacro(file, "1", "Macro1");
    DMacroPage page;
    page.setAttribute(Qt::WA_DeleteOnClose, false);
    page.setMacroXmlPath(file.constData());
    page.move(100, 100);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTRY_VERIFY(!page.macroRows().isEmpty());
    QSignalSpy requests(DDataManager::instance(), &DDataManager::sigHookRuningStrtusCtrl_MacroRecord);
    auto centre = [](QWidget *widget) { return widget->mapToGlobal(widget->rect().center()); };
    auto *field = page.findChild<QLineEdit *>("lineEdit_EnterKey");

    m_injector.click(centre(field).x(), centre(field).y());
    QTRY_COMPARE_WITH_TIMEOUT(requests.size(), 1, 10000);
    QTest::qWait(1000);
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests.first().first().toBool(), true);
    QVERIFY(m_injector.tapKey(XK_c));
    QTRY_COMPARE_WITH_TIMEOUT(field->text(), QString("C"), 10000);
    QVERIFY(page.isVisible());

    // A press outside the editor ends the field's use of the hook; the keyboard is free again.
    m_injector.click(1800, 1000);
    QTRY_COMPARE_WITH_TIMEOUT(requests.size(), 2, 10000);
    QCOMPARE(requests.last().first().toBool(), false);
    QVERIFY(m_injector.tapKey(XK_d));
    QTest::qWait(300);
    QCOMPARE(field->text(), QString("C"));
    QCOMPARE(requests.size(), 2);
}

QTEST_MAIN(tst_MacroRecordX11)
#include "tst_MacroRecordX11.moc"
