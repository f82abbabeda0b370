#include "graph/period_table.h"

#include <gtest/gtest.h>

#include <string>

namespace kirv {
namespace {

TEST(PeriodTable, GivesTheSecondsOfOneColumnForEachPeriod) {
  EXPECT_EQ(ColumnSpanOf(kDay), 300);
  EXPECT_EQ(ColumnSpanOf(kWeek), 1800);
  EXPECT_EQ(ColumnSpanOf(kMonth), 7200);
  EXPECT_EQ(ColumnSpanOf(kYear), 86400);
}

TEST(PeriodTable, AnIndexOutsideTheListGivesTheSpanOfJournee) {
  EXPECT_EQ(ColumnSpanOf(-1), 300);
  EXPECT_EQ(ColumnSpanOf(4), 300);
}

TEST(PeriodTable, NamesThePeriodsAsTheListShowsThem) {
  EXPECT_EQ(std::string(kPeriodNames[kDay]), "Journée");
  EXPECT_EQ(std::string(kPeriodNames[kWeek]), "Semaine");
  EXPECT_EQ(std::string(kPeriodNames[kMonth]), "Mois");
  EXPECT_EQ(std::string(kPeriodNames[kYear]), "Année");
}

}  // namespace
}  // namespace kirv
