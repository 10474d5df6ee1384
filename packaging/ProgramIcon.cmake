# Each program embeds its own icon, in every drawn size, for its windows: the
# desktop's icon theme holds the icons only once the programs are installed,
# and not at all where they run from a medium or a build folder.
function(dg_embed_program_icon target name)
    set(theme ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/icons/hicolor)
    file(GLOB pictures ${theme}/*/apps/${name}.png)
    if(NOT pictures)
        message(FATAL_ERROR "No icon named ${name} in ${theme}")
    endif()
    qt_add_resources(${target} ${name}_icon PREFIX /icons BASE ${theme} FILES ${pictures})
endfunction()
