// What the tests of the file system share on every platform.
#pragma once

#include <gtest/gtest.h>

#include <functional>

#include "records/errors.h"
#include "records/file_system.h"

namespace flox_test {

inline TFileSystem& Fs() { return SystemFileSystem(); }

// The problem an operation failed with; a failure of the test when it did not fail.
inline TFileProblem ProblemOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const EStreamError& e) {
    return e.Problem();
  }
  ADD_FAILURE() << "no failure";
  return TFileProblem::Other;
}

}  // namespace flox_test
