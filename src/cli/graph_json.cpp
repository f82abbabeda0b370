#include "cli/graph_json.h"

#include <QJsonArray>
#include <QString>

#include "archive/record.h"
#include "common/calendar.h"
#include "graph/period_table.h"
#include "graph/trace_direction.h"
#include "platform/qt_text.h"

namespace kirv {

namespace {

QJsonValue Octets(std::uint64_t octets) { return static_cast<qint64>(octets); }

QJsonObject Statistic(const std::string& text, const StatisticFigure& figure) {
  return {{QStringLiteral("text"), Text(text)},
          {QStringLiteral("value"), figure.value},
          {QStringLiteral("percent"), figure.percent}};
}

QJsonObject Pair(const std::string& receivedText, const StatisticFigure& received,
                 const std::string& sentText, const StatisticFigure& sent) {
  return {{QStringLiteral("received"), Statistic(receivedText, received)},
          {QStringLiteral("sent"), Statistic(sentText, sent)}};
}

}  // namespace

QJsonObject GraphJson(const TraceInputs& in, const TraceResult& result, const DisplayUnit& unit,
                      const ColumnTable& columns) {
  const char* const periods[] = {"day", "week", "month", "year"};
  const GraphStatistics& s = result.statistics;
  const StatisticFigures f = ComputeStatisticFigures(columns, result.totals, in, unit);
  const TraceDirection direction = DirectionOf(in.leftToRight, in.width);
  QJsonArray table;
  std::uint64_t received = 0;
  std::uint64_t sent = 0;
  for (int age = 0; age < in.width; ++age) {
    const ColumnEntry& c = columns[direction.IndexOfAge(age, in.width)];
    received = SaturatingSum(received, c.received);
    sent = SaturatingSum(sent, c.sent);
    table.append(QJsonObject{{QStringLiteral("received"), Octets(c.received)},
                             {QStringLiteral("sent"), Octets(c.sent)},
                             {QStringLiteral("receivedPeak"), Octets(c.receivedPeak)},
                             {QStringLiteral("sentPeak"), Octets(c.sentPeak)}});
  }
  DateTime at = in.referenceDate;
  at.hour = in.now.hour;
  at.minute = in.now.minute;
  return {
      {QStringLiteral("archive"), Text(in.archivePath)},
      {QStringLiteral("period"), QString::fromLatin1(periods[in.period])},
      {QStringLiteral("at"), Text(FormatDateTime(at, "yyyy-mm-dd hh:nn"))},
      {QStringLiteral("width"), in.width},
      {QStringLiteral("height"), in.height},
      {QStringLiteral("unit"), in.octets ? QStringLiteral("octets") : QStringLiteral("bits")},
      {QStringLiteral("fullScale"), static_cast<qint64>(result.fullScale)},
      {QStringLiteral("unitPrefix"), Text(unit.prefix)},
      {QStringLiteral("divisor"), unit.divisor},
      {QStringLiteral("statistics"),
       QJsonObject{{QStringLiteral("current"), Pair(s.actueld, f.actueld, s.actuelu, f.actuelu)},
                   {QStringLiteral("peak"), Pair(s.maxd, f.maxd, s.maxu, f.maxu)},
                   {QStringLiteral("average"), Pair(s.moyd, f.moyd, s.moyu, f.moyu)}}},
      {QStringLiteral("peakRecord"),
       QJsonObject{{QStringLiteral("received"), Octets(result.totals.peakReceivedRecord)},
                   {QStringLiteral("sent"), Octets(result.totals.peakSentRecord)}}},
      {QStringLiteral("automaticScale"), Octets(result.totals.automaticScale)},
      {QStringLiteral("columns"), table},
      {QStringLiteral("sums"), QJsonObject{{QStringLiteral("received"), Octets(received)},
                                           {QStringLiteral("sent"), Octets(sent)}}},
  };
}

}  // namespace kirv
