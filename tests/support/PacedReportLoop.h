#pragma once

#include "sdk/protocol/VorlanHidRecords.h"
#include "ui/mainwidget/devicePage/download/OnboardReportSink.h"

#include <QByteArray>
#include <QList>
#include <QMutex>
#include <QThread>

#include <atomic>
#include <chrono>
#include <cstdint>

// A device's report loop through the SDK as the HID I/O object runs it: one write turn, one read
// turn, each followed by the SDK's 1 ms pacing wait. Incoming reports leave as queued signals.
// Stands in for the HID I/O object where tests and benchmarks need a real wire to the simulator.
class PacedReportLoop : public QThread, public OnboardReportSink
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

protected:
    void run() override;

private:
    HighPrecisionTimerStu m_timer{};
    intptr_t m_handle = 0;
    QByteArray m_path;
    std::atomic<bool> m_open{false};
    std::atomic<int> m_written{0};
    std::atomic<int64_t> m_lastWriteNs{0};
    mutable QMutex m_queueLock;
    QList<QByteArray> m_queue;
};
