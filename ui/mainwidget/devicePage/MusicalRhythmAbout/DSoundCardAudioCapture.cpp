#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"

#include "platform/PulseLoopbackCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicPathTrace.h"

DSoundCardAudioCapture::DSoundCardAudioCapture()
    : DSoundCardAudioCapture(std::make_unique<PulseLoopbackCapture>())
{
}

DSoundCardAudioCapture::DSoundCardAudioCapture(std::unique_ptr<LoopbackCapture> backend)
    : m_backend(std::move(backend))
{
    // Stamped in the layer's thread, as the packet is handed over.
    if (MusicPathTrace::enabled())
        connect(
            m_backend.get(), &LoopbackCapture::packetCaptured, this,
            [this] { MusicPathTrace::handover(++m_tracedPackets); }, Qt::DirectConnection);
    // The layer may emit on its own thread; this object lives in the GUI thread, so the packets
    // are queued there.
    connect(m_backend.get(), &LoopbackCapture::packetCaptured, this, &DSoundCardAudioCapture::sigSendCaptureAudioData);
}

DSoundCardAudioCapture::~DSoundCardAudioCapture()
{
    stopCapture();
}

int DSoundCardAudioCapture::startCapture()
{
    if (running)
        return 0;
    if (!m_backend->start())
        return -1;
    running = true;
    return 0;
}

int DSoundCardAudioCapture::stopCapture()
{
    if (!running)
        return 0;
    running = false;
    m_backend->stop();
    return 0;
}

QAudioFormat DSoundCardAudioCapture::pcmFormat()
{
    QAudioFormat format;
    format.setSampleRate(44100);
    format.setChannelCount(2);
    format.setSampleSize(16);
    format.setCodec("audio/pcm");
    format.setByteOrder(QAudioFormat::LittleEndian);
    format.setSampleType(QAudioFormat::SignedInt);
    return format;
}
