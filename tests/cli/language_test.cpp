// The language of the real program's help and report follows the user's languages: English where
// English comes first, and otherwise the French texts exactly as under the C locale.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "archive/temp_directory.h"
#include "case_name.h"
#include "support/program_process.h"

namespace kirv {
namespace {

struct LanguageCase {
  const char* name;
  std::vector<std::string> environment;
  bool english;
};

void PrintTo(const LanguageCase& c, std::ostream* os) { *os << c.name; }

const LanguageCase kLanguages[] = {
    {"en_US", {"LANG=en_US.UTF-8"}, true},
    {"fr_FR", {"LANG=fr_FR.UTF-8"}, false},
    {"C.UTF-8", {"LANG=C.UTF-8"}, false},
    {"LANGUAGE fr:en under en_US", {"LANG=en_US.UTF-8", "LANGUAGE=fr:en"}, false},
};

// Letters that the French texts of both outputs hold and English never does.
bool HasFrenchLetters(const std::string& text) {
  for (const char* letter : {"é", "è", "à", "ç", "ê", "ô", "û", "î"}) {
    if (text.find(letter) != std::string::npos) return true;
  }
  return false;
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t count = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    ++count;
  }
  return count;
}

class LanguageTest : public testing::TempDirectoryTest,
                     public ::testing::WithParamInterface<LanguageCase> {
 protected:
  testing::Finished Run(const std::vector<std::string>& arguments,
                        const std::vector<std::string>& language) {
    std::filesystem::create_directories(dir_ / "run");
    std::vector<std::string> environment = {"LC_ALL=", "LC_MESSAGES=", "LC_NUMERIC=", "LANGUAGE=",
                                            "XDG_CONFIG_HOME=" + (dir_ / "config").string()};
    environment.insert(environment.end(), language.begin(), language.end());
    return testing::RunProgram(arguments, environment, dir_ / "run");
  }
};

TEST_P(LanguageTest, HelpAndReportSpeakTheFirstLanguageThatHasTexts) {
  // Whole megaoctets, so that no decimal separator tells the locales apart.
  WriteArchive("eth0.mdf", {{{2026, 4, 19, 9, 0, 0}, 6291456, 2097152},
                            {{2026, 4, 20, 9, 0, 0}, 4194304, 2097152}});
  const std::vector<std::vector<std::string>> commands = {
      {"--help"},
      {"report", (dir_ / "eth0.mdf").string(), "--date", "20/04/2026"},
      {"report", (dir_ / "eth0.mdf").string(), "--date", "20/04/2026", "--json"}};
  for (const std::vector<std::string>& command : commands) {
    SCOPED_TRACE(command[0]);
    const testing::Finished french = Run(command, {"LC_ALL=C"});
    ASSERT_EQ(french.status, 0) << french.err;
    ASSERT_TRUE(HasFrenchLetters(french.out)) << french.out;
    const testing::Finished run = Run(command, GetParam().environment);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, french.err);
    if (GetParam().english) {
      EXPECT_NE(run.out, french.out);
      EXPECT_FALSE(HasFrenchLetters(run.out)) << run.out;
      // Every "Mo" of the figures becomes "MB".
      if (command[0] == "report") {
        EXPECT_EQ(Count(run.out, "MB"), Count(french.out, "Mo"));
      }
    } else {
      EXPECT_EQ(run.out, french.out);
    }
  }
}

// Every diagnostic line, a settings warning as well as the command's own refusal, has one prefix in
// the language of the rest of the line.
TEST_P(LanguageTest, DiagnosticsHaveOnePrefixInTheSameLanguage) {
  std::filesystem::create_directories(dir_ / "config" / "KIRV");
  std::ofstream(dir_ / "config" / "KIRV" / "KIRV.ini") << "[KIRV]\nplanOn=maybe\n";
  const testing::Finished french = Run({"plan"}, {"LC_ALL=C"});
  const testing::Finished run = Run({"plan"}, GetParam().environment);
  ASSERT_EQ(run.status, 2) << run.err;
  ASSERT_EQ(Count(run.err, "\n"), 2u) << run.err;
  const std::string prefix = GetParam().english ? "kirv plan: " : "kirv plan : ";
  EXPECT_EQ(Count(run.err, prefix), 2u) << run.err;
  EXPECT_TRUE(run.err.starts_with(prefix + (GetParam().english ? "setting" : "réglage")))
      << run.err;
  if (GetParam().english) {
    EXPECT_FALSE(HasFrenchLetters(run.err)) << run.err;
  } else {
    EXPECT_EQ(run.err, french.err);
  }
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, LanguageTest, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return testing::CaseName({info.param.name}); });

}  // namespace
}  // namespace kirv
