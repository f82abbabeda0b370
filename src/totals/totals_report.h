#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "common/calendar.h"

namespace kirv {

// The three figure labels of a group box: received, sent, both directions.
struct TotalsFigures {
  std::string received;
  std::string sent;
  std::string both;
};

// One row of the daily or the monthly grid.
struct TotalsRow {
  std::string date;  // "7/3/2004" for a day, "3/2004" for a month, empty when no record was read
  std::string received;
  std::string sent;
  std::string total;
  std::optional<DateTime> day;  // daily rows with a date: that day at 00:00
};

inline constexpr std::array<const char*, 4> kTotalsGridHeader = {"Date", "DL", "UL", "Total"};

// Everything the totals window shows after one computation.
struct TotalsReport {
  TotalsFigures today;       // AujD, AujU, AujB
  TotalsFigures forecast;    // pd, pu, pdu
  TotalsFigures since;       // Label7, Label8, Label9
  std::string sinceCaption;  // GroupBox2: "Transferts depuis le " and the oldest record's date
  std::vector<TotalsRow> dailyRows;    // grid1 from row 1 on, newest first
  std::vector<TotalsRow> monthlyRows;  // grid2 from row 1 on, newest first
};

// The day that a right click on grid1's row gridRow (row 0 is the header) opens the graph on: the
// day after the row's date. None for the header, a row without a date or a row beyond the last.
std::optional<DateTime> GraphDayOfGridRow(const TotalsReport& report, int gridRow);

}  // namespace kirv
