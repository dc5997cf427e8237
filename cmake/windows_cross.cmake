# Building for Windows on a Debian machine with mingw-w64: what Debian has
# only for Linux is found or made here, and every program built runs under
# wine, so that ctest runs the whole suite as on Linux.

# nlohmann/json is header-only: its headers are taken from the build
# machine, through a folder that holds nothing else.
find_package(nlohmann_json 3 QUIET)
if(NOT nlohmann_json_FOUND)
  find_path(FLOX_NLOHMANN_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  set(nlohmann_only ${PROJECT_BINARY_DIR}/nlohmann-include)
  file(MAKE_DIRECTORY ${nlohmann_only})
  file(CREATE_LINK ${FLOX_NLOHMANN_INCLUDE}/nlohmann ${nlohmann_only}/nlohmann SYMBOLIC)
  add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED GLOBAL)
  set_target_properties(nlohmann_json::nlohmann_json PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${nlohmann_only})
  set(nlohmann_json_FOUND TRUE CACHE INTERNAL "")
endif()

# GoogleTest from Debian's source package, built with the cross compiler.
if(FLOX_BUILD_TESTS AND NOT TARGET GTest::gtest)
  set(FLOX_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian: googletest)")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${FLOX_GOOGLETEST_SOURCE} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()

# GCC 12 at -O3 warns of overlapping copies inside std::string's operator+
# that cannot happen (GCC bug 105651); the Linux build checks that code.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  add_compile_options(-Wno-restrict)
endif()

# Benchmarks and fuzz targets stay on Linux.
set(FLOX_BUILD_BENCH OFF CACHE BOOL "" FORCE)
set(FLOX_BUILD_FUZZ OFF CACHE BOOL "" FORCE)

# Qt's folder, for its DLLs and plugins.
find_package(Qt6 REQUIRED COMPONENTS Core)
get_filename_component(FLOX_QT_PREFIX "${Qt6_DIR}/../../.." ABSOLUTE)

# wine runs every program built here: ctest, gtest_discover_tests and
# custom commands go through this script. Its prefix lives in the build
# folder and is made once; the ANSI code page is the Greek one (1253).
find_program(FLOX_WINE NAMES wine wine64)
if(FLOX_WINE)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                  OUTPUT_VARIABLE flox_libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                  OUTPUT_VARIABLE flox_winpthread OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(flox_gcc_runtime "${flox_libstdcxx}" DIRECTORY)
  get_filename_component(flox_pthread_runtime "${flox_winpthread}" DIRECTORY)
  set(FLOX_WINE_PREFIX ${PROJECT_BINARY_DIR}/wine)
  get_filename_component(flox_pthread_runtime "${flox_pthread_runtime}" ABSOLUTE)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/wine_run.sh.in ${PROJECT_BINARY_DIR}/wine-run @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_BINARY_DIR}/wine-run)
  # The tests of the library's windows on a screen run on a virtual display
  # (xvfb-run); without one they say they are skipped.
  find_program(FLOX_XVFB_RUN xvfb-run)
  if(FLOX_XVFB_RUN)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/wine_display_run.sh.in ${PROJECT_BINARY_DIR}/wine-display-run @ONLY
                   FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    set(FLOX_DISPLAY_RUNNER ${PROJECT_BINARY_DIR}/wine-display-run)
  else()
    set(FLOX_DISPLAY_RUNNER ${PROJECT_BINARY_DIR}/wine-run)
  endif()
  if(NOT EXISTS ${FLOX_WINE_PREFIX}/system.reg)
    message(STATUS "Making the wine prefix ${FLOX_WINE_PREFIX}")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${FLOX_WINE_PREFIX} WINEDEBUG=-all
                            WINEDLLOVERRIDES=mscoree,mshtml= LANG=el_GR.UTF-8 wineboot -i
                    OUTPUT_QUIET ERROR_QUIET)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env WINEPREFIX=${FLOX_WINE_PREFIX} wineserver -w)
  endif()
else()
  message(WARNING "wine not found: the Windows programs are built, but ctest cannot run them")
endif()
