# vorlan_library(<name> [LIBS <libs...>])
# One library per source folder: every .cpp/.h/.ui/.qrc directly in the folder.
function(vorlan_library name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/*.c
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.ui
        ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    # main.cpp belongs to the executable, not to the folder's library.
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    set(compiled ${sources})
    list(FILTER compiled INCLUDE REGEX "\\.(cpp|c)$")
    if(compiled)
        add_library(${name} STATIC ${sources})
        target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
        if(ARG_LIBS)
            target_link_libraries(${name} PUBLIC ${ARG_LIBS})
        endif()
    else()
        # A folder with headers only (or not yet any sources).
        add_library(${name} INTERFACE)
        target_include_directories(${name} INTERFACE ${PROJECT_SOURCE_DIR})
        if(ARG_LIBS)
            target_link_libraries(${name} INTERFACE ${ARG_LIBS})
        endif()
    endif()
    set_property(GLOBAL APPEND PROPERTY VORLAN_LIBRARIES ${name})
endfunction()

# vorlan_test(<name> SOURCES <files...> LIBS <libs...> LABELS <unit|gui|x11|audio|e2e> [TIMEOUT <seconds>])
# Each test runs through tests/isolated.sh, which gives it a fresh HOME and XDG folders.
function(vorlan_test name)
    cmake_parse_arguments(ARG "" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt5::Test ${ARG_LIBS})
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    if(TARGET vorlan_translations)
        add_dependencies(${name} vorlan_translations)
    endif()
    if(VORLAN_SANITIZE)
        target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/SanitizerOptions.cpp)
    endif()
    add_test(NAME ${name}
             COMMAND ${PROJECT_SOURCE_DIR}/tests/isolated.sh $<TARGET_FILE:${name}>
             WORKING_DIRECTORY ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
    if(NOT ARG_LABELS)
        set(ARG_LABELS unit)
    endif()
    if(NOT ARG_TIMEOUT)
        # Whole windows under the sanitizers take minutes on a machine busy with the parallel run.
        if(ARG_LABELS MATCHES "gui|x11|e2e")
            set(ARG_TIMEOUT 900)
        else()
            set(ARG_TIMEOUT 300)
        endif()
    endif()
    set_tests_properties(${name} PROPERTIES LABELS "${ARG_LABELS}" TIMEOUT ${ARG_TIMEOUT})
endfunction()
