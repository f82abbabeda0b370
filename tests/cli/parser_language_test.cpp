// The parser's errors and the help's headings are the program's own words, in the program's
// language, whatever language Qt's own catalogue speaks.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <string>
#include <tuple>

#include "cli/cli_common.h"

namespace kirv {
namespace {

struct ErrorCase {
  const char* name;
  QStringList arguments;
  const char* french;
  const char* english;
};

const ErrorCase kErrors[] = {
    {"UnknownLong", {"kirv", "--bogus"}, "option inconnue « --bogus »", "unknown option '--bogus'"},
    {"UnknownShort", {"kirv", "-x"}, "option inconnue « -x »", "unknown option '-x'"},
    {"UnknownWithValue",
     {"kirv", "--bogus=3"},
     "option inconnue « --bogus »",
     "unknown option '--bogus'"},
    {"MissingValue",
     {"kirv", "--date"},
     "valeur manquante après « --date »",
     "missing value after '--date'"},
    {"MissingShortValue",
     {"kirv", "-o"},
     "valeur manquante après « -o »",
     "missing value after '-o'"},
    {"UnexpectedValue",
     {"kirv", "--json=1"},
     "valeur inattendue après « --json »",
     "unexpected value after '--json'"},
};

// The program's catalogue ("" for its French source) and Qt's ("" for none).
using Languages = std::tuple<const char*, const char*>;

class ParserLanguageTest : public ::testing::TestWithParam<Languages> {
 protected:
  void SetUp() override {
    const auto [program, qt] = GetParam();
    english_ = std::string(program) == "en";
    if (english_) {
      ASSERT_TRUE(program_.load(QStringLiteral(":/i18n/kirv_en.qm")));
      QCoreApplication::installTranslator(&program_);
    }
    if (*qt != '\0') {
      ASSERT_TRUE(qt_.load(QStringLiteral("qtbase_") + QLatin1String(qt),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
      QCoreApplication::installTranslator(&qt_);
    }
    parser_.addOptions(
        {{QStringLiteral("date"), QString(), QStringLiteral("d")},
         {QStringLiteral("json"), QString()},
         {{QStringLiteral("o"), QStringLiteral("output")}, QString(), QStringLiteral("f")}});
    parser_.addPositionalArgument(QStringLiteral("ARCHIVE"), QString());
  }

  int argc_ = 1;
  char name_[5] = "test";
  char* argv_[1] = {name_};
  QCoreApplication app_{argc_, argv_};
  QTranslator program_;
  QTranslator qt_;
  bool english_ = false;
  QCommandLineParser parser_;
};

TEST_P(ParserLanguageTest, ErrorsAreTheProgramsWords) {
  for (const ErrorCase& c : kErrors) {
    SCOPED_TRACE(c.name);
    ASSERT_FALSE(parser_.parse(c.arguments));
    EXPECT_EQ(ParseErrorText(parser_, c.arguments),
              QString::fromUtf8(english_ ? c.english : c.french));
  }
}

TEST_P(ParserLanguageTest, HelpHeadingsAreTheProgramsWords) {
  const QString help = CommandHelp(parser_, QStringLiteral("report"));
  const QString usage = english_ ? QStringLiteral("Usage: kirv report [options] ARCHIVE\n")
                                 : QStringLiteral("Utilisation : kirv report [options] ARCHIVE\n");
  EXPECT_TRUE(help.startsWith(usage)) << help.toStdString();
  EXPECT_TRUE(
      help.contains(english_ ? QStringLiteral("\nOptions:\n") : QStringLiteral("\nOptions :\n")));
  EXPECT_TRUE(help.contains(english_ ? QStringLiteral("\nArguments:\n")
                                     : QStringLiteral("\nArguments :\n")));
}

std::string CaseName(const ::testing::TestParamInfo<Languages>& info) {
  const char* program = std::get<0>(info.param);
  const char* qt = std::get<1>(info.param);
  return std::string(*program != '\0' ? "English" : "French") + "Qt" +
         (*qt != '\0' ? qt : "Source");
}

INSTANTIATE_TEST_SUITE_P(Catalogues, ParserLanguageTest,
                         ::testing::Combine(::testing::Values("", "en"),
                                            ::testing::Values("", "fr", "en")),
                         CaseName);

}  // namespace
}  // namespace kirv
