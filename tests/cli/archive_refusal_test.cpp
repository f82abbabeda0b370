// "kirv log" with an archive that is not a regular file, and with a data folder removed under
// it: known traffic over the loopback interface of a fresh network namespace.

#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include "platform/network_namespace.h"
#include "support/program_process.h"

namespace kirv {
namespace {

namespace fs = std::filesystem;

constexpr int kPayload = 1000;

// A settings file that marks "lo" as monitored, and the data folder of the logger it starts.
class Folder {
 public:
  Folder() {
    fs::create_directories(root_ / "config" / "KIRV");
    fs::create_directories(Data());
    std::ofstream(root_ / "config" / "KIRV" / "KIRV.ini") << "[KIRV]\nlo=true\n";
  }

  fs::path Root() const { return root_; }
  fs::path Data() const { return root_ / "data"; }
  fs::path Archive() const { return Data() / "lo.mdf"; }
  std::string Errors() const { return testing::ReadWholeFile(root_ / "err"); }
  std::size_t Said(const std::string& part) const {
    std::size_t count = 0;
    const std::string errors = Errors();
    for (auto at = errors.find(part); at != std::string::npos; at = errors.find(part, at + 1))
      ++count;
    return count;
  }

  // Started once its lock is taken and its baselines with it, or -1.
  pid_t Start() const {
    const pid_t pid =
        testing::StartProgram({"log", "--data-dir", Data().string(), "--period-ms", "1000"},
                              {"LC_ALL=C", "XDG_CONFIG_HOME=" + (root_ / "config").string()},
                              root_ / "out", root_ / "err");
    if (!testing::PollUntil([&] { return fs::exists(Data() / "writer.lock"); })) return -1;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return pid;
  }

 private:
  testing::TempFolder folder_{"kirv-refusal"};
  fs::path root_ = folder_.Path();
};

std::string Growth(int datagrams) {
  const std::string n = std::to_string(datagrams * (kPayload + testing::kUdpIpv4Headers));
  return "D" + n + "U" + n + ";";
}

// "D" received "U" sent of each whole record line, each followed by ";".
std::string Counts(const fs::path& archive) {
  std::string counts;
  std::ifstream in(archive, std::ios::binary);
  for (std::string line; std::getline(in, line) && line.size() > 21;)
    counts += line.substr(20, line.size() - 21) + ";";
  return counts;
}

// SIGTERM, then the status, or "hung" when it still runs two seconds later.
std::string Terminate(pid_t pid) {
  kill(pid, SIGTERM);
  int status = 0;
  if (!testing::PollUntil([&] { return waitpid(pid, &status, WNOHANG) == pid; },
                          std::chrono::milliseconds(2000))) {
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return "hung";
  }
  return "status " + std::to_string(WIFEXITED(status) ? WEXITSTATUS(status) : -1);
}

// Three ticks refused through the link, then the link removed: its target is untouched, the
// refusal said once, and the traffic of those ticks lands in the archive made in its place.
std::string LogPastASymlink(const Folder& folder) {
  std::ofstream(folder.Root() / "target") << "kept\n";
  fs::create_symlink(folder.Root() / "target", folder.Archive());
  const pid_t logger = folder.Start();
  if (logger < 0) return "FAIL the logger never started";
  if (!testing::SendOverLoopback(6, kPayload)) return "FAIL no traffic: " + Terminate(logger);
  if (!testing::PollUntil([&] { return folder.Said("ERREUR LOG") >= 3; })) {
    return "FAIL no refusal: " + Terminate(logger) + " " + folder.Errors();
  }
  fs::remove(folder.Archive());
  testing::PollUntil([&] { return !Counts(folder.Archive()).empty(); });
  const std::string end = Terminate(logger);
  return end + "|" + Counts(folder.Archive()) + "|" +
         testing::ReadWholeFile(folder.Root() / "target") + "|" +
         std::to_string(folder.Said("ouverte : c'est un lien symbolique"));
}

TEST(ArchiveRefusal, ASymlinkedArchiveIsRefusedAndItsTrafficWrittenOnceItIsGone) {
  const Folder folder;
  const std::string result =
      testing::RunInFreshNetworkNamespace([&] { return LogPastASymlink(folder); });
  if (result.starts_with("SKIP ")) GTEST_SKIP() << result.substr(5);
  EXPECT_EQ(result, "status 0|" + Growth(6) + "|kept\n|1");
}

// A FIFO in place of the archive never blocks the logger: refused, said, and SIGTERM acted on.
std::string LogIntoAFifo(const Folder& folder) {
  if (mkfifo(folder.Archive().c_str(), 0600) != 0) return "FAIL no FIFO";
  const pid_t logger = folder.Start();
  if (logger < 0) return "FAIL the logger never started";
  if (!testing::SendOverLoopback(3, kPayload)) return "FAIL no traffic: " + Terminate(logger);
  testing::PollUntil([&] { return folder.Said("ERREUR LOG") >= 2; });
  return Terminate(logger) + "|" +
         std::to_string(folder.Said("ouverte : ce n'est pas un fichier ordinaire")) + "|" +
         (fs::is_fifo(folder.Archive()) ? "fifo" : "replaced");
}

TEST(ArchiveRefusal, AFifoArchiveNeitherHangsTheLoggerNorIsWritten) {
  const Folder folder;
  const std::string result =
      testing::RunInFreshNetworkNamespace([&] { return LogIntoAFifo(folder); });
  if (result.starts_with("SKIP ")) GTEST_SKIP() << result.substr(5);
  EXPECT_EQ(result, "status 0|1|fifo");
}

// The data folder removed after a first record: the next one is in the folder made again.
std::string LogAfterTheFolderIsRemoved(const Folder& folder) {
  const pid_t logger = folder.Start();
  if (logger < 0) return "FAIL the logger never started";
  const fs::path state = folder.Data() / "writer.state";
  testing::PollUntil([&] { return fs::exists(state); });  // the baselines taken at start
  const std::string stateBefore = testing::ReadWholeFile(state);
  if (!testing::SendOverLoopback(4, kPayload)) return "FAIL no traffic: " + Terminate(logger);
  // The tick is over once it has left its baselines: the record is then in the archive for good.
  if (!testing::PollUntil([&] {
        return !Counts(folder.Archive()).empty() && testing::ReadWholeFile(state) != stateBefore;
      })) {
    return "FAIL no first record: " + Terminate(logger);
  }
  // The logger may be writing a file into it at that moment: removed again until it is gone.
  testing::PollUntil([&] {
    std::error_code busy;
    fs::remove_all(folder.Data(), busy);
    return !busy;
  });
  if (!testing::SendOverLoopback(5, kPayload)) return "FAIL no traffic: " + Terminate(logger);
  testing::PollUntil([&] { return !Counts(folder.Archive()).empty(); });
  return Terminate(logger) + "|" + Counts(folder.Archive()) + "|" +
         std::to_string(folder.Said("avait disparu"));
}

TEST(ArchiveRefusal, ADataFolderRemovedWhileLoggingIsMadeAgainAtTheNextRecord) {
  const Folder folder;
  const std::string result =
      testing::RunInFreshNetworkNamespace([&] { return LogAfterTheFolderIsRemoved(folder); });
  if (result.starts_with("SKIP ")) GTEST_SKIP() << result.substr(5);
  EXPECT_EQ(result, "status 0|" + Growth(5) + "|1");
}

}  // namespace
}  // namespace kirv
