#include "tests/support/PacedReportLoop.h"

#include "sdk/hid/VorlanHidSdk.h"


PacedReportLoop::PacedReportLoop(QObject *parent)
    : QObject(parent)
{
    CVorlanHid_highPrecisionTimerInit(&m_timer);
    CVorlanHid_highPrecisionTimerStart(m_timer);
}

PacedReportLoop::~PacedReportLoop()
{
    close();
}

bool PacedReportLoop::open(const QString &devicePath)
{
    m_path = devicePath.toLatin1();
    m_handle = CVorlanHid_OpenPath(m_path.constData());
    if (m_handle == 0)
        return false;
    CVorlanHid_SetNonblocking(m_handle, 1);
    m_open = true;
    m_thread = std::thread([this] { run(); });
    return true;
}

void PacedReportLoop::close()
{
    if (!m_open)
        return;
    m_open = false;
    CVorlanHid_highPrecisionTimerStop(m_timer);
    if (m_thread.joinable())
        m_thread.join();
    CVorlanHid_Close(m_handle);
    m_handle = 0;
}

int PacedReportLoop::sendCommand(const unsigned char *report)
{
    if (!m_open)
        return -1;
    const std::lock_guard<std::mutex> lock(m_queueLock);
    m_queue.append(QByteArray(reinterpret_cast<const char *>(report), 64));
    return 0;
}

int PacedReportLoop::queued() const
{
    const std::lock_guard<std::mutex> lock(m_queueLock);
    return m_queue.size();
}

std::chrono::steady_clock::time_point PacedReportLoop::lastWrite() const
{
    return std::chrono::steady_clock::time_point(std::chrono::steady_clock::duration(m_lastWriteNs.load()));
}

void PacedReportLoop::run()
{
    bool writeTurn = true;
    while (m_open) {
        if (writeTurn) {
            QByteArray report;
            {
                const std::lock_guard<std::mutex> lock(m_queueLock);
                if (!m_queue.isEmpty())
                    report = m_queue.takeFirst();
            }
            if (!report.isEmpty()) {
                CVorlanHid_HidWriteBuff(m_handle, reinterpret_cast<const unsigned char *>(report.constData()),
                                        m_path.constData());
                m_lastWriteNs = std::chrono::steady_clock::now().time_since_epoch().count();
                ++m_written;
            }
        } else {
            unsigned char buffer[64];
            if (CVorlanHid_HidReadBuff(m_handle, buffer) > 0)
                emit reportArrived(QByteArray(reinterpret_cast<const char *>(buffer), 64));
        }
        writeTurn = !writeTurn;
        CVorlanHid_highPrecisionTimerRuning(100, m_timer);
    }
}
