# Runs the abacor-calc executable as a user would, through stdin and arguments.
function(expect_output label expected actual)
  if(NOT "${actual}" STREQUAL "${expected}")
    message(FATAL_ERROR "${label}: expected\n[${expected}]\ngot\n[${actual}]")
  endif()
endfunction()

set(TAB "\t")
set(input_file "${CMAKE_CURRENT_BINARY_DIR}/abacor-calc-input.txt")

file(WRITE "${input_file}" "1 + 2 * 3 =\n")
execute_process(COMMAND "${CALC}" INPUT_FILE "${input_file}"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
expect_output("stdin status" "0" "${status}")
expect_output("stdin output"
  "1${TAB}1${TAB}0${TAB}0${TAB}\n+${TAB}1${TAB}1${TAB}0${TAB}＋\n2${TAB}2${TAB}1${TAB}0${TAB}＋\n*${TAB}3${TAB}3${TAB}0${TAB}×\n3${TAB}3${TAB}3${TAB}0${TAB}×\n=${TAB}9${TAB}9${TAB}0${TAB}\n"
  "${out}")

# Arguments, when given, are the tokens; stdin is not read.
file(WRITE "${input_file}" "9 9 9\n")
execute_process(COMMAND "${CALC}" 7 ×  "6 ="
  INPUT_FILE "${input_file}" OUTPUT_VARIABLE out RESULT_VARIABLE status)
expect_output("argument status" "0" "${status}")
expect_output("argument output"
  "7${TAB}7${TAB}0${TAB}0${TAB}\n×${TAB}7${TAB}7${TAB}0${TAB}×\n6${TAB}6${TAB}7${TAB}0${TAB}×\n=${TAB}42${TAB}42${TAB}0${TAB}\n"
  "${out}")

# A bad token: one line on stderr naming it, exit status 2, nothing after it.
file(WRITE "${input_file}" "5 sqrtx 6\n")
execute_process(COMMAND "${CALC}" INPUT_FILE "${input_file}"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
expect_output("bad token status" "2" "${status}")
expect_output("bad token output" "5${TAB}5${TAB}0${TAB}0${TAB}\n" "${out}")
if(NOT err MATCHES "sqrtx")
  message(FATAL_ERROR "bad token message does not name the token: [${err}]")
endif()
