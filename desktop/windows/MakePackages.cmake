# Lays out what cmake --install gives in a folder of its own, zips it, and
# builds the installer from the same files (cmake -P, from windows-packages).
set(stage ${BUILD}/packages/${NAME})
file(REMOVE_RECURSE ${BUILD}/packages)
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${stage} --strip COMMAND_ERROR_IS_FATAL ANY)
# The picture tool is the developers': a zip of its own, beside the licence.
set(developer ${BUILD}/packages/${NAME}-developer)
file(MAKE_DIRECTORY ${developer})
file(RENAME ${stage}/abacor-render.exe ${developer}/abacor-render.exe)
file(COPY ${stage}/LICENSE.txt DESTINATION ${developer})
file(GLOB files RELATIVE ${stage} ${stage}/*)
list(SORT files)

foreach(folder ${NAME} ${NAME}-developer)
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${BUILD}/packages/${folder}.zip --format=zip ${folder}
                  WORKING_DIRECTORY ${BUILD}/packages COMMAND_ERROR_IS_FATAL ANY)
endforeach()

# The installer takes exactly these files and its uninstaller removes exactly
# these, so nothing a user put in the folder is deleted with it.
set(install "!macro AbacorInstallFiles\n")
set(remove "!macro AbacorRemoveFiles\n")
foreach(file IN LISTS files)
  string(APPEND install "  File \"${stage}/${file}\"\n")
  string(APPEND remove "  Delete \"$INSTDIR\\${file}\"\n")
endforeach()
file(WRITE ${BUILD}/packages/files.nsh "${install}!macroend\n${remove}!macroend\n")
if(NOT MAKENSIS)
  message(FATAL_ERROR "makensis is missing (Debian: nsis); the zip is ${BUILD}/packages/${NAME}.zip")
endif()
execute_process(COMMAND ${MAKENSIS} -V2 -DVERSION=${VERSION} -DFILES=${BUILD}/packages/files.nsh
                        -DOUTFILE=${BUILD}/packages/${NAME}-setup.exe -DICON=${ICON} -DHOMEPAGE=${HOMEPAGE}
                        ${INSTALLER}
                COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "Windows packages: ${BUILD}/packages/${NAME}.zip ${BUILD}/packages/${NAME}-setup.exe "
               "${BUILD}/packages/${NAME}-developer.zip")
