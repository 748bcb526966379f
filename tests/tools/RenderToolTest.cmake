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

foreach(bad "--bogus;1" "--size;480" "--size;0x640" "--dpi;-3" "--keys;nonsense" "--press;Z" "--set;Nope=1" "--size;480x640")
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
