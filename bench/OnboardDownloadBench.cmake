# A full on-board download through the HID I/O thread into kbdsim, against the floor of the reports and
# acknowledgements it exchanged, with the longest stall of the GUI thread's event loop.
add_executable(OnboardDownloadBench
    ${CMAKE_CURRENT_LIST_DIR}/OnboardDownloadBench.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/OnboardProfileFixture.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/StallProbe.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/KbdsimProcess.cpp)
target_link_libraries(OnboardDownloadBench PRIVATE devicedownload devicelink vorlanhid Qt5::Network)
add_dependencies(OnboardDownloadBench kbdsim)
