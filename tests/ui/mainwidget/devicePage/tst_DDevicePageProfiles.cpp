#include "app/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "sim/SimInjectedReports.h"
#include "tests/support/SimServerFixture.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/devices/DeviceRecordBuilder.h"
#include "ui/mainwidget/devicePage/devices/DeviceRoster.h"
#include "ui/mainwidget/devicePage/keyFunctions/DCustomKeysPage.h"
#include "widgets/CbNotice.h"
#include "widgets/keySelectFrame.h"
#include "widgets/keyboardButCustom.h"

#include <QComboBox>
#include <QDir>
#include <QPointer>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>
#include <QtTest>

#include <cstring>
#include <memory>

namespace {

constexpr int kWait = 10000;

QStringList g_log;

void collectLog(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_log << message;
}

// The tests make the device current themselves; the page's start-up listing, due 200 ms after
// construction, would find the simulated keyboard and make it current a second time.
class UnlistedPage : public DDevicePage
{
public:
    void onLoadDeviceList() override {}
};

} // namespace

// Drives the page as the current-device code does once a keyboard is open: the link and its HID
// I/O object become current, then the profile files are prepared.
class tst_DDevicePageProfiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void firstConnectionCreatesFilesAndLoadsProfile_data();
    void firstConnectionCreatesFilesAndLoadsProfile();
    void secondConnectionKeepsStoredProfile();
    void repeatedNameShowsFirstItem();
    void noFolderOfItsOwnClearsProfilePath_data();
    void noFolderOfItsOwnClearsProfilePath();
    void leavingTriggerTabSendsOneReport();
    void calibrationKeepsTriggerTab();
    void layerSwitchLoadsOtherFileOnce();
    void reportedKeysNotRemappableOnFnLayer();
    void keyboardProfileSwitchNeedsExistingProfile();
    void choosingCustomLightSetPaintsItsKeys();
    void noSelectedSetStoresNothing();
    void editedMacroRenewsTheCurrentProfilesCopy();

private:
    void makeCurrent(DDevicePage &page, const QString &model, bool magnetic, const QString &serial = QString());
    int triggerLeftReports() const;
    void drainQueue();
    static void fillKeyMatrix(DDevicePage &page, const keySelectFrame &picture);
    static QString path(const DDevicePage &page) { return QString::fromLocal8Bit(page.profileXmlPath()); }

    std::unique_ptr<SimServerFixture> m_sim;
    // The current device's link, which the page's roster owns.
    QPointer<DDeviceKeyboardLink> m_link;
    int m_keyboard = -1;
};

void tst_DDevicePageProfiles::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
}

void tst_DDevicePageProfiles::init()
{
    m_sim = std::make_unique<SimServerFixture>();
    QVERIFY(m_sim->isRunning());
    QDir(DDataManager::instance()->getUserConfigDir()).removeRecursively();
    DDataManager::instance()->setKeyCalibrationRunning(false);
}

void tst_DDevicePageProfiles::cleanup()
{
    m_link.clear();
    m_sim.reset();
    qInstallMessageHandler(nullptr);
}

void tst_DDevicePageProfiles::makeCurrent(DDevicePage &page, const QString &model, bool magnetic, const QString &serial)
{
    m_keyboard = serial.isNull() ? m_sim->plug(model) : m_sim->plug(model, serial);
    QVERIFY(m_keyboard > 0);
    hidStructInfoAll record{};
    std::strncpy(record.hidName, model.toLatin1().constData(), sizeof(record.hidName) - 1);
    std::strncpy(record.hidPath, m_sim->devicePath(m_keyboard).toLatin1().constData(), sizeof(record.hidPath) - 1);
    std::strcpy(record.deviceKind, "keyboard");
    record.keyCount = magnetic ? 68 : 104;
    DDataManager::instance()->setMagneticKeyboard(magnetic);
    page.openDeviceLink(record);
    page.roster().setCurrent(DeviceRecordBuilder::path(record));
    m_link = page.getCurrentDeviceLink();
    QVERIFY(m_link);
    page.prepareProfileFiles(record, 0);
    QVERIFY(m_link->isInquireOver());
    // The sleep-time inquiry of the preparation has arrived: the command queue is empty.
    QTRY_COMPARE_WITH_TIMEOUT(m_sim->receivedCommands(m_keyboard).count(0x13), 1, kWait);
}

int tst_DDevicePageProfiles::triggerLeftReports() const
{
    int count = 0;
    for (const QByteArray &report : m_sim->received(m_keyboard)) {
        if (static_cast<unsigned char>(report.at(1)) == 0x29 && report.at(5) == 0x18 && report.at(6) == 3)
            ++count;
    }
    return count;
}

// The I/O thread writes its queue in order: once a report queued last has arrived, so has every
// report queued before it.
void tst_DDevicePageProfiles::drainQueue()
{
    const int before = m_sim->receivedCommands(m_keyboard).count(0x13);
    m_link->checkSleepTime();
    QTRY_VERIFY_WITH_TIMEOUT(m_sim->receivedCommands(m_keyboard).count(0x13) > before, kWait);
}

void tst_DDevicePageProfiles::firstConnectionCreatesFilesAndLoadsProfile_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<bool>("magnetic");
    QTest::addColumn<QStringList>("files");
    QTest::newRow("plain") << "Aster104" << false << QStringList{"appProfile_Default.xml", "appProfile_FN.xml"};
    QTest::newRow("magnetic") << "Quartz68HE" << true
                              << QStringList{"appProfile_Default.xml", "appProfile_FN.xml", "appProfile_Magnetic.xml"};
}

void tst_DDevicePageProfiles::firstConnectionCreatesFilesAndLoadsProfile()
{
    QFETCH(QString, model);
    QFETCH(bool, magnetic);
    QFETCH(QStringList, files);
    UnlistedPage page;
    makeCurrent(page, model, magnetic);

    const QString folder =
        DDataManager::instance()->getUserConfigDir() + "/" + model + "/" + SimServerFixture::DefaultSerial;
    QCOMPARE(QDir(folder).entryList(QDir::Files, QDir::Name), files);
    QCOMPARE(path(page), folder + "/appProfile_Default.xml");
    auto *list = page.findChild<QComboBox *>("comboBox_profileList");
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->currentText(), QString("Profile1"));
    QCOMPARE(list->currentData().toInt(), 1);
    QCOMPARE(page.findChild<DCustomKeysPage *>()->profileXmlPath(), path(page));
    // The light records the keyboard reported went into the profile once, then the sleep times were asked.
    QVERIFY(m_link->isProfileLightSaved());
}

void tst_DDevicePageProfiles::secondConnectionKeepsStoredProfile()
{
    {
        UnlistedPage page;
        makeCurrent(page, "Breeze84W", false);
        QVERIFY(CVorlanXML_CreateProFileXmlParentNode(page.profileXmlPath(), "2", "Travel", 0));
        QVERIFY(CVorlanXML_ModifyXMLFileProfileIndex(page.profileXmlPath(), 2));
    }
    UnlistedPage page;
    makeCurrent(page, "Breeze84W", false);
    auto *list = page.findChild<QComboBox *>("comboBox_profileList");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentText(), QString("Travel"));
    QCOMPARE(page.profileIndex(), 2);
}

void tst_DDevicePageProfiles::repeatedNameShowsFirstItem()
{
    UnlistedPage page;
    makeCurrent(page, "Aster104", false);
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(page.profileXmlPath(), "2", "Profile1", 0));
    QVERIFY(CVorlanXML_ModifyXMLFileProfileIndex(page.profileXmlPath(), 2));
    page.loadCurrentProfile();
    auto *list = page.findChild<QComboBox *>("comboBox_profileList");
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentIndex(), 0);
    QCOMPARE(page.profileIndex(), 2);
}

void tst_DDevicePageProfiles::noFolderOfItsOwnClearsProfilePath_data()
{
    QTest::addColumn<bool>("withLink");
    QTest::addColumn<QString>("deviceKind");
    QTest::newRow("no serial number") << false << "keyboard";
    QTest::newRow("not a keyboard") << true << "mouse";
}

void tst_DDevicePageProfiles::noFolderOfItsOwnClearsProfilePath()
{
    QFETCH(bool, withLink);
    QFETCH(QString, deviceKind);
    UnlistedPage page;
    makeCurrent(page, "Aster104", false);
    QVERIFY(!path(page).isEmpty());
    // No files shared by every keyboard of the model, and no tab left writing into the previous
    // device's file.
    if (!withLink)
        page.roster().setCurrent(QString());
    hidStructInfoAll record{};
    std::strcpy(record.hidName, "Breeze84W");
    std::strncpy(record.deviceKind, deviceKind.toLatin1().constData(), sizeof(record.deviceKind) - 1);
    page.prepareProfileFiles(record, 0);
    QCOMPARE(path(page), QString());
    QVERIFY(!QDir(DDataManager::instance()->getUserConfigDir() + "/Breeze84W").exists());
}

void tst_DDevicePageProfiles::leavingTriggerTabSendsOneReport()
{
    UnlistedPage page;
    makeCurrent(page, "Quartz68HE", true);
    page.onCurIndexChangedMainPage(4);
    page.onCurIndexChangedMainPage(4); // the trigger tab again: not a departure
    page.onCurIndexChangedMainPage(1);
    page.onCurIndexChangedMainPage(2);
    page.onCurIndexChangedMainPage(0);
    drainQueue();
    QCOMPARE(triggerLeftReports(), 1);
    QCOMPARE(page.findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName(),
             QString("page_CustomKeys"));
    // Once more through the trigger tab: one more report.
    page.onCurIndexChangedMainPage(4);
    page.onCurIndexChangedMainPage(1);
    drainQueue();
    QCOMPARE(triggerLeftReports(), 2);
    QCOMPARE(page.findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName(),
             QString("page_LightsConfig"));
}

void tst_DDevicePageProfiles::calibrationKeepsTriggerTab()
{
    UnlistedPage page;
    makeCurrent(page, "Quartz68HE", true);
    page.onCurIndexChangedMainPage(4);
    DDataManager::instance()->setKeyCalibrationRunning(true);
    page.onCurIndexChangedMainPage(1);
    QCOMPARE(page.findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName(),
             QString("page_TriggerSetting"));
    QVERIFY(page.findChild<QToolButton *>("toolButton_TriggerSetting")->isChecked());
    QCOMPARE(page.findChild<CbNotice *>()->text(), QString("Key calibration in progress, please wait a moment"));
    drainQueue();
    QCOMPARE(triggerLeftReports(), 0);
    DDataManager::instance()->setKeyCalibrationRunning(false);
    page.onCurIndexChangedMainPage(1);
    drainQueue();
    QCOMPARE(triggerLeftReports(), 1);
}

void tst_DDevicePageProfiles::layerSwitchLoadsOtherFileOnce()
{
    UnlistedPage page;
    makeCurrent(page, "Aster104", false);
    const QString folder = QFileInfo(path(page)).path();
    g_log.clear();
    qInstallMessageHandler(collectLog);
    page.onDefaultLayerAndFnLayerSwitch(1);
    page.onDefaultLayerAndFnLayerSwitch(1);
    qInstallMessageHandler(nullptr);
    QCOMPARE(path(page), folder + "/appProfile_FN.xml");
    QCOMPARE(page.findChild<DCustomKeysPage *>()->profileXmlPath(), folder + "/appProfile_FN.xml");
    char shared[256] = {};
    DDataManager::instance()->getCurrentProfileXmlPath(shared);
    QCOMPARE(QString::fromLocal8Bit(shared), folder + "/appProfile_FN.xml");
    QCOMPARE(g_log.filter("Operate changed Start [CustomKeys->DefaultLayerAndFnLayerSwitch]").size(), 1);
    page.onDefaultLayerAndFnLayerSwitch(0);
    QCOMPARE(path(page), folder + "/appProfile_Default.xml");
}

void tst_DDevicePageProfiles::reportedKeysNotRemappableOnFnLayer()
{
    UnlistedPage page;
    makeCurrent(page, "Aster104", false);
    keySelectFrame picture;
    picture.loadKeyboardInfo("Aster104");
    fillKeyMatrix(page, picture);
    // The keyboard reports the key at row 2, column 1.
    std::vector<uint8_t> columns(22, 0);
    columns[1] = 1 << 2;
    const SimReport bitmap = SimInjectedReports::keyBitmap(columns);
    QVERIFY(m_sim->inject(m_keyboard, QByteArray(reinterpret_cast<const char *>(bitmap.data()), int(bitmap.size()))));
    QTRY_VERIFY_WITH_TIMEOUT(!m_link->getKeyPositionList().isEmpty(), kWait);
    keyboardButCustom *reported = picture.keyAt(2, 1);
    keyboardButCustom *other = picture.keyAt(2, 2);
    QVERIFY(reported != nullptr && other != nullptr);

    page.onDefaultLayerAndFnLayerSwitch(1);
    QVERIFY(!reported->isRemappable());
    QVERIFY(other->isRemappable());
    page.onDefaultLayerAndFnLayerSwitch(0);
    QVERIFY(reported->isRemappable());
}

void tst_DDevicePageProfiles::keyboardProfileSwitchNeedsExistingProfile()
{
    UnlistedPage page;
    makeCurrent(page, "Aster104", false);
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(page.profileXmlPath(), "2", "Game", 0));
    page.onCustomEventChangProfile(7);
    QCOMPARE(CVorlanXML_GetCreateXMLFileProfileIndex(page.profileXmlPath()), 1);
    QCOMPARE(page.findChild<QComboBox *>("comboBox_profileList")->currentText(), QString("Profile1"));
    page.onCustomEventChangProfile(2);
    QCOMPARE(CVorlanXML_GetCreateXMLFileProfileIndex(page.profileXmlPath()), 2);
    QCOMPARE(page.findChild<QComboBox *>("comboBox_profileList")->currentText(), QString("Game"));
}

void tst_DDevicePageProfiles::fillKeyMatrix(DDevicePage &page, const keySelectFrame &picture)
{
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 22; ++column)
            page.setKeyAt(row, column, picture.keyAt(row, column));
    }
}

void tst_DDevicePageProfiles::choosingCustomLightSetPaintsItsKeys()
{
    UnlistedPage page;
    makeCurrent(page, "Aster104", false);
    keySelectFrame picture;
    picture.loadKeyboardInfo("Aster104");
    fillKeyMatrix(page, picture);
    keyboardButCustom *w = picture.keyAt(2, 2);
    keyboardButCustom *esc = picture.keyAt(0, 0);
    QVERIFY(w != nullptr && esc != nullptr);
    esc->setCustomLightColor(QColor(9, 9, 9));

    page.onCustomLightItemHaveChanged(1, "1", "WASD+Arrows");
    QCOMPARE(w->getCustomLightColor(), QColor(255, 0, 0));
    QCOMPARE(esc->getCustomLightColor(), QColor(0, 0, 0));
    QCOMPARE(page.customLightSlot(), 1);

    page.onCustomLightItemHaveChanged(0, "2", "Custom 3");
    QCOMPARE(w->getCustomLightColor(), QColor(0, 0, 0));
    QCOMPARE(page.customLightSlot(), 0);
}

void tst_DDevicePageProfiles::noSelectedSetStoresNothing()
{
    UnlistedPage page;
    makeCurrent(page, "Aster104", false);
    keySelectFrame picture;
    picture.loadKeyboardInfo("Aster104");
    fillKeyMatrix(page, picture);
    std::list<CustomLightItemStu> before;
    QVERIFY(CVorlanXML_ProFileCustomLightInfoSelectAll(page.profileXmlPath(), "1", "0", &before));
    QVERIFY(!before.empty());
    picture.keyAt(0, 0)->setCustomLightColor(QColor(1, 2, 3));

    // The lighting tab has no set selected.
    page.onLightConfigHaveChanged_Custom(0, colorInfoData{});
    for (const char *set : {"0", "1", "2", "3", "4"}) {
        std::list<CustomLightItemStu> items;
        QVERIFY(CVorlanXML_ProFileCustomLightInfoSelectAll(page.profileXmlPath(), "1", set, &items));
        for (const CustomLightItemStu &item : items)
            QVERIFY(!(item.indexX == 0 && item.indexY == 0));
    }
    std::list<CustomLightItemStu> after;
    CVorlanXML_ProFileCustomLightInfoSelectAll(page.profileXmlPath(), "1", "0", &after);
    QCOMPARE(after.size(), before.size());
}

QTEST_MAIN(tst_DDevicePageProfiles)
namespace {

std::list<MacroEvent> typedKey(int keyCode)
{
    std::list<MacroEvent> events;
    for (const char *direction : {"down", "up"}) {
        MacroEvent event{};
        std::strncpy(event.mark, "1", sizeof(event.mark) - 1);
        std::strncpy(event.delay, "10", sizeof(event.delay) - 1);
        std::strncpy(event.type, "key", sizeof(event.type) - 1);
        std::strncpy(event.keyCode, QByteArray::number(keyCode).constData(), sizeof(event.keyCode) - 1);
        std::strncpy(event.operateExplain, direction, sizeof(event.operateExplain) - 1);
        events.push_back(event);
    }
    return events;
}

QStringList boundCopyCodes(const char *profilePath, const char *macroIndex)
{
    std::list<MacroEvent> events;
    CVorlanXML_ProFileMacroWithKeyInfoSelectAll(profilePath, "1", macroIndex, "", &events);
    QStringList codes;
    for (const MacroEvent &event : events)
        codes << QString("%1:%2").arg(event.keyCode, event.operateExplain);
    return codes;
}

} // namespace

void tst_DDevicePageProfiles::editedMacroRenewsTheCurrentProfilesCopy()
{
    UnlistedPage page;
    makeCurrent(page, "Aster104", false);
    // Key 21 plays macro 3, recorded as A; the profile keeps a copy of it.
    QVERIFY(CVorlanXML_AddProFileMacroWithKeyInfoItem(page.profileXmlPath(), "1", "21", "key", "1", "1", "1", "3"));
    QVERIFY(CVorlanXML_AddProFileBindMacroItem(page.profileXmlPath(), "1", typedKey(4), "3", "Macro3"));
    // The user changes macro 3 to B in the macro editor.
    const QByteArray macroPath = QFile::encodeName(DDataManager::instance()->getUserConfigDir() + "/appMacro.xml");
    DDataManager::instance()->setMacroXmlPath(macroPath.constData());
    QVERIFY(CVorlanXML_CreateXMLFile(macroPath.constData()));
    QVERIFY(CVorlanXML_CreateMacroXmlParentNode(macroPath.constData(), "3", "Third"));
    QVERIFY(CVorlanXML_AddKeyOrMouseEventItem(macroPath.constData(), typedKey(5), "3"));

    emit page.sigMacroListHaveChangedSendToDevice("3", "Third");
    QCOMPARE(boundCopyCodes(page.profileXmlPath(), "3"), QStringList({"5:down", "5:up"}));
}

#include "tst_DDevicePageProfiles.moc"
