# CPU time of the program in music mode (capture, analysis, preview, streaming) on a cable keyboard,
# against kbdsim and the private sound server, under a display.
add_executable(MusicCpuBench
    ${CMAKE_CURRENT_LIST_DIR}/MusicCpuBench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MusicBenchSession.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProcessCpu.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/KbdsimProcess.cpp)
target_link_libraries(MusicCpuBench PRIVATE mainwidget Qt5::Network Qt5::Test)
add_dependencies(MusicCpuBench kbdsim)
