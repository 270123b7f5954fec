# libFuzzer targets for the doors input comes through: layout files, keyboard reports, imported
# profiles, the simulator's control lines. Built only with clang, run by hand: bench/fuzz.sh builds
# the whole tree with coverage and sanitizers so the fuzzer sees inside the libraries, then runs them.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    function(vorlan_fuzz_target name)
        add_executable(${name} ${CMAKE_CURRENT_LIST_DIR}/${name}.cpp)
        target_compile_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_options(${name} PRIVATE -fsanitize=fuzzer,address,undefined)
        target_link_libraries(${name} PRIVATE ${ARGN})
    endfunction()

    vorlan_fuzz_target(KeyLayoutFuzz vorlanwidgets)
    vorlan_fuzz_target(DeviceReplyFuzz devicelink Qt5::Widgets)
    vorlan_fuzz_target(ProfileImportFuzz vorlanstore profileops)
    vorlan_fuzz_target(SimControlFuzz kbdsimcore)
endif()
