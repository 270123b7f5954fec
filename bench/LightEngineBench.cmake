# CPU cost of the light engine's preview and colour stream, against kbdsim under a display.
add_executable(LightEngineBench
    ${CMAKE_CURRENT_LIST_DIR}/LightEngineBench.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProcessCpu.cpp
    ${PROJECT_SOURCE_DIR}/tests/support/KbdsimProcess.cpp)
target_link_libraries(LightEngineBench PRIVATE mainwidget Qt5::Network Qt5::Test)
add_dependencies(LightEngineBench kbdsim)
add_dependencies(LightEngineBench kbPictures) # the picture under the caps is part of what repaints
