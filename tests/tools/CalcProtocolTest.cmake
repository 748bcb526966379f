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

# A token longer than the language has stops at once, showing its first bytes escaped.
string(REPEAT "a" 1100 long)
string(ASCII 1 control)
file(WRITE "${input_file}" "1 ${control}${long}\n")
execute_process(COMMAND "${CALC}" INPUT_FILE "${input_file}"
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
expect_output("overlong token status" "2" "${status}")
if(NOT err MATCHES "longer than 1024 bytes: \\\\x01aaaa" OR err MATCHES "a{40}")
  message(FATAL_ERROR "overlong token message: [${err}]")
endif()

# Output that cannot be written, input that cannot be read: status 1 and a message.
foreach(command "\"${CALC}\" 1 + 2 = > /dev/full" "\"${CALC}\" 1 + 2 = >&-" "\"${CALC}\" < /")
  execute_process(COMMAND sh -c "${command}" RESULT_VARIABLE status ERROR_VARIABLE err)
  if(NOT status EQUAL 1 OR NOT err MATCHES "abacor-calc: cannot")
    message(FATAL_ERROR "[${command}] gave status ${status} and [${err}]")
  endif()
endforeach()

# "load" reads the per-user store, and reading creates nothing.
set(store "${CMAKE_CURRENT_BINARY_DIR}/abacor-calc-store")
file(REMOVE_RECURSE "${store}")
file(MAKE_DIRECTORY "${store}")
file(WRITE "${input_file}" "load 1 2 3 4 5 6 7\n")
set(ENV{XDG_CONFIG_HOME} "${store}")
execute_process(COMMAND "${CALC}" INPUT_FILE "${input_file}" OUTPUT_VARIABLE out RESULT_VARIABLE status)
expect_output("load without a store" "0" "${status}")
if(NOT out MATCHES "\n7${TAB}1,234,567${TAB}")
  message(FATAL_ERROR "load without a store: [${out}]")
endif()
file(GLOB created "${store}/*")
if(created)
  message(FATAL_ERROR "load created ${created}")
endif()

file(WRITE "${store}/Korvel/Abacor.conf" "[General]\nCommaFormatFlg=0\n")
execute_process(COMMAND "${CALC}" INPUT_FILE "${input_file}" OUTPUT_VARIABLE out RESULT_VARIABLE status)
expect_output("load with a store" "0" "${status}")
if(NOT out MATCHES "\n7${TAB}1234567${TAB}")
  message(FATAL_ERROR "load with CommaFormatFlg=0: [${out}]")
endif()

# --help explains tokens, options and exit statuses; an unknown option is an
# error with the usage; "-" alone stays the minus token; set: names in any case.
execute_process(COMMAND "${CALC}" --help OUTPUT_VARIABLE out RESULT_VARIABLE status)
expect_output("--help status" "0" "${status}")
if(NOT out MATCHES "usage: abacor-calc" OR NOT out MATCHES "set:Name=Value" OR NOT out MATCHES "exit status")
  message(FATAL_ERROR "--help: [${out}]")
endif()
execute_process(COMMAND "${CALC}" --bogus 1 OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
expect_output("bad option status" "2" "${status}")
expect_output("bad option output" "" "${out}")
if(NOT err MATCHES "--bogus" OR NOT err MATCHES "usage: abacor-calc")
  message(FATAL_ERROR "bad option message: [${err}]")
endif()
execute_process(COMMAND "${CALC}" 5 - 2 = OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out MATCHES "=${TAB}3${TAB}")
  message(FATAL_ERROR "minus as the first argument after a digit: [${out}]")
endif()
execute_process(COMMAND "${CALC}" set:commaformatflg=0 1 2 3 4 OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out MATCHES "4${TAB}1234${TAB}")
  message(FATAL_ERROR "set: names without regard to case: [${out}]")
endif()

# -a: a sixth field of lit annunciators; the desk functions' worked cases.
execute_process(COMMAND "${CALC}" -a set:DeskTaxFlg=1 set:TaxPercent=800 2 1 6 0 税抜 税抜 OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT out MATCHES "税抜${TAB}160${TAB}0${TAB}0${TAB}${TAB}税8% 税計 税額\n$")
  message(FATAL_ERROR "desk tax with -a: [${out}]")
endif()
execute_process(COMMAND "${CALC}" set:RoundSelector=3 set:DecimalSelector=5 1 4 5 + 4 5 0 0 = OUTPUT_VARIABLE out)
if(NOT out MATCHES "=${TAB}46.45${TAB}46.45${TAB}0${TAB}\n$")
  message(FATAL_ERROR "ADD2: [${out}]")
endif()

# The tape: a correction re-runs the calculation, 検算 says OK, --tape prints
# the steps; a refused correction stops with status 2 and says why.
execute_process(COMMAND "${CALC}" --tape 1 2 3 + 4 5 6 + 7 8 9 = correct:2=457
  OUTPUT_VARIABLE out RESULT_VARIABLE status)
expect_output("correction status" "0" "${status}")
if(NOT out MATCHES "correct:2=457${TAB}1,369${TAB}1,369${TAB}0${TAB}\nTAPE${TAB}1${TAB}123${TAB}＋${TAB}\nTAPE${TAB}2${TAB}457${TAB}＋${TAB}\nTAPE${TAB}3${TAB}789${TAB}＝${TAB}\nTAPE${TAB}${TAB}1,369${TAB}\\*  3件${TAB}\n$")
  message(FATAL_ERROR "correction and tape: [${out}]")
endif()
execute_process(COMMAND "${CALC}" -a 4 8 0 × 5 = check 4 8 0 × 5 =
  OUTPUT_VARIABLE out RESULT_VARIABLE status)
if(NOT out MATCHES "=${TAB}2,400${TAB}2,400${TAB}0${TAB}${TAB}GT OK\n$")
  message(FATAL_ERROR "check: [${out}]")
endif()
execute_process(COMMAND "${CALC}" 1 + 2 = correct:3=5 6
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
expect_output("refused correction status" "2" "${status}")
if(NOT err MATCHES "no step 3" OR out MATCHES "\n6")
  message(FATAL_ERROR "refused correction: [${out}] [${err}]")
endif()
