# Time of one music-rhythm analysis: FFT of a 4096-sample block, amplitudes and the 11 bars.
vorlan_google_benchmark(MusicAnalysisBench ${CMAKE_CURRENT_LIST_DIR}/MusicAnalysisBench.cpp musicrhythm)
