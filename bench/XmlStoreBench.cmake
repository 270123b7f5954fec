# Speed of the SDK's XML store: cached key lookups, the defaults of a new profile, bursts of adds.
vorlan_google_benchmark(XmlStoreBench ${CMAKE_CURRENT_LIST_DIR}/XmlStoreBench.cpp vorlanstore)

# libFuzzer target for loading a store file; built only with clang (cmake -DCMAKE_CXX_COMPILER=clang++).
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_executable(XmlStoreFuzz ${CMAKE_CURRENT_LIST_DIR}/XmlStoreFuzz.cpp)
    target_compile_options(XmlStoreFuzz PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_options(XmlStoreFuzz PRIVATE -fsanitize=fuzzer,address,undefined)
    target_link_libraries(XmlStoreFuzz PRIVATE vorlanstore)
endif()
