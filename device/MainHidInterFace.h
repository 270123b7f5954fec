#pragma once

#include "sdk/protocol/VorlanHidRecords.h"

#include <QByteArray>
#include <QString>
#include <QThread>

#include <array>
#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>

class QTimer;

// The per-device I/O object: two queues of outgoing 64-byte reports (commands, light frames) and
// a thread that alternates one write turn and one non-blocking read turn, each followed by the
// SDK's pacing wait. With nothing to write or read, the thread blocks on the device until a report
// arrives, a report is queued or the next handshake is due. Incoming reports leave the thread as
// QByteArray values in signals.
class MainHidInterFace : public QThread
{
    Q_OBJECT

public:
    MainHidInterFace(int threadIndex, QString hidName, QObject *parent = nullptr);
    ~MainHidInterFace() override;

    // 0 on success, -1 when the device cannot be opened.
    int openHid(QString hidPath);
    // -1 when the device is not open or no copy could be made, otherwise 0.
    int sendCommand(const unsigned char *report);
    // -1 when the device is not open or no copy could be made, otherwise 0 (also when dropped).
    int sendLightData(const unsigned char *frame);
    void setLightStreamEnabled(bool on);
    // Always 0; closing a closed device does nothing.
    int closeHid();

    // Light frames collected per batch before the hold ends: 9, or 10 for the listed models.
    static int lightQueueDepth(const QString &hidName);

signals:
    void sigOpenHidSuccessful();
    void sigHidDataArrived(QByteArray data, int length, int threadIndex);
    void sigHidSnGetOver(QByteArray data, QString strHidName);

public slots:
    void onShakeHandsRuning();

protected:
    void run() override;

private:
    using ReportBuffer = std::array<unsigned char, 64>;

    bool takeNextReport(ReportBuffer *report);
    // Each returns whether a report moved.
    bool writeTurn();
    bool readTurn();
    // Returns whether a producer asked for the wake-up.
    bool blockWhileIdle();
    void wakeThread();
    int msUntilHandshake() const;

    HighPrecisionTimerStu m_pacingTimer{};
    const int m_threadIndex;
    const QString m_strHidName;
    std::atomic<intptr_t> m_handle{0};
    std::atomic<bool> m_isOpen{false};
    QString m_hidPath;
    QByteArray m_hidPathLatin1; // guarded by m_ioMutex
    QTimer *m_shakeHandsTimer;
    int m_shakeHandsRunNum = 0;
    std::atomic<bool> m_lightStreamEnabled{false};
    bool m_isWriteTurn = true;
    std::atomic<bool> m_lightHold{false};
    std::mutex m_commandMutex;
    std::mutex m_lightMutex;
    // Held around every SDK call on the handle, so closing never pulls it from under a turn.
    std::mutex m_ioMutex;
    std::deque<ReportBuffer> m_commandQueue;
    std::deque<ReportBuffer> m_lightQueue;
    // Written by producers and closing, watched by the idle thread next to the device.
    const int m_wakeFd;
    // Steady-clock milliseconds of the next handshake.
    std::atomic<int64_t> m_nextHandshakeMs{0};
    // Taken at the end of run() and in the destructor: QThread::wait synchronises inside Qt,
    // where thread checkers cannot see it.
    std::mutex m_runEndMutex;
};
