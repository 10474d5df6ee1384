# Qt Test programs that show windows, run by ctest on the offscreen platform,
# which needs no display. Every test of the suite is named AREA.WHAT in lower
# case, the program (or "common") and its part first, as
# "dayglass.calendar.editor"; GoogleTest cases carry their area's prefix.

# Runs the Qt Test program built from `source` (and linked to LIBRARIES) as the
# test `name`. ARGS picks test functions; ENVIRONMENT adds variables, such as a
# scale factor. A source may serve several tests.
function(dg_add_window_test name source)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "LIBRARIES;ARGS;ENVIRONMENT")
    get_filename_component(target ${source} NAME_WE)
    if(NOT TARGET ${target})
        qt_add_executable(${target} ${source})
        target_link_libraries(${target} PRIVATE Qt6::Test ${arg_LIBRARIES})
    endif()
    add_test(NAME ${name} COMMAND ${target} ${arg_ARGS})
    set(environment QT_QPA_PLATFORM=offscreen ${arg_ENVIRONMENT})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
endfunction()
