#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "archive/record.h"
#include "common/calendar.h"

namespace kirv {

// The three figure labels of a group box: received, sent, both directions, and the octets they
// show as whole numbers, each held at the largest count like every sum of records. The
// forecast's octets are the month so far scaled to its length, rounded down; its texts show the
// scaled figure itself.
struct TotalsFigures {
  std::string received;
  std::string sent;
  std::string both;
  std::uint64_t receivedOctets = 0;
  std::uint64_t sentOctets = 0;
  std::uint64_t bothOctets = 0;
};

// One row of the daily or the monthly grid.
struct TotalsRow {
  std::string date;  // "7/3/2004" for a day, "3/2004" for a month, empty when no record was read
  std::string received;
  std::string sent;
  std::string total;
  std::optional<DateTime> day;  // daily rows with a date: that day at 00:00
  std::uint64_t receivedOctets = 0;
  std::uint64_t sentOctets = 0;
  // Both directions, held at the largest count like every sum of records.
  std::uint64_t TotalOctets() const { return SaturatingSum(receivedOctets, sentOctets); }
};

inline constexpr std::array<const char*, 4> kTotalsGridHeader = {"Date", "DL", "UL", "Total"};

// The window's captions: its pages, its group boxes and the three rows of each group.
inline constexpr std::array<const char*, 3> kTotalsPages = {
    "Totaux/Prévisions", "Stats Journalières", "Stats Mensuelles"};
inline constexpr const char* kTodayCaption = "Transferts d'aujourd'hui";
inline constexpr const char* kForecastCaption = "Prévisions sur le mois";
inline constexpr const char* kSinceCaption = "Transferts depuis le";
inline constexpr std::array<const char*, 3> kTotalsRowCaptions = {
    "Récéption:", "Envoi:", "Deux directions:"};

// Everything the totals window shows after one computation.
struct TotalsReport {
  TotalsFigures today;       // AujD, AujU, AujB
  TotalsFigures forecast;    // pd, pu, pdu
  TotalsFigures since;       // Label7, Label8, Label9
  std::string sinceCaption;  // GroupBox2: "Transferts depuis le " and the oldest record's date
  std::vector<TotalsRow> dailyRows;    // grid1 from row 1 on, newest first
  std::vector<TotalsRow> monthlyRows;  // grid2 from row 1 on, newest first
  std::optional<DateTime> oldestDay;   // the oldest record read by this computation, if any
  // Lines that gave nothing: records without a "U" after position 21 or a valid date, and the
  // lines that hold no record at all (blank lines aside).
  std::uint64_t skippedRecords = 0;
};

// The day that a right click on grid1's row gridRow (row 0 is the header) opens the graph on: the
// day after the row's date. None for the header, a row without a date or a row beyond the last.
std::optional<DateTime> GraphDayOfGridRow(const TotalsReport& report, int gridRow);

// What the window shows, page by page, as plain text under a first line with the archive path:
// each group box with its row captions, then each grid under its header, columns lined up.
std::string TotalsReportText(const std::string& archivePath, const TotalsReport& report);

// The heading and the rows of the CSV form of reports, one line per row, CR LF ended: the archive,
// "day" or "month", the date ("2004-03-07", "2004-03"), then octets received, sent and in all.
// Rows without a date (an archive without records) are left out.
std::string TotalsCsvHeading();
// A row's key as an ISO date: "7/3/2004" gives "2004-03-07", "3/2004" gives "2004-03".
std::string IsoDateOfKey(const std::string& key);
std::string TotalsCsvRows(const std::string& archivePath, const TotalsReport& report);

}  // namespace kirv
