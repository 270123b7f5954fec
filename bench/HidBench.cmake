# The HID I/O thread against kbdsim: idle cost and write rate.
add_executable(hidbench ${CMAKE_CURRENT_LIST_DIR}/hidbench.cpp)
target_link_libraries(hidbench PRIVATE devicelink Qt5::Core Qt5::Network)
