# Write throughput and idle cost of the HID I/O thread against the simulator.
add_executable(hidbench ${CMAKE_CURRENT_LIST_DIR}/hidbench.cpp)
target_link_libraries(hidbench PRIVATE devicelink Qt5::Core Qt5::Network)
