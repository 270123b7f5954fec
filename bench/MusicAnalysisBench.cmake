# Time of one music-rhythm analysis: FFT of a 4096-sample block, amplitudes and the 11 bars.
# Google benchmark (libbenchmark-dev) is optional: without it the tool is left out.
find_package(benchmark QUIET)
if(benchmark_FOUND)
    add_executable(MusicAnalysisBench ${CMAKE_CURRENT_LIST_DIR}/MusicAnalysisBench.cpp)
    target_link_libraries(MusicAnalysisBench PRIVATE musicrhythm benchmark::benchmark)
else()
    message(STATUS "MusicAnalysisBench left out: Google benchmark not found (Debian package libbenchmark-dev)")
endif()
