#pragma once

// Runs the real kirv program as a user would: arguments, a few environment variables on top of
// the test's own, standard output and error caught in files.

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

namespace kirv::testing {

inline std::string ReadWhole(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Starts the program with its standard output and error sent to the files; -1 when it cannot.
inline pid_t StartProgram(const std::vector<std::string>& arguments,
                          const std::vector<std::string>& environment,
                          const std::filesystem::path& out, const std::filesystem::path& err) {
  const pid_t child = fork();
  if (child != 0) return child;
  for (const std::string& variable : environment) putenv(strdup(variable.c_str()));
  if (!freopen(out.c_str(), "wb", stdout) || !freopen(err.c_str(), "wb", stderr)) _exit(127);
  std::vector<char*> argv;
  std::string program = KIRV_PROGRAM;
  argv.push_back(program.data());
  std::vector<std::string> copies = arguments;
  for (std::string& a : copies) argv.push_back(a.data());
  argv.push_back(nullptr);
  execv(program.c_str(), argv.data());
  _exit(127);
}

// The exit status, or 128 + the signal that ended it.
inline int WaitForExit(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Polls until the condition holds or the time is up.
inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds limit = std::chrono::milliseconds(15000)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

struct Finished {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the program to its end in the folder `scratch`, which receives the caught outputs.
inline Finished RunProgram(const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment,
                           const std::filesystem::path& scratch) {
  const std::filesystem::path out = scratch / "stdout.txt";
  const std::filesystem::path err = scratch / "stderr.txt";
  Finished finished;
  const pid_t pid = StartProgram(arguments, environment, out, err);
  if (pid < 0) return finished;
  finished.status = WaitForExit(pid);
  finished.out = ReadWhole(out);
  finished.err = ReadWhole(err);
  return finished;
}

}  // namespace kirv::testing
