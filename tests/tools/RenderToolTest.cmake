# abacor-render as a tool: its picture's size, its argument errors.
set(out "${CMAKE_CURRENT_BINARY_DIR}/abacor-render-test.png")
set(store "${CMAKE_CURRENT_BINARY_DIR}/abacor-render-store")
file(REMOVE "${out}")
file(REMOVE_RECURSE "${store}")
file(MAKE_DIRECTORY "${store}")
set(ENV{XDG_CONFIG_HOME} "${store}")
set(ENV{QT_QPA_PLATFORM} "offscreen")

execute_process(COMMAND "${RENDER}" --size 240x320 --dpi 96 --set CommaFormatFlg=1 --keys "1 2 3 4"
                        --press "＝" --out "${out}"
                RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT EXISTS "${out}")
  message(FATAL_ERROR "render failed (${status}): ${err}")
endif()
# The PNG header holds width and height at bytes 16..23.
file(READ "${out}" header LIMIT 24 HEX)
string(SUBSTRING "${header}" 32 16 size)
if(NOT size STREQUAL "000000f000000140")
  message(FATAL_ERROR "expected a 240 x 320 picture, header says ${size}")
endif()

# --keys speaks the whole key language of the session, 検算 and corrections too.
execute_process(COMMAND "${RENDER}" --size 480x640 --dpi 192 --keys "4 8 0 * 5 = check 4 8 0 * 5 = correct:3=481"
                        --out "${out}" RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "--keys with check and correct: failed (${status}): ${err}")
endif()

foreach(bad "--bogus;1" "--keys;1 correct:9=1" "--size;480" "--size;0x640" "--size;99999x99999" "--size;119x640" "--size;480x640x1" "--size;+480x640" "--size;480x６４０" "--dpi;-3" "--dpi;11" "--keys;nonsense" "--press;Z" "--set;Nope=1" "--size;480x640")
  execute_process(COMMAND "${RENDER}" ${bad} --out "${out}" RESULT_VARIABLE status ERROR_VARIABLE err)
  if(bad STREQUAL "--size;480x640")
    # a good command line, as a control
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "good arguments failed: ${err}")
    endif()
  elseif(NOT status EQUAL 2 OR NOT err MATCHES "abacor-render: ")
    message(FATAL_ERROR "'${bad}' gave status ${status} and [${err}]")
  endif()
endforeach()
execute_process(COMMAND "${RENDER}" --size 480x640 RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 2)
  message(FATAL_ERROR "a missing --out gave status ${status}")
endif()

# --help names the limits; output that cannot be written is a failure, and
# nothing half-written is left.
execute_process(COMMAND "${RENDER}" --help RESULT_VARIABLE status OUTPUT_VARIABLE help)
if(NOT status EQUAL 0 OR NOT help MATCHES "from 120 to 4096 pixels, dots per inch from 48 to 1536")
  message(FATAL_ERROR "--help gave status ${status} and [${help}]")
endif()
foreach(command "\"${RENDER}\" --size 480x640 --out /dev/full"
                "ulimit -f 4; trap '' XFSZ; \"${RENDER}\" --size 480x640 --out \"${out}\"")
  file(REMOVE "${out}")
  execute_process(COMMAND sh -c "${command}" RESULT_VARIABLE status ERROR_VARIABLE err)
  if(status EQUAL 0 OR NOT err MATCHES "cannot write" OR EXISTS "${out}")
    message(FATAL_ERROR "[${command}] gave status ${status} and [${err}]")
  endif()
endforeach()
