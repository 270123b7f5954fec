#pragma once

#include <QtGlobal>

// Monotonic time stamps along the music path, from the captured packet to the light report, one
// line each, for the latency bench. Off unless VORLAN_MUSIC_TRACE names a file when first asked;
// when off, each hook costs one test of a flag.
//
//   handover <packet> <ns>           the capture hands packet n over (capture thread)
//   analysis <packet> <ns>           the analysis triggered by packet n is done (GUI thread)
//   state <packet> <ns> <hex>        the first report with its levels, as it is queued to the I/O
//                                    thread
class MusicPathTrace
{
public:
    static bool enabled()
    {
        static const bool on = !qEnvironmentVariableIsEmpty(variable);
        return on;
    }
    static void handover(qint64 packet);

    void packetReceived() { ++m_packets; }
    void analysed();
    void framed() { m_framed = m_analysed; }
    void stateQueued(const unsigned char *report, int size);

    static constexpr const char *variable = "VORLAN_MUSIC_TRACE";

private:
    qint64 m_packets = 0;
    qint64 m_analysed = 0;
    qint64 m_framed = 0;
    qint64 m_sent = 0;
};
