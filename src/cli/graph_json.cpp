#include "cli/graph_json.h"

#include <QJsonArray>
#include <QString>

#include "common/calendar.h"
#include "graph/period_table.h"

namespace kirv {

namespace {

QString Text(const std::string& text) { return QString::fromStdString(text); }

QJsonValue Octets(std::uint64_t octets) { return static_cast<qint64>(octets); }

QJsonObject Statistic(const std::string& text) {
  const StatisticFigure figure = ReadStatistic(text);
  return {{QStringLiteral("text"), Text(text)},
          {QStringLiteral("value"), figure.value},
          {QStringLiteral("percent"), figure.percent}};
}

QJsonObject Pair(const std::string& received, const std::string& sent) {
  return {{QStringLiteral("received"), Statistic(received)},
          {QStringLiteral("sent"), Statistic(sent)}};
}

}  // namespace

StatisticFigure ReadStatistic(const std::string& text) {
  StatisticFigure figure;
  QString value = Text(text.substr(0, text.find_first_not_of("0123456789.,-E+")));
  figure.value = value.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
  const std::size_t open = text.rfind('(');
  if (open != std::string::npos) {
    figure.percent =
        QString::fromStdString(text.substr(open + 1)).section(QLatin1Char('%'), 0, 0).toInt();
  }
  return figure;
}

QJsonObject GraphJson(const TraceInputs& in, const TraceResult& result, const DisplayUnit& unit,
                      const ColumnTable& columns) {
  const char* const periods[] = {"day", "week", "month", "year"};
  const GraphStatistics& s = result.statistics;
  QJsonArray table;
  std::uint64_t received = 0;
  std::uint64_t sent = 0;
  for (int age = 0; age < in.width; ++age) {
    const ColumnEntry& c = columns[in.leftToRight ? age : in.width - age];
    received += c.received;
    sent += c.sent;
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
       QJsonObject{{QStringLiteral("current"), Pair(s.actueld, s.actuelu)},
                   {QStringLiteral("peak"), Pair(s.maxd, s.maxu)},
                   {QStringLiteral("average"), Pair(s.moyd, s.moyu)}}},
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
