// Running a part of a test in a child process of its own (POSIX only).
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

namespace flox_test {

// Runs body in a child process and returns its exit status (or -1 when it
// did not exit normally). The child's limits and umask stay its own.
template <class Body>
int InChild(Body body) {
  const pid_t pid = ::fork();
  if (pid == 0) {
    int code = 99;
    try {
      code = body();
    } catch (...) {
      code = 98;
    }
    std::_Exit(code);
  }
  int status = 0;
  if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace flox_test
