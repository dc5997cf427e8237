# Installs the build into a scratch prefix, then checks what a newcomer's
# machine would use: the files in their places, a tiny C host compiled and
# linked with `pkg-config --cflags --libs flox03`, and the installed flox03
# finding the installed library.
# Variables: BUILD_DIR, SOURCE_DIR, LIBDIR (relative), COMPILER.
include(${CMAKE_CURRENT_LIST_DIR}/install_common.cmake)
foreach(f include/flox03.h ${LIBDIR}/libWinFlox03RDll.so ${LIBDIR}/pkgconfig/flox03.pc bin/flox03
          share/applications/flox03.desktop share/mime/packages/flox03.xml
          share/icons/hicolor/scalable/apps/flox03.svg)
  if(NOT EXISTS "${prefix}/${f}")
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()

set(pc "PKG_CONFIG_PATH=${prefix}/${LIBDIR}/pkgconfig")
run(${CMAKE_COMMAND} -E env ${pc} pkg-config --cflags --libs flox03)
string(STRIP "${out}" flags)
separate_arguments(flags UNIX_COMMAND "${flags}")
run(${CMAKE_COMMAND} -E env ${pc} pkg-config --variable=libdir flox03)
string(STRIP "${out}" libdir)
get_filename_component(libdir "${libdir}" REALPATH)
if(NOT libdir STREQUAL "${prefix}/${LIBDIR}")
  message(FATAL_ERROR "pkg-config names ${libdir} as the library folder, not ${prefix}/${LIBDIR}")
endif()

set(host "${prefix}/tiny_host")
run(${COMPILER} -x c "${SOURCE_DIR}/tests/install/tiny_host.c" -x none ${flags} "-Wl,-rpath,${libdir}" -o "${host}")
run(${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen "${host}" "${SOURCE_DIR}/examples/general-study.flx")
if(NOT out MATCHES "\"class\": *\"TFlox03Pg1Data\"")
  message(FATAL_ERROR "the tiny host did not print the study:\n${out}")
endif()

# The installed program, away from the build folder, loads the installed library.
run(${CMAKE_COMMAND} -E env --unset=LD_LIBRARY_PATH QT_QPA_PLATFORM=offscreen
    "${prefix}/bin/flox03" check "${SOURCE_DIR}/examples/general-study.flx" --type 1)
file(REMOVE_RECURSE "${prefix}")
