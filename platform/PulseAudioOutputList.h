#pragma once

#include "platform/AudioOutputList.h"

#include <QMutex>
#include <QString>

struct pa_context;
struct pa_server_info;
struct pa_sink_info;
struct pa_threaded_mainloop;

// The sinks of the PulseAudio server (or PipeWire's pulse server), the server's default sink
// first. A subscription to server and sink events keeps the list current on the client library's
// thread; outputNames reads a copy under a lock. Without a server the list is empty; a lost
// connection is made again on the next read.
class PulseAudioOutputList : public AudioOutputList
{
public:
    PulseAudioOutputList();
    ~PulseAudioOutputList() override;

    QStringList outputNames() const override;

private:
    static void contextStateChanged(pa_context *context, void *self);
    static void serverEvent(pa_context *context, int type, unsigned index, void *self);
    static void serverInfoReceived(pa_context *context, const pa_server_info *info, void *self);
    static void sinkReceived(pa_context *context, const pa_sink_info *info, int eol, void *self);

    void connectContext();
    void dropContext();
    void refresh();

    pa_threaded_mainloop *m_mainloop = nullptr;
    pa_context *m_context = nullptr;
    // Touched on the client library's thread only.
    QString m_pendingDefault;
    QStringList m_pendingSinks;

    mutable QMutex m_lock;
    QStringList m_names;
    bool m_connectionLost = false;
};
