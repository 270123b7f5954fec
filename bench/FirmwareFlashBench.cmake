# Time to flash each built-in firmware image against the in-process simulator.
add_executable(FirmwareFlashBench ${CMAKE_CURRENT_LIST_DIR}/FirmwareFlashBench.cpp)
target_link_libraries(FirmwareFlashBench PRIVATE vorlanhid kbdsimcore vorlanresources Qt5::Core)
add_dependencies(FirmwareFlashBench jlfirmwareupgrade)
