#pragma once

#include "sdk/protocol/VorlanHidRecords.h"
#include "ui/mainwidget/devicePage/download/OnboardReportSink.h"

#include <QByteArray>
#include <QList>
#include <QObject>

#include <atomic>
#include <chrono>
#include <mutex>
#include <thread>
#include <cstdint>

// A device's report loop through the SDK as the HID I/O object runs it: one write turn, one read
// turn, each followed by the SDK's 1 ms pacing wait. Incoming reports leave as queued signals.
// Stands in for the HID I/O object where tests and benchmarks need a real wire to the simulator.
class PacedReportLoop : public QObject, public OnboardReportSink
{
    Q_OBJECT

public:
    explicit PacedReportLoop(QObject *parent = nullptr);
    ~PacedReportLoop() override;

    // Opens the device and starts the loop.
    bool open(const QString &devicePath);
    // Stops and joins the loop, then closes the device.
    void close();
    int sendCommand(const unsigned char *report) override;
    int queued() const;
    int written() const { return m_written; }
    // When the last report was written, on the steady clock.
    std::chrono::steady_clock::time_point lastWrite() const;

signals:
    void reportArrived(const QByteArray &report);

private:
    void run();

    // A std::thread, not a QThread: its join is visible to ThreadSanitizer, QThread::wait is not.
    std::thread m_thread;
    HighPrecisionTimerStu m_timer{};
    intptr_t m_handle = 0;
    QByteArray m_path;
    std::atomic<bool> m_open{false};
    std::atomic<int> m_written{0};
    std::atomic<int64_t> m_lastWriteNs{0};
    mutable std::mutex m_queueLock;
    QList<QByteArray> m_queue;
};
