#include "app/DDataManager.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/SeenAppVersion.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/magnetic/DPerformancePage.h"
#include "ui/mainwidget/devicePage/magnetic/DSensitivityShowWidget.h"
#include "ui/mainwidget/devicePage/magnetic/DTriggerSettingPage.h"
#include "widgets/MySlider.h"
#include "widgets/hidDeviceJoinFrame.h"
#include "widgets/keyboardButCustom.h"

#include <QCheckBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>

#include <memory>

namespace {

const int Patience = 20000;

// The reports the keyboard received, oldest first.
QList<QByteArray> receivedReports(const QJsonObject &memory)
{
    QList<QByteArray> reports;
    for (const QJsonValue &entry : memory.value("received").toArray())
        reports << QByteArray::fromHex(entry.toObject().value("report").toString().remove(' ').toLatin1());
    return reports;
}

QList<int> bytes(const QByteArray &report, int from, int count)
{
    QList<int> values;
    for (int i = from; i < from + count; ++i)
        values << static_cast<unsigned char>(report.at(i));
    return values;
}

void clickLeftEdge(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

} // namespace

// The magnetic-switch tabs against the simulated keyboard: travel and rapid trigger reach a magnetic
// keyboard and come back on a key click; locks and sleep times reach a plain one and its profile.
class tst_MagneticTabsRoad : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void triggerSettingsReachTheKeyboardAndComeBack();
    void locksAndSleepTimesReachTheKeyboardAndTheProfile();

private:
    DDevicePage *startProgram(const QString &model);
    // The 0x29 apply reports (sub-commands 0, 1, 12, 13) the keyboard received.
    QList<QByteArray> applyReports() const;
    // Hovers the key on the selection area and presses, as the mouse does on the trigger tab.
    void pressKey(DDevicePage *page, int row, int column);

    KbdsimProcess m_sim;
    std::unique_ptr<DMainWidget> m_window;
    int m_id = 0;
};

void tst_MagneticTabsRoad::initTestCase()
{
    initVorlanResources();
    markAppVersionSeen();
    DDataManager::instance()->loadTheme(0);
    QVERIFY(m_sim.start(qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim"));
}

void tst_MagneticTabsRoad::cleanup()
{
    m_window.reset();
    if (m_id > 0)
        m_sim.control(QString("unplug %1").arg(m_id));
    m_id = 0;
}

DDevicePage *tst_MagneticTabsRoad::startProgram(const QString &model)
{
    if (m_sim.plug(model, &m_id).isEmpty())
        return nullptr;
    // A travel of 4.0 mm, as the keyboard reports it during the inquiry chain.
    if (model == "Quartz68HE" && m_sim.control(QString("maxtravel %1 40").arg(m_id)) != "OK")
        return nullptr;
    m_window = std::make_unique<DMainWidget>();
    DDevicePage *page = m_window->devicePage();
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window.get()))
        return nullptr;
    m_window->activateWindow();
    const bool loaded = QTest::qWaitFor(
        [&] { return page->getCurrentDeviceItem() && page->getKeyView() && page->profileXmlPath()[0] != '\0'; },
        Patience);
    return loaded ? page : nullptr;
}

QList<QByteArray> tst_MagneticTabsRoad::applyReports() const
{
    QList<QByteArray> reports;
    for (const QByteArray &report : receivedReports(const_cast<KbdsimProcess &>(m_sim).dump(m_id))) {
        const int sub = report.size() == 64 ? report.at(6) : -1;
        if (static_cast<unsigned char>(report.at(1)) == 0x29 && (sub == 0 || sub == 1 || sub == 12 || sub == 13))
            reports << report;
    }
    return reports;
}

void tst_MagneticTabsRoad::pressKey(DDevicePage *page, int row, int column)
{
    keyboardButCustom *cap = page->keyAt(row, column);
    QVERIFY2(cap && !cap->geometry().isEmpty(), qPrintable(QString("no key at %1,%2").arg(row).arg(column)));
    const QPoint centre = cap->mapTo(page->getKeyView(), cap->rect().center());
    page->onDragShowAreaMouseMovePoint(centre.x(), centre.y());
    page->onDragAreaMousePressOrRelease(true);
    page->onDragAreaMousePressOrRelease(false);
}

void tst_MagneticTabsRoad::triggerSettingsReachTheKeyboardAndComeBack()
{
    DDevicePage *page = startProgram("Quartz68HE");
    QVERIFY(page);
    QTRY_COMPARE_WITH_TIMEOUT(DDataManager::instance()->getKeyboardSensitivity(), 40, Patience);
    QTest::mouseClick(page->findChild<QToolButton *>("toolButton_TriggerSetting"), Qt::LeftButton);
    auto *tab = page->findChild<DTriggerSettingPage *>();
    QTRY_VERIFY_WITH_TIMEOUT(tab->isVisible(), Patience);

    // The model's corner keys: its matrix starts at row 1 and its bottom row ends at column 9. Each
    // click asks the keyboard for the key's settings; a key never set answers 0, 20, 20, 0, 0.
    QSignalSpy answers(DDataManager::instance(),
                       &DDataManager::sigQueryDynamicDisplaySensitivityNum_MouseClicked_BackInfo);
    pressKey(page, 1, 0);
    pressKey(page, 5, 9);
    QCOMPARE(page->getKeyView()->getDragSelection().size(), 2);
    QTRY_COMPARE_WITH_TIMEOUT(answers.size(), 2, Patience);
    QCOMPARE(answers.last(), QVariantList({0, 20, 20, 0, 0}));
    // The display shows the middle of 4.0 mm.
    tab->travelDisplay()->repaint();
    QCOMPARE(tab->travelDisplay()->centerStep(), 20);
    QTest::mouseClick(tab->findChild<QPushButton *>("pushButton_TriggerApply"), Qt::LeftButton);
    QList<QByteArray> applied;
    QTRY_COMPARE_WITH_TIMEOUT((applied = applyReports()).size(), 1, Patience);
    QByteArray report = applied.first();
    QCOMPARE(int(report.at(5)), 0x18);
    QCOMPARE(int(report.at(6)), 0);
    // One byte per column from byte 7, one bit per row.
    QCOMPARE(int(report.at(7)), 0x02);  // column 0, row 1
    QCOMPARE(int(report.at(16)), 0x20); // column 9, row 5
    QCOMPARE(report.mid(8, 8), QByteArray(8, '\0'));
    QCOMPARE(report.mid(17, 12), QByteArray(12, '\0'));
    // The distances the clicked key holds go back with it.
    QCOMPARE(bytes(report, 29, 4), QList<int>({20, 20, 0, 0}));

    // Rapid trigger with separate distances, the handles dragged and released.
    clickLeftEdge(tab->findChild<QCheckBox *>("checkBox_QuickTrigger"));
    clickLeftEdge(tab->findChild<QCheckBox *>("checkBox_SecondarySensitivity"));
    const auto drag = [&](const char *name, int value) {
        auto *slider = tab->findChild<MySlider *>(name);
        slider->setSliderDown(true);
        slider->setValue(value);
        slider->setSliderDown(false);
    };
    drag("horizontalSlider_PressJourney", 8);
    drag("horizontalSlider_ReleaseJourney", 12);
    QTest::mouseClick(tab->findChild<QPushButton *>("pushButton_TriggerApply"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT((applied = applyReports()).size(), 2, Patience);
    report = applied.last();
    QCOMPARE(int(report.at(6)), 13);
    QCOMPARE(bytes(report, 31, 2), QList<int>({8, 12}));

    // Leave and come back: the tab starts over; a click on one of the keys shows what it holds.
    QTest::mouseClick(page->findChild<QToolButton *>("toolButton_CustomKey"), Qt::LeftButton);
    QTest::mouseClick(page->findChild<QToolButton *>("toolButton_TriggerSetting"), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(tab->isVisible(), Patience);
    auto *quick = tab->findChild<QCheckBox *>("checkBox_QuickTrigger");
    QVERIFY(!quick->isChecked());
    pressKey(page, 5, 9);
    QTRY_VERIFY_WITH_TIMEOUT(quick->isChecked(), Patience);
    QVERIFY(tab->findChild<QCheckBox *>("checkBox_SecondarySensitivity")->isChecked());
    QCOMPARE(tab->findChild<QLabel *>("label_PressJourneySecond4")->text(), QString("0.8mm"));
    QCOMPARE(tab->findChild<QLabel *>("label_ReleaseJourneySecond5")->text(), QString("1.2mm"));
    tab->travelDisplay()->repaint();
    QCOMPARE(tab->travelDisplay()->centerStep(), 20);
}

void tst_MagneticTabsRoad::locksAndSleepTimesReachTheKeyboardAndTheProfile()
{
    DDevicePage *page = startProgram("Aster104");
    QVERIFY(page);
    QTest::mouseClick(page->findChild<QToolButton *>("toolButton_Performance"), Qt::LeftButton);
    auto *tab = page->findChild<DPerformancePage *>();
    QTRY_VERIFY_WITH_TIMEOUT(tab->isVisible(), Patience);
    QVERIFY(tab->findChild<QFrame *>("frame_Center")->isVisible());
    const QByteArray path = tab->profileXmlPath().toLocal8Bit();
    const QByteArray index = QByteArray::number(tab->profileIndex());
    m_sim.control(QString("clearlog %1").arg(m_id));

    clickLeftEdge(tab->findChild<QCheckBox *>("checkBox_disableWindowsKey"));
    clickLeftEdge(tab->findChild<QCheckBox *>("checkBox_disableALT_F4"));
    ProFileFunctionInfo locks{};
    QVERIFY(CVorlanXML_GetProFileFunctionInfo(path.constData(), index.constData(), &locks));
    QCOMPARE(QStringList({locks.altTab, locks.altF4, locks.shiftTab, locks.winKey}), QStringList({"0", "1", "0", "1"}));
    QList<QByteArray> lockReports;
    QTRY_COMPARE_WITH_TIMEOUT((lockReports =
                                   [&] {
                                       QList<QByteArray> found;
                                       for (const QByteArray &report : receivedReports(m_sim.dump(m_id)))
                                           if (report.at(1) == 0x13 && report.at(2) == 0 && report.at(6) == 0)
                                               found << report;
                                       return found;
                                   }())
                                  .size(),
                              2, Patience);
    // Windows key, SHIFT+TAB, ALT+F4, ALT+TAB.
    QCOMPARE(bytes(lockReports.last(), 13, 4), QList<int>({1, 0, 1, 0}));
    QCOMPARE(m_sim.dump(m_id).value("lockFlags").toArray(), QJsonArray({1, 0, 0, 1}));

    auto *light = tab->findChild<QLineEdit *>("lineEdit_LightSleep");
    auto *keyboard = tab->findChild<QLineEdit *>("lineEdit_KeyboardSleep");
    light->clear();
    QTest::keyClicks(light, "600");
    keyboard->clear();
    QTest::keyClicks(keyboard, "10");
    QTest::mouseClick(tab->findChild<QPushButton *>("pushButton_SubmitSleepTime"), Qt::LeftButton);
    QJsonObject memory;
    QTRY_COMPARE_WITH_TIMEOUT((memory = m_sim.dump(m_id)).value("keyboardSleep").toInt(), 600, Patience);
    QCOMPARE(memory.value("lightSleep").toInt(), 600);
    int times[2] = {0, 0};
    QTRY_VERIFY_WITH_TIMEOUT(CVorlanXML_GetProFileIntoSleepTimeInfo(path.constData(), index.constData(), times)
                                 && times[0] == 600 && times[1] == 10,
                             Patience);
}

QTEST_MAIN(tst_MagneticTabsRoad)
#include "tst_MagneticTabsRoad.moc"
