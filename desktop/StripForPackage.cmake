# Run by CPack between the install and the archive: the programs and the
# module lose their symbols and the compiler's .comment and .note sections, as
# Debian's own packages do.
file(GLOB_RECURSE files LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file ${files})
  if(IS_SYMLINK "${file}")
    continue()
  endif()
  file(READ "${file}" magic LIMIT 4 HEX)
  if(NOT magic STREQUAL "7f454c46")
    continue()
  endif()
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note --strip-unneeded "${file}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "strip failed on ${file}")
  endif()
endforeach()
