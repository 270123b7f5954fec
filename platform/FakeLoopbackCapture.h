#pragma once

#include "platform/LoopbackCapture.h"

// A capture without a sound server: plays PCM held in memory packet by packet on request, and
// can be told to fail its start.
class FakeLoopbackCapture : public LoopbackCapture
{
    Q_OBJECT

public:
    using LoopbackCapture::LoopbackCapture;

    bool start() override;
    void stop() override;

    void setStartFails(bool fails) { m_startFails = fails; }
    // The bytes played from now on, cut into packets of packetBytes.
    void setPcm(const QByteArray &pcm, int packetBytes);
    // Emits up to count packets while started; returns how many went out. Wraps at the end.
    int play(int count);

    bool isStarted() const { return m_started; }
    int startCount() const { return m_startCount; }
    int stopCount() const { return m_stopCount; }

private:
    QByteArray m_pcm;
    int m_packetBytes = 1764;
    int m_position = 0;
    bool m_started = false;
    bool m_startFails = false;
    int m_startCount = 0;
    int m_stopCount = 0;
};
