#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "platform/FakeKeyHookBackend.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/SeenAppVersion.h"
#include "tests/ui/macro/MacroFileFixture.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/macro/macroMenuToolWidget.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "widgets/ArrowWidget.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const int Patience = 20000;

QWidget *overlay(DMainWidget &window)
{
    const QList<QWidget *> overlays = window.findChildren<QWidget *>("widget", Qt::FindDirectChildrenOnly);
    return overlays.isEmpty() ? nullptr : overlays.last();
}

QList<QPair<QString, QString>> shownMacros(DMacroPage *editor)
{
    QList<QPair<QString, QString>> shown;
    for (DMacroListItem *row : editor->macroRows())
        shown.append({row->macroIndex(), row->findChild<QLabel *>("label_MacroName")->text()});
    return shown;
}

std::list<MacroEvent> boundCopy(const QByteArray &profile, int profileIndex, const char *macroIndex)
{
    std::list<MacroEvent> events;
    CVorlanXML_ProFileMacroWithKeyInfoSelectAll(profile.constData(), QByteArray::number(profileIndex).constData(),
                                                macroIndex, "", &events);
    return events;
}

} // namespace

// The macro editor over the main window with a simulated keyboard: macros made, renamed and
// deleted land in the macro file, a Clear renews the profile's bound copy, and closing leaves
// neither the overlay nor a hook behind.
class tst_MacroEditorSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void editMacrosOverTheMainWindow();
    void cleanupTestCase();

private:
    KbdsimProcess m_sim;
    FakeKeyHookBackend m_hooks;
    std::unique_ptr<DMainWidget> m_window;
};

void tst_MacroEditorSim::initTestCase()
{
    initVorlanResources();
    markAppVersionSeen();
    DDataManager::instance()->loadTheme(0);
    WindowsHookInterface::setBackend(&m_hooks);
    QVERIFY(m_sim.start(qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim"));
}

void tst_MacroEditorSim::cleanupTestCase()
{
    m_window.reset();
    WindowsHookInterface::setBackend(nullptr);
}

void tst_MacroEditorSim::editMacrosOverTheMainWindow()
{
    int id = 0;
    QVERIFY(!m_sim.plug("Aster104", &id).isEmpty());
    m_window = std::make_unique<DMainWidget>();
    DDevicePage *page = m_window->devicePage();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY_WITH_TIMEOUT(page->getCurrentDeviceItem() && page->profileXmlPath()[0] != '\0', Patience);
    const QByteArray profile(page->profileXmlPath());
    const int profileIndex = DDataManager::instance()->getCurrentProfileIndex();
    char macroPath[DDataManager::kPathBufferSize] = {};
    DDataManager::instance()->getMacroXmlPath(macroPath);
    const QByteArray macroFile(macroPath);
    QVERIFY(macroFile.endsWith("/appMacro.xml"));

    // The device page opens the editor over the dimmed window.
    QTest::mouseClick(page->findChild<QToolButton *>("toolButton_MacroDialog"), Qt::LeftButton);
    QPointer<DMacroPage> editor = m_window->findChild<DMacroPage *>();
    QVERIFY(editor);
    QVERIFY(overlay(*m_window) && overlay(*m_window)->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(editor));
    QTRY_COMPARE(editor->findChild<QStackedWidget *>("stackedWidget_2")->currentWidget()->objectName(),
                 QString("page_isEmpty"));

    // Three macros, the second renamed, the third deleted.
    auto *add = editor->findChild<QPushButton *>("pushButton_Add");
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(add, Qt::LeftButton);
    QCOMPARE(editor->macroRows().size(), 3);
    DMacroListItem *second = editor->macroRows().at(1);
    QTest::mouseDClick(second->findChild<QLabel *>("label_MacroName"), Qt::LeftButton);
    second->findChild<QLineEdit *>("lineEdit_MacroName")->setText("Combo");
    QTest::mouseClick(second->findChild<QPushButton *>("pushButton_Save"), Qt::LeftButton);
    DMacroListItem *third = editor->macroRows().at(2);
    QTest::mouseClick(third->findChild<QPushButton *>("pushButton_MacroOperate"), Qt::LeftButton);
    QTest::mouseClick(third->menuBox()->findChild<macroMenuToolWidget *>()->findChild<QLabel *>("label_Delete"),
                      Qt::LeftButton);
    const QList<QPair<QString, QString>> expected{{"1", "Macro1"}, {"2", "Combo"}};
    QCOMPARE(shownMacros(editor), expected);
    QCOMPARE(MacroFileFixture::macros(macroFile), expected);

    // A key of the current profile is bound to Macro1, whose copy in the profile holds one press.
    MacroFileFixture::addPress(macroFile, "1", "1", 0, 80);
    const QByteArray profileText = QByteArray::number(profileIndex);
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(profile.constData(), profileText.constData(), "41", "Esc", "1",
                                                      "1", "0", "1"));
    QVERIFY(CVorlanXML_AddProFileBindMacroItem(profile.constData(), profileText.constData(),
                                               MacroFileFixture::events(macroFile, "1"), "1", "Macro1"));
    QCOMPARE(boundCopy(profile, profileIndex, "1").size(), std::size_t(2));

    // Clear on that macro: the device page renews the copy, which is empty afterwards.
    QTest::mousePress(editor->macroRows().first()->findChild<QLabel *>("label_MacroName"), Qt::LeftButton);
    QCOMPARE(editor->eventRows().size(), 2);
    QTest::mouseClick(editor->findChild<QPushButton *>("pushButton_ClearMacroLst"), Qt::LeftButton);
    QVERIFY(MacroFileFixture::events(macroFile, "1").empty());
    QVERIFY(boundCopy(profile, profileIndex, "1").empty());

    // A hook still installed when the editor closes is released with it.
    QVERIFY(DDataManager::instance()->requestMacroRecordHook(true));
    QVERIFY(m_hooks.keyboardHooked() && m_hooks.mouseHooked());
    QTest::mouseClick(editor->findChild<QPushButton *>("pushButton_Close"), Qt::LeftButton);
    QTRY_VERIFY(!editor);
    QVERIFY(!overlay(*m_window)->isVisible());
    QVERIFY(!m_hooks.keyboardHooked());
    QVERIFY(!m_hooks.mouseHooked());
}

QTEST_MAIN(tst_MacroEditorSim)
#include "tst_MacroEditorSim.moc"
