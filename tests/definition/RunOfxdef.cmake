# Runs `ofxdef check` and checks its exit code and output.
#   OFXDEF        the tool
#   INPUT         definition file
#   OUTPUT        optional --output file (removed first)
#   EXPECT_RC     expected exit code
#   EXPECT_STDOUT, EXPECT_STDERR, EXPECT_OUTPUT   optional regular expressions
#   EXPECT_STDOUT_FILE   optional file whose text stdout must equal exactly
set(command "${OFXDEF}" check "${INPUT}")
if(DEFINED OUTPUT)
    file(REMOVE "${OUTPUT}")
    list(APPEND command --output "${OUTPUT}")
endif()
execute_process(COMMAND ${command}
                RESULT_VARIABLE rc
                OUTPUT_VARIABLE out
                ERROR_VARIABLE err)

if(NOT rc EQUAL EXPECT_RC)
    message(FATAL_ERROR "exit code ${rc}, expected ${EXPECT_RC}\nstdout:\n${out}\nstderr:\n${err}")
endif()
if(DEFINED EXPECT_STDOUT AND NOT out MATCHES "${EXPECT_STDOUT}")
    message(FATAL_ERROR "stdout does not match '${EXPECT_STDOUT}':\n${out}")
endif()
if(DEFINED EXPECT_STDOUT_FILE)
    file(READ "${EXPECT_STDOUT_FILE}" expected)
    if(NOT out STREQUAL expected)
        file(WRITE "${CMAKE_CURRENT_BINARY_DIR}/ofxdef_actual_stdout.json" "${out}")
        message(FATAL_ERROR "stdout differs from ${EXPECT_STDOUT_FILE}; it was written to "
                            "${CMAKE_CURRENT_BINARY_DIR}/ofxdef_actual_stdout.json")
    endif()
endif()
if(DEFINED EXPECT_STDERR AND NOT err MATCHES "${EXPECT_STDERR}")
    message(FATAL_ERROR "stderr does not match '${EXPECT_STDERR}':\n${err}")
endif()
if(DEFINED EXPECT_OUTPUT)
    if(NOT EXISTS "${OUTPUT}")
        message(FATAL_ERROR "${OUTPUT} was not written")
    endif()
    file(READ "${OUTPUT}" written)
    if(NOT written MATCHES "${EXPECT_OUTPUT}")
        message(FATAL_ERROR "${OUTPUT} does not match '${EXPECT_OUTPUT}':\n${written}")
    endif()
    if(NOT out STREQUAL "")
        message(FATAL_ERROR "stdout should be empty with --output:\n${out}")
    endif()
endif()
