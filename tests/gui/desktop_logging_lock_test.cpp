// The desktop program beside a running "kirv log" on the same data folder: it leaves the logging
// to it, says so on the logger's status line, and takes the logging over once it has ended.

#include <signal.h>

#include <filesystem>
#include <string>

#include "started_program.h"
#include "support/program_process.h"

namespace kirv::testing {
namespace {

class DesktopLoggingLockTest : public StartedProgramTest {
 protected:
  void SetUp() override {
    StartedProgramTest::SetUp();
    fakes.interfaces.Add("eth0", 1000, 1000);
    StoreOnce();
    Store("firstlaunch", 0);
    Store("eth0", 1);
    Touch("debug.txt");
  }
  void TearDown() override {
    if (logger_ > 0) {
      kill(logger_, SIGKILL);
      WaitForExit(logger_);
    }
    StartedProgramTest::TearDown();
  }

  // A "kirv log" on the working directory that monitors nothing and never ticks.
  void StartOtherLogger() {
    logger_ = StartProgram({"log", "--data-dir", dir_.string(), "--period-ms", "600000"},
                           {"XDG_CONFIG_HOME=" + (dir_ / "config").string()}, dir_ / "log.out",
                           dir_ / "log.err");
    ASSERT_TRUE(PollUntil([&] { return std::filesystem::exists(dir_ / "writer.lock"); }));
  }
  int EndOtherLogger() {
    kill(logger_, SIGTERM);
    const int status = WaitForExit(logger_);
    logger_ = -1;
    return status;
  }
  void Traffic(std::uint64_t in, std::uint64_t out) {
    fakes.interfaces.Row("eth0").inOctets += in;
    fakes.interfaces.Row("eth0").outOctets += out;
  }
  static void LoggerTick() { Form1->Timer1Timer(Form1->Timer1); }

  pid_t logger_ = -1;
};

TEST_F(DesktopLoggingLockTest, LeavesTheLoggingToKirvLogAndTakesItOverWhenItEnds) {
  StartOtherLogger();
  const pid_t other = logger_;
  Start();
  Traffic(1843200, 4000);
  LoggerTick();
  EXPECT_FALSE(std::filesystem::exists("eth0.mdf"));
  EXPECT_EQ(Form3->Label3->text(), QString("LOG PAR LE PROCESSUS %1").arg(other));

  EXPECT_EQ(EndOtherLogger(), 0);
  LoggerTick();  // fresh baselines: the traffic so far was the other logger's to write
  EXPECT_FALSE(std::filesystem::exists("eth0.mdf"));
  EXPECT_EQ(Form3->Label3->text(), QStringLiteral("LOG REPRIS"));

  Traffic(5000, 600);
  fakes.clock.now = {2026, 4, 20, 10, 10, 0, 0};
  LoggerTick();
  EXPECT_EQ(ReadWholeFile("eth0.mdf"), "F20/04/2026 10:10:00D5000U600\r\n");
}

TEST_F(DesktopLoggingLockTest, QuittingBesideKirvLogWritesNoFinalRecord) {
  StartOtherLogger();
  Start();
  Traffic(1843200, 4000);
  bool canClose = false;
  Form1->FormCloseQuery(nullptr, canClose);  // as at quit
  EXPECT_TRUE(canClose);
  EXPECT_FALSE(std::filesystem::exists("eth0.mdf"));
}

// The desktop may call itself anything: its lock still names a live process.
TEST_F(DesktopLoggingLockTest, KirvLogStartedBesideTheDesktopWaitsWhateverItsName) {
  const QString name = QCoreApplication::applicationName();
  QCoreApplication::setApplicationName(QStringLiteral("KIRV"));
  Start();
  QCoreApplication::setApplicationName(name);
  logger_ = StartProgram({"log", "--data-dir", dir_.string(), "--period-ms", "600000"},
                         {"LC_ALL=C", "XDG_CONFIG_HOME=" + (dir_ / "config").string()},
                         dir_ / "log.out", dir_ / "log.err");
  EXPECT_TRUE(PollUntil([&] {
    return ReadWholeFile(dir_ / "log.err").find("écrit déjà") != std::string::npos;
  })) << ReadWholeFile(dir_ / "log.err");
  Traffic(5000, 600);
  LoggerTick();
  EXPECT_EQ(ReadWholeFile("eth0.mdf").substr(20), "D5000U600\r\n");
}

}  // namespace
}  // namespace kirv::testing
