#include "sampling/interface_name.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

namespace kirv {
namespace {

struct NameCase {
  const char* what;
  std::string description;
  std::string name;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.what; }

class InterfaceNameRule : public ::testing::TestWithParam<NameCase> {};

TEST_P(InterfaceNameRule, KeepsEveryByteButTheTenExcludedUpToTheFirstZero) {
  EXPECT_EQ(InterfaceName(GetParam().description), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Descriptions, InterfaceNameRule,
    ::testing::Values(
        NameCase{"plain", "enp3s0", "enp3s0"}, NameCase{"loopback", "lo", "lo"},
        NameCase{"slash joins two words", "Carte/Reseau", "CarteReseau"},
        NameCase{"only excluded bytes", std::string("/\\:*?<>|\x18\x01", 10), ""},
        NameCase{"each excluded byte inside a word", "a/b\\c:d*e?f<g>h|i\x18j\x01k", "abcdefghijk"},
        NameCase{"zero byte ends it", std::string("eth0\0junk", 9), "eth0"},
        NameCase{"zero byte first", std::string("\0eth0", 5), ""},
        NameCase{"spaces, quotes and accents stay", "Carte \"réseau\" 2", "Carte \"réseau\" 2"},
        NameCase{"neighbours of excluded bytes stay", std::string("\x02\x17\x19.;=[]", 8),
                 std::string("\x02\x17\x19.;=[]", 8)},
        NameCase{"empty", "", ""}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
      }
      return name;
    });

}  // namespace
}  // namespace kirv
