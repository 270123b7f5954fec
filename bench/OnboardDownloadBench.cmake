# Time of a full on-board download against kbdsim, and its overhead beyond the protocol's floor.
add_executable(OnboardDownloadBench
    ${CMAKE_CURRENT_LIST_DIR}/OnboardDownloadBench.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/OnboardProfileFixture.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/PacedReportLoop.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/KbdsimProcess.cpp)
target_link_libraries(OnboardDownloadBench PRIVATE devicedownload vorlanhid Qt5::Network)
add_dependencies(OnboardDownloadBench kbdsim)
