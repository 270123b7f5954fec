# Tests of the SDK's XML store.
vorlan_test(XmlFieldsTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/XmlFieldsTest.cpp LIBS vorlansdk LABELS unit)
vorlan_test(XmlProfileStoreTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/XmlProfileStoreTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/XmlTestFiles.cpp LIBS vorlansdk LABELS unit)
vorlan_test(XmlMacroStoreTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/XmlMacroStoreTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/XmlTestFiles.cpp LIBS vorlansdk LABELS unit)
vorlan_test(XmlSeniorKeyStoreTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/XmlSeniorKeyStoreTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/XmlTestFiles.cpp LIBS vorlansdk LABELS unit)
vorlan_test(XmlStoreFaultTest SOURCES ${CMAKE_CURRENT_LIST_DIR}/XmlStoreFaultTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/XmlTestFiles.cpp LIBS vorlansdk LABELS unit)
