# The Windows build's tests, run under Wine: GoogleTest built for the target from
# Debian's googletest sources, the shared unit tests on the fake platform, and the
# Win32 layer's own tests. Every test runs in one Wine prefix of the build folder,
# its server kept running by the wine fixture.
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)

add_library(zelvo_fake INTERFACE)
target_include_directories(zelvo_fake INTERFACE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(zelvo_fake INTERFACE zelvo_core zelvo_session zelvo_win32)

add_executable(zelvo_unit_tests ${shared_unit_tests})
target_link_libraries(zelvo_unit_tests PRIVATE zelvo_fake gtest_main)

file(GLOB win32_tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/win32/*_test.cpp)
add_executable(zelvo_win32_tests ${win32_tests})
target_link_libraries(zelvo_win32_tests PRIVATE zelvo_fake zelvo_ui_win32 gtest_main)

# Wine in a Japanese locale (code page 932, Japanese fonts for the captions), as the
# program's users run Windows.
set(wine_environment
    "LANG=ja_JP.UTF-8"
    "LC_ALL=ja_JP.UTF-8"
    "WINEPREFIX=${CMAKE_BINARY_DIR}/wine"
    "WINEDEBUG=-all"
    "WINEDLLOVERRIDES=mscoree,mshtml=")
add_test(NAME wine_prefix COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win32/wine_prefix.sh start)
add_test(NAME wine_prefix_end COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/win32/wine_prefix.sh stop)
set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
set_tests_properties(wine_prefix_end PROPERTIES FIXTURES_CLEANUP wine)

add_test(NAME unit COMMAND zelvo_unit_tests)
add_test(NAME win32 COMMAND zelvo_win32_tests)
set_tests_properties(unit win32 PROPERTIES LABELS unit FIXTURES_REQUIRED wine TIMEOUT 300)
set_tests_properties(wine_prefix wine_prefix_end unit win32 PROPERTIES
                     ENVIRONMENT "${wine_environment}")

# Another program holding a hot key, for the end-to-end tests.
add_executable(hot_key_holder ${CMAKE_CURRENT_SOURCE_DIR}/win32/tools/hot_key_holder.cpp)
target_include_directories(hot_key_holder PRIVATE ${CMAKE_SOURCE_DIR}/src)
set_target_properties(hot_key_holder PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

# End to end: the program under Wine on Xvfb, openbox and a tray host, beside the
# Linux build of the same sources for the settings file both read and write. Each
# script gets the program folder and the Linux program, then `EXTRA` arguments; they
# share the run's Wine prefix, one at a time.
set(ZELVO_LINUX_PROGRAM ${CMAKE_SOURCE_DIR}/build/release/zelvo CACHE FILEPATH
    "The Linux build's program, for the settings round trip")
function(zelvo_wine_e2e_test name)
    cmake_parse_arguments(PARSE_ARGV 1 E2E "" "TIMEOUT" "EXTRA")
    if(NOT E2E_TIMEOUT)
        set(E2E_TIMEOUT 300)
    endif()
    add_test(NAME e2e_wine_${name}
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/wine_${name}_test.sh ${CMAKE_BINARY_DIR}
                     ${ZELVO_LINUX_PROGRAM} ${E2E_EXTRA})
    set_tests_properties(e2e_wine_${name} PROPERTIES LABELS e2e FIXTURES_REQUIRED wine
                         RESOURCE_LOCK wine_prefix TIMEOUT ${E2E_TIMEOUT}
                         ENVIRONMENT "${wine_environment}")
endfunction()

zelvo_wine_e2e_test(smoke)
zelvo_wine_e2e_test(installer EXTRA ${PROJECT_VERSION})
zelvo_wine_e2e_test(convert)
zelvo_wine_e2e_test(bar)
zelvo_wine_e2e_test(tray)
zelvo_wine_e2e_test(settings)
zelvo_wine_e2e_test(bad_input)
zelvo_wine_e2e_test(keyboard)
zelvo_wine_e2e_test(enter)
