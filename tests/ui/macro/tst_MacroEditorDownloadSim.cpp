#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "platform/FakeKeyHookBackend.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/SeenAppVersion.h"
#include "tests/ui/macro/MacroFileFixture.h"
#include "ui/macro/DCatchKeyAndMouseItem.h"
#include "ui/macro/DMacroListItem.h"
#include "ui/macro/DMacroPage.h"
#include "ui/macro/MacroRecords.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "ui/mainwidget/devicePage/profileOps/ProfileDialogProvider.h"
#include "widgets/CbNotice.h"
#include "widgets/DSoftKeyboardPage.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const int Patience = 20000;

class ChosenPaths : public ProfileDialogProvider
{
public:
    QString existingDirectory(QWidget *, const QString &, const QString &) override { return folder; }
    QString openFileName(QWidget *, const QString &, const QString &, const QString &) override { return file; }
    int question(QWidget *, const QString &, const QString &, const QString &, const QString &) override { return 0; }

    QString folder;
    QString file;
};

QStringList texts(const std::list<MacroEvent> &events)
{
    QStringList rows;
    for (const MacroEvent &event : events) {
        const MacroEventFields f = MacroRecords::eventFields(event);
        rows << QStringList({f.mark, f.delay, f.type, f.keyCode, f.codeName, f.operateExplain}).join(' ');
    }
    return rows;
}

QStringList texts(const QList<DCatchKeyAndMouseItem *> &rows)
{
    QStringList shown;
    for (DCatchKeyAndMouseItem *row : rows)
        shown << QStringList(
                     {row->mark(), row->delay(), row->type(), row->keyCode(), row->codeName(), row->operateExplain()})
                     .join(' ');
    return shown;
}

// The slot image the keyboard should hold for these rows: per event its key code (or mouse
// button 1, 2, 4), 0x10 for a press and 0x01 for the mouse, and the next event's delay.
QByteArray expectedImage(const QList<DCatchKeyAndMouseItem *> &rows)
{
    const QMap<int, int> buttons{{513, 1}, {514, 1}, {516, 2}, {517, 2}, {519, 4}, {520, 4}};
    QByteArray image;
    for (int i = 0; i < rows.size(); ++i) {
        const bool mouse = rows.at(i)->type() == "mouse";
        const int code = rows.at(i)->keyCode().toInt();
        const int delay = i + 1 < rows.size() ? rows.at(i + 1)->delay().toInt() : 0;
        image.append(char(mouse ? buttons.value(code) : code));
        image.append(char((rows.at(i)->operateExplain() == "down" ? 0x10 : 0) | (mouse ? 0x01 : 0)));
        image.append(char(delay >> 8));
        image.append(char(delay & 0xFF));
    }
    return image + QByteArray(248 - image.size(), '\0');
}

} // namespace

// A macro recorded and edited in the editor reaches the simulated keyboard with the next
// download exactly as the editor shows it; its exported file imports as a second macro.
class tst_MacroEditorDownloadSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void recordedMacroIsDownloadedAsShown();
    void cleanupTestCase();

private:
    void key(int vk, bool press, quint32 after);

    KbdsimProcess m_sim;
    FakeKeyHookBackend m_hooks;
    std::unique_ptr<DMainWidget> m_window;
    quint32 m_now = 5000;
};

void tst_MacroEditorDownloadSim::initTestCase()
{
    initVorlanResources();
    markAppVersionSeen();
    DDataManager::instance()->loadTheme(0);
    WindowsHookInterface::setBackend(&m_hooks);
    QVERIFY(m_sim.start(qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim"));
}

void tst_MacroEditorDownloadSim::cleanupTestCase()
{
    m_window.reset();
    WindowsHookInterface::setBackend(nullptr);
}

// Through the hook back end, as the desktop would report it.
void tst_MacroEditorDownloadSim::key(int vk, bool press, quint32 after)
{
    m_now += after;
    QVERIFY(m_hooks.keyboardHooked());
    m_hooks.injectKey(vk, 0x1E, press ? 0x00 : 0x80);
}

void tst_MacroEditorDownloadSim::recordedMacroIsDownloadedAsShown()
{
    int id = 0;
    QVERIFY(!m_sim.plug("Aster104", &id).isEmpty());
    m_window = std::make_unique<DMainWidget>();
    DDevicePage *page = m_window->devicePage();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY_WITH_TIMEOUT(page->getCurrentDeviceItem() && page->profileXmlPath()[0] != '\0', Patience);
    auto *keyTab = page->findChild<DCustomKeysPage *>();
    QVERIFY(keyTab);
    QTRY_VERIFY_WITH_TIMEOUT(!keyTab->profileXmlPath().isEmpty(), Patience);
    const QByteArray profile(page->profileXmlPath());
    const QByteArray profileText = QByteArray::number(DDataManager::instance()->getCurrentProfileIndex());
    char macroPath[DDataManager::kPathBufferSize] = {};
    DDataManager::instance()->getMacroXmlPath(macroPath);
    const QByteArray macroFile(macroPath);
    DSoftKeyboardPage keyboard;
    keyboard.loadKeyboardInfo("Aster104");

    // Macro 1, bound to Esc in the current profile through the store.
    QVERIFY(CVorlanXML_CreateMacroXmlParentNode(macroFile.constData(), "1", "Macro1"));
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(profile.constData(), profileText.constData(), "41", "Esc", "1",
                                                      "1", "0", "1"));
    QVERIFY(CVorlanXML_AddProFileBindMacroItem(profile.constData(), profileText.constData(), {}, "1", "Macro1"));

    QTest::mouseClick(page->findChild<QToolButton *>("toolButton_MacroDialog"), Qt::LeftButton);
    QPointer<DMacroPage> editor = m_window->findChild<DMacroPage *>();
    QVERIFY(editor);
    ChosenPaths dialogs;
    editor->setDialogProvider(&dialogs);
    editor->setTickSource([this] { return m_now; });
    QTRY_COMPARE(editor->macroRows().size(), 1);

    // Record A, B and C, one after the other.
    auto *recordButton = editor->findChild<QWidget *>("frame_Record");
    QTest::mouseClick(recordButton, Qt::LeftButton);
    QVERIFY(editor->isRecording());
    key('A', true, 0);
    key('A', false, 80);
    key('B', true, 120);
    key('B', false, 90);
    key('C', true, 300);
    key('C', false, 60);
    QTest::mouseClick(recordButton, Qt::LeftButton);
    QVERIFY(!editor->isRecording());
    QVERIFY(!m_hooks.keyboardHooked());
    QCOMPARE(editor->shownEventRows().size(), 6);

    // A right click after the second event, moved up once; the first event waits 250 ms.
    QTest::mousePress(editor->shownEventRows().at(1), Qt::LeftButton);
    editor->findChild<QRadioButton *>("radioButton_Mouse")->click();
    editor->findChild<QRadioButton *>("radioButton_MouseRight")->click();
    QTest::mouseClick(editor->findChild<QPushButton *>("pushButton_InsertMacro"), Qt::LeftButton);
    QTest::mouseClick(editor->findChild<QPushButton *>("pushButton_MoveUp"), Qt::LeftButton);
    QTest::mousePress(editor->shownEventRows().at(0), Qt::LeftButton);
    editor->findChild<QLineEdit *>("lineEdit_DelayNum")->setText("250");
    QTest::mouseClick(editor->findChild<QPushButton *>("pushButton_ModifyMacro"), Qt::LeftButton);

    const QList<DCatchKeyAndMouseItem *> rows = editor->shownEventRows();
    const QStringList expected{"1 250 key 4 A down", "4 0 mouse 516 Right Click down",
                               "1 80 key 4 A up",    "4 0 mouse 517 Right Click up",
                               "2 120 key 5 B down", "2 90 key 5 B up",
                               "3 300 key 6 C down", "3 60 key 6 C up"};
    QCOMPARE(texts(rows), expected);
    QCOMPARE(texts(MacroFileFixture::events(macroFile, "1")), expected);
    // The device page renewed the profile's copy of the macro.
    std::list<MacroEvent> bound;
    CVorlanXML_ProFileMacroWithKeyInfoSelectAll(profile.constData(), profileText.constData(), "1", "", &bound);
    QCOMPARE(texts(bound), expected);

    // Downloaded as the key tab's Download does.
    QTest::mouseClick(keyTab->findChild<QPushButton *>("pushButton_Download"), Qt::LeftButton);
    QCOMPARE(page->findChild<CbNotice *>()->text(), QString("Download config successful"));
    const QByteArray image = expectedImage(rows);
    QTRY_COMPARE_WITH_TIMEOUT(m_sim.dump(id)
                                  .value("onboard")
                                  .toObject()
                                  .value("macroSlots")
                                  .toArray()
                                  .at(0)
                                  .toObject()
                                  .value("image")
                                  .toString(),
                              QString::fromLatin1(image.toHex(' ')), Patience);
    const QJsonObject slot = m_sim.dump(id).value("onboard").toObject().value("macroSlots").toArray().at(0).toObject();
    QCOMPARE(slot.value("eventBytes").toInt(), 4 * rows.size());
    QCOMPARE(slot.value("playCount").toInt(), 1);

    // Exported, then imported back as a second macro with the same events.
    QTemporaryDir folder;
    dialogs.folder = folder.path();
    emit editor->macroRows().first()->sigExportMacroChildList("1", "Macro1");
    const QString exported = folder.filePath("Macro1.xml");
    QFile file(exported);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QByteArray text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Parameters profileIndex=\"1\">\n"
                      "    <macro index=\"1\" name=\"Macro1\">\n";
    for (const QString &row : expected) {
        const QStringList f = row.split(' ');
        const QString name = f.mid(4, f.size() - 5).join(' ');
        text += QString("        <item mark=\"%1\" delay=\"%2\" type=\"%3\" keyCode=\"%4\" codeName=\"%5\" "
                        "operateExplain=\"%6\"/>\n")
                    .arg(f.at(0), f.at(1), f.at(2), f.at(3), name, f.last())
                    .toUtf8();
    }
    text += "    </macro>\n</Parameters>\n";
    QCOMPARE(file.readAll(), text);
    dialogs.file = exported;
    QTest::mouseClick(editor->findChild<QPushButton *>("pushButton_Import"), Qt::LeftButton);
    QCOMPARE(editor->macroRows().size(), 2);
    QCOMPARE(MacroFileFixture::macros(macroFile).last(), qMakePair(QString("2"), QString("Macro1")));
    QCOMPARE(texts(MacroFileFixture::events(macroFile, "2")), expected);

    QTest::mouseClick(editor->findChild<QPushButton *>("pushButton_Close"), Qt::LeftButton);
    QTRY_VERIFY(!editor);
}

QTEST_MAIN(tst_MacroEditorDownloadSim)
#include "tst_MacroEditorDownloadSim.moc"
