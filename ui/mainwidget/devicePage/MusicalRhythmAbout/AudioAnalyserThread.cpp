#include "ui/mainwidget/devicePage/MusicalRhythmAbout/AudioAnalyserThread.h"

#include <QtEndian>
#include <QtMath>

#include <algorithm>
#include <cmath>

SpectrumAnalyserThread::SpectrumAnalyserThread(QObject *parent)
    : QObject(parent)
    , m_window(kSamples)
    , m_input(kSamples)
    , m_output(kSamples)
    , m_spectrum(kSamples)
{
    calculateWindow();
}

void SpectrumAnalyserThread::setWindowFunction(WindowFunction type)
{
    m_windowFunction = type;
    calculateWindow();
}

void SpectrumAnalyserThread::calculateWindow()
{
    for (int i = 0; i < m_numSamples; ++i) {
        double x = 1.0;
        if (m_windowFunction == HANN_WINDOW)
            x = 0.5 * (1.0 - std::cos(2.0 * M_PI * i / (m_numSamples - 1)));
        m_window[i] = static_cast<float>(x);
    }
}

void SpectrumAnalyserThread::calculateSpectrum(const QByteArray &buffer, int inputFrequency, int bytesPerSample)
{
    const auto *bytes = reinterpret_cast<const uchar *>(buffer.constData());
    const int step = std::max(bytesPerSample, 2);
    for (int i = 0; i < m_numSamples; ++i) {
        const qint64 at = qint64(i) * step;
        float sample = 0.0f;
        if (at + 2 <= buffer.size())
            sample = static_cast<float>(qFromLittleEndian<qint16>(bytes + at) / 32768.0);
        m_input[i] = sample * m_window[i];
    }

    m_fft.calculateFFT(m_output.data(), m_input.constData());

    const int half = m_numSamples / 2;
    for (int i = 2; i <= half; ++i) {
        FrequencyElement &element = m_spectrum[i];
        element.frequency = qreal(i * inputFrequency) / m_numSamples;
        const qreal re = m_output[i];
        const qreal im = (i > 0 && i < half) ? m_output[half + i] : 0.0;
        // An empty bin gives ln 0 = -inf, which the limit turns into 0.
        const qreal amplitude = 0.15 * std::log(std::sqrt(re * re + im * im));
        element.clipped = amplitude > 1.0;
        element.amplitude = std::isnan(amplitude) ? 0.0 : std::clamp(amplitude, 0.0, 1.0);
    }
    emit calculationComplete(m_spectrum);
}
