#pragma once

#include <QByteArray>
#include <QObject>

// Records what the machine plays (the default output's mix) as 16-bit little-endian PCM,
// 44100 Hz, 2 channels. Packets arrive through packetCaptured, possibly from another thread:
// connect with a receiver in the GUI thread to have them queued there.
class LoopbackCapture : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~LoopbackCapture() override;

    // True once the stream runs; false on any failure, with everything released.
    virtual bool start() = 0;
    // Ends the stream and releases everything; nothing happens when it does not run.
    virtual void stop() = 0;

signals:
    void packetCaptured(QByteArray pcm);
};
