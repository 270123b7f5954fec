#pragma once

struct fftwf_plan_s;

// A real FFT of 4096 points. The output holds bin i's real part at index i (0 to N/2) and its
// imaginary part at N/2 + i (0 < i < N/2). Make it on the GUI thread: planning is not thread-safe.
class FFTRealWrapper
{
public:
    static constexpr int kPoints = 4096;

    FFTRealWrapper();
    ~FFTRealWrapper();
    FFTRealWrapper(const FFTRealWrapper &) = delete;
    FFTRealWrapper &operator=(const FFTRealWrapper &) = delete;

    // input and output hold kPoints floats each.
    void calculateFFT(float *output, const float *input);

private:
    float *m_in = nullptr;
    float *m_halfComplex = nullptr;
    fftwf_plan_s *m_plan = nullptr;
};
