#pragma once

// The real program run as processes by one user: a fresh home folder with its runtime folder,
// a chosen environment (nothing inherited but PATH), standard output and error caught in files.
// Every process still running at the end of a test is killed.

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace kirv::testing {

inline std::string ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Polls until the condition holds or the time is up; answers the condition.
inline bool PollUntil(const std::function<bool()>& condition, std::chrono::milliseconds limit) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!condition()) {
    if (std::chrono::steady_clock::now() > end) return condition();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

class ProgramProcess {
 public:
  // command[0] is the program's path, run from the folder given; the outputs go to
  // <outputs>.out and <outputs>.err.
  ProgramProcess(const std::vector<std::string>& command,
                 const std::map<std::string, std::string>& environment,
                 const std::filesystem::path& folder, const std::filesystem::path& outputs)
      : out_(outputs.string() + ".out"), err_(outputs.string() + ".err") {
    std::vector<std::string> variables;
    for (const auto& [name, value] : environment) variables.push_back(name + "=" + value);
    started_ = std::chrono::steady_clock::now();
    pid_ = fork();
    if (pid_ != 0) return;
    if (!freopen(out_.c_str(), "wb", stdout) || !freopen(err_.c_str(), "wb", stderr)) _exit(127);
    if (chdir(folder.c_str()) != 0) _exit(127);
    std::vector<char*> argv;
    std::vector<std::string> arguments = command;
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& v : variables) envp.push_back(v.data());
    envp.push_back(nullptr);
    execve(argv[0], argv.data(), envp.data());
    _exit(127);
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
    status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
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
    std::string pattern = (std::filesystem::temp_directory_path() / "kirv-user-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root_ = pattern;
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
  void TearDown() override {
    processes_.clear();
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }

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

  std::map<std::string, std::string> environment;
  std::filesystem::path root_;
  std::filesystem::path startFolder_;  // where the program is started from

 private:
  std::vector<std::unique_ptr<ProgramProcess>> processes_;
};

}  // namespace kirv::testing
