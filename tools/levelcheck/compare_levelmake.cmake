# Converts MAP with LEVELMAKE into OUTPUT and fails unless it equals the COMMITTED level file.
execute_process(COMMAND ${LEVELMAKE} ${MAP} ${OUTPUT} RESULT_VARIABLE status
  ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "levelmake refused ${MAP} (${status}):\n${errors}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUTPUT} ${COMMITTED}
  RESULT_VARIABLE differs)
if(NOT differs EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not what levelmake makes of ${MAP}: regenerate it")
endif()
