#pragma once

// Runs a piece of a test in a child process (where it may enter namespaces of its own) and
// hands back the text it produced.

#include <sys/wait.h>
#include <unistd.h>

#include <exception>
#include <functional>
#include <string>

namespace kirv::testing {

// The text that work returned in a forked child, or "FAIL ..." when the child did not report.
inline std::string RunInChildProcess(const std::function<std::string()>& work) {
  int channel[2];
  if (pipe(channel) != 0) return "FAIL no pipe";
  const pid_t child = fork();
  if (child < 0) return "FAIL no fork";
  if (child == 0) {
    close(channel[0]);
    // An exception must not unwind into the test framework of the child, which would go on to
    // run the remaining tests a second time.
    std::string result;
    try {
      result = work();
    } catch (const std::exception& e) {
      result = std::string("FAIL exception: ") + e.what();
    } catch (...) {
      result = "FAIL exception";
    }
    const bool sent =
        write(channel[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
    _exit(sent ? 0 : 1);
  }
  close(channel[1]);
  std::string result;
  char buffer[512];
  for (ssize_t n; (n = read(channel[0], buffer, sizeof buffer)) > 0;) {
    result.append(buffer, static_cast<std::size_t>(n));
  }
  close(channel[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "FAIL the child did not report";
  return result;
}

}  // namespace kirv::testing
