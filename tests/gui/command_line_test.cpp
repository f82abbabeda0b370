#include "app/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kirv {
namespace {

using Action = CommandLine::Action;

struct ParseCase {
  const char* name;
  std::vector<const char*> arguments;  // after the program's name
  Action action;
  const char* dataDir;
  const char* error;
};

class ParseCommandLineTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommandLineTest, ReadsTheOptionsOrSaysWhatIsWrong) {
  QStringList arguments = {QStringLiteral("/usr/bin/kirv")};
  for (const char* argument : GetParam().arguments) arguments.append(QString::fromUtf8(argument));
  const CommandLine parsed = ParseCommandLine(arguments);
  EXPECT_EQ(parsed.action, GetParam().action);
  EXPECT_EQ(parsed.dataDir.toStdString(), GetParam().dataDir);
  EXPECT_EQ(parsed.error.toStdString(), GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ParseCommandLineTest,
    ::testing::Values(
        ParseCase{"None", {}, Action::kRun, "", ""},
        ParseCase{"DataDir", {"--data-dir", "/srv/kirv"}, Action::kRun, "/srv/kirv", ""},
        ParseCase{"DataDirJoined", {"--data-dir=archives/kirv"}, Action::kRun, "archives/kirv", ""},
        ParseCase{"DataDirOneDash", {"-data-dir", "d"}, Action::kRun, "d", ""},
        ParseCase{"DataDirTwiceLastWins", {"--data-dir=a", "--data-dir=b"}, Action::kRun, "b", ""},
        ParseCase{"Help", {"--help"}, Action::kHelp, "", ""},
        ParseCase{"ShortHelp", {"-h"}, Action::kHelp, "", ""},
        ParseCase{"Version", {"--version"}, Action::kVersion, "", ""},
        ParseCase{"HelpBeforeVersion", {"--version", "--help"}, Action::kHelp, "", ""},
        ParseCase{"QtPlatform", {"-platform", "offscreen"}, Action::kRun, "", ""},
        ParseCase{"SessionRestart", {"-session", "10d2a3f4e5"}, Action::kRun, "", ""},
        ParseCase{"QtFlag", {"-reverse"}, Action::kRun, "", ""},
        ParseCase{"Unknown", {"--bogus"}, Action::kError, "", "option inconnue « --bogus »"},
        ParseCase{
            "UnknownWithValue", {"--bogus=3"}, Action::kError, "", "option inconnue « --bogus »"},
        ParseCase{"UnknownShort", {"-x"}, Action::kError, "", "option inconnue « -x »"},
        ParseCase{"UnknownBeatsHelp",
                  {"--help", "--bogus"},
                  Action::kError,
                  "",
                  "option inconnue « --bogus »"},
        ParseCase{"DataDirWithoutValue",
                  {"--data-dir"},
                  Action::kError,
                  "",
                  "l'option « --data-dir » attend une valeur"},
        ParseCase{
            "DataDirEmpty", {"--data-dir="}, Action::kError, "", "--data-dir attend un dossier"},
        ParseCase{"Positional", {"rapport"}, Action::kError, "", "argument inattendu « rapport »"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HelpText, NamesEveryOptionAndSubcommandInFrench) {
  const QString help = HelpText(QStringLiteral("/home/jo/.local/share/KIRV"));
  EXPECT_TRUE(help.startsWith(QStringLiteral("Utilisation : kirv [options]\n")));
  for (const char* line :
       {"  --data-dir <dossier>  dossier des archives", "(par défaut /home/jo/.local/share/KIRV)",
        "  --version             affiche la version et quitte\n",
        "  -h, --help            affiche cette aide et quitte\n", "  report                totaux",
        "  graph                 graphique",
        "  log                   enregistre les statistiques sans fenêtre\n"}) {
    EXPECT_TRUE(help.contains(QString::fromUtf8(line))) << line;
  }
  EXPECT_TRUE(help.endsWith('\n'));
}

TEST(VersionText, IsTheProgramsNameAndTheProjectsVersion) {
  EXPECT_EQ(VersionText().toStdString(), std::string("kirv ") + KIRV_PROJECT_VERSION);
}

}  // namespace
}  // namespace kirv
