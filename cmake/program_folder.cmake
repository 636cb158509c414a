# The build folder is a runnable program folder: the program with skin/, the help
# and the portable marker beside it (the marker keeps setting.ini in the folder).
# Sets `shipped_skins` (the skin folders' names) and `help_files` (the HTML help).
function(zelvo_program_folder program)
    file(GLOB skins LIST_DIRECTORIES true RELATIVE ${CMAKE_SOURCE_DIR}/skins
         CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/skins/skin_*)
    set(skin_copies)
    foreach(skin IN LISTS skins)
        list(APPEND skin_copies COMMAND ${CMAKE_COMMAND} -E copy_directory
             ${CMAKE_SOURCE_DIR}/skins/${skin} ${CMAKE_BINARY_DIR}/skin/${skin})
    endforeach()
    add_custom_target(zelvo_skins ALL ${skin_copies} VERBATIM)
    add_dependencies(${program} zelvo_skins)

    file(TOUCH ${CMAKE_BINARY_DIR}/portable)

    # The help: help.chm compiled from help/ by help/build-help.sh, and the same
    # pages as HTML.
    configure_file(${CMAKE_SOURCE_DIR}/help/help.chm ${CMAKE_BINARY_DIR}/help.chm COPYONLY)
    file(GLOB pages CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/help/*.html)
    set(files ${pages} ${CMAKE_SOURCE_DIR}/help/style.css)
    foreach(file IN LISTS files)
        get_filename_component(name ${file} NAME)
        configure_file(${file} ${CMAKE_BINARY_DIR}/help/${name} COPYONLY)
    endforeach()

    set(shipped_skins ${skins} PARENT_SCOPE)
    set(help_files ${files} PARENT_SCOPE)
endfunction()
