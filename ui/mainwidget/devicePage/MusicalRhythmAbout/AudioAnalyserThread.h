#pragma once

#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FFTRealWrapper.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FrequencyLevels.h"

#include <QByteArray>
#include <QObject>
#include <QVector>

// Turns one block of 16-bit PCM into a spectrum: window, real FFT of 4096 points, a logarithmic
// amplitude per bin. Works in the thread of its parent (the analyser), synchronously.
class SpectrumAnalyserThread : public QObject
{
    Q_OBJECT

public:
    static constexpr int kSamples = FFTRealWrapper::kPoints;

    explicit SpectrumAnalyserThread(QObject *parent = nullptr);

    WindowFunction windowFunction() const { return m_windowFunction; }

public slots:
    void setWindowFunction(WindowFunction type);
    // Takes the first channel's sample of every frame of bytesPerSample bytes; a short buffer is
    // padded with silence.
    void calculateSpectrum(const QByteArray &buffer, int inputFrequency, int bytesPerSample);

signals:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    void calculateWindow();

    FFTRealWrapper m_fft;
    int m_numSamples = kSamples;
    WindowFunction m_windowFunction = HANN_WINDOW;
    QVector<float> m_window;
    QVector<float> m_input;
    QVector<float> m_output;
    FrequencySpectrum m_spectrum;
};
