# Installs the Windows build into a scratch folder, then checks what a
# newcomer's machine would use: the program, the library beside it, the
# library's fonts and the C header in their places, and the installed
# program loading the installed library (and printing with its fonts).
# Variables: BUILD_DIR, SOURCE_DIR, RUNNER (runs a Windows program here, or
# empty on Windows itself).
include(${CMAKE_CURRENT_LIST_DIR}/install_common.cmake)
foreach(f flox03.exe WinFlox03RDll.dll include/flox03.h fonts/LiberationSans-Regular.ttf
          fonts/LiberationSans-Bold.ttf fonts/LiberationMono-Regular.ttf fonts/LiberationSerif-Regular.ttf)
  if(NOT EXISTS "${prefix}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${RUNNER} "${prefix}/flox03.exe" pdf
    "${SOURCE_DIR}/examples/general-study.flx" --type 1 -o "${prefix}/general.pdf")
if(NOT EXISTS "${prefix}/general.pdf")
  message(FATAL_ERROR "the installed program wrote no PDF")
endif()
file(REMOVE_RECURSE "${prefix}")
