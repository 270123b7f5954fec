#include "bench/MusicBenchSession.h"

#include "app/DDataManager.h"
#include "app/WindowsHookInterface.h"
#include "resources/VorlanResources.h"
#include "tests/support/SeenAppVersion.h"
#include "ui/mainwidget/DMainWidget.h"
#include "ui/mainwidget/devicePage/DDeviceListItem.h"
#include "ui/mainwidget/devicePage/DDevicePage.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/lightDeal/lightDealMain.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <QToolButton>

#include <cstdio>

namespace {

constexpr int kPatienceMs = 30000;

} // namespace

MusicBenchSession::MusicBenchSession()
{
    qputenv("HOME", m_home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (m_home.path() + "/config").toLocal8Bit());
    qputenv("XDG_DATA_HOME", (m_home.path() + "/data").toLocal8Bit());
    initVorlanResources();
    markAppVersionSeen();
    DDataManager::instance()->loadTheme(0);
    WindowsHookInterface::setBackend(&m_hooks);
}

MusicBenchSession::~MusicBenchSession()
{
    m_window.reset();
    WindowsHookInterface::setBackend(nullptr);
}

DDevicePage *MusicBenchSession::page() const
{
    return m_window ? m_window->devicePage() : nullptr;
}

lightDealMain *MusicBenchSession::engine() const
{
    return page() ? page()->lightEngine() : nullptr;
}

bool MusicBenchSession::start(const QString &model, bool receiver)
{
    if (!m_sim.start(m_home.path() + "/sim")) {
        std::fprintf(stderr, "kbdsim did not start\n");
        return false;
    }
    if (m_sim.plug(receiver ? model + ":receiver" : model, &m_id).isEmpty()) {
        std::fprintf(stderr, "cannot plug %s\n", qPrintable(model));
        return false;
    }
    m_window = std::make_unique<DMainWidget>();
    m_window->show();
    if (!QTest::qWaitFor([&] { return findItem(model, receiver) != nullptr; }, kPatienceMs)) {
        std::fprintf(stderr, "%s is not listed\n", qPrintable(model));
        return false;
    }
    // A keyboard behind a receiver becomes current once it reports itself in reach.
    if (receiver && !m_sim.control(QString("status %1 0 0 85 1 0 0").arg(m_id)).startsWith("OK")) {
        std::fprintf(stderr, "the receiver's keyboard did not take its status\n");
        return false;
    }
    if (!selectCurrent(model, receiver)) {
        std::fprintf(stderr, "%s did not become current\n", qPrintable(model));
        return false;
    }
    // Musical Rhythm at speed 3 set on the keyboard itself: it reports the record, which the program
    // stores in the profile and hands to the light engine (the light it reads back after a
    // selection would otherwise replace a light set only in the program).
    if (!m_sim.control(QString("light %1 0 100 4 2 255 0 0").arg(m_id)).startsWith("OK")) {
        std::fprintf(stderr, "the simulator did not take the light record\n");
        return false;
    }
    if (!QTest::qWaitFor(
            [this] {
                return engine()->isMusicRuning() && engine()->audioCapture()->isRunning()
                       && engine()->keyboardColorInfo().lightMode == 100;
            },
            kPatienceMs)) {
        std::fprintf(stderr, "music did not start (is a sound server answering?)\n");
        return false;
    }
    return true;
}

DDeviceListItem *MusicBenchSession::findItem(const QString &name, bool receiver) const
{
    for (DDeviceListItem *item : page()->getDeviceItemMap()) {
        if (item && item->getHidInfo().usbOrDongle == (receiver ? 1 : 0)
            && QString::fromLatin1(item->getHidInfo().hidName) == name)
            return item;
    }
    return nullptr;
}

bool MusicBenchSession::selectCurrent(const QString &name, bool receiver)
{
    QElapsedTimer sinceClick;
    return QTest::qWaitFor(
        [&] {
            DDevicePage *devices = page();
            DDeviceListItem *target = findItem(name, receiver);
            // A receiver's keyboard takes a click only once its status says it is in reach.
            if (target && devices->getCurrentDeviceItem() != target
                && (!sinceClick.isValid() || sinceClick.elapsed() > 1000)) {
                devices->onHidItemMouseClicked(target->getHidInfo());
                sinceClick.start();
            }
            return target && devices->getCurrentDeviceItem() == target && devices->profileXmlPath()[0] != '\0'
                   && devices->lightEngine()->isLightSynchronous();
        },
        kPatienceMs);
}

void MusicBenchSession::showLighting()
{
    if (QToolButton *lighting = page()->findChild<QToolButton *>("toolButton_LightConfig"))
        QTest::mouseClick(lighting, Qt::LeftButton);
}

QString machineLoad()
{
    QFile file("/proc/loadavg");
    if (!file.open(QIODevice::ReadOnly))
        return "?";
    return QString::fromLatin1(file.readAll()).section(' ', 0, 2);
}
