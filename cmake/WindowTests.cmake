# Qt Test executables that show windows, run by ctest on the offscreen
# platform, which needs no display. Every test of the suite is named
# AREA.WHAT in lower case: the program (or "common") and its part first, as
# "dayglass.calendar.editor"; the cases of a GoogleTest executable carry the
# same prefix before their own names.

# A Qt Test executable from `source`, linked to the libraries that follow.
function(dg_add_qt_test target source)
    qt_add_executable(${target} ${source})
    target_link_libraries(${target} PRIVATE Qt6::Test ${ARGN})
endfunction()

# Runs `target` as the test `name`; ARGS picks test functions, ENVIRONMENT adds
# variables (a scale factor, a language).
function(dg_add_window_test name target)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "" "ARGS;ENVIRONMENT")
    add_test(NAME ${name} COMMAND ${target} ${arg_ARGS})
    set(environment QT_QPA_PLATFORM=offscreen ${arg_ENVIRONMENT})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
endfunction()
