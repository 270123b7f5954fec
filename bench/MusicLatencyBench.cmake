# Music rhythm from sound to light report on a receiver keyboard, against kbdsim and the private
# sound server (scripts/with-pulse.sh), through the program's music trace hook.
pkg_check_modules(PULSE_SIMPLE QUIET IMPORTED_TARGET libpulse-simple)
if(PULSE_SIMPLE_FOUND)
    add_executable(MusicLatencyBench
        ${CMAKE_CURRENT_LIST_DIR}/MusicLatencyBench.cpp
        ${CMAKE_CURRENT_LIST_DIR}/MusicBenchSession.cpp
        ${PROJECT_SOURCE_DIR}/tests/support/KbdsimProcess.cpp)
    target_link_libraries(MusicLatencyBench PRIVATE mainwidget Qt5::Network Qt5::Test PkgConfig::PULSE_SIMPLE)
    add_dependencies(MusicLatencyBench kbdsim)
else()
    message(STATUS "MusicLatencyBench left out: libpulse-simple not found (Debian package libpulse-dev)")
endif()
