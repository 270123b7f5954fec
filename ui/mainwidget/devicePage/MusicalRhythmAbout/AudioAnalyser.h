#pragma once

#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FrequencyLevels.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QObject>

class SpectrumAnalyserThread;

// Analyses one block at a time: a block that arrives while one is being analysed is dropped, and
// a cancelled analysis reports nothing.
class SpectrumAnalyser : public QObject
{
    Q_OBJECT

public:
    enum State { Idle, Busy, Cancelled };

    explicit SpectrumAnalyser(QObject *parent = nullptr);

    void calculate(const QByteArray &buffer, const QAudioFormat &format);
    void cancelPending();
    State state() const { return m_state; }

signals:
    void spectrumChanged(const FrequencySpectrum &spectrum);

public slots:
    void calculationComplete(const FrequencySpectrum &spectrum);

private:
    SpectrumAnalyserThread *m_thread;
    State m_state = Idle;
};
