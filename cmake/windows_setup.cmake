# The installer, package/zelvo-<version>-setup.exe beside the zip: NSIS's makensis
# packs packaging/windows/zelvo.nsi with the program stripped as in the zip, the
# shipped skins and help from the sources, the texts and the icon. Built with the
# program, so that the tests under Wine install it.
find_program(MAKENSIS makensis REQUIRED)

set(setup_folder ${CMAKE_BINARY_DIR}/setup)
set(setup_program ${setup_folder}/zelvo.exe)
set(setup_file ${CMAKE_BINARY_DIR}/package/zelvo-${PROJECT_VERSION}-setup.exe)

add_custom_command(OUTPUT ${setup_program}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${setup_folder}
    COMMAND ${CMAKE_STRIP} -o ${setup_program} $<TARGET_FILE:zelvo>
    DEPENDS zelvo VERBATIM)

file(GLOB setup_scripts CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/packaging/windows/*.ns[ih])
file(GLOB_RECURSE skin_files CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/skins/skin_*/*)
add_custom_command(OUTPUT ${setup_file}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/package
    COMMAND ${MAKENSIS} -V2 -WX -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION}
            -DSOURCE=${CMAKE_SOURCE_DIR} -DBUILD=${CMAKE_BINARY_DIR}
            -DPROGRAM=${setup_program} -DOUTFILE=${setup_file}
            ${CMAKE_SOURCE_DIR}/packaging/windows/zelvo.nsi
    DEPENDS ${setup_scripts} ${setup_program} ${skin_files} ${help_files}
            ${CMAKE_SOURCE_DIR}/help/help.chm ${CMAKE_BINARY_DIR}/zelvo.ico
            ${CMAKE_BINARY_DIR}/LICENSE.txt ${CMAKE_BINARY_DIR}/README.txt
    VERBATIM)
add_custom_target(zelvo_setup ALL DEPENDS ${setup_file})
