#include "cli/graph_options.h"

#include <QStringList>

#include "config/speed_scale_table.h"
#include "graph/period_table.h"
#include "graph/trace_inputs.h"

namespace kirv {

namespace {

constexpr int kFixedScales = 7;  // the items before "Automatique"

std::optional<std::int64_t> Number(const QString& text, std::int64_t min, std::int64_t max) {
  bool ok = false;
  const qlonglong value = text.toLongLong(&ok);
  if (!ok || value < min || value > max) return std::nullopt;
  return value;
}

}  // namespace

std::optional<int> ParsePeriod(const QString& text) {
  const QStringList names = {QStringLiteral("day"), QStringLiteral("week"), QStringLiteral("month"),
                             QStringLiteral("year")};
  const auto index = static_cast<int>(names.indexOf(text.trimmed().toLower()));
  if (index < 0) return std::nullopt;
  constexpr int kPeriods[] = {kDay, kWeek, kMonth, kYear};
  return kPeriods[index];
}

std::optional<ScaleChoice> ParseScale(const QString& raw) {
  const QString text = raw.trimmed();
  if (text.compare(QStringLiteral("auto"), Qt::CaseInsensitive) == 0) {
    return ScaleChoice{true, 0};
  }
  const QString manual = QStringLiteral("manual:");
  if (text.startsWith(manual, Qt::CaseInsensitive)) {
    const std::optional<std::int64_t> v =
        Number(text.mid(manual.size()), kMinFullScale, kMaxFullScale);
    if (!v) return std::nullopt;
    return ScaleChoice{false, *v};
  }
  if (const std::optional<std::int64_t> item = Number(text, 0, kFixedScales - 1)) {
    return ScaleChoice{false, kSpeedScales[static_cast<std::size_t>(*item)].fullScale};
  }
  for (int i = 0; i < kFixedScales; ++i) {
    const QString item = QString::fromUtf8(kSpeedScales[static_cast<std::size_t>(i)].text);
    if (text.compare(item, Qt::CaseInsensitive) == 0 ||
        text.compare(item.section(QLatin1Char(' '), 0, 0), Qt::CaseInsensitive) == 0) {
      return ScaleChoice{false, kSpeedScales[static_cast<std::size_t>(i)].fullScale};
    }
  }
  return std::nullopt;
}

std::optional<int> ParseWidth(const QString& text) {
  const std::optional<std::int64_t> width = Number(text.trimmed(), 1, 1023);
  if (!width) return std::nullopt;
  return static_cast<int>(*width);
}

}  // namespace kirv
