# Tests of the SDK's HID side: records, catalogue, discovery, transports, pacing.
vorlan_test(tst_vorlanhidsdk SOURCES ${CMAKE_CURRENT_LIST_DIR}/tst_vorlanhidsdk.cpp LIBS vorlansdk Qt5::Core LABELS unit)
target_compile_definitions(tst_vorlanhidsdk PRIVATE VORLAN_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
