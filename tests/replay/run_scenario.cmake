# Runs tavro-replay on one scenario.
#   -DREPLAY=<program> -DSCENARIO=<file> -DEXPECTED=<file>
#       the output must equal EXPECTED, and replaying EXPECTED (whose expect
#       steps are recomputed) must give EXPECTED again;
#   -DREPLAY=<program> -DSCENARIO=<file> -DEXPECTED_ERROR=<file>
#       the program must fail, and its message must contain the first line of
#       EXPECTED_ERROR.
function(replay input out_var err_var status_var)
  execute_process(COMMAND ${REPLAY} ${input}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  set(${out_var} "${out}" PARENT_SCOPE)
  set(${err_var} "${err}" PARENT_SCOPE)
  set(${status_var} "${status}" PARENT_SCOPE)
endfunction()

if(DEFINED EXPECTED_ERROR)
  file(STRINGS ${EXPECTED_ERROR} wanted LIMIT_COUNT 1)
  replay(${SCENARIO} out err status)
  if(status EQUAL 0)
    message(FATAL_ERROR "${SCENARIO} was accepted; output:\n${out}")
  endif()
  string(FIND "${err}" "${wanted}" found)
  if(found EQUAL -1)
    message(FATAL_ERROR "message lacks \"${wanted}\":\n${err}")
  endif()
  return()
endif()

file(READ ${EXPECTED} expected)
foreach(input IN ITEMS ${SCENARIO} ${EXPECTED})
  replay(${input} out err status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${input}: status ${status}\n${err}")
  endif()
  if(NOT out STREQUAL expected)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/actual.json "${out}")
    message(FATAL_ERROR "${input}: output differs from ${EXPECTED}:\n${out}")
  endif()
endforeach()
