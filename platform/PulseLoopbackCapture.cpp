#include "platform/PulseLoopbackCapture.h"

#include <QDebug>

#include <pulse/pulseaudio.h>

PulseLoopbackCapture::PulseLoopbackCapture(QObject *parent)
    : LoopbackCapture(parent)
{
}

PulseLoopbackCapture::~PulseLoopbackCapture()
{
    release();
}

bool PulseLoopbackCapture::start()
{
    if (m_mainloop)
        return true;
    m_mainloop = pa_threaded_mainloop_new();
    if (!m_mainloop) {
        qWarning().noquote() << "Sound capture: no PulseAudio mainloop";
        return false;
    }
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_mainloop), "OsterlinConfig loopback");
    if (!m_context) {
        qWarning().noquote() << "Sound capture: no PulseAudio context";
        release();
        return false;
    }
    pa_context_set_state_callback(m_context, &PulseLoopbackCapture::contextStateChanged, this);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        qWarning().noquote() << "Sound capture: no sound server -" << pa_strerror(pa_context_errno(m_context));
        release();
        return false;
    }

    pa_threaded_mainloop_lock(m_mainloop);
    if (pa_threaded_mainloop_start(m_mainloop) < 0) {
        pa_threaded_mainloop_unlock(m_mainloop);
        qWarning().noquote() << "Sound capture: the PulseAudio mainloop did not start";
        release();
        return false;
    }
    m_timedOut = false;
    m_deadline = pa_context_rttime_new(m_context, pa_rtclock_now() + kStartTimeoutMs * PA_USEC_PER_MSEC,
                                       &PulseLoopbackCapture::startTimedOut, this);
    const bool ready = waitForContext() && waitForStream();
    if (m_deadline) {
        pa_threaded_mainloop_get_api(m_mainloop)->time_free(m_deadline);
        m_deadline = nullptr;
    }
    pa_threaded_mainloop_unlock(m_mainloop);
    if (!ready) {
        release();
        return false;
    }
    return true;
}

bool PulseLoopbackCapture::waitForContext()
{
    for (;;) {
        const pa_context_state_t state = pa_context_get_state(m_context);
        if (state == PA_CONTEXT_READY)
            return true;
        if (!PA_CONTEXT_IS_GOOD(state)) {
            qWarning().noquote() << "Sound capture: no sound server -" << pa_strerror(pa_context_errno(m_context));
            return false;
        }
        if (m_timedOut) {
            qWarning().noquote() << "Sound capture: the sound server did not answer within" << kStartTimeoutMs << "ms";
            return false;
        }
        pa_threaded_mainloop_wait(m_mainloop);
    }
}

bool PulseLoopbackCapture::waitForStream()
{
    // Exactly the format the analysis assumes; the server converts whatever the output plays.
    const pa_sample_spec spec = {PA_SAMPLE_S16LE, 44100, 2};
    m_stream = pa_stream_new(m_context, "loopback", &spec, nullptr);
    if (!m_stream) {
        qWarning().noquote() << "Sound capture: no record stream -" << pa_strerror(pa_context_errno(m_context));
        return false;
    }
    pa_stream_set_state_callback(m_stream, &PulseLoopbackCapture::streamStateChanged, this);
    pa_stream_set_read_callback(m_stream, &PulseLoopbackCapture::streamReadable, this);
    pa_buffer_attr attr;
    attr.maxlength = static_cast<uint32_t>(-1);
    attr.tlength = static_cast<uint32_t>(-1);
    attr.prebuf = static_cast<uint32_t>(-1);
    attr.minreq = static_cast<uint32_t>(-1);
    attr.fragsize = kFragmentBytes;
    if (pa_stream_connect_record(m_stream, "@DEFAULT_MONITOR@", &attr, PA_STREAM_ADJUST_LATENCY) < 0) {
        qWarning().noquote() << "Sound capture: the output's monitor cannot be recorded -"
                             << pa_strerror(pa_context_errno(m_context));
        return false;
    }
    for (;;) {
        const pa_stream_state_t state = pa_stream_get_state(m_stream);
        if (state == PA_STREAM_READY)
            return true;
        if (!PA_STREAM_IS_GOOD(state)) {
            qWarning().noquote() << "Sound capture: the record stream failed -"
                                 << pa_strerror(pa_context_errno(m_context));
            return false;
        }
        if (m_timedOut) {
            qWarning().noquote() << "Sound capture: the record stream was not ready within" << kStartTimeoutMs << "ms";
            return false;
        }
        pa_threaded_mainloop_wait(m_mainloop);
    }
}

void PulseLoopbackCapture::stop()
{
    release();
}

void PulseLoopbackCapture::release()
{
    if (!m_mainloop)
        return;
    pa_threaded_mainloop_lock(m_mainloop);
    if (m_deadline) {
        pa_threaded_mainloop_get_api(m_mainloop)->time_free(m_deadline);
        m_deadline = nullptr;
    }
    if (m_stream) {
        pa_stream_set_read_callback(m_stream, nullptr, nullptr);
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        if (PA_STREAM_IS_GOOD(pa_stream_get_state(m_stream)))
            pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
        m_stream = nullptr;
    }
    if (m_context) {
        pa_context_set_state_callback(m_context, nullptr, nullptr);
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    pa_threaded_mainloop_unlock(m_mainloop);
    // Joins the mainloop's thread; it never blocks in a read, so this returns at once.
    pa_threaded_mainloop_stop(m_mainloop);
    pa_threaded_mainloop_free(m_mainloop);
    m_mainloop = nullptr;
}

void PulseLoopbackCapture::contextStateChanged(pa_context *, void *self)
{
    pa_threaded_mainloop_signal(static_cast<PulseLoopbackCapture *>(self)->m_mainloop, 0);
}

void PulseLoopbackCapture::streamStateChanged(pa_stream *, void *self)
{
    pa_threaded_mainloop_signal(static_cast<PulseLoopbackCapture *>(self)->m_mainloop, 0);
}

void PulseLoopbackCapture::startTimedOut(pa_mainloop_api *, pa_time_event *, const struct timeval *, void *self)
{
    auto *capture = static_cast<PulseLoopbackCapture *>(self);
    capture->m_timedOut = true;
    pa_threaded_mainloop_signal(capture->m_mainloop, 0);
}

void PulseLoopbackCapture::streamReadable(pa_stream *stream, size_t, void *self)
{
    auto *capture = static_cast<PulseLoopbackCapture *>(self);
    while (pa_stream_readable_size(stream) > 0) {
        const void *data = nullptr;
        size_t bytes = 0;
        if (pa_stream_peek(stream, &data, &bytes) < 0 || bytes == 0)
            return;
        // A hole (data null) is dropped: the analysis only ever sees played sound.
        if (data)
            emit capture->packetCaptured(QByteArray(static_cast<const char *>(data), static_cast<int>(bytes)));
        pa_stream_drop(stream);
    }
}
