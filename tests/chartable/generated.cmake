# Runs cxtool make-code-table into OUT and fails unless OUT equals REF byte for byte.
execute_process(COMMAND ${CXTOOL} make-code-table ${OUT} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "make-code-table failed: ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${REF} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${REF} is not what make-code-table makes now (${OUT})")
endif()
