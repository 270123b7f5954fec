#include "device/MainHidInterFace.h"

#include "device/HidCmdReport.h"
#include "sdk/hid/VorlanHidSdk.h"
#include "sdk/protocol/ModelCatalog.h"

#include <QDebug>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <new>

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

namespace {

constexpr int kShakeHandsIntervalMs = 1000;
// The SDK's pacing argument: one tick of 1 ms.
constexpr int kPacingValue = 100;

int64_t steadyMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

MainHidInterFace::MainHidInterFace(int threadIndex, QString hidName, QObject *parent)
    : QThread(parent)
    , m_threadIndex(threadIndex)
    , m_strHidName(std::move(hidName))
    , m_shakeHandsTimer(new QTimer(this))
    , m_wakeFd(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC))
{
    if (m_wakeFd < 0)
        qWarning() << "MainHidInterFace: no wake-up descriptor; an idle thread wakes only on device data";
    connect(m_shakeHandsTimer, &QTimer::timeout, this, &MainHidInterFace::onShakeHandsRuning);
    CVorlanHid_highPrecisionTimerInit(&m_pacingTimer);
    CVorlanHid_highPrecisionTimerStart(m_pacingTimer);
}

MainHidInterFace::~MainHidInterFace()
{
    qDebug() << "________________________ MainHidInterFace::~MainHidInterFace() ........";
    // The thread must be gone before the queues and locks are.
    closeHid();
    wait();
    std::lock_guard<std::mutex> runEnd(m_runEndMutex);
    if (m_wakeFd >= 0)
        ::close(m_wakeFd);
}

int MainHidInterFace::lightQueueDepth(const QString &hidName)
{
    return ModelCatalog::usesLightQueueDepth10(hidName.toStdString()) ? 10 : 9;
}

int MainHidInterFace::openHid(QString hidPath)
{
    // Opening again must not leak the handle of the first opening.
    closeHid();
    m_hidPath = hidPath;
    const QByteArray latin1 = hidPath.toLatin1();
    const intptr_t handle = CVorlanHid_OpenPath(latin1.constData());
    if (handle == 0) {
        qDebug() << "Unable to open device [Error]";
        m_isOpen = false;
        return -1;
    }
    {
        std::lock_guard<std::mutex> io(m_ioMutex);
        m_hidPathLatin1 = latin1;
        m_handle = handle;
    }
    qDebug() << "Open device success; HidName:" << m_strHidName;
    // Reports left from an earlier opening must not go out before the inquiry.
    {
        std::lock_guard<std::mutex> commands(m_commandMutex);
        m_commandQueue.clear();
    }
    {
        std::lock_guard<std::mutex> lights(m_lightMutex);
        m_lightQueue.clear();
    }
    // A closing stopped the pacing timer; the thread needs its ticks again.
    CVorlanHid_highPrecisionTimerStart(m_pacingTimer);
    m_isOpen = true;

    if (sendCommand(HidCmdReport(CMD_SN_INQUIRY).data()) < 0)
        qDebug() << "---------- *** Inquire [Device SN] Failed *** ----------";

    m_shakeHandsRunNum = 0;
    m_nextHandshakeMs = steadyMs() + kShakeHandsIntervalMs;
    m_shakeHandsTimer->start(kShakeHandsIntervalMs);
    CVorlanHid_SetNonblocking(handle, 1);
    emit sigOpenHidSuccessful();
    return 0;
}

void MainHidInterFace::onShakeHandsRuning()
{
    if (!m_isOpen)
        return;
    m_nextHandshakeMs = steadyMs() + kShakeHandsIntervalMs;
    HidCmdReport handshake(CMD_HANDSHAKE);
    handshake[5] = 1;
    if (sendCommand(handshake.data()) < 0) {
        qDebug() << "---------- *** ShakeHands Failed [MainHidInterFace] *** ---------- m_strHidName:" << m_strHidName
                 << "  Stop_m_ShakeHandsRunNum:" << m_shakeHandsRunNum;
    }
}

int MainHidInterFace::sendCommand(const unsigned char *report)
{
    if (!m_isOpen || !report)
        return -1;
    try {
        ReportBuffer copy;
        std::copy_n(report, copy.size(), copy.begin());
        std::lock_guard<std::mutex> commands(m_commandMutex);
        m_commandQueue.push_back(copy);
    } catch (const std::bad_alloc &) {
        return -1;
    }
    wakeThread();
    return 0;
}

int MainHidInterFace::sendLightData(const unsigned char *frame)
{
    if (!m_isOpen || !frame)
        return -1;
    std::unique_lock<std::mutex> lights(m_lightMutex);
    if (m_lightQueue.empty())
        m_lightHold = true;
    if (!m_lightStreamEnabled || !m_lightHold)
        return 0;
    // The frame that finds the batch full still joins it and ends the hold.
    if (static_cast<int>(m_lightQueue.size()) == lightQueueDepth(m_strHidName))
        m_lightHold = false;
    try {
        ReportBuffer copy;
        std::copy_n(frame, copy.size(), copy.begin());
        m_lightQueue.push_back(copy);
    } catch (const std::bad_alloc &) {
        return -1;
    }
    lights.unlock();
    wakeThread();
    return 0;
}

void MainHidInterFace::setLightStreamEnabled(bool on)
{
    m_lightStreamEnabled = on;
    wakeThread();
}

int MainHidInterFace::closeHid()
{
    if (!m_isOpen.exchange(false))
        return 0;
    {
        std::lock_guard<std::mutex> io(m_ioMutex);
        CVorlanHid_Close(m_handle);
        m_handle = 0;
    }
    if (m_shakeHandsTimer->isActive()) {
        m_shakeHandsTimer->stop();
        m_shakeHandsRunNum = 0;
    }
    // Wakes the thread from its pacing wait so it sees the device closed.
    CVorlanHid_highPrecisionTimerStop(m_pacingTimer);
    wakeThread();
    return 0;
}

void MainHidInterFace::run()
{
    int idleTurns = 0;
    while (m_isOpen && m_handle != 0) {
        const bool moved = m_isWriteTurn ? writeTurn() : readTurn();
        idleTurns = moved ? 0 : idleTurns + 1;
        // Waking every tick with nothing to do costs more than a keyboard is worth, so a whole
        // idle write and read cycle blocks the thread. Anything queued wakes it at once for a
        // write turn; a report from the keyboard wakes it for a read turn.
        if (idleTurns >= 2)
            m_isWriteTurn = blockWhileIdle();
        else
            CVorlanHid_highPrecisionTimerRuning(kPacingValue, m_pacingTimer);
    }
    std::lock_guard<std::mutex> runEnd(m_runEndMutex);
}

int MainHidInterFace::msUntilHandshake() const
{
    const int64_t left = m_nextHandshakeMs - steadyMs();
    // A late handshake is on its way and wakes the thread when queued.
    return left > 0 && left <= kShakeHandsIntervalMs ? static_cast<int>(left) : kShakeHandsIntervalMs;
}

bool MainHidInterFace::blockWhileIdle()
{
    const int timeoutMs = msUntilHandshake();
    // No lock on the handle: closing wakes this wait, and the SDK keeps the device open under it.
    if (m_isOpen && CVorlanHid_WaitReadable(m_handle, timeoutMs, m_wakeFd) < 0 && m_isOpen) {
        // A device that cannot be waited on would end every wait at once: wait for producers only.
        pollfd wake{m_wakeFd, POLLIN, 0};
        ::poll(&wake, m_wakeFd >= 0 ? 1 : 0, timeoutMs);
    }
    uint64_t wakeUps = 0;
    const bool requested = m_wakeFd >= 0 && ::read(m_wakeFd, &wakeUps, sizeof(wakeUps)) > 0 && wakeUps > 0;
    return requested;
}

void MainHidInterFace::wakeThread()
{
    if (m_wakeFd < 0)
        return;
    const uint64_t one = 1;
    while (::write(m_wakeFd, &one, sizeof(one)) < 0 && errno == EINTR) {
    }
}

bool MainHidInterFace::takeNextReport(ReportBuffer *report)
{
    {
        std::lock_guard<std::mutex> commands(m_commandMutex);
        if (!m_commandQueue.empty()) {
            *report = m_commandQueue.front();
            m_commandQueue.pop_front();
            return true;
        }
    }
    std::lock_guard<std::mutex> lights(m_lightMutex);
    if (!m_lightQueue.empty() && m_lightStreamEnabled && !m_lightHold) {
        *report = m_lightQueue.front();
        m_lightQueue.pop_front();
        return true;
    }
    return false;
}

bool MainHidInterFace::writeTurn()
{
    ReportBuffer report;
    const bool taken = takeNextReport(&report);
    if (taken) {
        std::lock_guard<std::mutex> io(m_ioMutex);
        if (m_isOpen && m_handle != 0)
            CVorlanHid_HidWriteBuff(m_handle, report.data(), m_hidPathLatin1.constData());
    }
    m_isWriteTurn = false;
    return taken;
}

bool MainHidInterFace::readTurn()
{
    ReportBuffer report{};
    int length = 0;
    {
        std::lock_guard<std::mutex> io(m_ioMutex);
        if (m_isOpen && m_handle != 0)
            length = CVorlanHid_HidReadBuff(m_handle, report.data());
    }
    if (length > 0) {
        const QByteArray copy(reinterpret_cast<const char *>(report.data()), static_cast<int>(report.size()));
        if (report[1] == CMD_SN)
            emit sigHidSnGetOver(copy, m_strHidName);
        else
            emit sigHidDataArrived(copy, length, m_threadIndex);
    }
    m_isWriteTurn = true;
    return length > 0;
}
