#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>

#include "common/notifier.h"
#include "common/texts.h"

namespace kirv {

// The title of the message and of the notification of an archive that cannot be written.
inline constexpr const char* kLoggingErrorTitle =
    KIRV_TEXT("kirv", "Erreur dans le logging des statistiques");

// "path : reason", as the message and the notification say it.
std::string WriteProblemText(const std::string& path, const std::string& reason,
                             const TextCatalogue* texts);

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

// A desktop notification of each problem, one per archive, in the language of `texts`; nothing
// without a notifier.
WriteProblemSink NotifyingSink(Notifier* notifier, const TextCatalogue* texts);

}  // namespace kirv
