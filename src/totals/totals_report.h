#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "archive/record.h"
#include "common/calendar.h"
#include "common/number_format.h"
#include "common/texts.h"

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

// The grid header and the window's captions: its pages, its group boxes and the three rows of each
// group. Shown in the user's language, looked up where they are shown.
inline constexpr std::array<const char*, 4> kTotalsGridHeader = {
    KIRV_TEXT("kirv", "Date"), KIRV_TEXT("kirv", "DL"), KIRV_TEXT("kirv", "UL"),
    KIRV_TEXT("kirv", "Total")};
inline constexpr std::array<const char*, 3> kTotalsPages = {KIRV_TEXT("kirv", "Totaux/Prévisions"),
                                                            KIRV_TEXT("kirv", "Stats Journalières"),
                                                            KIRV_TEXT("kirv", "Stats Mensuelles")};
inline constexpr const char* kTodayCaption = KIRV_TEXT("kirv", "Transferts d'aujourd'hui");
inline constexpr const char* kForecastCaption = KIRV_TEXT("kirv", "Prévisions sur le mois");
inline constexpr const char* kSinceCaption = KIRV_TEXT("kirv", "Transferts depuis le");
inline constexpr std::array<const char*, 3> kTotalsRowCaptions = {
    KIRV_TEXT("kirv", "Récéption:"), KIRV_TEXT("kirv", "Envoi:"),
    KIRV_TEXT("kirv", "Deux directions:")};

// Everything the totals window shows after one computation.
struct TotalsReport {
  TotalsFigures today;     // AujD, AujU, AujB
  TotalsFigures forecast;  // pd, pu, pdu
  TotalsFigures since;     // Label7, Label8, Label9
  // GroupBox2: kSinceCaption in the user's language, a space and the oldest record's date.
  std::string sinceCaption;
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
// each group box with its row captions, then each grid under its header, columns lined up. The
// captions are in the language of format's texts.
std::string TotalsReportText(const std::string& archivePath, const TotalsReport& report,
                             const NumberFormat& format);

// The heading and the rows of the CSV form of reports, one line per row, CR LF ended: the archive,
// "day" or "month", the date ("2004-03-07", "2004-03"), then octets received, sent and in all.
// Rows without a date (an archive without records) are left out.
std::string TotalsCsvHeading();
// A row's key as an ISO date: "7/3/2004" gives "2004-03-07", "3/2004" gives "2004-03".
std::string IsoDateOfKey(const std::string& key);
std::string TotalsCsvRows(const std::string& archivePath, const TotalsReport& report);

}  // namespace kirv
