#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FFTRealWrapper.h"

#include <algorithm>

#include <fftw3.h>

FFTRealWrapper::FFTRealWrapper()
{
    m_in = fftwf_alloc_real(kPoints);
    m_halfComplex = fftwf_alloc_real(kPoints);
    std::fill(m_in, m_in + kPoints, 0.0f);
    m_plan = fftwf_plan_r2r_1d(kPoints, m_in, m_halfComplex, FFTW_R2HC, FFTW_ESTIMATE);
}

FFTRealWrapper::~FFTRealWrapper()
{
    fftwf_destroy_plan(m_plan);
    fftwf_free(m_halfComplex);
    fftwf_free(m_in);
}

void FFTRealWrapper::calculateFFT(float *output, const float *input)
{
    std::copy(input, input + kPoints, m_in);
    fftwf_execute(m_plan);
    // FFTW keeps bin i's imaginary part at N - i; the analysis reads it at N/2 + i.
    const int half = kPoints / 2;
    for (int i = 0; i <= half; ++i)
        output[i] = m_halfComplex[i];
    for (int i = 1; i < half; ++i)
        output[half + i] = m_halfComplex[kPoints - i];
}
