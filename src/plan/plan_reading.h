#pragma once

// A plan's figures read from its archives.

#include <cstdint>
#include <string>
#include <vector>

#include "plan/data_plan.h"

namespace kirv {

// The day sums of one archive: its daily rows as the totals compute them (so the records are
// parsed, and unreadable ones skipped, exactly as the totals do), oldest or newest first alike.
struct ArchiveDays {
  std::vector<DayCounts> days;
  std::uint64_t skippedRecords = 0;  // the totals' skipped lines
};
// A file that cannot be read counts as an archive without records.
ArchiveDays ReadArchiveDays(const std::string& archivePath);

struct PlanReading {
  PlanFigures figures;
  std::uint64_t skippedRecords = 0;  // over every archive
};

// The figures of the plan on day T (as at the end of that day) over the given archives' records.
PlanReading ReadPlan(const DataPlan& plan, const std::vector<std::string>& archivePaths,
                     const DateTime& day);

// The archives a plan sums in a data folder: "<folder>/<interface>.mdf" for each of its
// interfaces, or, for a plan of every archive, the given list of the folder's archives.
std::vector<std::string> PlanArchivePaths(const DataPlan& plan, const std::string& dataFolder,
                                          const std::vector<std::string>& folderArchives);

}  // namespace kirv
