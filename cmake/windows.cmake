# The native Windows program: the same models on the Win32 platform, without Qt.
# Static (no compiler runtime DLLs beside it), Unicode, W functions only.
enable_language(RC)
add_compile_definitions(UNICODE _UNICODE WINVER=0x0A00 _WIN32_WINNT=0x0A00)
add_link_options(-static)

add_subdirectory(src)

file(GLOB app_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/app/win32/*.cpp)
add_executable(zelvo WIN32 ${app_sources} ${CMAKE_SOURCE_DIR}/app/win32/zelvo.rc)
target_include_directories(zelvo PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(zelvo PRIVATE zelvo_ui_win32)
target_link_options(zelvo PRIVATE -municode)
set_target_properties(zelvo PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# The program's icon at every size the shell asks for, from the packaged pictures.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(icon_sizes 16 24 32 48 64 128 256)
set(icon_pictures)
foreach(size IN LISTS icon_sizes)
    list(APPEND icon_pictures ${CMAKE_SOURCE_DIR}/packaging/icons/zelvo-${size}.png)
endforeach()
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/zelvo.ico
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/scripts/make-ico.py
            ${CMAKE_BINARY_DIR}/zelvo.ico ${icon_pictures}
    DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make-ico.py ${icon_pictures} VERBATIM)
add_custom_target(zelvo_icon DEPENDS ${CMAKE_BINARY_DIR}/zelvo.ico)
add_dependencies(zelvo zelvo_icon)
set_source_files_properties(${CMAKE_SOURCE_DIR}/app/win32/zelvo.rc PROPERTIES
    OBJECT_DEPENDS "${CMAKE_BINARY_DIR}/zelvo.ico;${CMAKE_SOURCE_DIR}/app/win32/zelvo.manifest")
target_include_directories(zelvo PRIVATE ${CMAKE_BINARY_DIR})
configure_file(${CMAKE_SOURCE_DIR}/app/win32/version.h.in ${CMAKE_BINARY_DIR}/version.h @ONLY)

include(${CMAKE_SOURCE_DIR}/cmake/program_folder.cmake)
zelvo_program_folder(zelvo)

# The texts of both packages: the license and a short README, CR LF as Notepad
# expects.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/LICENSE.txt ${CMAKE_BINARY_DIR}/README.txt
    COMMAND Python3::Interpreter ${CMAKE_SOURCE_DIR}/packaging/windows/windows-texts.py
            ${CMAKE_SOURCE_DIR}/packaging/copyright
            ${CMAKE_SOURCE_DIR}/packaging/windows/README.txt.in ${PROJECT_VERSION}
            ${CMAKE_BINARY_DIR}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/windows/windows-texts.py
            ${CMAKE_SOURCE_DIR}/packaging/copyright
            ${CMAKE_SOURCE_DIR}/packaging/windows/README.txt.in
    VERBATIM)
add_custom_target(zelvo_texts ALL
                  DEPENDS ${CMAKE_BINARY_DIR}/LICENSE.txt ${CMAKE_BINARY_DIR}/README.txt)

# The zip: one folder Zelvo\ with the program, the shipped skins, the help, the
# portable marker and the texts.
install(TARGETS zelvo RUNTIME DESTINATION Zelvo)
foreach(skin IN LISTS shipped_skins)
    install(DIRECTORY ${CMAKE_SOURCE_DIR}/skins/${skin} DESTINATION Zelvo/skin)
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/help.chm ${CMAKE_BINARY_DIR}/portable
              ${CMAKE_BINARY_DIR}/LICENSE.txt ${CMAKE_BINARY_DIR}/README.txt
        DESTINATION Zelvo)
install(FILES ${help_files} DESTINATION Zelvo/help)
set(CPACK_PACKAGE_NAME zelvo)
set(CPACK_PACKAGE_VENDOR "The Zelvo developers")
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME zelvo-${PROJECT_VERSION}-windows-x64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
set(CPACK_STRIP_FILES ON)
include(CPack)

include(${CMAKE_SOURCE_DIR}/cmake/windows_setup.cmake)

enable_testing()
add_subdirectory(tests)

# The floor of the benchmarks under Wine (bench/wine_run.sh).
add_executable(bare_window WIN32 ${CMAKE_SOURCE_DIR}/bench/win32/bare_window.cpp)
target_include_directories(bare_window PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_options(bare_window PRIVATE -municode)
set_target_properties(bare_window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
