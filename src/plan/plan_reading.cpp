#include "plan/plan_reading.h"

#include "totals/totals_computation.h"

namespace kirv {

ArchiveDays ReadArchiveDays(const std::string& archivePath) {
  ArchiveDays result;
  TotalsComputation totals;  // one per archive: nothing carried from another
  // The day given only sets the report's today and forecast, which are not used here.
  const TotalsReport report = *totals.Run(archivePath, DateTime{}, NumberFormat{});
  for (const TotalsRow& row : report.dailyRows) {
    if (row.day) result.days.push_back({*row.day, row.receivedOctets, row.sentOctets});
  }
  result.skippedRecords = report.skippedRecords;
  return result;
}

PlanReading ReadPlan(const DataPlan& plan, const std::vector<std::string>& archivePaths,
                     const DateTime& day) {
  std::vector<DayCounts> days;
  PlanReading reading;
  for (const std::string& path : archivePaths) {
    ArchiveDays archive = ReadArchiveDays(path);
    days.insert(days.end(), archive.days.begin(), archive.days.end());
    reading.skippedRecords += archive.skippedRecords;
  }
  reading.figures = ComputePlanFigures(plan, day, days);
  return reading;
}

std::vector<std::string> PlanArchivePaths(const DataPlan& plan, const std::string& dataFolder,
                                          const std::vector<std::string>& folderArchives) {
  if (plan.interfaces.empty()) return folderArchives;
  std::vector<std::string> paths;
  for (const std::string& name : plan.interfaces) paths.push_back(dataFolder + "/" + name + ".mdf");
  return paths;
}

}  // namespace kirv
