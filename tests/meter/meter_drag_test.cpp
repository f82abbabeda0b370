#include "meter/meter_drag.h"

#include <gtest/gtest.h>

namespace kirv {
namespace {

TEST(MeterDrag, MovesByTheWholeTravelOnlyWhenTheButtonIsReleased) {
  MeterDrag drag;
  drag.MouseDown(5, 5);
  drag.MouseMove(20, 8);
  drag.MouseMove(35, 15);
  EXPECT_TRUE(drag.Dragging());
  const auto travel = drag.MouseUp();
  ASSERT_TRUE(travel.has_value());
  EXPECT_EQ(travel->dx, 30);
  EXPECT_EQ(travel->dy, 10);
  EXPECT_FALSE(drag.Dragging());
}

TEST(MeterDrag, ADragBackToTheStartMovesNothing) {
  MeterDrag drag;
  drag.MouseDown(10, 10);
  drag.MouseMove(60, -20);
  drag.MouseMove(10, 10);
  const auto travel = drag.MouseUp();
  ASSERT_TRUE(travel.has_value());
  EXPECT_EQ(travel->dx, 0);
  EXPECT_EQ(travel->dy, 0);
}

TEST(MeterDrag, MovesWithoutAPressAreNotCounted) {
  MeterDrag drag;
  drag.MouseMove(0, 0);
  drag.MouseMove(50, 50);
  EXPECT_FALSE(drag.MouseUp().has_value());
  drag.MouseDown(50, 50);
  drag.MouseMove(51, 52);
  const auto travel = drag.MouseUp();
  ASSERT_TRUE(travel.has_value());
  EXPECT_EQ(travel->dx, 1);
  EXPECT_EQ(travel->dy, 2);
}

TEST(MeterDrag, EachDragStartsFromNoTravel) {
  MeterDrag drag;
  drag.MouseDown(0, 0);
  drag.MouseMove(7, 3);
  drag.MouseUp();
  drag.MouseDown(0, 0);
  const auto travel = drag.MouseUp();
  ASSERT_TRUE(travel.has_value());
  EXPECT_EQ(travel->dx, 0);
  EXPECT_EQ(travel->dy, 0);
}

}  // namespace
}  // namespace kirv
