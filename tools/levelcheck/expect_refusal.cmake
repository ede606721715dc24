# Runs PROGRAM on OPTIONS (words split at spaces) and INPUT, either of which may be empty, and
# fails unless it exits with EXPECT_EXIT and prints a line matching EXPECT_REGEX (on standard
# output or standard error).
separate_arguments(OPTIONS UNIX_COMMAND "${OPTIONS}")
execute_process(COMMAND ${PROGRAM} ${OPTIONS} ${INPUT} RESULT_VARIABLE status OUTPUT_VARIABLE output
  ERROR_VARIABLE errors)
set(printed "${output}${errors}")
if(NOT status EQUAL EXPECT_EXIT)
  message(FATAL_ERROR "exit status ${status}, expected ${EXPECT_EXIT}; it printed:\n${printed}")
endif()
if(NOT printed MATCHES "${EXPECT_REGEX}")
  message(FATAL_ERROR "no line matches '${EXPECT_REGEX}'; it printed:\n${printed}")
endif()
message(STATUS "${printed}")
