#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicPathTrace.h"

#include <QByteArray>

#include <chrono>
#include <cstdio>
#include <mutex>

namespace {

qint64 monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void writeLine(const char *event, qint64 packet, qint64 ns, const QByteArray &extra = QByteArray())
{
    static std::mutex mutex;
    static std::FILE *file = std::fopen(qgetenv(MusicPathTrace::variable).constData(), "a");
    std::lock_guard<std::mutex> lock(mutex);
    if (!file)
        return;
    std::fprintf(file, "%s %lld %lld%s%s\n", event, static_cast<long long>(packet), static_cast<long long>(ns),
                 extra.isEmpty() ? "" : " ", extra.constData());
    std::fflush(file);
}

} // namespace

void MusicPathTrace::handover(qint64 packet)
{
    writeLine("handover", packet, monotonicNs());
}

void MusicPathTrace::analysed()
{
    m_analysed = m_packets;
    writeLine("analysis", m_analysed, monotonicNs());
}

void MusicPathTrace::stateQueued(const unsigned char *report, int size)
{
    if (m_framed == m_sent)
        return;
    m_sent = m_framed;
    const qint64 ns = monotonicNs();
    writeLine("state", m_sent, ns, QByteArray(reinterpret_cast<const char *>(report), size).toHex());
}
