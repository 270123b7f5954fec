#pragma once

#include <QMetaType>
#include <QVector>

// One bin of a spectrum.
struct FrequencyElement
{
    double frequency = 0.0; // Hz
    double amplitude = 0.0; // 0 to 1
    double phase = 0.0;
    bool clipped = false;
};

// A spectrum: one element per FFT bin, all zeros when new.
class FrequencySpectrum
{
public:
    explicit FrequencySpectrum(int count = 0)
        : m_elements(count)
    {
    }

    int count() const { return m_elements.size(); }
    void reset() { m_elements.fill(FrequencyElement()); }
    FrequencyElement &operator[](int index) { return m_elements[index]; }
    const FrequencyElement &operator[](int index) const { return m_elements[index]; }
    QVector<FrequencyElement>::const_iterator begin() const { return m_elements.cbegin(); }
    QVector<FrequencyElement>::const_iterator end() const { return m_elements.cend(); }

private:
    QVector<FrequencyElement> m_elements;
};

enum WindowFunction { RECTANGLE_WINDOW, HANN_WINDOW };

Q_DECLARE_METATYPE(FrequencySpectrum)
Q_DECLARE_METATYPE(WindowFunction)
