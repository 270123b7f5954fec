#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>

#include <memory>

class LoopbackCapture;

// Records what the machine plays and hands every packet over as 16-bit little-endian PCM, 44100 Hz,
// stereo. A failure of the stream after a successful start leaves it running until the next stop.
class DSoundCardAudioCapture : public QObject
{
    Q_OBJECT

public:
    // Captures through the sound server.
    DSoundCardAudioCapture();
    // Captures through the given layer (tests hand in a fake).
    explicit DSoundCardAudioCapture(std::unique_ptr<LoopbackCapture> backend);
    ~DSoundCardAudioCapture() override;

    // 0 when capturing, -1 on any failure (then stopped, with everything released).
    int startCapture();
    // Always 0; a stop of a stopped capture does nothing.
    int stopCapture();
    bool isRunning() const { return running; }
    // The format of the packets: 16-bit signed little-endian PCM, 44100 Hz, stereo.
    static QAudioFormat pcmFormat();

    LoopbackCapture *backend() const { return m_backend.get(); }

signals:
    void sigSendCaptureAudioData(QByteArray pcm);

private:
    std::unique_ptr<LoopbackCapture> m_backend;
    bool running = false;
    qint64 m_tracedPackets = 0; // touched only by the layer's thread
};
