# Time of one music-rhythm analysis: FFT of a 4096-sample block, amplitudes and the 11 bars.
find_package(benchmark REQUIRED)
add_executable(MusicSpectrumBench ${CMAKE_CURRENT_LIST_DIR}/MusicSpectrumBench.cpp)
target_link_libraries(MusicSpectrumBench PRIVATE musicrhythm benchmark::benchmark)
