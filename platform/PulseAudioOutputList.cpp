#include "platform/PulseAudioOutputList.h"

#include <QMutexLocker>

#include <pulse/pulseaudio.h>

PulseAudioOutputList::PulseAudioOutputList()
{
    m_mainloop = pa_threaded_mainloop_new();
    if (!m_mainloop)
        return;
    if (pa_threaded_mainloop_start(m_mainloop) < 0) {
        pa_threaded_mainloop_free(m_mainloop);
        m_mainloop = nullptr;
        return;
    }
    pa_threaded_mainloop_lock(m_mainloop);
    connectContext();
    pa_threaded_mainloop_unlock(m_mainloop);
}

PulseAudioOutputList::~PulseAudioOutputList()
{
    if (!m_mainloop)
        return;
    pa_threaded_mainloop_lock(m_mainloop);
    dropContext();
    pa_threaded_mainloop_unlock(m_mainloop);
    pa_threaded_mainloop_stop(m_mainloop);
    pa_threaded_mainloop_free(m_mainloop);
}

QStringList PulseAudioOutputList::outputNames() const
{
    bool lost = false;
    QStringList names;
    {
        QMutexLocker locker(&m_lock);
        names = m_names;
        lost = m_connectionLost;
    }
    if (lost && m_mainloop) {
        // Connecting is asynchronous: the list fills in once the server answers.
        auto *self = const_cast<PulseAudioOutputList *>(this);
        pa_threaded_mainloop_lock(m_mainloop);
        self->dropContext();
        self->connectContext();
        pa_threaded_mainloop_unlock(m_mainloop);
    }
    return names;
}

void PulseAudioOutputList::connectContext()
{
    {
        QMutexLocker locker(&m_lock);
        m_connectionLost = false;
    }
    m_pendingSinks.clear();
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_mainloop), "OsterlinConfig outputs");
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, &PulseAudioOutputList::contextStateChanged, this);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        QMutexLocker locker(&m_lock);
        m_connectionLost = true;
    }
}

void PulseAudioOutputList::dropContext()
{
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_set_subscribe_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}

void PulseAudioOutputList::refresh()
{
    if (pa_operation *op = pa_context_get_server_info(m_context, &PulseAudioOutputList::serverInfoReceived, this))
        pa_operation_unref(op);
    if (pa_operation *op = pa_context_get_sink_info_list(m_context, &PulseAudioOutputList::sinkReceived, this))
        pa_operation_unref(op);
}

void PulseAudioOutputList::contextStateChanged(pa_context *context, void *self)
{
    auto *list = static_cast<PulseAudioOutputList *>(self);
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY) {
        pa_context_set_subscribe_callback(
            context,
            [](pa_context *c, pa_subscription_event_type_t type, uint32_t index, void *self) {
                serverEvent(c, type, index, self);
            },
            list);
        const auto mask = static_cast<pa_subscription_mask_t>(PA_SUBSCRIPTION_MASK_SERVER | PA_SUBSCRIPTION_MASK_SINK);
        if (pa_operation *op = pa_context_subscribe(context, mask, nullptr, nullptr))
            pa_operation_unref(op);
        list->refresh();
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        QMutexLocker locker(&list->m_lock);
        list->m_names.clear();
        list->m_connectionLost = true;
    }
}

void PulseAudioOutputList::serverEvent(pa_context *, int, unsigned, void *self)
{
    static_cast<PulseAudioOutputList *>(self)->refresh();
}

void PulseAudioOutputList::serverInfoReceived(pa_context *, const pa_server_info *info, void *self)
{
    auto *list = static_cast<PulseAudioOutputList *>(self);
    list->m_pendingDefault = info && info->default_sink_name ? QString::fromUtf8(info->default_sink_name) : QString();
}

void PulseAudioOutputList::sinkReceived(pa_context *, const pa_sink_info *info, int eol, void *self)
{
    auto *list = static_cast<PulseAudioOutputList *>(self);
    if (eol == 0 && info) {
        list->m_pendingSinks.append(QString::fromUtf8(info->name));
        return;
    }
    // The replies come in request order, so the server info of this refresh is already here.
    QStringList names = list->m_pendingSinks;
    list->m_pendingSinks.clear();
    const int defaultAt = names.indexOf(list->m_pendingDefault);
    if (defaultAt > 0)
        names.move(defaultAt, 0);
    QMutexLocker locker(&list->m_lock);
    list->m_names = names;
}
