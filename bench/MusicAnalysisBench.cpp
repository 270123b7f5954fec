// Time of the music-rhythm analysis of one block (16384 bytes of stereo S16LE at 44100 Hz):
//  - the FFT alone;
//  - the whole analysis as the light engine runs it: window, FFT, amplitudes, folding into 11 bars.
// Run: MusicAnalysisBench --benchmark_repetitions=9 --benchmark_report_aggregates_only=true

#include "ui/mainwidget/devicePage/MusicalRhythmAbout/DSoundCardAudioCapture.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/FFTRealWrapper.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/MusicBarLayout.h"
#include "ui/mainwidget/devicePage/MusicalRhythmAbout/AudioAnalyser.h"

#include "tests/support/TonePcm.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void fftOnly(benchmark::State &state)
{
    FFTRealWrapper fft;
    std::vector<float> input(FFTRealWrapper::kPoints), output(FFTRealWrapper::kPoints);
    for (int i = 0; i < FFTRealWrapper::kPoints; ++i)
        input[i] = static_cast<float>(std::sin(i * 0.069));
    for (auto _ : state) {
        fft.calculateFFT(output.data(), input.data());
        benchmark::DoNotOptimize(output.data());
    }
}
BENCHMARK(fftOnly)->Unit(benchmark::kMicrosecond);

void analysisPerBlock(benchmark::State &state)
{
    const QAudioFormat format = DSoundCardAudioCapture::pcmFormat();
    const QByteArray block = tonePcm(binFrequency(45), 0.5, 4096);
    SpectrumAnalyser analyser;
    int level = 0;
    QObject::connect(&analyser, &SpectrumAnalyser::spectrumChanged, [&](const FrequencySpectrum &spectrum) {
        level = MusicBarLayout::barLevel(MusicBarLayout::foldSpectrum(spectrum, 11, 30.0, 930.0).at(5).value);
    });
    for (auto _ : state) {
        analyser.calculate(block, format);
        benchmark::DoNotOptimize(level);
    }
    if (level != 5)
        state.SkipWithError("the analysis did not find the tone");
}
BENCHMARK(analysisPerBlock)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
