#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cmath>

// Stereo S16LE PCM of a sine (both channels), amplitude as a fraction of full scale.
inline QByteArray tonePcm(double frequency, double amplitude, int frames, int sampleRate = 44100)
{
    QByteArray pcm(frames * 4, Qt::Uninitialized);
    auto *out = reinterpret_cast<uchar *>(pcm.data());
    for (int i = 0; i < frames; ++i) {
        const auto sample =
            static_cast<qint16>(std::lround(amplitude * 32767.0 * std::sin(2.0 * M_PI * frequency * i / sampleRate)));
        qToLittleEndian<qint16>(sample, out + 4 * i);
        qToLittleEndian<qint16>(sample, out + 4 * i + 2);
    }
    return pcm;
}

// The frequency of FFT bin `bin` of a 4096-point block at 44100 Hz.
inline double binFrequency(int bin)
{
    return bin * 44100.0 / 4096.0;
}
