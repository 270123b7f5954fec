#include "app/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "resources/VorlanResources.h"
#include "sdk/store/VorlanXml.h"
#include "tests/support/KbdsimProcess.h"
#include "tests/support/SeenAppVersion.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/lights/DCustomLightListItem.h"
#include "ui/mainwidget/devicePage/lights/DLightsConfigPage.h"
#include "widgets/hidDeviceJoinFrame.h"
#include "widgets/keyboardButCustom.h"

#include <QCheckBox>
#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QToolButton>
#include <QtTest>

#include <list>
#include <memory>

namespace {

const int Patience = 20000;

} // namespace

// The lighting tab of the program against the simulated keyboard: what the tab sends arrives in
// the keyboard's memory, and a change made on the keyboard comes back to the tab.
class tst_LightsTabKbdsim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void lightingTabReachesTheKeyboard();
    void customLightSetReachesKeyboardSlot();
    void cleanupTestCase();

private:
    // Waits until every report queued so far has reached the keyboard, then returns the reports
    // received since the last clearlog (hex text, upper case) whose command is one of commands.
    QStringList receivedSinceClear(const QList<int> &commands);
    QToolButton *lightsButton(const char *name) const { return m_tab->findChild<QToolButton *>(name); }

    KbdsimProcess m_sim;
    std::unique_ptr<DMainWidget> m_window;
    DLightsConfigPage *m_tab = nullptr;
    int m_id = 0;
};

void tst_LightsTabKbdsim::initTestCase()
{
    initVorlanResources();
    markAppVersionSeen();
    DDataManager::instance()->loadTheme(0);
    QVERIFY(m_sim.start(qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + "/sim"));
}

void tst_LightsTabKbdsim::cleanupTestCase()
{
    m_window.reset();
}

QStringList tst_LightsTabKbdsim::receivedSinceClear(const QList<int> &commands)
{
    const auto count = [this](int command) {
        int found = 0;
        for (const QJsonValue &entry : m_sim.dump(m_id).value("received").toArray())
            found += entry.toObject().value("report").toString().mid(3, 2).toInt(nullptr, 16) == command;
        return found;
    };
    // The I/O thread writes in queue order: once the sleep-time inquiry queued last has arrived,
    // so has everything queued before it.
    const int before = count(0x13);
    m_window->devicePage()->getCurrentDeviceLink()->checkSleepTime();
    if (!QTest::qWaitFor([&] { return count(0x13) > before; }, Patience))
        return {"the queue did not drain"};
    QStringList reports;
    for (const QJsonValue &entry : m_sim.dump(m_id).value("received").toArray()) {
        const QString report = entry.toObject().value("report").toString().toUpper();
        if (commands.contains(report.mid(3, 2).toInt(nullptr, 16)))
            reports << report;
    }
    return reports;
}

void tst_LightsTabKbdsim::lightingTabReachesTheKeyboard()
{
    QVERIFY(!m_sim.plug("Aster104", &m_id).isEmpty());
    m_window = std::make_unique<DMainWidget>();
    DDevicePage *page = m_window->devicePage();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY_WITH_TIMEOUT(page->getCurrentDeviceItem() && page->getKeyView(), Patience);
    m_tab = page->findChild<DLightsConfigPage *>();
    QTRY_VERIFY_WITH_TIMEOUT(!m_tab->profileXmlPath().isEmpty(), Patience);

    // Opening the tab sends the profile's keyboard mode.
    QCOMPARE(m_sim.control(QString("clearlog %1").arg(m_id)).left(2), QString("OK"));
    QTest::mouseClick(page->findChild<QToolButton *>("toolButton_LightConfig"), Qt::LeftButton);
    QStringList reports = receivedSinceClear({0x06, 0x07});
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.at(0).left(17), QString("01 06 00 00 00 0E"));
    QCOMPARE(reports.at(0).mid(18, 2).toInt(nullptr, 16), m_tab->keyboardMode());

    // A mode the new profile has no record of goes out with its default record.
    m_sim.control(QString("clearlog %1").arg(m_id));
    QTest::mouseClick(lightsButton("toolButton_Ripple"), Qt::LeftButton);
    reports = receivedSinceClear({0x06, 0x07});
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.at(0).left(53), QString("01 06 00 00 00 0E 08 02 02 FF 00 00 00 00 00 04 01 00"));
    QJsonObject memory = m_sim.dump(m_id);
    const QJsonObject keyboardLight = memory.value("keyboardLight").toObject();
    QCOMPARE(keyboardLight.value("mode").toInt(), 8);
    QCOMPARE(keyboardLight.value("brightness").toInt(), 2);
    QCOMPARE(keyboardLight.value("direction").toInt(), 4);
    QCOMPARE(keyboardLight.value("color").toArray(), (QJsonArray{255, 0, 0}));
    QVERIFY(!memory.value("received").toArray().last().toObject().contains("note"));

    // The side light of this model.
    QTest::mouseClick(lightsButton("toolButton_LightSelectTypeChanged"), Qt::LeftButton);
    QVERIFY(m_tab->isSideLightArea());
    m_sim.control(QString("clearlog %1").arg(m_id));
    QTest::mouseClick(lightsButton("toolButton_SideWave"), Qt::LeftButton);
    reports = receivedSinceClear({0x06, 0x07});
    QCOMPARE(reports.size(), 1);
    QCOMPARE(reports.at(0).left(20), QString("01 07 00 00 00 0D 02"));
    QCOMPARE(m_sim.dump(m_id).value("sideLight").toObject().value("mode").toInt(), 2);

    // A change made on the keyboard brings the tab to that area and mode and sends nothing back.
    m_sim.control(QString("clearlog %1").arg(m_id));
    QVERIFY(m_sim.control(QString("light %1 0 5 3 2 0 255 0").arg(m_id)).startsWith("OK"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_tab->isSideLightArea() && m_tab->keyboardMode() == 5, Patience);
    QVERIFY(lightsButton("toolButton_Snack")->isChecked());
    QCOMPARE(receivedSinceClear({0x06, 0x07}), QStringList());
}

void tst_LightsTabKbdsim::customLightSetReachesKeyboardSlot()
{
    QVERIFY(m_tab);
    DDevicePage *page = m_window->devicePage();
    const auto row = [this](const QString &index) -> DCustomLightListItem * {
        for (DCustomLightListItem *item : m_tab->customLightItems()) {
            if (item->getIndex() == index)
                return item;
        }
        return nullptr;
    };
    QTest::mouseClick(lightsButton("toolButton_CustomLed"), Qt::LeftButton);
    QCOMPARE(m_tab->getCurrentCustomLightIndex(), 0);
    QVERIFY(row("2"));
    QTest::mouseClick(row("2"), Qt::LeftButton);
    QCOMPARE(m_tab->customLightSlot(), -1);

    // Three neighbouring keys of the picture, chosen by the corners of their caps.
    hidDeviceJoinFrame *view = page->getKeyView();
    const QList<keyboardButCustom *> caps = DDataManager::instance()->getKeyInfoList();
    QList<keyboardButCustom *> chosen;
    for (const char *name : {"Q", "W", "E"}) {
        for (keyboardButCustom *cap : caps) {
            if (cap && cap->getKeyCharacter() == name)
                chosen << cap;
        }
    }
    QCOMPARE(chosen.size(), 3);
    const QPoint first = chosen.first()->mapTo(view, QPoint(0, 0));
    const QPoint last = chosen.last()->mapTo(view, QPoint(0, 0));
    view->selectKeysInRect(first.x() - 3, first.y() - 3, last.x() + 3, last.y() + 3);
    QCOMPARE(view->getDragSelection().size(), 3);

    // A red preset paints and stores the keys; with no slot nothing goes to the keyboard's slots.
    m_sim.control(QString("clearlog %1").arg(m_id));
    QTest::mousePress(m_tab->findChild<QLabel *>("label_Color01"), Qt::LeftButton);
    QCOMPARE(receivedSinceClear({0x08}), QStringList());
    std::list<CustomLightItemStu> stored;
    const QByteArray path = m_tab->profileXmlPath().toLocal8Bit();
    QVERIFY(CVorlanXML_ProFileCustomLightInfoSelectAll(
        path.constData(), QByteArray::number(m_tab->profileIndex()).constData(), "2", &stored));
    QCOMPARE(int(stored.size()), 3);
    for (const CustomLightItemStu &item : stored)
        QCOMPARE(QColor(item.colorR, item.colorG, item.colorB), QColor(255, 0, 0));

    // Putting the set into use sends it into slot 0.
    m_sim.control(QString("clearlog %1").arg(m_id));
    QTest::mouseClick(row("2")->findChild<QCheckBox *>("checkBox"), Qt::LeftButton);
    const QStringList reports = receivedSinceClear({0x06, 0x08});
    QCOMPARE(reports.size(), 9);
    for (int i = 0; i < 8; ++i)
        QCOMPARE(reports.at(i).left(8), QString("01 08 00"));
    QCOMPARE(reports.at(8).left(20), QString("01 06 00 00 00 0E 0A"));
    QCOMPARE(reports.at(8).mid(3 * 62), QString("00 00"));
    const QStringList slot0 = m_sim.dump(m_id).value("customLightSlots").toObject().value("0").toString().split(' ');
    QCOMPARE(slot0.size(), 6 * 22 * 3);
    for (int cell = 0; cell < 6 * 22; ++cell) {
        const bool red = cell < caps.size() && chosen.contains(caps.at(cell));
        QCOMPARE(slot0.mid(cell * 3, 3).join(' '), QString(red ? "ff 00 00" : "00 00 00"));
    }

    // The keyboard showing its slot 1 brings the tab to the set in that slot.
    QTest::mouseClick(lightsButton("toolButton_Static"), Qt::LeftButton);
    QVERIFY(m_sim.control(QString("custom %1 1").arg(m_id)).startsWith("OK"));
    QTRY_VERIFY_WITH_TIMEOUT(m_tab->keyboardMode() == 10 && m_tab->getCurrentCustomLightIndex() == 1, Patience);
    QCOMPARE(m_tab->customLightSlot(), 1);
    QVERIFY(row("1")->isItemSelected());
}

QTEST_MAIN(tst_LightsTabKbdsim)
#include "tst_LightsTabKbdsim.moc"
