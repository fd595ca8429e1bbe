# Helpers shared by the folder CMakeLists.

# mousecfg_library(<name> [PUBLIC <libs...>] [PRIVATE <libs...>]): a static library of every
# .cpp/.h in the calling folder (not its subfolders), public include path = the source root.
# PUBLIC names what the folder's headers expose, PRIVATE what only its sources use.
function(mousecfg_library name)
    cmake_parse_arguments(ARG "" "" "PUBLIC;PRIVATE" ${ARGN})
    file(GLOB _src CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h
         ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
    if(NOT _src)
        set(_src ${PROJECT_SOURCE_DIR}/cmake/empty.cpp)
    endif()
    add_library(${name} STATIC ${_src})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
endfunction()

# mousecfg_tests(LINK <libs...>): one QtTest executable and CTest test per .cpp in the
# calling folder. GUI tests run offscreen; each test runs in its own temporary app dir.
function(mousecfg_tests)
    cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
    file(GLOB _tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    get_filename_component(_folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    foreach(_file ${_tests})
        get_filename_component(_name ${_file} NAME_WE)
        set(_target test_${_folder}_${_name})
        add_executable(${_target} ${_file})
        set_target_properties(${_target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
        target_link_libraries(${_target} PRIVATE testsupport ${ARG_LINK} Qt5::Test)
        add_test(NAME ${_folder}.${_name} COMMAND ${_target})
        set_tests_properties(${_folder}.${_name} PROPERTIES
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;MOUSECFG_SOURCE_DIR=${PROJECT_SOURCE_DIR};MOUSECFG_BIN_DIR=${MOUSECFG_BIN_DIR};ASAN_OPTIONS=detect_leaks=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/.ci/lsan.supp;UBSAN_OPTIONS=print_stacktrace=1"
            TIMEOUT 300)
    endforeach()
endfunction()
