// The desktop program run as a user runs it: its command line, one KIRV per user, its data
// folder, and its end by a signal whatever state it is in.

#include <arpa/inet.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sched.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "platform/network_namespace.h"
#include "support/program_process.h"

namespace kirv {
namespace {

using namespace std::chrono_literals;
using testing::PollUntil;
using testing::ProgramProcess;

constexpr auto kStartUp = 5000ms;  // generous: the machine may be busy with other builds
constexpr auto kQuit = 2000ms;     // a quit by signal ends within this
constexpr auto kHandOver = 1000ms;

size_t Count(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

std::filesystem::path WorkingDirectory(pid_t pid) {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/" + std::to_string(pid) + "/cwd", error);
}

class RealProgramTest : public testing::ProgramUserTest {
 protected:
  // Started and listening for a second start, so its start-up is under way.
  ProgramProcess& StartListening(const std::vector<std::string>& arguments = {},
                                 const std::vector<std::string>& prefix = {}) {
    ProgramProcess& program = Start(arguments, prefix);
    EXPECT_TRUE(PollUntil([this] { return Listening(); }, kStartUp)) << program.Err();
    return program;
  }
  // Ends the program by SIGTERM and answers whether it ended at once and well.
  static void EndBySignal(ProgramProcess& program, int number = SIGTERM) {
    program.Signal(number);
    EXPECT_EQ(program.WaitForExit(kQuit), 0) << program.Err();
  }
};

// --- Command line ----------------------------------------------------------------------------

struct CommandCase {
  const char* name;
  std::vector<std::string> arguments;
  int status;
  std::string out;  // the whole output, or its start when it ends with "..."
  std::string err;
};

class CommandLineRun : public RealProgramTest, public ::testing::WithParamInterface<CommandCase> {};

void ExpectText(const std::string& actual, const std::string& expected) {
  if (expected.ends_with("...")) {
    EXPECT_TRUE(actual.starts_with(expected.substr(0, expected.size() - 3))) << actual;
  } else {
    EXPECT_EQ(actual, expected);
  }
}

TEST_P(CommandLineRun, AnswersAndEndsWithItsStatus) {
  // No display at all, as in a package build or over ssh: none is needed.
  environment["QT_QPA_PLATFORM"] = "xcb";
  ProgramProcess& program = Start(GetParam().arguments);
  ASSERT_EQ(program.WaitForExit(kStartUp), GetParam().status);
  ExpectText(program.Out(), GetParam().out);
  ExpectText(program.Err(), GetParam().err);
  EXPECT_FALSE(std::filesystem::exists(Home() / ".local")) << "nothing is made by these";
}

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLineRun,
    ::testing::Values(
        CommandCase{
            "Version", {"--version"}, 0, std::string("kirv ") + KIRV_PROJECT_VERSION + "\n", ""},
        CommandCase{"Help", {"--help"}, 0, "Utilisation : kirv [options]\n...", ""},
        CommandCase{"UnknownOption",
                    {"--bogus"},
                    2,
                    "",
                    "kirv : option inconnue « --bogus »\n\nUtilisation : kirv [options]\n..."}),
    [](const auto& info) { return std::string(info.param.name); });

// --- One KIRV per user -----------------------------------------------------------------------

TEST_F(RealProgramTest, ASecondStartSaysSoAndEndsWithinASecond) {
  ProgramProcess& first = StartListening();
  ProgramProcess& second = Start();
  ASSERT_EQ(second.WaitForExit(kHandOver + 500ms), 0);
  EXPECT_LT(second.Lifetime(), kHandOver);
  EXPECT_EQ(second.Err(), "kirv : KIRV est déjà lancé.\n");
  EXPECT_EQ(second.Out(), "");
  EXPECT_TRUE(first.Running());
  EndBySignal(first);
}

TEST_F(RealProgramTest, OfTwoStartsAtOnceExactlyOneStays) {
  ProgramProcess& one = Start();
  ProgramProcess& other = Start();
  ASSERT_TRUE(PollUntil([&] { return !one.Running() || !other.Running(); }, kStartUp));
  ProgramProcess& ended = one.Running() ? other : one;
  ProgramProcess& stays = one.Running() ? one : other;
  EXPECT_EQ(ended.WaitForExit(kQuit), 0);
  EXPECT_EQ(ended.Err(), "kirv : KIRV est déjà lancé.\n");
  std::this_thread::sleep_for(500ms);
  EXPECT_TRUE(stays.Running()) << stays.Err();
  EndBySignal(stays);
}

TEST_F(RealProgramTest, ALockLeftByAKilledKirvDoesNotBlockTheNextStart) {
  ProgramProcess& killed = StartListening();
  killed.Signal(SIGKILL);
  ASSERT_EQ(killed.WaitForExit(kQuit), 128 + SIGKILL);
  ProgramProcess& next = StartListening();
  std::this_thread::sleep_for(1500ms);
  ASSERT_TRUE(next.Running()) << next.Err();
  EXPECT_EQ(Count(next.Err(), "déjà lancé"), 0u);
  // It holds the lock and answers in its turn.
  ProgramProcess& third = Start();
  EXPECT_EQ(third.WaitForExit(kHandOver + 500ms), 0);
  EXPECT_EQ(third.Err(), "kirv : KIRV est déjà lancé.\n");
  EndBySignal(next);
}

// --- Data folder -----------------------------------------------------------------------------

struct FolderCase {
  const char* name;
  std::vector<std::string> arguments;  // "{root}" stands for the test's root folder
  const char* dataHome;                // $XDG_DATA_HOME below the test's root, or none
  const char* expected;                // the working directory below the test's root
};

class DataFolderRun : public RealProgramTest, public ::testing::WithParamInterface<FolderCase> {};

TEST_P(DataFolderRun, IsMadeAndBecomesTheWorkingDirectory) {
  std::filesystem::create_directories(root_ / "started-here");
  startFolder_ = root_ / "started-here";
  if (GetParam().dataHome != nullptr) {
    environment["XDG_DATA_HOME"] = (root_ / GetParam().dataHome).string();
  }
  std::vector<std::string> arguments = GetParam().arguments;
  for (std::string& argument : arguments) {
    if (argument.starts_with("{root}")) argument.replace(0, 6, root_.string());
  }
  ProgramProcess& program = StartListening(arguments);
  const std::filesystem::path expected = root_ / GetParam().expected;
  EXPECT_TRUE(PollUntil([&] { return WorkingDirectory(program.Pid()) == expected; }, kStartUp))
      << WorkingDirectory(program.Pid());
  EXPECT_TRUE(std::filesystem::is_directory(expected));
  EndBySignal(program);
  EXPECT_EQ(program.Err().find("dossier"), std::string::npos) << program.Err();
}

INSTANTIATE_TEST_SUITE_P(
    Folders, DataFolderRun,
    ::testing::Values(FolderCase{"Default", {}, nullptr, "home/.local/share/KIRV"},
                      FolderCase{"XdgDataHome", {}, "data", "data/KIRV"},
                      FolderCase{"DataDirAbsolute",
                                 {"--data-dir", "{root}/elsewhere/kirv"},
                                 "data",
                                 "elsewhere/kirv"},
                      FolderCase{"DataDirRelativeToTheStart",
                                 {"--data-dir=archives/mine"},
                                 "data",
                                 "started-here/archives/mine"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RealProgramTest, AnUnusableDataFolderIsSaidOnceAndNothingIsWrittenElsewhere) {
  std::ofstream(root_ / "taken") << "a file where the folder should be";
  ProgramProcess& program = StartListening({"--data-dir", (root_ / "taken").string()});
  std::this_thread::sleep_for(1500ms);
  ASSERT_TRUE(program.Running()) << program.Err();
  EXPECT_EQ(Count(program.Err(), "kirv : Le dossier de données « " + (root_ / "taken").string() +
                                     " » ne peut pas être créé : "),
            1u)
      << program.Err();
  const std::filesystem::path folder = WorkingDirectory(program.Pid());
  EXPECT_NE(folder, root_);
  EXPECT_NE(std::filesystem::path(folder).filename(), "taken");
  // Where it works, an archive cannot be made: the logger's error path says so.
  std::ofstream probe("/proc/" + std::to_string(program.Pid()) + "/cwd/lo.mdf");
  EXPECT_FALSE(probe.is_open()) << folder;
  EndBySignal(program);
  EXPECT_EQ(Count(program.Err(), "Le dossier de données"), 1u) << program.Err();
}

// --- Signals ---------------------------------------------------------------------------------

enum class Settings { kWritable, kReadOnlyFolder, kFileInPlaceOfTheFolder };

struct SignalCase {
  const char* name;
  int number;
  std::chrono::milliseconds after;  // from the start
  Settings settings;
};

class SignalRun : public RealProgramTest, public ::testing::WithParamInterface<SignalCase> {};

TEST_P(SignalRun, EndsWithinTwoSecondsWithStatusZero) {
  const std::filesystem::path config = Home() / ".config/KIRV";
  std::vector<std::string> prefix;
  switch (GetParam().settings) {
    case Settings::kWritable:
      break;
    case Settings::kReadOnlyFolder:
      // Root writes through any mode: only a read-only mount stops it.
      if (geteuid() != 0) GTEST_SKIP() << "needs root for a read-only mount";
      std::filesystem::create_directories(config);
      prefix = {"/usr/bin/unshare",
                "-m",
                "/bin/sh",
                "-c",
                "mount --bind \"$1\" \"$1\" && mount -o remount,bind,ro \"$1\" && shift && "
                "exec \"$@\"",
                "sh",
                config.string()};
      {
        // A container may refuse the mount namespace: then there is nothing to test here.
        std::vector<std::string> probe = prefix;
        probe.push_back("/bin/true");
        ProgramProcess mount(probe, environment, root_, root_ / "mount-probe");
        if (mount.WaitForExit(kStartUp) != 0) GTEST_SKIP() << "no read-only mount here";
      }
      break;
    case Settings::kFileInPlaceOfTheFolder:
      std::filesystem::create_directories(config.parent_path());
      std::ofstream(config) << "not a folder";
      break;
  }
  ProgramProcess& program = Start({}, prefix);
  std::this_thread::sleep_until(std::chrono::steady_clock::now() + GetParam().after);
  ASSERT_TRUE(program.Running()) << program.Err();
  const auto sent = std::chrono::steady_clock::now();
  program.Signal(GetParam().number);
  ASSERT_EQ(program.WaitForExit(kQuit), 0) << program.Err();
  EXPECT_LT(std::chrono::steady_clock::now() - sent, kQuit);
  if (GetParam().settings == Settings::kWritable) {
    // Saved as "&Quitter" saves, even when the signal came before the windows were made.
    EXPECT_TRUE(std::filesystem::is_regular_file(SettingsFile()));
    EXPECT_GT(std::filesystem::file_size(SettingsFile()), 0u);
  } else {
    EXPECT_NE(program.Err().find("KIRV.ini"), std::string::npos) << program.Err();
  }
}

INSTANTIATE_TEST_SUITE_P(
    Signals, SignalRun,
    ::testing::Values(
        SignalCase{"TermAfterStartUp", SIGTERM, 1500ms, Settings::kWritable},
        SignalCase{"IntAfterStartUp", SIGINT, 1500ms, Settings::kWritable},
        SignalCase{"HupAfterStartUp", SIGHUP, 1500ms, Settings::kWritable},
        SignalCase{"TermAt100ms", SIGTERM, 100ms, Settings::kWritable},
        SignalCase{"IntAt100ms", SIGINT, 100ms, Settings::kWritable},
        SignalCase{"TermWithReadOnlySettings", SIGTERM, 1500ms, Settings::kReadOnlyFolder},
        SignalCase{"TermAt100msWithReadOnlySettings", SIGTERM, 100ms, Settings::kReadOnlyFolder},
        SignalCase{"TermWithAFileForTheSettingsFolder", SIGTERM, 1500ms,
                   Settings::kFileInPlaceOfTheFolder}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Files that cannot be written ------------------------------------------------------------

// A mount namespace of its own, set up by a shell script given the arguments as "$1"...,
// held by a process sleeping in it until the test ends: programs run in it through nsenter, and
// the test reads its files, also once those programs ended, through /proc/<pid>/root.
class PrivateMounts {
 public:
  PrivateMounts(const std::string& script, const std::vector<std::string>& arguments,
                const std::filesystem::path& outputs)
      : holder_(Command(script, arguments), {{"PATH", "/usr/bin:/bin:/usr/sbin:/sbin"}}, "/",
                outputs) {}

  bool Ready() {
    PollUntil([this] { return holder_.Out() == "ready\n" || !holder_.Running(); }, kStartUp);
    return holder_.Running();
  }
  std::filesystem::path Seen(const std::filesystem::path& path) const {
    return "/proc/" + std::to_string(holder_.Pid()) + "/root" + path.string();
  }
  std::vector<std::string> Prefix() const {
    return {"/usr/bin/nsenter", "-t", std::to_string(holder_.Pid()), "-m", "--"};
  }
  // The names in a folder, as seen in the namespace.
  std::vector<std::string> Names(const std::filesystem::path& folder) const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Seen(folder))) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  static std::vector<std::string> Command(const std::string& script,
                                          const std::vector<std::string>& arguments) {
    std::vector<std::string> command = {"/usr/bin/unshare",
                                        "-m",
                                        "/bin/sh",
                                        "-c",
                                        script + " && echo ready && exec sleep 600",
                                        "sh"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    return command;
  }

  ProgramProcess holder_;
};

// A tmpfs of 64 KiB on "$1" holding a copy of "$2" as "$3", then filled to the last block.
constexpr char kFullTmpfs[] =
    "mount -t tmpfs -o size=64k tmpfs \"$1\" && cp \"$2\" \"$1/$3\" && "
    "{ dd if=/dev/zero of=\"$1/filler\" bs=1k 2>/dev/null; true; }";

struct FailedSaveCase {
  const char* name;
  const char* script;
};

class FailedSettingsSave : public RealProgramTest,
                           public ::testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSettingsSave, LeavesTheFileAsItWasAndSaysSoOnce) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root for a mount namespace";
  const std::filesystem::path config = SettingsFile().parent_path();
  std::filesystem::create_directories(config);
  // A comment and a value KIRV does not know: any save drops them.
  const std::string original = "[KIRV]\n; written by hand\nlo=true\nwidth=500\nunknown=1 2 3\n";
  std::ofstream(root_ / "original.ini") << original;
  PrivateMounts mounts(GetParam().script,
                       {config.string(), (root_ / "original.ini").string(), "KIRV.ini"},
                       root_ / "mounts");
  if (!mounts.Ready()) GTEST_SKIP() << "no mount namespace here";
  const std::vector<std::string> before = mounts.Names(config);
  ProgramProcess& program = StartListening({}, mounts.Prefix());
  EndBySignal(program);
  EXPECT_EQ(testing::ReadWholeFile(mounts.Seen(SettingsFile())), original);
  EXPECT_EQ(mounts.Names(config), before) << "no temporary file is left";
  EXPECT_EQ(Count(program.Err(), "kirv : Le fichier de réglages " + SettingsFile().string() +
                                     " ne peut pas être écrit : "),
            1u)
      << program.Err();
  EXPECT_EQ(Count(program.Err(), " ; il reste tel qu'il était\n"), 1u) << program.Err();
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FailedSettingsSave,
    ::testing::Values(FailedSaveCase{"Full", kFullTmpfs},
                      FailedSaveCase{"ReadOnly",
                                     "cp \"$2\" \"$1/$3\" && mount --bind \"$1\" \"$1\" && "
                                     "mount -o remount,bind,ro \"$1\""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RealProgramTest, AGraphIntoAFullFolderLeavesTheEarlierPictureAndFails) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root for a mount namespace";
  const std::filesystem::path pictures = root_ / "pictures";
  std::filesystem::create_directories(pictures);
  std::ofstream(root_ / "earlier.png") << "the picture of yesterday";
  std::ofstream(root_ / "eth0.mdf") << "F20/04/2026 09:55:00D3000000U300000\r\n";
  PrivateMounts mounts(kFullTmpfs, {pictures.string(), (root_ / "earlier.png").string(), "day.png"},
                       root_ / "mounts");
  if (!mounts.Ready()) GTEST_SKIP() << "no mount namespace here";
  ProgramProcess& graph = Start({"graph", (root_ / "eth0.mdf").string(), "--period", "day", "--at",
                                 "20/04/2026 10:00", "-o", (pictures / "day.png").string()},
                                mounts.Prefix());
  ASSERT_EQ(graph.WaitForExit(kStartUp), 1) << graph.Err();
  EXPECT_EQ(testing::ReadWholeFile(mounts.Seen(pictures / "day.png")), "the picture of yesterday");
  EXPECT_EQ(mounts.Names(pictures), (std::vector<std::string>{"day.png", "filler"}));
  EXPECT_TRUE(graph.Err().starts_with("kirv graph : " + (pictures / "day.png").string() + " : "))
      << graph.Err();
}

// Sends `count` datagrams of `size` octets to itself over the loopback interface of the
// process's network namespace; answers whether they went. lo counts each one received and sent,
// 28 octets of headers added.
bool LoopbackTraffic(pid_t process, int count, int size) {
  const pid_t child = fork();
  if (child == 0) {
    const int ns = open(("/proc/" + std::to_string(process) + "/ns/net").c_str(), O_RDONLY);
    if (ns < 0 || setns(ns, CLONE_NEWNET) != 0) _exit(1);
    const int s = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in self{};
    self.sin_family = AF_INET;
    self.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof self;
    if (bind(s, reinterpret_cast<sockaddr*>(&self), sizeof self) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&self), &length) != 0) {
      _exit(1);
    }
    const std::string payload(static_cast<size_t>(size), 'x');
    for (int i = 0; i < count; ++i) {
      if (sendto(s, payload.data(), payload.size(), 0, reinterpret_cast<sockaddr*>(&self),
                 sizeof self) != size) {
        _exit(1);
      }
    }
    _exit(0);
  }
  int status = 0;
  return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class LastRecordsRun : public RealProgramTest, public ::testing::WithParamInterface<bool> {};

TEST_P(LastRecordsRun, ASignalWritesTheLastRecordsWhateverTheSettingsGive) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root for a network namespace";
  const std::filesystem::path config = Home() / ".config/KIRV";
  std::filesystem::create_directories(config);
  std::ofstream(config / "KIRV.ini") << "[KIRV]\nlo=true\n";
  // Its own loopback, where nothing else moves; with read-only settings, a save that fails.
  const std::string readOnly = GetParam() ? "mount --bind \"$1\" \"$1\" && "
                                            "mount -o remount,bind,ro \"$1\" && "
                                          : "";
  std::vector<std::string> prefix = {
      "/usr/bin/unshare",
      "-m",
      "-n",
      "/bin/sh",
      "-c",
      readOnly + "/usr/sbin/ip link set lo up && shift && exec \"$@\"",
      "sh",
      config.string()};
  {
    std::vector<std::string> probe = prefix;
    probe.push_back("/bin/true");
    ProgramProcess namespaces(probe, environment, root_, root_ / "probe");
    if (namespaces.WaitForExit(kStartUp) != 0) GTEST_SKIP() << "no namespaces here";
  }
  ProgramProcess& program = StartListening({}, prefix);
  std::this_thread::sleep_for(1000ms);  // the baselines are taken
  ASSERT_TRUE(LoopbackTraffic(program.Pid(), 10, 100));
  EndBySignal(program);
  const std::string archive = testing::ReadWholeFile(DataFolder() / "lo.mdf");
  EXPECT_TRUE(archive.ends_with("D1280U1280\r\n")) << archive;
  EXPECT_EQ(Count(archive, "\r\n"), 1u) << archive;
  EXPECT_EQ(program.Err().find("KIRV.ini") != std::string::npos, GetParam()) << program.Err();
}

INSTANTIATE_TEST_SUITE_P(Settings, LastRecordsRun, ::testing::Bool(), [](const auto& info) {
  return info.param ? "ReadOnlySettings" : "WritableSettings";
});

// --- First start -----------------------------------------------------------------------------

// Frames sent on a link of the process's network namespace; answers whether they went.
bool LinkTraffic(pid_t process, const char* link) {
  const pid_t child = fork();
  if (child == 0) {
    const int ns = open(("/proc/" + std::to_string(process) + "/ns/net").c_str(), O_RDONLY);
    _exit(ns >= 0 && setns(ns, CLONE_NEWNET) == 0 && testing::SendFrames(link, 10, 100) ? 0 : 1);
  }
  int status = 0;
  return waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct FirstStartCase {
  const char* name;
  std::vector<std::string> arguments;
  std::optional<std::string> settings;  // the settings file before the start, if any
  std::string said;                     // once on standard error; empty for no choice
  std::vector<std::string> trueValues;  // the interface values the file holds true at quit
  std::string monitored;                // the one link whose archive gets a record
};

void PrintTo(const FirstStartCase& c, std::ostream* os) { *os << c.name; }

class FirstStartRun : public RealProgramTest,
                      public ::testing::WithParamInterface<FirstStartCase> {};

// A namespace of its own whose default route goes through veth0, beside veth1 and lo; no IPv6,
// so that the links send only the test's frames.
TEST_P(FirstStartRun, MonitorsTheLinkOfTheDefaultRouteAndLeavesSettingsAlone) {
  if (geteuid() != 0) GTEST_SKIP() << "needs root for a network namespace";
  const FirstStartCase& c = GetParam();
  if (c.settings) {
    std::filesystem::create_directories(SettingsFile().parent_path());
    std::ofstream(SettingsFile()) << *c.settings;
  }
  const std::vector<std::string> prefix = {
      "/usr/bin/unshare",
      "-n",
      "/bin/sh",
      "-c",
      "echo 1 >/proc/sys/net/ipv6/conf/default/disable_ipv6 && ip link set lo up && "
      "ip link add veth0 type veth peer name veth0p && "
      "ip link add veth1 type veth peer name veth1p && "
      "for l in veth0 veth0p veth1 veth1p; do ip link set $l up; done && "
      "ip addr add 10.9.0.1/24 dev veth0 && ip route add default via 10.9.0.2 dev veth0 && "
      "exec \"$@\"",
      "sh"};
  {
    std::vector<std::string> probe = prefix;
    probe.push_back("/bin/true");
    ProgramProcess namespaces(probe, environment, root_, root_ / "probe");
    if (namespaces.WaitForExit(kStartUp) != 0) GTEST_SKIP() << "no namespaces here";
  }
  ProgramProcess& program =
      c.arguments.empty() ? StartListening({}, prefix) : Start(c.arguments, prefix);
  ASSERT_TRUE(PollUntil(
      [&] {
        return program.Err().find(c.said) != std::string::npos &&
               std::filesystem::exists(DataFolder() / "writer.lock");
      },
      kStartUp))
      << program.Err();
  std::this_thread::sleep_for(200ms);  // kirv log takes its baselines right after the lock
  // Both ways on both links: a record needs traffic received and sent.
  for (const char* link : {"veth0", "veth0p", "veth1", "veth1p"}) {
    ASSERT_TRUE(LinkTraffic(program.Pid(), link));
  }
  EndBySignal(program);
  // Said once, and only when the choice is made.
  EXPECT_EQ(Count(program.Err(), "interfaces choisies"), c.said.empty() ? 0u : 1u) << program.Err();

  const std::string settings = testing::ReadWholeFile(SettingsFile());
  std::vector<std::string> trueValues;
  for (const std::string link : {"lo", "veth0", "veth0p", "veth1", "veth1p"}) {
    for (const std::string graph : {"", "1", "2"}) {
      if (settings.find("\n" + link + graph + "=true\n") != std::string::npos) {
        trueValues.push_back(link + graph);
      }
    }
    const bool archived = std::filesystem::exists(DataFolder() / (link + ".mdf"));
    EXPECT_EQ(archived, link == c.monitored) << link;
  }
  EXPECT_EQ(trueValues, c.trueValues) << settings;
  if (c.arguments == std::vector<std::string>{"log"}) {
    EXPECT_EQ(settings, c.settings);
  }
  const std::string archive = testing::ReadWholeFile(DataFolder() / (c.monitored + ".mdf"));
  EXPECT_TRUE(archive.ends_with("D1000U1000\r\n")) << archive;
}

INSTANTIATE_TEST_SUITE_P(
    Settings, FirstStartRun,
    ::testing::Values(
        FirstStartCase{"DesktopWithoutSettings",
                       {},
                       std::nullopt,
                       "kirv : premier démarrage, interfaces choisies : veth0 (route par défaut de "
                       "la table principale)\n",
                       {"veth0", "veth01"},
                       "veth0"},
        FirstStartCase{"DesktopWithSettings", {}, "[KIRV]\nveth1=true\n", "", {"veth1"}, "veth1"},
        // kirv log writes no settings: a file that monitors nothing stays as it was.
        FirstStartCase{"LogWithSettingsThatMonitorNothing",
                       {"log"},
                       "[KIRV]\nlo=false\n",
                       ", interfaces choisies : veth0 (route par défaut de la table principale)\n",
                       {},
                       "veth0"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- On an X server --------------------------------------------------------------------------

// An X server of its own for one test, on a display number it chooses.
class XServer {
 public:
  XServer() {
    if (access("/usr/bin/Xvfb", X_OK) != 0 || access("/usr/bin/xdotool", X_OK) != 0) return;
    int fds[2];
    if (pipe(fds) != 0) return;
    pid_ = fork();
    if (pid_ == 0) {
      close(fds[0]);
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, 1);
      dup2(null, 2);
      const std::string fd = std::to_string(fds[1]);
      execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
            "-nolisten", "tcp", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string number;
    pollfd wait{fds[0], POLLIN, 0};
    char c = 0;
    while (poll(&wait, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    if (!number.empty()) display_ = ":" + number;
  }
  ~XServer() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }
  const std::string& Display() const { return display_; }

  // Runs xdotool on this display; answers its output when it succeeded.
  std::optional<std::string> XdoTool(const std::string& arguments) const {
    return Run("/usr/bin/xdotool " + arguments);
  }
  // Runs a shell command line on this display; answers its output when it succeeded.
  std::optional<std::string> Run(const std::string& commandLine) const {
    const std::string command = "DISPLAY=" + display_ + " " + commandLine;
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return std::nullopt;
    std::string out;
    char buffer[256];
    while (fgets(buffer, sizeof buffer, pipe) != nullptr) out += buffer;
    if (pclose(pipe) != 0) return std::nullopt;
    return out;
  }
  bool Visible(const std::string& title) const {
    return XdoTool("search --onlyvisible --name '^" + title + "$'").has_value();
  }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

class OnXServerTest : public RealProgramTest {
 protected:
  void SetUp() override {
    RealProgramTest::SetUp();
    if (x_.Display().empty()) GTEST_SKIP() << "needs Xvfb and xdotool";
    environment["QT_QPA_PLATFORM"] = "xcb";
    environment["DISPLAY"] = x_.Display();
  }
  XServer x_;
};

TEST_F(OnXServerTest, ASignalClosesAnOpenMessageBoxAndEndsTheProgram) {
  // A save that fails on "&Quitter" shows its message box and keeps the program running.
  std::filesystem::create_directories(Home() / ".config");
  std::ofstream(Home() / ".config/KIRV") << "not a folder";
  ProgramProcess& program = StartListening();
  ASSERT_TRUE(PollUntil([&] { return x_.Visible("KIRV"); }, kStartUp));
  std::this_thread::sleep_for(1500ms);  // the splash is over: the tray menu opens
  ASSERT_TRUE(
      x_.XdoTool("search --onlyvisible --name '^KIRV$' mousemove --window %1 12 12 "
                 "click 3 sleep 0.5 key q"));
  ASSERT_TRUE(PollUntil([&] { return x_.Visible("KIRV Beta3"); }, kStartUp))
      << "no message box after a failed save";
  ASSERT_TRUE(program.Running());
  const auto sent = std::chrono::steady_clock::now();
  program.Signal(SIGTERM);
  ASSERT_EQ(program.WaitForExit(kQuit), 0) << program.Err();
  EXPECT_LT(std::chrono::steady_clock::now() - sent, kQuit);
  EXPECT_NE(program.Err().find("KIRV.ini"), std::string::npos) << program.Err();
}

// With a window manager, which minimises and restores windows.
class WithWindowManagerTest : public OnXServerTest {
 protected:
  void SetUp() override {
    OnXServerTest::SetUp();
    if (IsSkipped()) return;
    if (access("/usr/bin/openbox", X_OK) != 0 || access("/usr/bin/xprop", X_OK) != 0) {
      GTEST_SKIP() << "needs openbox and xprop";
    }
    manager_ = fork();
    if (manager_ == 0) {
      const int null = open("/dev/null", O_WRONLY);
      dup2(null, 1);
      dup2(null, 2);
      setenv("DISPLAY", x_.Display().c_str(), 1);
      execl("/usr/bin/openbox", "openbox", static_cast<char*>(nullptr));
      _exit(127);
    }
    ASSERT_TRUE(PollUntil(
        [&] {
          const auto root = x_.Run("/usr/bin/xprop -root _NET_SUPPORTING_WM_CHECK");
          return root && root->find("window id") != std::string::npos;
        },
        kStartUp));
  }
  void TearDown() override {
    if (manager_ > 0) {
      kill(manager_, SIGTERM);
      waitpid(manager_, nullptr, 0);
    }
    OnXServerTest::TearDown();
  }
  pid_t manager_ = -1;
};

TEST_F(WithWindowManagerTest, ASecondStartShowsTheMeterWindowRestoredAndInFront) {
  ProgramProcess& first = StartListening();
  EXPECT_FALSE(x_.Visible("Tachymetre"));
  ASSERT_EQ(Start().WaitForExit(kHandOver + 500ms), 0);
  ASSERT_TRUE(PollUntil([&] { return x_.Visible("Tachymetre"); }, kHandOver));
  // A second request leaves it shown, where a tray click would hide it.
  ASSERT_EQ(Start().WaitForExit(kHandOver + 500ms), 0);
  std::this_thread::sleep_for(300ms);
  ASSERT_TRUE(x_.Visible("Tachymetre"));
  ASSERT_TRUE(x_.XdoTool("search --onlyvisible --name '^Tachymetre$' windowminimize"));
  ASSERT_TRUE(PollUntil([&] { return !x_.Visible("Tachymetre"); }, kHandOver));
  ASSERT_EQ(Start().WaitForExit(kHandOver + 500ms), 0);
  EXPECT_TRUE(PollUntil([&] { return x_.Visible("Tachymetre"); }, kHandOver));
  EXPECT_TRUE(PollUntil(
      [&] { return x_.XdoTool("getactivewindow getwindowname") == "Tachymetre\n"; }, kHandOver));
  EndBySignal(first);
}

}  // namespace
}  // namespace kirv
