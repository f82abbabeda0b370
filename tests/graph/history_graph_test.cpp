#include "graph/history_graph.h"

#include <gtest/gtest.h>

#include "support/raster_canvas.h"
#include "graph/graph_axes.h"
#include "graph/graph_renderer.h"
#include "trace_fixture.h"

namespace kirv {
namespace {

using testing::Inputs;
using testing::Line;

constexpr Colour kUnset = 0x123456;
const DateTime kFiveBefore{2026, 4, 20, 9, 55, 0};  // column age 1 at 20 April 10:00

class HistoryTrace : public testing::TempDirectoryTest {
 protected:
  std::optional<TraceResult> Trace(const TraceInputs& in) {
    const int w = std::min(in.width, ColumnTable::kSize - 1);
    curves = RasterCanvas(w, in.height, kUnset);
    axes = RasterCanvas(w + kAxisLayerExtraWidth, in.height + kAxisLayerExtraHeight, kUnset);
    return graph.Trace(in, curves, axes);
  }

  HistoryGraph graph;
  RasterCanvas curves{1, 1};
  RasterCanvas axes{1, 1};
};

TEST_F(HistoryTrace, DoesNothingWithoutAnArchivePath) {
  testing::WriteArchive({Line(kFiveBefore, 300000, 300000)});
  TraceInputs in = Inputs();
  in.archivePath.clear();
  EXPECT_FALSE(Trace(in).has_value());
  EXPECT_EQ(curves.Pixel(1, 0), kUnset);
  EXPECT_EQ(axes.Pixel(0, 0), kUnset);
  EXPECT_TRUE(axes.Texts().empty());
  EXPECT_EQ(graph.Unit(), DisplayUnit{});
}

TEST_F(HistoryTrace, DrawsCurvesFrameAndAxesAndReturnsTheFigures) {
  // 65536 octets/s in "Bits" is 512 K; one record of 12637 octets/s at column age 1.
  testing::WriteArchive({Line(kFiveBefore, 12637 * 300, 300)});
  const std::optional<TraceResult> r = Trace(Inputs());
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->fullScale, 65536);
  EXPECT_EQ(r->statistics.actueld, "98.72 K/s (19%)");
  EXPECT_EQ(r->statistics.actuelu, "0 K/s (0%)");
  EXPECT_EQ(r->statistics.maxd, "98.72 K/s (19%)");
  EXPECT_EQ(r->statistics.moyd, "0.16 K/s (0%)");
  EXPECT_EQ(r->totals, (TraceTotals{12637 * 300, 300, 12637}));
  EXPECT_EQ(graph.Unit(), (DisplayUnit{1024, " K"}));
  // The bar of index 1 at x = 2 up to floor(200 − 12637 × 200 ÷ 65536) = 161, left out; the
  // frame covers row 199.
  EXPECT_EQ(curves.Pixel(2, 199), kBlack);
  EXPECT_EQ(curves.Pixel(2, 198), GraphColours{}.received);
  EXPECT_EQ(curves.Pixel(2, 162), GraphColours{}.received);
  EXPECT_EQ(curves.Pixel(2, 161), kGraphBackground);
  EXPECT_EQ(curves.Pixel(1, 0), kBlack);
  EXPECT_EQ(curves.Pixel(0, 0), kGraphBackground);
  EXPECT_EQ(axes.TextsAt(kCurveLayerLeft - 30 - 10, kCurveLayerTop - 6),
            std::vector<std::string>{"512 K"});
  EXPECT_EQ(axes.Pixel(0, 0), kWhite);
}

TEST_F(HistoryTrace, EndsByClearingTheSumsAndKeepingThePeaks) {
  testing::WriteArchive({Line(kFiveBefore, 3000, 600)});
  ASSERT_TRUE(Trace(Inputs()).has_value());
  EXPECT_EQ(graph.Columns()[1], (ColumnEntry{0, 0, 3000, 600}));
}

TEST_F(HistoryTrace, AutomaticTakesTheLargestRecordRate) {
  testing::WriteArchive(
      {Line({2026, 4, 20, 9, 50, 0}, 150000, 90000), Line(kFiveBefore, 300, 300)});
  TraceInputs in = Inputs();
  in.automaticScale = true;
  in.octets = true;
  const std::optional<TraceResult> r = Trace(in);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->fullScale, 500);
  // 500 is no more than 1024: the unit stays as it was, here none yet.
  EXPECT_EQ(r->statistics.maxd, "500/s (100%)");
}

TEST_F(HistoryTrace, AnAutomatic500KeepsThePrefixOfThePreviousTrace) {
  testing::WriteArchive({Line(kFiveBefore, 150000, 300)});
  TraceInputs in = Inputs();
  in.octets = true;
  in.fullScale = 1310720;
  ASSERT_TRUE(Trace(in).has_value());
  ASSERT_EQ(graph.Unit().prefix, " M");
  in.automaticScale = true;
  const std::optional<TraceResult> r = Trace(in);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->fullScale, 500);
  EXPECT_EQ(graph.Unit(), (DisplayUnit{1048576, " M"}));
  EXPECT_EQ(r->statistics.maxd, "0 M/s (100%)");  // 500 octets/s is 0.00047 M
}

TEST_F(HistoryTrace, AutomaticWithoutRecordsIsRaisedToTheSpinEditsMinimum) {
  TraceInputs in = Inputs();
  in.automaticScale = true;
  const std::optional<TraceResult> r = Trace(in);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->fullScale, 1);
  EXPECT_EQ(r->statistics.actueld, "0/s (0%)");
}

TEST_F(HistoryTrace, AutomaticIsHeldBelowTheSpinEditsMaximum) {
  testing::WriteArchive({Line(kFiveBefore, 1000000000000000, 1)});
  TraceInputs in = Inputs();
  in.automaticScale = true;
  const std::optional<TraceResult> r = Trace(in);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(r->fullScale, 2147483647);
}

TEST_F(HistoryTrace, BringsAWidthBeyondTheColumnTableWithinIt) {
  testing::WriteArchive({Line(kFiveBefore, 3000, 600)});
  TraceInputs in = Inputs();
  in.width = 5000;
  in.leftToRight = false;
  const std::optional<TraceResult> r = Trace(in);
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(curves.Pixel(1022, 0), kBlack);  // the frame's right side at W − 1 = 1022
  EXPECT_EQ(r->totals.peakReceivedRecord, 3000u);
}

}  // namespace
}  // namespace kirv
