#include "ui/mainwidget/devicePage/MusicalRhythmAbout/AudioAnalyser.h"

#include "ui/mainwidget/devicePage/MusicalRhythmAbout/AudioAnalyserThread.h"

SpectrumAnalyser::SpectrumAnalyser(QObject *parent)
    : QObject(parent)
    , m_thread(new SpectrumAnalyserThread(this))
{
    if (!connect(m_thread, &SpectrumAnalyserThread::calculationComplete, this, &SpectrumAnalyser::calculationComplete))
        qFatal("CHECKED_CONNECT failed");
}

void SpectrumAnalyser::calculate(const QByteArray &buffer, const QAudioFormat &format)
{
    if (m_state != Idle)
        return;
    const int bytesPerSample = format.sampleSize() * format.channelCount() / 8;
    m_state = Busy;
    m_thread->calculateSpectrum(buffer, format.sampleRate(), bytesPerSample);
}

void SpectrumAnalyser::cancelPending()
{
    if (m_state == Busy)
        m_state = Cancelled;
}

void SpectrumAnalyser::calculationComplete(const FrequencySpectrum &spectrum)
{
    if (m_state == Busy)
        emit spectrumChanged(spectrum);
    m_state = Idle;
}
