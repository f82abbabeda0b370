#include "cli/logger_arguments.h"

#include <charconv>

namespace kirv {

namespace {

constexpr const char* kDataDir = "--data-dir";
constexpr const char* kPeriod = "--period-ms";
constexpr const char* kSeparator = "--decimal-separator";
constexpr const char* kMetricsDir = "--metrics-dir";
constexpr const char* kInterfaces = "--";

}  // namespace

std::vector<std::string> LoggerArguments::ToArguments() const {
  std::vector<std::string> arguments = {kDataDir,   dataFolder,
                                        kPeriod,    std::to_string(periodMs),
                                        kSeparator, std::string(1, decimalSeparator)};
  if (!metricsDir.empty()) arguments.insert(arguments.end(), {kMetricsDir, metricsDir});
  arguments.push_back(kInterfaces);
  arguments.insert(arguments.end(), interfaces.begin(), interfaces.end());
  return arguments;
}

std::optional<LoggerArguments> LoggerArguments::Parse(const std::vector<std::string>& arguments) {
  const bool hasMetrics = arguments.size() > 8 && arguments[6] == kMetricsDir;
  const std::size_t dashes = hasMetrics ? 8 : 6;
  if (arguments.size() <= dashes || arguments[0] != kDataDir || arguments[2] != kPeriod ||
      arguments[4] != kSeparator || arguments[dashes] != kInterfaces ||
      (hasMetrics && arguments[7].empty())) {
    return std::nullopt;
  }
  LoggerArguments parsed;
  if (hasMetrics) parsed.metricsDir = arguments[7];
  parsed.dataFolder = arguments[1];
  const std::string& period = arguments[3];
  const auto [end, error] =
      std::from_chars(period.data(), period.data() + period.size(), parsed.periodMs);
  if (error != std::errc() || end != period.data() + period.size() || parsed.periodMs < 1 ||
      parsed.dataFolder.empty() || arguments[5].size() != 1) {
    return std::nullopt;
  }
  parsed.decimalSeparator = arguments[5][0];
  parsed.interfaces.assign(arguments.begin() + dashes + 1, arguments.end());
  return parsed;
}

}  // namespace kirv
