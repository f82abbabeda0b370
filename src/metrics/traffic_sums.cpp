#include "metrics/traffic_sums.h"

#include <algorithm>
#include <string_view>

#include "archive/record.h"
#include "archive/record_scanner.h"
#include "plan/plan_reading.h"

namespace kirv {

namespace {

// The newest record the totals count: one with a sent count and a valid date.
std::optional<DateTime> NewestRecord(const std::string& archivePath) {
  RecordScanner scanner(archivePath);
  std::string_view text;
  while (scanner.Next(text)) {
    bool hasSentCount = false;
    const ArchiveRecord record = ParseRecord(text, hasSentCount);
    const DateTime& t = record.time;
    if (hasSentCount && IsValidDate(t.year, t.month, t.day)) return t;
  }
  return std::nullopt;
}

bool Later(const DateTime& a, const DateTime& b) { return MillisecondsOf(a) > MillisecondsOf(b); }

}  // namespace

void TrafficSums::AddDay(Device& device, const DayCounts& counts) {
  const DateTime& d = counts.day;
  DayCounts& day = device.days[DayNumber(d.year, d.month, d.day)];
  day.day = {d.year, d.month, d.day};
  day.received = SaturatingSum(day.received, counts.received);
  day.sent = SaturatingSum(day.sent, counts.sent);
}

void TrafficSums::Load(const std::string& device, const std::string& archivePath) {
  Device& d = devices_[device];
  d = {};
  for (const DayCounts& counts : ReadArchiveDays(archivePath).days) AddDay(d, counts);
  d.newest = NewestRecord(archivePath);
}

void TrafficSums::Add(const std::string& device, const DateTime& time, std::uint64_t received,
                      std::uint64_t sent) {
  Device& d = devices_[device];
  AddDay(d, {time, received, sent});
  if (!d.newest || Later(time, *d.newest)) d.newest = time;
}

std::vector<DeviceMetrics> TrafficSums::Devices(const std::vector<std::string>& devices,
                                                const DateTime& now) const {
  const std::int64_t today = DayNumber(now.year, now.month, now.day);
  std::vector<DeviceMetrics> out;
  for (const std::string& name : devices) {
    DeviceMetrics& m = out.emplace_back();
    m.device = name;
    const auto found = devices_.find(name);
    if (found == devices_.end()) continue;
    for (const auto& [number, day] : found->second.days) {
      m.receivedTotal = SaturatingSum(m.receivedTotal, day.received);
      m.sentTotal = SaturatingSum(m.sentTotal, day.sent);
      if (day.day.year == now.year && day.day.month == now.month) {
        m.monthReceived = SaturatingSum(m.monthReceived, day.received);
        m.monthSent = SaturatingSum(m.monthSent, day.sent);
      }
      if (number == today) {
        m.dayReceived = day.received;
        m.daySent = day.sent;
      }
    }
    if (found->second.newest) m.lastRecord = UnixSecondsOfLocal(*found->second.newest);
  }
  return out;
}

PlanMetrics TrafficSums::Plan(const DataPlan& plan, const std::vector<std::string>& devices,
                              const DateTime& now) const {
  std::vector<DayCounts> days;
  for (const auto& [name, device] : devices_) {
    if (!devices.empty() && std::find(devices.begin(), devices.end(), name) == devices.end()) {
      continue;
    }
    for (const auto& [number, day] : device.days) days.push_back(day);
  }
  PlanMetrics m;
  m.count = plan.count;
  m.figures = ComputePlanFigures(plan, {now.year, now.month, now.day}, days);
  m.periodEnd = UnixSecondsOfLocal(AddDays(m.figures.period.lastDay, 1));
  return m;
}

}  // namespace kirv
