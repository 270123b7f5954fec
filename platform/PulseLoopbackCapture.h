#pragma once

#include "platform/LoopbackCapture.h"

struct pa_context;
struct pa_mainloop_api;
struct pa_stream;
struct pa_threaded_mainloop;
struct pa_time_event;
struct timeval;

// Loopback capture through a PulseAudio server (PipeWire's pulse server behaves the same): a
// record stream on the default output's monitor, in exactly the format LoopbackCapture promises,
// in packets of 10 ms (1764 bytes). The program never starts a server; PULSE_SERVER is honoured.
// Packets are emitted from the client library's own thread.
class PulseLoopbackCapture : public LoopbackCapture
{
    Q_OBJECT

public:
    static constexpr int kStartTimeoutMs = 2000;
    static constexpr unsigned kFragmentBytes = 1764;

    explicit PulseLoopbackCapture(QObject *parent = nullptr);
    ~PulseLoopbackCapture() override;

    bool start() override;
    void stop() override;

private:
    static void contextStateChanged(pa_context *context, void *self);
    static void streamStateChanged(pa_stream *stream, void *self);
    static void streamReadable(pa_stream *stream, size_t bytes, void *self);
    static void startTimedOut(pa_mainloop_api *api, pa_time_event *event, const struct timeval *when, void *self);

    // Called with the mainloop locked; false on failure or when the start deadline passed.
    bool waitForContext();
    bool waitForStream();
    void release();

    pa_threaded_mainloop *m_mainloop = nullptr;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    pa_time_event *m_deadline = nullptr;
    bool m_timedOut = false;
};
