#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>

#include "common/notifier.h"

namespace kirv {

// Told of an archive that cannot be written: its path and the system's reason.
using WriteProblemSink = std::function<void(const std::string& path, const std::string& reason)>;

// Which write failures are news: each archive's failure is told once per reason, until that
// archive is written again.
class WriteProblems {
 public:
  // True when `reason` was not yet told for `path` since its last successful write.
  bool Failed(const std::string& path, const std::string& reason);
  void Written(const std::string& path);

 private:
  std::map<std::string, std::set<std::string>> told_;  // reasons by archive path
};

// A desktop notification of each problem, one per archive; nothing without a notifier.
WriteProblemSink NotifyingSink(Notifier* notifier);

}  // namespace kirv
