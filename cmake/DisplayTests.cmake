# Tests that run a window on a virtual X display with a window manager and
# drive it with real X events (see common/tests/support/RealInput.h): the
# offscreen platform sends keys without their text and places no window, so
# faults of the input paths hide there. They form the ctest label "display"
# and are skipped, saying why, where Xvfb or the window manager is missing.
# With INPUT_METHOD the keys go through ibus with Mozc in Hiragana
# (scripts/with-input-method.sh), skipped where those are missing.
function(dg_add_display_test name target)
    cmake_parse_arguments(PARSE_ARGV 2 arg "INPUT_METHOD" "" "")
    set(desktop with-desktop.sh)
    if(arg_INPUT_METHOD)
        set(desktop with-input-method.sh)
    endif()
    add_test(NAME ${name}
             COMMAND sh ${PROJECT_SOURCE_DIR}/scripts/${desktop} $<TARGET_FILE:${target}>)
    set_tests_properties(${name} PROPERTIES LABELS display SKIP_RETURN_CODE 77 TIMEOUT 180
                                            RESOURCE_LOCK display)
endfunction()
