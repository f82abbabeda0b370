#include "cli/report_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <cstdint>
#include <vector>

#include "platform/qt_text.h"
#include "platform/translations.h"

namespace kirv {

namespace {

QJsonValue Octets(std::uint64_t octets) { return static_cast<qint64>(octets); }

QJsonObject Figures(const QString& caption, const TotalsFigures& f) {
  return {{QStringLiteral("caption"), caption},
          {QStringLiteral("received"), Text(f.received)},
          {QStringLiteral("sent"), Text(f.sent)},
          {QStringLiteral("both"), Text(f.both)},
          {QStringLiteral("receivedOctets"), Octets(f.receivedOctets)},
          {QStringLiteral("sentOctets"), Octets(f.sentOctets)},
          {QStringLiteral("bothOctets"), Octets(f.bothOctets)}};
}

QByteArray Compact(const QJsonObject& object) {
  return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// A JSON string as QJsonDocument writes it: printable ASCII other than the quote and the
// backslash as it is, anything else through Qt's escaping.
void AppendString(QByteArray& out, const std::string& text) {
  for (const char c : text) {
    if (c < 0x20 || c > 0x7e || c == '"' || c == '\\') {
      const QByteArray array = QJsonDocument(QJsonArray{Text(text)}).toJson(QJsonDocument::Compact);
      out.append(array.mid(1, array.size() - 2));  // without [ and ]
      return;
    }
  }
  out.append('"').append(text.data(), static_cast<qsizetype>(text.size())).append('"');
}

// The rows written directly (thousands of them in a long archive), key by key in the order
// QJsonDocument writes them.
void AppendRows(QByteArray& out, const std::vector<TotalsRow>& rows) {
  out.append('[');
  for (const TotalsRow& row : rows) {
    if (&row != rows.data()) out.append(',');
    out.append("{\"date\":");
    AppendString(out, row.date);
    out.append(",\"iso\":");
    if (row.date.empty()) {
      out.append("null");
    } else {
      AppendString(out, IsoDateOfKey(row.date));
    }
    out.append(",\"received\":");
    AppendString(out, row.received);
    out.append(",\"receivedOctets\":")
        .append(QByteArray::number(static_cast<qint64>(row.receivedOctets)));
    out.append(",\"sent\":");
    AppendString(out, row.sent);
    out.append(",\"sentOctets\":").append(QByteArray::number(static_cast<qint64>(row.sentOctets)));
    out.append(",\"total\":");
    AppendString(out, row.total);
    out.append(",\"totalOctets\":")
        .append(QByteArray::number(static_cast<qint64>(row.TotalOctets())));
    out.append('}');
  }
  out.append(']');
}

}  // namespace

QByteArray TotalsJsonText(const QString& archivePath, const DateTime& date,
                          const TotalsReport& report) {
  QJsonObject since = Figures(Text(report.sinceCaption), report.since);
  since.insert(QStringLiteral("firstDay"),
               report.oldestDay ? QJsonValue(Text(FormatDateTime(*report.oldestDay, "yyyy-mm-dd")))
                                : QJsonValue());
  // The keys in QJsonDocument's order: the small members through Qt, the rows directly.
  QByteArray out = "{\"archive\":";
  AppendString(out, archivePath.toStdString());
  out.append(",\"daily\":");
  AppendRows(out, report.dailyRows);
  out.append(",\"date\":");
  AppendString(out, FormatDateTime(date, "yyyy-mm-dd"));
  out.append(",\"forecast\":")
      .append(Compact(Figures(Text(ProgramTexts().Translate(kForecastCaption)), report.forecast)));
  out.append(",\"monthly\":");
  AppendRows(out, report.monthlyRows);
  out.append(",\"since\":").append(Compact(since));
  out.append(",\"skippedRecords\":")
      .append(QByteArray::number(static_cast<qint64>(report.skippedRecords)));
  out.append(",\"today\":")
      .append(Compact(Figures(Text(ProgramTexts().Translate(kTodayCaption)), report.today)));
  out.append('}');
  return out;
}

QJsonObject TotalsJson(const QString& archivePath, const DateTime& date,
                       const TotalsReport& report) {
  return QJsonDocument::fromJson(TotalsJsonText(archivePath, date, report)).object();
}

}  // namespace kirv
