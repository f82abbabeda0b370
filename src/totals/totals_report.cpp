#include "totals/totals_report.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace kirv {

namespace {

constexpr const char* kIndent = "  ";
constexpr std::size_t kColumnGap = 2;

// Characters, not bytes: a UTF-8 continuation byte starts no character.
std::size_t Width(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

std::string Padded(const std::string& text, std::size_t width) {
  return text + std::string(width - std::min(width, Width(text)), ' ');
}

void AppendGroup(std::string& out, const std::string& caption, const TotalsFigures& figures,
                 const NumberFormat& format) {
  std::array<std::string, kTotalsRowCaptions.size()> captions;
  std::size_t width = 0;
  for (std::size_t i = 0; i < captions.size(); ++i) {
    captions[i] = format.Text(kTotalsRowCaptions[i]);
    width = std::max(width, Width(captions[i]));
  }
  out += kIndent + caption + "\n";
  const std::string* values[] = {&figures.received, &figures.sent, &figures.both};
  for (std::size_t i = 0; i < captions.size(); ++i) {
    out += std::string(kIndent) + kIndent + Padded(captions[i], width + kColumnGap) + *values[i] +
           "\n";
  }
}

void AppendGrid(std::string& out, const std::string& page, const std::vector<TotalsRow>& rows,
                const NumberFormat& format) {
  std::vector<std::array<const std::string*, 4>> cells;
  std::array<std::string, 4> header;
  for (std::size_t c = 0; c < header.size(); ++c) header[c] = format.Text(kTotalsGridHeader[c]);
  cells.push_back({&header[0], &header[1], &header[2], &header[3]});
  for (const TotalsRow& row : rows)
    cells.push_back({&row.date, &row.received, &row.sent, &row.total});
  std::array<std::size_t, 4> widths{};
  for (const auto& line : cells) {
    for (std::size_t c = 0; c < widths.size(); ++c)
      widths[c] = std::max(widths[c], Width(*line[c]));
  }
  out += page + "\n";
  for (const auto& line : cells) {
    std::string text = kIndent;
    for (std::size_t c = 0; c < widths.size(); ++c) {
      text += c + 1 < widths.size() ? Padded(*line[c], widths[c] + kColumnGap) : *line[c];
    }
    out += text + "\n";
  }
}

}  // namespace

// The fields are the window's plain decimals, so the text is read back rather than kept twice.
std::string IsoDateOfKey(const std::string& key) {
  int fields[3] = {0, 0, 0};
  int count = 0;
  const char* p = key.data();
  const char* end = key.data() + key.size();
  while (p < end && count < 3) {
    const auto [next, error] = std::from_chars(p, end, fields[count]);
    if (error != std::errc()) break;
    ++count;
    p = next < end && *next == '/' ? next + 1 : end;
  }
  char text[16];
  if (count == 3) {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", fields[2], fields[1], fields[0]);
  } else {
    std::snprintf(text, sizeof text, "%04d-%02d", fields[1], fields[0]);
  }
  return text;
}

namespace {

// A CSV field, quoted when it holds a comma, a quote or a line end.
std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + "\"";
}

void AppendCsvRows(std::string& out, const std::string& archive, const char* kind,
                   const std::vector<TotalsRow>& rows) {
  for (const TotalsRow& row : rows) {
    if (row.date.empty()) continue;
    out += archive + "," + kind + "," + IsoDateOfKey(row.date) + "," +
           std::to_string(row.receivedOctets) + "," + std::to_string(row.sentOctets) + "," +
           std::to_string(row.TotalOctets()) + "\r\n";
  }
}

}  // namespace

std::optional<DateTime> GraphDayOfGridRow(const TotalsReport& report, int gridRow) {
  if (gridRow < 1 || static_cast<std::size_t>(gridRow) > report.dailyRows.size()) return {};
  const std::optional<DateTime>& day = report.dailyRows[static_cast<std::size_t>(gridRow - 1)].day;
  if (!day) return {};
  return AddDays(*day, 1);
}

std::string TotalsReportText(const std::string& archivePath, const TotalsReport& report,
                             const NumberFormat& format) {
  std::string out = archivePath + "\n\n" + format.Text(kTotalsPages[0]) + "\n";
  AppendGroup(out, format.Text(kTodayCaption), report.today, format);
  AppendGroup(out, format.Text(kForecastCaption), report.forecast, format);
  AppendGroup(out, report.sinceCaption, report.since, format);
  out += "\n";
  AppendGrid(out, format.Text(kTotalsPages[1]), report.dailyRows, format);
  out += "\n";
  AppendGrid(out, format.Text(kTotalsPages[2]), report.monthlyRows, format);
  return out;
}

std::string TotalsCsvHeading() { return "archive,period,date,received,sent,total\r\n"; }

std::string TotalsCsvRows(const std::string& archivePath, const TotalsReport& report) {
  std::string out;
  const std::string archive = CsvField(archivePath);
  AppendCsvRows(out, archive, "day", report.dailyRows);
  AppendCsvRows(out, archive, "month", report.monthlyRows);
  return out;
}

}  // namespace kirv
