#include "app/DDataManager.h"
#include "device/DDeviceKeyboardLink.h"
#include "resources/VorlanResources.h"
#include "sdk/protocol/HidDevicePath.h"
#include "sdk/protocol/ModelCatalog.h"
#include "sdk/protocol/SimSocketName.h"
#include "tests/support/MarkingTranslator.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "widgets/BatteryItem.h"
#include "widgets/hidDeviceJoinFrame.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QtTest>

#include <memory>

namespace {

// The catalogue's model names in the order of the offline cards (by name), less the given ones.
QStringList catalogueModels(const QStringList &except = {})
{
    QStringList names;
    for (const ModelInfo &model : ModelCatalog::models())
        if (!except.contains(QString::fromStdString(model.name)))
            names << QString::fromStdString(model.name);
    std::sort(names.begin(), names.end());
    return names;
}

const int Patience = 15000;

// The kbdsim daemon in a folder of its own, driven through its control socket.
class SimDaemon
{
public:
    explicit SimDaemon(const QString &folder)
        : m_folder(folder)
    {
    }
    ~SimDaemon()
    {
        m_process.terminate();
        m_process.waitForFinished(5000);
    }

    bool start(const QStringList &plugs)
    {
        QStringList args{"--dir", m_folder};
        for (const QString &plug : plugs)
            args << "--plug" << plug;
        m_process.start(binary(), args);
        if (!m_process.waitForStarted(5000))
            return false;
        QByteArray out;
        while (!out.contains("serving in") && m_process.waitForReadyRead(10000))
            out += m_process.readAllStandardOutput();
        // "kbdsim: <id> <model> <path>"
        const QRegularExpression line("kbdsim: (\\d+) \\S+ (\\S+)");
        for (auto it = line.globalMatch(QString::fromLocal8Bit(out)); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            m_paths.insert(match.captured(1).toInt(), match.captured(2));
        }
        return out.contains("serving in");
    }

    // One control line; the answer without its end of line.
    QString control(const QString &line)
    {
        QProcess ctl;
        ctl.start(binary(), QStringList{"ctl", "--dir", m_folder} + line.split(' '));
        ctl.waitForFinished(10000);
        const QString answer = QString::fromLocal8Bit(ctl.readAllStandardOutput()).trimmed();
        const QStringList words = answer.split(' ');
        if (line.startsWith("plug") && words.size() == 3 && words[0] == "OK")
            m_paths.insert(words[1].toInt(), devicePath(words[2]));
        return answer;
    }

    QString path(int id) const { return m_paths.value(id); }
    // The device path the SDK gives a simulated keyboard's socket.
    static QString devicePath(const QString &socketPath)
    {
        HidDevicePath path;
        if (!SimSocketName::parse(QFileInfo(socketPath).fileName().toStdString(), &path.vid, &path.pid,
                                  &path.interfaceNumber))
            return QString();
        path.backendPath = HidDevicePath::simPrefix + socketPath.toStdString();
        return QString::fromStdString(path.toString());
    }
    static QString binary() { return QCoreApplication::applicationDirPath() + "/kbdsim"; }

private:
    QString m_folder;
    QProcess m_process;
    QMap<int, QString> m_paths;
};

QString currentKey(DDevicePage *page)
{
    const QMap<QString, DDeviceListItem *> cards = page->getDeviceItemMap();
    for (auto it = cards.cbegin(); it != cards.cend(); ++it) {
        if (it.value() == page->getCurrentDeviceItem())
            return it.key();
    }
    return QString();
}

// The card keys in the order the list shows them.
QStringList shownOrder(DDevicePage *page)
{
    QStringList keys;
    const QMap<QString, DDeviceListItem *> cards = page->getDeviceItemMap();
    for (DDeviceListItem *card : page->deviceListOrder())
        keys << cards.key(card);
    return keys;
}

bool showsTipPage(DDevicePage *page)
{
    auto *stack = page->findChild<QStackedWidget *>("stackedWidget_3");
    return stack && stack->currentWidget()->objectName() == "page_TipShow";
}

} // namespace

class tst_DeviceHotPlug : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startUpListing_data();
    void startUpListing();
    void plugAndUnplugWhileRunning();
    void twoKeyboardsOfAModelLeaveOneOfflineCard();
    void batteryAndReceiverReports();
    void statusFollowsTheCurrentKeyboard();
    void silentKeyboardIsOpenedAfterTheWait();
    void keyboardPluggedDuringTheListingIsListedAfterIt();
    void twoKeyboardsPluggedTogetherAreBothListed();
    void languageSwitchRetranslatesTabsOfCurrentKeyboard();

private:
    // Starts the simulator with the plugs and the main window; the listing has ended on return.
    void startProgram(const QStringList &plugs);

    QString m_folder;
    std::unique_ptr<SimDaemon> m_sim;
    std::unique_ptr<DMainWidget> m_window;
    std::unique_ptr<QSignalSpy> m_names;
    std::unique_ptr<QSignalSpy> m_upgradeChecks;
    int m_run = 0;
};

void tst_DeviceHotPlug::initTestCase()
{
    initVorlanResources();
    DDataManager::instance()->loadTheme(0);
    QVERIFY(QFileInfo(SimDaemon::binary()).isExecutable());
}

void tst_DeviceHotPlug::init()
{
    m_folder = qEnvironmentVariable("VORLAN_TEST_TMP", QDir::tempPath()) + QString("/sim%1").arg(++m_run);
    qputenv("VORLAN_SIM_DIR", m_folder.toLocal8Bit());
    m_sim = std::make_unique<SimDaemon>(m_folder);
}

void tst_DeviceHotPlug::cleanup()
{
    m_names.reset();
    m_upgradeChecks.reset();
    m_window.reset();
    m_sim.reset();
    qunsetenv("VORLAN_SIM_DIR");
}

void tst_DeviceHotPlug::startProgram(const QStringList &plugs)
{
    QVERIFY(m_sim->start(plugs));
    m_window = std::make_unique<DMainWidget>();
    DDevicePage *page = m_window->devicePage();
    m_names = std::make_unique<QSignalSpy>(page, &DDevicePage::sigReturnHidLikeName);
    m_upgradeChecks = std::make_unique<QSignalSpy>(page, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
    m_window->show();
    QTRY_COMPARE_WITH_TIMEOUT(m_upgradeChecks->count(), 1, Patience);
}

void tst_DeviceHotPlug::startUpListing_data()
{
    QTest::addColumn<QStringList>("plugs");
    // Card keys in list order: "cable<id>"/"receiver<id>" stand for the simulator's paths.
    QTest::addColumn<QStringList>("order");
    QTest::addColumn<QString>("current");

    QTest::newRow("cable, receiver, unconnected model")
        << QStringList{"Breeze84W:SNRECEIVER0000000000000000000001:receiver",
                       "Aster104:SNCABLE0000000000000000000000001"}
        << QStringList{"2", "1", "*"} << "2";
    QTest::newRow("only a receiver") << QStringList{"Breeze84W::receiver"} << QStringList{"1", "*"} << "";
    QTest::newRow("two keyboards of one model")
        << QStringList{"Aster104", "Aster104"} << QStringList{"1", "2", "*"} << "1";
    QTest::newRow("nothing connected") << QStringList{} << QStringList{"*"} << "";
}

void tst_DeviceHotPlug::startUpListing()
{
    QFETCH(QStringList, plugs);
    QFETCH(QStringList, order);
    QFETCH(QString, current);
    startProgram(plugs);
    if (QTest::currentTestFailed())
        return;
    DDevicePage *page = m_window->devicePage();

    // "*": the offline cards of every model not plugged.
    QStringList plugged;
    for (const QString &plug : plugs)
        plugged << plug.section(':', 0, 0);
    QStringList expected;
    for (const QString &key : order)
        expected << (key == "*" ? catalogueModels(plugged)
                                : QStringList{key.toInt() > 0 ? m_sim->path(key.toInt()) : key});
    QCOMPARE(shownOrder(page), expected);
    // Every connected device is opened.
    QCOMPARE(page->getDeviceLinkMap().size(), page->getHidInfoMap().size());
    QCOMPARE(page->getHidInfoMap().size(), plugs.size());

    if (current.isEmpty()) {
        QVERIFY(!page->getCurrentDeviceItem());
        QVERIFY(showsTipPage(page));
        QCOMPARE(m_names->last(), (QList<QVariant>{"HID", "RGB"}));
    } else {
        QCOMPARE(currentKey(page), m_sim->path(current.toInt()));
        QVERIFY(page->getCurrentDeviceItem()->isSelected());
        QVERIFY(page->getKeyView());
        QVERIFY(!showsTipPage(page));
        QCOMPARE(m_names->first().at(1).toString(), QString("RGB Keyboard"));
    }
}

void tst_DeviceHotPlug::plugAndUnplugWhileRunning()
{
    startProgram({"Aster104"});
    if (QTest::currentTestFailed())
        return;
    DDevicePage *page = m_window->devicePage();
    const QString first = m_sim->path(1);
    QCOMPARE(currentKey(page), first);
    QSignalSpy removals(page, &DDevicePage::sigIntoOrRemoveHidOver);
    auto *triggerTab = page->findChild<QWidget *>("toolButton_TriggerSetting");
    auto *battery = page->findChild<QWidget *>("frame_Battery");
    QVERIFY(!triggerTab->isVisibleTo(page));
    QVERIFY(battery->isVisibleTo(page));

    // A new keyboard takes over the offline card of its model and is opened; the current one stays.
    DDeviceListItem *offlineCard = page->getDeviceItemMap().value("Quartz68HE");
    QVERIFY(offlineCard);
    QVERIFY(m_sim->control("plug Quartz68HE").startsWith("OK"));
    const QString second = m_sim->path(2);
    QTRY_VERIFY_WITH_TIMEOUT(page->getDeviceLinkMap().contains(second), Patience);
    QCOMPARE(page->getDeviceItemMap().value(second), offlineCard);
    QVERIFY(!page->getDeviceItemMap().contains("Quartz68HE"));
    QCOMPARE(offlineCard->getOnlineState(), 1);
    QCOMPARE(currentKey(page), first);
    QCOMPARE(shownOrder(page), QStringList({first, second}) + catalogueModels({"Aster104", "Quartz68HE"}));

    // Unplugging the current keyboard makes the other cable keyboard current.
    QVERIFY(m_sim->control("unplug 1").startsWith("OK"));
    QTRY_COMPARE_WITH_TIMEOUT(removals.count(), 1, Patience);
    QCOMPARE(currentKey(page), second);
    // A magnetic-switch layout (type 4): the trigger tab, no battery, charging or connection display.
    QCOMPARE(DDataManager::instance()->getHidDeviceType(), 4);
    QVERIFY(triggerTab->isVisibleTo(page));
    QVERIFY(!battery->isVisibleTo(page));
    QVERIFY(!page->getDeviceLinkMap().contains(first));
    QCOMPARE(page->getDeviceItemMap().value("Aster104")->getOnlineState(), 0);
    QCOMPARE(shownOrder(page), QStringList({second}) + catalogueModels({"Quartz68HE"}));

    // Unplugging the last one leaves offline cards only.
    QVERIFY(m_sim->control("unplug 2").startsWith("OK"));
    QTRY_COMPARE_WITH_TIMEOUT(removals.count(), 2, Patience);
    QVERIFY(!page->getCurrentDeviceItem());
    QVERIFY(page->getHidInfoMap().isEmpty());
    QCOMPARE(page->getDeviceItemMap().keys(), catalogueModels());
    QVERIFY(showsTipPage(page));
    QCOMPARE(m_names->last(), (QList<QVariant>{"HID", "RGB"}));
}

void tst_DeviceHotPlug::twoKeyboardsOfAModelLeaveOneOfflineCard()
{
    startProgram({"Aster104", "Aster104"});
    if (QTest::currentTestFailed())
        return;
    DDevicePage *page = m_window->devicePage();
    QSignalSpy removals(page, &DDevicePage::sigIntoOrRemoveHidOver);
    QVERIFY(m_sim->control("unplug 2").startsWith("OK"));
    QTRY_COMPARE_WITH_TIMEOUT(removals.count(), 1, Patience);
    QVERIFY(m_sim->control("unplug 1").startsWith("OK"));
    QTRY_COMPARE_WITH_TIMEOUT(removals.count(), 2, Patience);
    QCOMPARE(page->getDeviceItemMap().keys(), catalogueModels());
    QTRY_COMPARE_WITH_TIMEOUT(page->deviceListOrder().size(), catalogueModels().size(), Patience);

    // Plugged in again, the keyboard takes over that one card.
    DDeviceListItem *offlineCard = page->getDeviceItemMap().value("Aster104");
    QVERIFY(m_sim->control("plug Aster104").startsWith("OK"));
    QTRY_VERIFY_WITH_TIMEOUT(page->getCurrentDeviceItem() == offlineCard, Patience);
    QCOMPARE(currentKey(page), m_sim->path(3));
}

void tst_DeviceHotPlug::batteryAndReceiverReports()
{
    startProgram({"Breeze84W:SNRECEIVER0000000000000000000001:receiver"});
    if (QTest::currentTestFailed())
        return;
    DDevicePage *page = m_window->devicePage();
    const QString path = m_sim->path(1);
    QVERIFY(!page->getCurrentDeviceItem());

    // The receiver reports its keyboard: it turns online and becomes current.
    QVERIFY(m_sim->control("status 1 0 0 80 1 0 0").startsWith("OK"));
    QTRY_COMPARE_WITH_TIMEOUT(currentKey(page), path, Patience);
    QCOMPARE(page->getDongleStateMap().value(path), 0);
    QCOMPARE(page->getCurrentDeviceItem()->getOnlineState(), 1);
    // That report came before the keyboard was current: only the next one is shown.
    auto *mode = page->findChild<QLabel *>("label_Mode");
    auto *charging = page->findChild<QLabel *>("label_Charging");
    QVERIFY(!charging->isVisibleTo(page));
    QVERIFY(m_sim->control("status 1 0 1 40 1 0 0").startsWith("OK"));
    QTRY_VERIFY_WITH_TIMEOUT(charging->isVisibleTo(page), Patience);
    QCOMPARE(mode->text(), QString("2.4G"));

    // Out of reach: the card turns offline and nothing else is usable.
    QVERIFY(m_sim->control("status 1 0 0 80 1 1 0").startsWith("OK"));
    QTRY_COMPARE_WITH_TIMEOUT(page->getDongleStateMap().value(path), 1, Patience);
    QTRY_VERIFY_WITH_TIMEOUT(!page->getCurrentDeviceItem(), Patience);
    QCOMPARE(page->getDeviceItemMap().value(path)->getOnlineState(), 0);
    QVERIFY(showsTipPage(page));
    QCOMPARE(m_names->last(), (QList<QVariant>{"HID", "RGB"}));
    // Its link stays open for the receiver's next report.
    QVERIFY(page->getDeviceLinkMap().contains(path));
}

void tst_DeviceHotPlug::statusFollowsTheCurrentKeyboard()
{
    startProgram({"Aster104:SNCABLE0000000000000000000000001", "Breeze84W:SNRECEIVER0000000000000000000001:receiver"});
    if (QTest::currentTestFailed())
        return;
    DDevicePage *page = m_window->devicePage();
    const QString cable = m_sim->path(1);
    const QString receiver = m_sim->path(2);
    auto *mode = page->findChild<QLabel *>("label_Mode");
    auto *battery = page->findChild<BatteryItem *>("label_ElectricityNum");
    QVERIFY(mode && battery);
    auto select = [&](const QString &path) {
        QTest::mouseClick(page->getDeviceItemMap().value(path), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(currentKey(page), path, Patience);
    };
    // The page took the receiver keyboard's status report (its slot runs before the spy's).
    QSignalSpy receiverReports(page->getDeviceLinkMap().value(receiver),
                               &DDeviceKeyboardLink::sigSendChargingStatusAndElectricity);
    auto reportFromReceiver = [&](const QString &line) {
        const int before = receiverReports.count();
        QVERIFY(m_sim->control(line).startsWith("OK"));
        QTRY_VERIFY_WITH_TIMEOUT(receiverReports.count() > before, Patience);
    };

    // The cable keyboard reports no battery and shows none.
    QCOMPARE(currentKey(page), cable);
    QCOMPARE(mode->text(), QString("USB"));
    QVERIFY(!battery->isVisibleTo(page));
    // The receiver keyboard reports; its state is not the cable keyboard's.
    reportFromReceiver("status 2 0 0 85 1 0 0");
    QTRY_COMPARE_WITH_TIMEOUT(page->getDongleStateMap().value(receiver), 0, Patience);
    QCOMPARE(mode->text(), QString("USB"));
    QVERIFY(!battery->isVisibleTo(page));

    // The receiver keyboard: its connection at once, its battery from its next report on.
    select(receiver);
    QCOMPARE(mode->text(), QString("2.4G"));
    QVERIFY(!battery->isVisibleTo(page));
    reportFromReceiver("status 2 0 0 85 1 0 0");
    QVERIFY(battery->isVisibleTo(page));
    QCOMPARE(battery->batteryLevel(), 85);
    QCOMPARE(mode->text(), QString("2.4G"));

    // Back on the cable keyboard, the receiver keyboard's reports leave it alone.
    select(cable);
    QCOMPARE(mode->text(), QString("USB"));
    QVERIFY(!battery->isVisibleTo(page));
    reportFromReceiver("status 2 0 1 40 1 0 0");
    QCOMPARE(mode->text(), QString("USB"));
    QVERIFY(!battery->isVisibleTo(page));
    QVERIFY(!page->findChild<QLabel *>("label_Charging")->isVisibleTo(page));
}

void tst_DeviceHotPlug::silentKeyboardIsOpenedAfterTheWait()
{
    QVERIFY(m_sim->start({"Aster104"}));
    QVERIFY(m_sim->control("mute 1 on").startsWith("OK"));
    m_window = std::make_unique<DMainWidget>();
    DDevicePage *page = m_window->devicePage();
    // A clock that runs 100 ms per look: the open wait gives up after its limit without real waiting.
    auto now = std::make_shared<qint64>(0);
    int looks = 0;
    page->replyWait().setClock(
        [now, &looks] {
            ++looks;
            return *now += 100;
        },
        [now] { *now = 0; });
    QSignalSpy upgradeChecks(page, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);
    QTRY_COMPARE_WITH_TIMEOUT(upgradeChecks.count(), 1, Patience);
    QVERIFY(page->getDeviceLinkMap().contains(m_sim->path(1)));
    QVERIFY(!page->getDeviceLinkMap().first()->isInquireOver());
    QCOMPARE(currentKey(page), m_sim->path(1));
    // 1300 ms for the opening and 1500 ms more when it becomes current.
    QCOMPARE(looks, 13 + 15);
}

void tst_DeviceHotPlug::keyboardPluggedDuringTheListingIsListedAfterIt()
{
    QVERIFY(m_sim->start({"Aster104"}));
    QVERIFY(m_sim->control("mute 1 on").startsWith("OK"));
    m_window = std::make_unique<DMainWidget>();
    DDevicePage *page = m_window->devicePage();
    QSignalSpy upgradeChecks(page, &DDevicePage::sigHaveCheckUpgradeFirmwareNUC);

    // Plug the second keyboard while the listing waits for the silent first one.
    QTimer poll;
    bool plugged = false;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (!plugged && page->getDeviceLinkMap().contains(m_sim->path(1)) && upgradeChecks.isEmpty()) {
            plugged = m_sim->control("plug Quartz68HE").startsWith("OK");
            poll.stop();
        }
    });
    poll.start(10);
    QTRY_COMPARE_WITH_TIMEOUT(upgradeChecks.count(), 1, Patience);
    QVERIFY(plugged);
    QTRY_VERIFY_WITH_TIMEOUT(page->getDeviceLinkMap().contains(m_sim->path(2)), Patience);
    QCOMPARE(page->getDeviceItemMap().value(m_sim->path(2))->getOnlineState(), 1);
    QVERIFY(!page->getDeviceItemMap().contains("Quartz68HE"));
    QCOMPARE(currentKey(page), m_sim->path(1));
}

void tst_DeviceHotPlug::twoKeyboardsPluggedTogetherAreBothListed()
{
    startProgram({});
    if (QTest::currentTestFailed())
        return;
    DDevicePage *page = m_window->devicePage();
    // The id of the keyboard a plug answer ("OK <id> <socket>") names.
    auto plug = [this](const QString &what) {
        const QStringList words = m_sim->control("plug " + what).split(' ');
        return words.size() == 3 && words[0] == "OK" ? words[1].toInt() : 0;
    };
    for (int round = 0; round < 20; ++round) {
        // The second keyboard arrives while the program handles the first (its link's opening wait).
        const int receiver = plug("Breeze84W::receiver");
        QVERIFY(receiver > 0);
        int cable = 0;
        QTimer::singleShot(50, this, [&] { cable = plug("Aster104"); });
        QTRY_VERIFY_WITH_TIMEOUT(cable > 0, Patience);
        const QString receiverPath = m_sim->path(receiver);
        const QString cablePath = m_sim->path(cable);
        QTRY_VERIFY2_WITH_TIMEOUT(page->getDeviceLinkMap().contains(receiverPath)
                                      && page->getDeviceLinkMap().contains(cablePath),
                                  qPrintable(QString("round %1").arg(round)), Patience);
        QVERIFY(page->getDeviceItemMap().contains(receiverPath));
        QVERIFY(page->getDeviceItemMap().contains(cablePath));

        QVERIFY(m_sim->control(QString("unplug %1").arg(receiver)).startsWith("OK"));
        QVERIFY(m_sim->control(QString("unplug %1").arg(cable)).startsWith("OK"));
        QTRY_VERIFY_WITH_TIMEOUT(page->getDeviceLinkMap().isEmpty(), Patience);
    }
}

void tst_DeviceHotPlug::languageSwitchRetranslatesTabsOfCurrentKeyboard()
{
    startProgram({"Aster104:SNCABLE0000000000000000000000001"});
    DDevicePage *page = m_window->devicePage();
    QVERIFY(page->getCurrentDeviceItem());
    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    m_window->omUpdataAllUI();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(page->findChild<QLabel *>("label")->text(), QString("[Device List]"));
    QCOMPARE(page->findChild<QPushButton *>("pushButton_Download")->text(), QString("[Download]"));
    QCOMPARE(page->findChild<QPushButton *>("pushButton_keyboardProperties")->text(), QString("[Keyboard properties]"));
}

QTEST_MAIN(tst_DeviceHotPlug)
#include "tst_DeviceHotPlug.moc"
