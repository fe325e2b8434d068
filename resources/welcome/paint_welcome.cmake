# Paints the welcome painting: runs daubwerk-batch with the steps of steps.txt.
# Expects BATCH (the tool), STEPS (the steps file) and OUTPUT (the document to write).
file(STRINGS ${STEPS} lines)
set(arguments)
foreach(line IN LISTS lines)
    if(NOT line MATCHES "^#" AND NOT line STREQUAL "")
        separate_arguments(step UNIX_COMMAND "${line}")
        list(APPEND arguments ${step})
    endif()
endforeach()
get_filename_component(folder ${STEPS} DIRECTORY)
execute_process(COMMAND ${BATCH} ${arguments} --save ${OUTPUT}
                WORKING_DIRECTORY ${folder}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "daubwerk-batch could not paint ${OUTPUT}")
endif()
