#include "meter/snapshot_name.h"

#include <gtest/gtest.h>

namespace kirv {
namespace {

TEST(SnapshotFileName, IsKirvThenTheDateWithDashesAndTheTimeWithSemicolons) {
  EXPECT_EQ(SnapshotFileName({2002, 5, 14, 13, 45, 7, 999}), "KIRV2002-05-14 13;45;07.bmp");
}

TEST(SnapshotFileName, PadsEveryFieldToTwoDigits) {
  EXPECT_EQ(SnapshotFileName({2026, 1, 2, 3, 4, 5, 0}), "KIRV2026-01-02 03;04;05.bmp");
}

}  // namespace
}  // namespace kirv
