# What both install tests begin with: an empty scratch prefix in the build
# folder, run() for a command that must succeed (its output in `out`), and
# the build installed into the prefix.
set(prefix "${BUILD_DIR}/install-test")
file(REMOVE_RECURSE "${prefix}")

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "failed (${rc}): ${ARGN}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
