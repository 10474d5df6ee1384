# Writes the test functions of the Qt Test program PROGRAM to OUTPUT, one
# "name()" a line, as the program's -functions option lists them.
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${PROGRAM} -functions
                OUTPUT_FILE ${OUTPUT} ERROR_VARIABLE errors RESULT_VARIABLE result TIMEOUT 60)
if(NOT result EQUAL 0)
    file(REMOVE ${OUTPUT})
    message(FATAL_ERROR "${PROGRAM} -functions failed (${result}):\n${errors}")
endif()
