# Every test of the two programs is declared by dg_add_tests, and every test is
# named PROGRAM.FOLDER.Suite.case: the program ("common" for what both share,
# "packaging" for what the desktop is given), the folder of the code under
# test ("main" for the program's top folder), the suite, named after its file,
# and the case. A variant of a suite run in another environment, such as a
# scaled screen, adds "/variant" to its cases. `ctest -R '^dayglass\.calendar\.'`
# picks the tests of one folder.
#
#   dg_add_tests(PROGRAM.FOLDER KIND FILE...
#                [LIBRARIES lib...] [DEFINITIONS def...] [DEPENDS target...]
#                [ENVIRONMENT var=value...] [LAUNCHER command...]
#                [VARIANT name] [ONLY function...] [PROPERTIES property value...]
#                [CASE name] [ARGS argument...])
#
# KIND is one of
#   UNIT          GoogleTest sources, built into one program; each TEST is a case.
#   WINDOW        Qt Test sources, one program each, run on the offscreen platform,
#                 which needs no display; each test function is a case.
#   DISPLAY       Qt Test sources run on a virtual X display with a window manager
#                 and driven with real X events (common/tests/support/RealInput.h):
#                 the offscreen platform sends keys without their text and places
#                 no window, so faults of the input paths hide there. They form the
#                 label "display" and are skipped, saying why, where Xvfb or the
#                 window manager is missing.
#   INPUT_METHOD  DISPLAY tests whose keys go through ibus with Mozc in Hiragana
#                 (scripts/with-input-method.sh), skipped where those are missing.
#   SCRIPT        One shell script, or Python script (.py), the suite, run with
#                 ARGS as the one case CASE; status 77 means skipped.
# A WINDOW source may be declared again with a VARIANT, its own ENVIRONMENT and
# the functions it runs (ONLY). LAUNCHER runs the Qt Test program through
# another command, such as dbus-run-session (on the virtual display, for the
# DISPLAY kinds).

# GoogleTest's header takes a third of the time of each test source, so it is
# compiled once, by a program that tests nothing, and every GoogleTest program
# reuses it. GCC takes a precompiled header only where each definition made
# for it is made again and the code is made alike, so that program carries no
# definitions of its own, and all are compiled as code that links Qt is (-fPIC).
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/gtest_header.cpp CONTENT "")
add_executable(gtest_header EXCLUDE_FROM_ALL ${CMAKE_BINARY_DIR}/gtest_header.cpp)
target_link_libraries(gtest_header PRIVATE GTest::gtest_main)
target_compile_options(gtest_header PRIVATE -fPIC)
target_precompile_headers(gtest_header PRIVATE <gtest/gtest.h>)

function(dg_add_tests prefix kind)
    cmake_parse_arguments(PARSE_ARGV 2 arg "" "VARIANT;CASE"
                          "LIBRARIES;DEFINITIONS;DEPENDS;ENVIRONMENT;LAUNCHER;ONLY;PROPERTIES;ARGS")
    set(files ${arg_UNPARSED_ARGUMENTS})
    if(kind STREQUAL "UNIT")
        string(REPLACE "." "_" target "${prefix}_tests")
        add_executable(${target} ${files})
        target_link_libraries(${target} PRIVATE ${arg_LIBRARIES} GTest::gtest_main)
        _dg_prepare_target(${target})
        target_compile_options(${target} PRIVATE -fPIC)
        target_precompile_headers(${target} REUSE_FROM gtest_header)
        gtest_discover_tests(${target} TEST_PREFIX "${prefix}." NO_PRETTY_VALUES
                             DISCOVERY_TIMEOUT 30 PROPERTIES ${arg_PROPERTIES})
    elseif(kind STREQUAL "SCRIPT")
        get_filename_component(suite ${files} NAME_WE)
        set(name ${prefix}.${suite}.${arg_CASE})
        set(interpreter sh)
        if(files MATCHES "\\.py$")
            set(interpreter python3)
        endif()
        add_test(NAME ${name} COMMAND ${interpreter} ${CMAKE_CURRENT_SOURCE_DIR}/${files} ${arg_ARGS})
        set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77 ${arg_PROPERTIES})
    else()
        set(launcher ${arg_LAUNCHER})
        set(environment QT_QPA_PLATFORM=offscreen ${arg_ENVIRONMENT})
        set(properties ${arg_PROPERTIES})
        if(kind STREQUAL "DISPLAY" OR kind STREQUAL "INPUT_METHOD")
            set(desktop with-desktop.sh)
            if(kind STREQUAL "INPUT_METHOD")
                set(desktop with-input-method.sh)
            endif()
            set(launcher sh ${PROJECT_SOURCE_DIR}/scripts/${desktop} ${arg_LAUNCHER})
            set(environment ${arg_ENVIRONMENT})
            list(APPEND properties LABELS display SKIP_RETURN_CODE 77 TIMEOUT 180
                 RESOURCE_LOCK display)
        elseif(NOT kind STREQUAL "WINDOW")
            message(FATAL_ERROR "dg_add_tests: unknown kind ${kind}")
        endif()
        foreach(source IN LISTS files)
            get_filename_component(target ${source} NAME_WE)
            if(NOT TARGET ${target})
                qt_add_executable(${target} ${source})
                set_target_properties(${target} PROPERTIES AUTOMOC ON)
                target_link_libraries(${target} PRIVATE Qt6::Test ${arg_LIBRARIES})
                _dg_prepare_target(${target})
                _dg_list_test_functions(${target})
            endif()
            _dg_add_test_functions(${prefix} ${target} "${arg_VARIANT}" "${arg_ONLY}"
                                   "${launcher}" "${environment}" "${properties}")
        endforeach()
    endif()
endfunction()

function(_dg_prepare_target target)
    target_compile_definitions(${target} PRIVATE ${arg_DEFINITIONS})
    if(arg_DEPENDS)
        add_dependencies(${target} ${arg_DEPENDS})
    endif()
endfunction()

# After each build the program lists its test functions, as GoogleTest's are
# listed, so that ctest runs and names each on its own.
function(_dg_list_test_functions target)
    add_custom_command(TARGET ${target} POST_BUILD
        COMMAND ${CMAKE_COMMAND} -D PROGRAM=$<TARGET_FILE:${target}>
                -D OUTPUT=${CMAKE_CURRENT_BINARY_DIR}/${target}.functions
                -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/ListTestFunctions.cmake
        BYPRODUCTS ${CMAKE_CURRENT_BINARY_DIR}/${target}.functions VERBATIM)
endfunction()

# Writes the ctest file that declares one test for each listed function.
function(_dg_add_test_functions prefix target variant only launcher environment properties)
    set(suffix "")
    if(variant)
        set(suffix "/${variant}")
    endif()
    set(include ${CMAKE_CURRENT_BINARY_DIR}/${target}${variant}_tests.cmake)
    list(JOIN properties " " properties)
    file(GENERATE OUTPUT ${include} CONTENT "\
set(only [==[${only}]==])
set(listing [==[${CMAKE_CURRENT_BINARY_DIR}/${target}.functions]==])
set(functions \"\")
if(EXISTS \"\${listing}\")
    file(STRINGS \"\${listing}\" functions REGEX [==[^[A-Za-z0-9_]+[(][)]$]==])
endif()
if(NOT functions)
    add_test([==[${prefix}.${target}.NOT_BUILT${suffix}]==] [==[${target}_NOT_BUILT]==])
endif()
foreach(function IN LISTS functions)
    string(REPLACE \"()\" \"\" function \"\${function}\")
    list(FIND only \"\${function}\" at)
    if(only AND at EQUAL -1)
        continue()
    endif()
    set(name \"${prefix}.${target}.\${function}${suffix}\")
    add_test(\"\${name}\" ${launcher} [==[$<TARGET_FILE:${target}>]==] \"\${function}\")
    set_tests_properties(\"\${name}\" PROPERTIES ENVIRONMENT [==[${environment}]==] ${properties})
endforeach()
")
    set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES ${include})
endfunction()
