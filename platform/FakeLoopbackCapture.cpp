#include "platform/FakeLoopbackCapture.h"

bool FakeLoopbackCapture::start()
{
    ++m_startCount;
    m_started = !m_startFails;
    return m_started;
}

void FakeLoopbackCapture::stop()
{
    if (m_started)
        ++m_stopCount;
    m_started = false;
}

void FakeLoopbackCapture::setPcm(const QByteArray &pcm, int packetBytes)
{
    m_pcm = pcm;
    m_packetBytes = packetBytes > 0 ? packetBytes : 1;
    m_position = 0;
}

int FakeLoopbackCapture::play(int count)
{
    int sent = 0;
    while (m_started && !m_pcm.isEmpty() && sent < count) {
        if (m_position >= m_pcm.size())
            m_position = 0;
        emit packetCaptured(m_pcm.mid(m_position, m_packetBytes));
        m_position += m_packetBytes;
        ++sent;
    }
    return sent;
}
