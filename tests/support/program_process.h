#pragma once

// The real kirv program run as processes: arguments, an environment, standard output and error
// caught in files. ProgramProcess is one run that is killed if still running at the end of its
// test; RunProgram runs the program to its end; ProgramUserTest gives each test a fresh user.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "support/temp_folder.h"

extern char** environ;

namespace kirv::testing {

// Polls until the condition holds or the time is up; answers the condition.
inline bool PollUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds limit = std::chrono::milliseconds(15000)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return condition();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

// This process's environment with the variables given ("NAME=value") put over it in turn: a
// later value of a name replaces an earlier one.
inline std::vector<std::string> InheritedEnvironment(const std::vector<std::string>& over) {
  std::vector<std::string> variables;
  for (char** v = environ; *v != nullptr; ++v) variables.emplace_back(*v);
  for (const std::string& o : over) {
    const std::string name = o.substr(0, o.find('=') + 1);
    std::erase_if(variables, [&](const std::string& v) { return v.starts_with(name); });
    variables.push_back(o);
  }
  return variables;
}

// Forks and runs command[0] with exactly these variables, from `folder` (empty: this one), its
// standard output and error written to the files and no other descriptor open. The child's pid,
// or -1.
inline pid_t Spawn(const std::vector<std::string>& command,
                   const std::vector<std::string>& variables, const std::filesystem::path& folder,
                   const std::filesystem::path& out, const std::filesystem::path& err) {
  const pid_t child = fork();
  if (child != 0) return child;
  if (!freopen(out.c_str(), "wb", stdout) || !freopen(err.c_str(), "wb", stderr)) _exit(127);
  if (!folder.empty() && chdir(folder.c_str()) != 0) _exit(127);
  // Nothing of the test's own, such as the pipe on which a test's child reports, reaches the
  // program: a program left running could otherwise hold that pipe open and hang the test.
  close_range(3, ~0U, 0);
  std::vector<std::string> arguments = command;
  std::vector<std::string> environment = variables;
  std::vector<char*> argv;
  for (std::string& a : arguments) argv.push_back(a.data());
  argv.push_back(nullptr);
  std::vector<char*> envp;
  for (std::string& v : environment) envp.push_back(v.data());
  envp.push_back(nullptr);
  execve(argv[0], argv.data(), envp.data());
  _exit(127);
}

// The exit status of a wait, or 128 + the signal that ended the process.
inline int ExitStatus(int status) {
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// kirv with these arguments, with this process's environment and the variables given over it.
inline pid_t StartProgram(const std::vector<std::string>& arguments,
                          const std::vector<std::string>& environment,
                          const std::filesystem::path& out, const std::filesystem::path& err) {
  std::vector<std::string> command{KIRV_PROGRAM};
  command.insert(command.end(), arguments.begin(), arguments.end());
  return Spawn(command, InheritedEnvironment(environment), {}, out, err);
}

// Waits for the process's end: its exit status, or 128 + the signal; -1 when it is not a child.
inline int WaitForExit(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return -1;
  return ExitStatus(status);
}

struct Finished {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs the program to its end; the folder `scratch` receives the caught outputs.
inline Finished RunProgram(const std::vector<std::string>& arguments,
                           const std::vector<std::string>& environment,
                           const std::filesystem::path& scratch) {
  const std::filesystem::path out = scratch / "stdout.txt";
  const std::filesystem::path err = scratch / "stderr.txt";
  Finished finished;
  const pid_t pid = StartProgram(arguments, environment, out, err);
  if (pid < 0) return finished;
  finished.status = WaitForExit(pid);
  finished.out = ReadWholeFile(out);
  finished.err = ReadWholeFile(err);
  return finished;
}

class ProgramProcess {
 public:
  // command[0] is the program's path, run from the folder given with exactly this environment;
  // the outputs go to <outputs>.out and <outputs>.err.
  ProgramProcess(const std::vector<std::string>& command,
                 const std::map<std::string, std::string>& environment,
                 const std::filesystem::path& folder, const std::filesystem::path& outputs)
      : out_(outputs.string() + ".out"), err_(outputs.string() + ".err") {
    std::vector<std::string> variables;
    for (const auto& [name, value] : environment) variables.push_back(name + "=" + value);
    started_ = std::chrono::steady_clock::now();
    pid_ = Spawn(command, variables, folder, out_, err_);
  }
  ~ProgramProcess() {
    if (!status_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }
  ProgramProcess(const ProgramProcess&) = delete;
  ProgramProcess& operator=(const ProgramProcess&) = delete;

  pid_t Pid() const { return pid_; }
  void Signal(int number) const { kill(pid_, number); }

  // The exit status, or 128 + the signal that ended it; nothing while it still runs after the
  // time given.
  std::optional<int> WaitForExit(std::chrono::milliseconds limit) {
    PollUntil([this] { return Reap(); }, limit);
    return status_;
  }
  bool Running() { return !Reap(); }
  // From the start to the exit, once it has ended.
  std::chrono::milliseconds Lifetime() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(ended_ - started_);
  }

  std::string Out() const { return ReadWholeFile(out_); }
  std::string Err() const { return ReadWholeFile(err_); }

 private:
  bool Reap() {
    if (status_) return true;
    int status = 0;
    if (waitpid(pid_, &status, WNOHANG) != pid_) return false;
    ended_ = std::chrono::steady_clock::now();
    status_ = ExitStatus(status);
    return true;
  }

  std::string out_;
  std::string err_;
  pid_t pid_ = -1;
  std::optional<int> status_;
  std::chrono::steady_clock::time_point started_;
  std::chrono::steady_clock::time_point ended_;
};

// A fresh user: a home folder holding the runtime folder, the program on the offscreen platform.
class ProgramUserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(Home());
    std::filesystem::create_directory(Runtime());
    std::filesystem::permissions(Runtime(), std::filesystem::perms::owner_all);
    environment["PATH"] = "/usr/bin:/bin";
    environment["HOME"] = Home().string();
    environment["XDG_RUNTIME_DIR"] = Runtime().string();
    environment["QT_QPA_PLATFORM"] = "offscreen";
    environment["LC_ALL"] = "C.UTF-8";
    startFolder_ = root_;
  }
  void TearDown() override { processes_.clear(); }

  std::filesystem::path Home() const { return root_ / "home"; }
  std::filesystem::path Runtime() const { return root_ / "run"; }
  std::filesystem::path SettingsFile() const { return Home() / ".config/KIRV/KIRV.ini"; }
  std::filesystem::path DataFolder() const { return Home() / ".local/share/KIRV"; }

  // The program with these arguments, run with `environment`; prefix goes before it (a wrapper).
  ProgramProcess& Start(const std::vector<std::string>& arguments = {},
                        const std::vector<std::string>& prefix = {}) {
    std::vector<std::string> command = prefix;
    command.push_back(KIRV_PROGRAM);
    command.insert(command.end(), arguments.begin(), arguments.end());
    const std::filesystem::path outputs = root_ / ("run-" + std::to_string(processes_.size()));
    processes_.push_back(
        std::make_unique<ProgramProcess>(command, environment, startFolder_, outputs));
    return *processes_.back();
  }

  // Whether a socket of a running program has appeared in the runtime folder.
  bool Listening() const {
    for (const auto& entry : std::filesystem::directory_iterator(Runtime())) {
      if (entry.is_socket()) return true;
    }
    return false;
  }

 private:
  TempFolder folder_{"kirv-user"};

 protected:
  std::map<std::string, std::string> environment;
  std::filesystem::path root_ = folder_.Path();
  std::filesystem::path startFolder_;  // where the program is started from

 private:
  std::vector<std::unique_ptr<ProgramProcess>> processes_;
};

}  // namespace kirv::testing
