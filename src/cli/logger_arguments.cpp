#include "cli/logger_arguments.h"

#include <charconv>

namespace kirv {

namespace {

constexpr const char* kDataDir = "--data-dir";
constexpr const char* kPeriod = "--period-ms";
constexpr const char* kSeparator = "--decimal-separator";
constexpr const char* kMetricsDir = "--metrics-dir";
constexpr const char* kPlan = "--plan";  // then PlanControls' values but "on", in order
constexpr std::size_t kPlanValues = 8;
constexpr const char* kInterfaces = "--";

bool ParseNumber(const std::string& text, std::int32_t& n) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), n);
  return error == std::errc() && end == text.data() + text.size();
}

std::optional<PlanControls> ParsePlan(const std::vector<std::string>& v) {
  PlanControls plan;
  plan.on = true;
  plan.limit = v[0];
  plan.firstDay = v[4];
  plan.interfaces = v[7];
  if (!ParseNumber(v[1], plan.period) || !ParseNumber(v[2], plan.startDay) ||
      !ParseNumber(v[3], plan.everyDays) || !ParseNumber(v[5], plan.count) ||
      !ParseNumber(v[6], plan.warning)) {
    return std::nullopt;
  }
  return plan;
}

}  // namespace

std::vector<std::string> LoggerArguments::ToArguments() const {
  std::vector<std::string> arguments = {kDataDir,   dataFolder,
                                        kPeriod,    std::to_string(periodMs),
                                        kSeparator, std::string(1, decimalSeparator)};
  if (!metricsDir.empty()) arguments.insert(arguments.end(), {kMetricsDir, metricsDir});
  if (plan) {
    arguments.insert(
        arguments.end(),
        {kPlan, plan->limit, std::to_string(plan->period), std::to_string(plan->startDay),
         std::to_string(plan->everyDays), plan->firstDay, std::to_string(plan->count),
         std::to_string(plan->warning), plan->interfaces});
  }
  arguments.push_back(kInterfaces);
  arguments.insert(arguments.end(), interfaces.begin(), interfaces.end());
  return arguments;
}

std::optional<LoggerArguments> LoggerArguments::Parse(const std::vector<std::string>& given) {
  // The optional parts are taken out first, so the rest has the fixed shape.
  std::vector<std::string> arguments = given;
  std::string metricsDir;
  if (arguments.size() > 8 && arguments[6] == kMetricsDir) {
    metricsDir = arguments[7];
    if (metricsDir.empty()) return std::nullopt;
    arguments.erase(arguments.begin() + 6, arguments.begin() + 8);
  }
  std::optional<PlanControls> plan;
  if (arguments.size() > 7 + kPlanValues && arguments[6] == kPlan) {
    plan = ParsePlan({arguments.begin() + 7, arguments.begin() + 7 + kPlanValues});
    if (!plan) return std::nullopt;
    arguments.erase(arguments.begin() + 6, arguments.begin() + 7 + kPlanValues);
  }
  if (arguments.size() < 7 || arguments[0] != kDataDir || arguments[2] != kPeriod ||
      arguments[4] != kSeparator || arguments[6] != kInterfaces) {
    return std::nullopt;
  }
  LoggerArguments parsed;
  parsed.dataFolder = arguments[1];
  const std::string& period = arguments[3];
  const auto [end, error] =
      std::from_chars(period.data(), period.data() + period.size(), parsed.periodMs);
  if (error != std::errc() || end != period.data() + period.size() || parsed.periodMs < 1 ||
      parsed.dataFolder.empty() || arguments[5].size() != 1) {
    return std::nullopt;
  }
  parsed.decimalSeparator = arguments[5][0];
  parsed.interfaces.assign(arguments.begin() + 7, arguments.end());
  parsed.metricsDir = metricsDir;
  parsed.plan = plan;
  return parsed;
}

}  // namespace kirv
