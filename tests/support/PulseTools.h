#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdio>

// Tools for tests against a private sound server (scripts/with-pulse.sh).
namespace PulseTools {

inline bool pactl(const QStringList &args, QByteArray *out = nullptr)
{
    QProcess process;
    process.start("pactl", args);
    const bool ok =
        process.waitForFinished(3000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (out)
        *out = process.readAllStandardOutput();
    return ok;
}

inline bool serverAnswers(const QString &server = QString())
{
    return server.isEmpty() ? pactl({"info"}) : pactl({"-s", server, "info"});
}

// The exit code of a test without a server: 77 (skipped), or a failure when REQUIRE_AUDIO=1.
inline int noServerExitCode()
{
    if (qgetenv("REQUIRE_AUDIO") == "1") {
        std::fprintf(stderr, "No sound server answers, and REQUIRE_AUDIO=1 forbids skipping\n");
        return 1;
    }
    std::fprintf(stderr, "No sound server answers: skipped (run under scripts/with-pulse.sh)\n");
    return 77;
}

// Plays PCM (S16LE, 44100 Hz, stereo) into one sink with pacat.
class TonePlayer
{
public:
    ~TonePlayer() { stop(); }

    bool play(const QString &sink, const QByteArray &pcm)
    {
        m_process.start("pacat", {"--playback", "--raw", "--device=" + sink, "--format=s16le", "--rate=44100",
                                  "--channels=2", "--latency-msec=20"});
        if (!m_process.waitForStarted(3000))
            return false;
        m_process.write(pcm);
        return true;
    }

    void stop()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

private:
    QProcess m_process;
};

} // namespace PulseTools
