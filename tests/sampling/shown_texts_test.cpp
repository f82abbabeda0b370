#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "case_name.h"
#include "fakes/fake_services.h"
#include "fakes/fake_text_catalogue.h"
#include "sampling/default_interfaces.h"
#include "sampling/rate_sampler.h"

namespace kirv {
namespace {

const testing::FakeTextCatalogue kEnglish({
    {"DL : ", "DL: "},
    {"  UL : ", "  UL: "},
    {"ko/s", "kB/s"},
    {"0ko/s  UL : 0ko/s", "0kB/s  UL: 0kB/s"},
    {"interfaces choisies : ", "interfaces chosen: "},
    {"route par défaut de la table principale", "default route of the main table"},
});

struct ShownCase {
  const char* what;
  std::function<std::string(const TextCatalogue*)> shown;
  const char* french;
  const char* english;
};

class ShownTextTest : public ::testing::TestWithParam<ShownCase> {};

TEST_P(ShownTextTest, IsTheFrenchSourceOrItsTranslation) {
  const ShownCase& c = GetParam();
  EXPECT_EQ(c.shown(nullptr), c.french);
  EXPECT_EQ(c.shown(&kEnglish), c.english);
}

std::string Speed(SpeedUnit unit, const TextCatalogue* texts) {
  return SpeedText(150000, 1536, unit, NumberFormat{'.', texts});
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ShownTextTest,
    ::testing::Values(
        ShownCase{"SpeedInOctets",
                  [](const TextCatalogue* t) { return Speed(SpeedUnit::kOctets, t); },
                  "DL : 146.48ko/s  UL : 1.5ko/s", "DL: 146.48kB/s  UL: 1.5kB/s"},
        ShownCase{"SpeedInBits", [](const TextCatalogue* t) { return Speed(SpeedUnit::kBits, t); },
                  "DL : 1171.87kbps  UL : 12kbps", "DL: 1171.87kbps  UL: 12kbps"},
        ShownCase{"TextBeforeTheFirstTick",
                  [](const TextCatalogue* t) {
                    testing::FakeInterfaceTable table;
                    return RateSampler(table, t).MeterText();
                  },
                  "0ko/s  UL : 0ko/s", "0kB/s  UL: 0kB/s"},
        ShownCase{"FirstStartChoice",
                  [](const TextCatalogue* t) {
                    NetworkFacts facts;
                    LinkFacts link;
                    link.name = "eth0";
                    link.index = 2;
                    facts.links.push_back(link);
                    facts.defaultRouteIndexes.push_back(2);
                    return ChoiceText(ChooseDefaultInterfaces(facts), t);
                  },
                  "interfaces choisies : eth0 (route par défaut de la table principale)",
                  "interfaces chosen: eth0 (default route of the main table)"}),
    [](const ::testing::TestParamInfo<ShownCase>& info) {
      return ::kirv::testing::CaseName({info.param.what});
    });

}  // namespace
}  // namespace kirv
