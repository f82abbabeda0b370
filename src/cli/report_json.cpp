#include "cli/report_json.h"

#include <QJsonArray>
#include <cmath>
#include <vector>

namespace kirv {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }
QString Text(const char* text) { return QString::fromUtf8(text); }

// Whole octets as a JSON integer; the forecast's fractions as they are.
QJsonValue Octets(double octets) {
  constexpr double kLargestExact = 9007199254740992.0;  // 2^53
  if (octets == std::floor(octets) && std::fabs(octets) <= kLargestExact) {
    return static_cast<qint64>(octets);
  }
  return octets;
}

QJsonObject Figures(const QString& caption, const TotalsFigures& f) {
  return {{QStringLiteral("caption"), caption},
          {QStringLiteral("received"), Text(f.received)},
          {QStringLiteral("sent"), Text(f.sent)},
          {QStringLiteral("both"), Text(f.both)},
          {QStringLiteral("receivedOctets"), Octets(f.receivedOctets)},
          {QStringLiteral("sentOctets"), Octets(f.sentOctets)},
          {QStringLiteral("bothOctets"), Octets(f.bothOctets)}};
}

QJsonArray Rows(const std::vector<TotalsRow>& rows) {
  QJsonArray array;
  for (const TotalsRow& row : rows) {
    array.append(QJsonObject{
        {QStringLiteral("date"), Text(row.date)},
        {QStringLiteral("iso"), row.date.empty() ? QJsonValue() : Text(IsoDateOfKey(row.date))},
        {QStringLiteral("received"), Text(row.received)},
        {QStringLiteral("sent"), Text(row.sent)},
        {QStringLiteral("total"), Text(row.total)},
        {QStringLiteral("receivedOctets"), static_cast<qint64>(row.receivedOctets)},
        {QStringLiteral("sentOctets"), static_cast<qint64>(row.sentOctets)},
        {QStringLiteral("totalOctets"), static_cast<qint64>(row.receivedOctets + row.sentOctets)},
    });
  }
  return array;
}

}  // namespace

QJsonObject TotalsJson(const QString& archivePath, const DateTime& date,
                       const TotalsReport& report) {
  QJsonObject since = Figures(Text(report.sinceCaption), report.since);
  since.insert(QStringLiteral("firstDay"),
               report.oldestDay ? QJsonValue(Text(FormatDateTime(*report.oldestDay, "yyyy-mm-dd")))
                                : QJsonValue());
  return {{QStringLiteral("archive"), archivePath},
          {QStringLiteral("date"), Text(FormatDateTime(date, "yyyy-mm-dd"))},
          {QStringLiteral("skippedRecords"), static_cast<qint64>(report.skippedRecords)},
          {QStringLiteral("today"), Figures(Text(kTodayCaption), report.today)},
          {QStringLiteral("forecast"), Figures(Text(kForecastCaption), report.forecast)},
          {QStringLiteral("since"), since},
          {QStringLiteral("daily"), Rows(report.dailyRows)},
          {QStringLiteral("monthly"), Rows(report.monthlyRows)}};
}

}  // namespace kirv
