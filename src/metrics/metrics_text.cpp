#include "metrics/metrics_text.h"

#include <algorithm>
#include <charconv>
#include <ctime>

namespace kirv {

namespace {

void Family(std::string& out, std::string_view name, std::string_view type, std::string_view help) {
  out.append("# HELP ").append(name).append(" ").append(help).append("\n");
  out.append("# TYPE ").append(name).append(" ").append(type).append("\n");
}

void Sample(std::string& out, std::string_view name, std::string_view label, std::string_view value,
            std::string_view number) {
  out.append(name).append("{").append(label).append("=\"").append(EscapedLabelValue(value));
  out.append("\"} ").append(number).append("\n");
}

template <typename Value>
void DeviceFamily(std::string& out, const std::vector<DeviceMetrics>& devices,
                  std::string_view name, std::string_view type, std::string_view help,
                  Value value) {
  Family(out, name, type, help);
  for (const DeviceMetrics& d : devices) {
    if (const std::optional<std::int64_t> v = value(d)) {
      Sample(out, name, "device", d.device, std::to_string(*v));
    }
  }
}

std::optional<std::int64_t> Count(std::uint64_t octets) {
  return static_cast<std::int64_t>(octets);  // at most kLargestCount
}

std::string Ratio(const PlanFigures& f) {
  const double ratio = std::min(
      1.0, static_cast<double>(f.used) / static_cast<double>(std::max<std::uint64_t>(f.limit, 1)));
  char text[32];
  const auto end = std::to_chars(text, text + sizeof text, ratio).ptr;
  return std::string(text, end);
}

}  // namespace

std::string EscapedLabelValue(std::string_view value) {
  std::string out;
  for (const char c : value) {
    if (c == '\\') {
      out += "\\\\";
    } else if (c == '"') {
      out += "\\\"";
    } else if (c == '\n') {
      out += "\\n";
    } else {
      out += c;
    }
  }
  return out;
}

std::int64_t UnixSecondsOfLocal(const DateTime& time) {
  std::tm t{};
  t.tm_year = time.year - 1900;
  t.tm_mon = time.month - 1;
  t.tm_mday = time.day;
  t.tm_hour = time.hour;
  t.tm_min = time.minute;
  t.tm_sec = time.second;
  t.tm_isdst = -1;  // as the zone has it on that day
  return static_cast<std::int64_t>(std::mktime(&t));
}

std::string MetricsText(const std::vector<DeviceMetrics>& devices,
                        const std::optional<PlanMetrics>& plan, std::string_view version) {
  std::string out;
  DeviceFamily(out, devices, "kirv_receive_bytes_total", "counter",
               "Octets received since the archive's first record.",
               [](const DeviceMetrics& d) { return Count(d.receivedTotal); });
  DeviceFamily(out, devices, "kirv_transmit_bytes_total", "counter",
               "Octets sent since the archive's first record.",
               [](const DeviceMetrics& d) { return Count(d.sentTotal); });
  DeviceFamily(out, devices, "kirv_day_receive_bytes", "gauge", "Octets received today.",
               [](const DeviceMetrics& d) { return Count(d.dayReceived); });
  DeviceFamily(out, devices, "kirv_day_transmit_bytes", "gauge", "Octets sent today.",
               [](const DeviceMetrics& d) { return Count(d.daySent); });
  DeviceFamily(out, devices, "kirv_month_receive_bytes", "gauge",
               "Octets received this calendar month.",
               [](const DeviceMetrics& d) { return Count(d.monthReceived); });
  DeviceFamily(out, devices, "kirv_month_transmit_bytes", "gauge",
               "Octets sent this calendar month.",
               [](const DeviceMetrics& d) { return Count(d.monthSent); });
  DeviceFamily(out, devices, "kirv_last_record_timestamp_seconds", "gauge",
               "Unix time of the archive's newest record.",
               [](const DeviceMetrics& d) { return d.lastRecord; });
  if (plan) {
    const PlanFigures& f = plan->figures;
    const std::string count = PlanCountName(plan->count);
    const auto planFamily = [&](std::string_view name, std::string_view help,
                                const std::string& value) {
      Family(out, name, "gauge", help);
      Sample(out, name, "count", count, value);
    };
    planFamily("kirv_plan_limit_bytes", "Octets the data plan allows over its period.",
               std::to_string(f.limit));
    planFamily("kirv_plan_used_bytes", "Octets counted in the period so far.",
               std::to_string(f.used));
    planFamily("kirv_plan_estimate_bytes", "The period's octets at the daily rate so far.",
               std::to_string(f.estimate));
    planFamily("kirv_plan_allowance_today_bytes", "Octets today may take.",
               std::to_string(f.allowanceToday));
    planFamily("kirv_plan_used_ratio", "Used octets over the limit, 0 to 1.", Ratio(f));
    planFamily("kirv_plan_level", "0 ok, 1 warning threshold reached, 2 limit reached.",
               std::to_string(static_cast<int>(f.level)));
    planFamily("kirv_plan_period_end_timestamp_seconds",
               "Unix time of the end of the period's last day.", std::to_string(plan->periodEnd));
  }
  Family(out, "kirv_build_info", "gauge", "The version of KIRV that writes this file.");
  Sample(out, "kirv_build_info", "version", version, "1");
  return out;
}

}  // namespace kirv
