#include "app/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "tests/support/SimServerFixture.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/devices/DeviceRoster.h"
#include "ui/mainwidget/devicePage/profileOps/DProfileMenuToolWidget.h"
#include "ui/mainwidget/devicePage/profileOps/MagneticReports.h"
#include "widgets/ArrowWidget.h"
#include "widgets/CbNotice.h"
#include "widgets/dragShowArea.h"
#include "widgets/hidDeviceJoinFrame.h"
#include "widgets/keyboardButCustom.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

#include <list>
#include <memory>

namespace {

constexpr int kWait = 10000;

int customLightItems(const char *path, const char *profile)
{
    std::list<CustomLightItemStu> items;
    CVorlanXML_ProFileCustomLightInfoSelectAll(path, profile, "0", &items);
    return int(items.size());
}

} // namespace

// The page as the program runs it: the start-up listing finds the simulated keyboard and makes it
// current, with its key picture, profile files and link.
class tst_DDevicePageProfileOps : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void profileButtonOpensMenuThatClosesOnRelease();
    void operationsLoadAndFillProfilesThroughThePage();
    void bandSelectsOnlyWhereTheAreaActs_data();
    void bandSelectsOnlyWhereTheAreaActs();
    void backwardBandSelectsTheSameKeysAndClickKeepsThem();
    void pressOnHoveredKeyTogglesItAndAsksItsTravel();
    void singleKeyCalibrationSwitchesThePicture();
    void allKeysCalibrationMarksProgressThenRestores();

private:
    void startWithKeyboard();
    void drainQueue();
    // Payloads (from byte 6) of the 0x29 reports of one sub-command received since the mark.
    QList<QByteArray> magneticReports(int subCommand) const;
    void markReceived() { m_mark = m_sim->received(m_keyboard).size(); }
    // Every cap of the 6 x 22 matrix, and the caps of the model's keys only.
    QList<keyboardButCustom *> keyCaps() const;
    QList<keyboardButCustom *> modelKeys() const { return DDataManager::instance()->getKeyButtonMap().values(); }
    bool keyPictureOnTop() const;

    std::unique_ptr<SimServerFixture> m_sim;
    std::unique_ptr<DDevicePage> m_page;
    int m_keyboard = -1;
    int m_mark = 0;
};

void tst_DDevicePageProfileOps::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
}

void tst_DDevicePageProfileOps::init()
{
    m_sim = std::make_unique<SimServerFixture>();
    QVERIFY(m_sim->isRunning());
    QDir(DDataManager::instance()->getUserConfigDir()).removeRecursively();
    DDataManager::instance()->setKeyCalibrationRunning(false);
}

void tst_DDevicePageProfileOps::cleanup()
{
    m_page.reset();
    m_sim.reset();
}

void tst_DDevicePageProfileOps::startWithKeyboard()
{
    m_keyboard = m_sim->plug("Quartz68HE");
    QVERIFY(m_keyboard > 0);
    m_page = std::make_unique<DDevicePage>();
    QSignalSpy listed(m_page.get(), &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
    m_page->resize(1200, 800);
    m_page->show();
    QTRY_COMPARE_WITH_TIMEOUT(listed.count(), 1, kWait);
    QVERIFY(m_page->getCurrentDeviceLink() != nullptr);
    QVERIFY(m_page->getKeyView() != nullptr);
    QVERIFY(m_page->profileXmlPath()[0] != '\0');
    QTRY_VERIFY_WITH_TIMEOUT(m_page->getKeyView()->width() > 100, kWait);
    // The preparation's own sleep-time inquiry must have arrived, or the first drain would take it
    // for its own and return while reports queued after it are still on their way.
    QTRY_VERIFY_WITH_TIMEOUT(m_sim->receivedCommands(m_keyboard).count(0x13) >= 1, kWait);
    drainQueue();
}

// The I/O thread writes its queue in order: once a report queued last has arrived, so has every
// report queued before it.
void tst_DDevicePageProfileOps::drainQueue()
{
    const int before = m_sim->receivedCommands(m_keyboard).count(0x13);
    m_page->getCurrentDeviceLink()->checkSleepTime();
    QTRY_VERIFY_WITH_TIMEOUT(m_sim->receivedCommands(m_keyboard).count(0x13) > before, kWait);
}

QList<QByteArray> tst_DDevicePageProfileOps::magneticReports(int subCommand) const
{
    QList<QByteArray> payloads;
    for (const QByteArray &report : m_sim->received(m_keyboard).mid(m_mark)) {
        if (static_cast<unsigned char>(report.at(1)) == 0x29 && report.at(5) == 0x18 && report.at(6) == subCommand)
            payloads << report.mid(6);
    }
    return payloads;
}

QList<keyboardButCustom *> tst_DDevicePageProfileOps::keyCaps() const
{
    QList<keyboardButCustom *> caps = DDataManager::instance()->getKeyInfoList();
    caps.removeAll(nullptr);
    return caps;
}

bool tst_DDevicePageProfileOps::keyPictureOnTop() const
{
    // The picture and the selection area are stacked in one container.
    hidDeviceJoinFrame *picture = m_page->getKeyView();
    const QObjectList layers = picture->parentWidget()->children();
    return layers.indexOf(picture) > layers.indexOf(picture->parentWidget()->findChild<dragShowArea *>());
}

void tst_DDevicePageProfileOps::profileButtonOpensMenuThatClosesOnRelease()
{
    DDevicePage page;
    page.show();
    auto *button = page.findChild<QPushButton *>(QStringLiteral("pushButton_ProfileOperate"));
    QVERIFY(button);

    QTest::mouseClick(button, Qt::LeftButton);
    const QList<DProfileMenuToolWidget *> menus = page.findChildren<DProfileMenuToolWidget *>();
    QCOMPARE(menus.size(), 1);
    auto *popup = qobject_cast<ArrowWidget *>(menus.first()->parentWidget());
    QVERIFY(popup && popup->isVisible());
    QCOMPARE(popup->size(), QSize(167, 180));

    // A second opening replaces the pop-up instead of stacking another.
    QTest::mouseClick(button, Qt::LeftButton);
    QTRY_COMPARE(page.findChildren<DProfileMenuToolWidget *>().size(), 1);
    DProfileMenuToolWidget *menu = page.findChildren<DProfileMenuToolWidget *>().first();
    popup = qobject_cast<ArrowWidget *>(menu->parentWidget());
    QVERIFY(popup && popup->isVisible());

    // Without a current device the entry itself has nothing to act on.
    QTest::mouseClick(menu->findChild<QLabel *>(QStringLiteral("label_CreateNew")), Qt::LeftButton);
    QVERIFY(!popup->isVisible());
}

void tst_DDevicePageProfileOps::operationsLoadAndFillProfilesThroughThePage()
{
    startWithKeyboard();
    DDevicePage &page = *m_page;
    const char *path = page.profileXmlPath();
    auto *list = page.findChild<QComboBox *>("comboBox_profileList");
    auto *tabs = page.findChild<QStackedWidget *>("stackedWidget");

    // A new profile gets the default lights and shows in the list; the current one stays.
    page.onProfileCreate();
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentText(), QString("Profile1"));
    QVERIFY(customLightItems(path, "2") > 0);

    // Picking it loads it: the file, the data manager and the tabs follow.
    page.onCurIndexChangedMainPage(2);
    list->setCurrentIndex(1);
    QCOMPARE(CVorlanXML_GetCreateXMLFileProfileIndex(path), 2);
    QCOMPARE(page.profileIndex(), 2);
    QCOMPARE(DDataManager::instance()->getCurrentProfileIndex(), 2);
    QCOMPARE(tabs->currentWidget()->objectName(), QString("page_CustomKeys"));
    QCOMPARE(list->currentText(), QString("Profile2"));

    // Restoring empties the profile and fills its defaults again, then resets the keyboard and
    // asks for its sleep times.
    QVERIFY(CVorlanXML_DeleteProFileSelectedNode(path, "2"));
    QVERIFY(CVorlanXML_CreateProFileXmlParentNode(path, "2", "Profile2", 0));
    QCOMPARE(customLightItems(path, "2"), 0);
    const int settingsReports = m_sim->receivedCommands(m_keyboard).count(0x13);
    page.onResetoreCurrentProfile();
    QVERIFY(customLightItems(path, "2") > 0);
    QCOMPARE(list->currentText(), QString("Profile2"));
    QCOMPARE(page.findChild<CbNotice *>()->text(), QString("Operate successful"));
    QTRY_COMPARE_WITH_TIMEOUT(m_sim->receivedCommands(m_keyboard).count(0x13), settingsReports + 2, kWait);

    // Deleting the current profile makes the first remaining one current and loads it.
    page.onProfileDelete();
    QCOMPARE(list->count(), 1);
    QCOMPARE(page.profileIndex(), 1);
    QCOMPARE(DDataManager::instance()->getCurrentProfileIndex(), 1);
    QCOMPARE(list->currentText(), QString("Profile1"));
}

void tst_DDevicePageProfileOps::bandSelectsOnlyWhereTheAreaActs_data()
{
    QTest::addColumn<int>("tab");
    QTest::addColumn<int>("lightType");
    QTest::addColumn<bool>("selects");
    QTest::newRow("key functions") << 0 << -1 << false;
    QTest::newRow("performance") << 2 << -1 << false;
    QTest::newRow("trigger") << 4 << -1 << true;
    QTest::newRow("lighting, custom light") << 1 << 10 << true;
    QTest::newRow("lighting, other light") << 1 << 3 << false;
}

void tst_DDevicePageProfileOps::bandSelectsOnlyWhereTheAreaActs()
{
    QFETCH(int, tab);
    QFETCH(int, lightType);
    QFETCH(bool, selects);
    startWithKeyboard();
    hidDeviceJoinFrame *view = m_page->getKeyView();
    m_page->onCurIndexChangedMainPage(tab);
    // The lighting tab names the light type it shows.
    if (lightType >= 0)
        m_page->onSelectCurrentLightTypeIndex_KB(lightType, colorInfoData{});
    drainQueue();
    markReceived();

    m_page->onDragArea_SelectKeys(view->width() - 1, view->height() - 1, 1, 1);
    const QList<keyboardButCustom *> selection = view->getDragSelection();
    QCOMPARE(!selection.isEmpty(), selects);
    if (selects)
        QCOMPARE(selection.size(), m_page->roster().currentDevice().keyCount);

    // Only the trigger tab tells the keyboard which keys are selected.
    drainQueue();
    const QList<QByteArray> selections = magneticReports(MagneticReports::SelectKeys);
    if (tab == MagneticReports::triggerTab) {
        QCOMPARE(selections.size(), 1);
        QVector<QPoint> keys;
        for (const keyboardButCustom *cap : selection)
            keys << QPoint(cap->getRowIndex(), cap->getColumnIndex());
        QCOMPARE(selections.first().mid(1, 22).toHex(), MagneticReports::columnBitmap(keys).toHex());
    } else {
        QVERIFY(selections.isEmpty());
    }
}

void tst_DDevicePageProfileOps::backwardBandSelectsTheSameKeysAndClickKeepsThem()
{
    startWithKeyboard();
    hidDeviceJoinFrame *view = m_page->getKeyView();
    m_page->onCurIndexChangedMainPage(MagneticReports::triggerTab);
    const int w = view->width();
    const int h = view->height();

    m_page->onDragArea_SelectKeys(1, 1, w / 2, h - 1);
    const QList<keyboardButCustom *> forward = view->getDragSelection();
    QVERIFY(!forward.isEmpty());
    QVERIFY(forward.size() < modelKeys().size());
    m_page->onDragArea_SelectKeys(w / 2, h - 1, 1, 1);
    QCOMPARE(view->getDragSelection(), forward);

    // A click away from the edges is no band: the selection stays.
    m_page->onDragArea_SelectKeys(w / 3, h / 3, w / 3, h / 3);
    QCOMPARE(view->getDragSelection(), forward);
    // A band without width selects nothing.
    m_page->onDragArea_SelectKeys(w / 3, 1, w / 3, h - 1);
    QVERIFY(view->getDragSelection().isEmpty());
}

void tst_DDevicePageProfileOps::pressOnHoveredKeyTogglesItAndAsksItsTravel()
{
    startWithKeyboard();
    hidDeviceJoinFrame *view = m_page->getKeyView();
    m_page->onCurIndexChangedMainPage(MagneticReports::triggerTab);
    keyboardButCustom *cap = m_page->keyAt(2, 3);
    QVERIFY(cap != nullptr);
    drainQueue();
    markReceived();

    // Taken after the wait: the picture may still settle its scale while the event loop runs.
    const QPoint centre = cap->mapTo(view, cap->rect().center());
    m_page->onDragShowAreaMouseMovePoint(centre.x(), centre.y());
    QVERIFY(cap->isHovered());
    m_page->onDragAreaMousePressOrRelease(true);
    QCOMPARE(view->getDragSelection(), QList<keyboardButCustom *>{cap});
    m_page->onDragAreaMousePressOrRelease(false);
    m_page->onDragAreaMousePressOrRelease(true);
    QVERIFY(view->getDragSelection().isEmpty());

    drainQueue();
    const QByteArray chosen = MagneticReports::columnBitmap({QPoint(2, 3)});
    const QList<QByteArray> selections = magneticReports(MagneticReports::SelectKeys);
    QCOMPARE(selections.size(), 2);
    QCOMPARE(selections.at(0).mid(1, 22).toHex(), chosen.toHex());
    QCOMPARE(selections.at(1).mid(1, 22).toHex(), QByteArray(22, '\0').toHex());
    const QList<QByteArray> queries = magneticReports(MagneticReports::QueryKey);
    QCOMPARE(queries.size(), 2);
    QCOMPARE(queries.first().mid(1, 2).toHex(), QByteArray::fromHex("0203").toHex());
}

void tst_DDevicePageProfileOps::singleKeyCalibrationSwitchesThePicture()
{
    startWithKeyboard();
    m_page->onCurIndexChangedMainPage(MagneticReports::triggerTab);
    QVERIFY(!keyPictureOnTop());
    keyboardButCustom *cap = m_page->keyAt(1, 1);
    QVERIFY(cap != nullptr);
    drainQueue();
    markReceived();

    m_page->onCalibrationMode(1);
    QVERIFY(keyPictureOnTop());
    QVERIFY(DDataManager::instance()->isKeyCalibrationRunning());
    QVERIFY(cap->isHoverEnabled());
    cap->setLightPreviewEnabled(true);
    cap->setLightColor(Qt::red);

    m_page->onCalibrationMode(0);
    QVERIFY(!keyPictureOnTop());
    QVERIFY(!DDataManager::instance()->isKeyCalibrationRunning());
    QCOMPARE(cap->getLightColor().alpha(), 0);
    QCOMPARE(m_page->calibrationPoint(), QPoint(-1, -1));

    // Each switch clears the keyboard's selection.
    drainQueue();
    const QList<QByteArray> selections = magneticReports(MagneticReports::SelectKeys);
    QCOMPARE(selections.size(), 2);
    for (const QByteArray &payload : selections)
        QCOMPARE(payload.mid(1, 22).toHex(), QByteArray(22, '\0').toHex());
}

void tst_DDevicePageProfileOps::allKeysCalibrationMarksProgressThenRestores()
{
    startWithKeyboard();
    m_page->onCurIndexChangedMainPage(MagneticReports::triggerTab);
    // The page handles each status before this records how many keys are marked.
    QList<QPair<int, int>> marked;
    connect(DDataManager::instance(), &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack, this,
            [this, &marked](int status) {
                const QList<keyboardButCustom *> caps = keyCaps();
                marked << qMakePair(status, int(std::count_if(caps.cbegin(), caps.cend(), [](keyboardButCustom *cap) {
                                        return cap->isSelected();
                                    })));
            });
    // The keyboard reports columns 0..10 in progress.
    int progressKeys = 0;
    for (int row = 0; row < 6; ++row) {
        for (int column = 0; column < 11; ++column)
            progressKeys += m_page->keyAt(row, column) != nullptr ? 1 : 0;
    }
    QVERIFY(progressKeys > 0);

    m_page->onAllKeysCalibrationMode(1);
    QVERIFY(m_page->findChild<QWidget *>("widget_MoveTip")->isVisible());
    QVERIFY(keyPictureOnTop());
    keyboardButCustom *key = modelKeys().first();
    QVERIFY(!key->isHoverEnabled());

    QTRY_COMPARE_WITH_TIMEOUT(marked.size(), 2, kWait);
    disconnect(DDataManager::instance(), &DDataManager::sigMagneticKeyboardAllKeysCalibrationStatusBack, this, nullptr);
    QCOMPARE(marked.at(0), qMakePair(1, progressKeys));
    QCOMPARE(marked.at(1), qMakePair(0, 0));
    QVERIFY(!m_page->findChild<QWidget *>("widget_MoveTip")->isVisible());
    QVERIFY(!DDataManager::instance()->isKeyCalibrationRunning());
    QVERIFY(!keyPictureOnTop());
    QVERIFY(key->isHoverEnabled());
    QVERIFY(m_page->calibratedKeys().isEmpty());
    QCOMPARE(m_page->findChild<CbNotice *>()->text(), QString("The key calibration successful"));
}

QTEST_MAIN(tst_DDevicePageProfileOps)
#include "tst_DDevicePageProfileOps.moc"
