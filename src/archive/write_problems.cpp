#include "archive/write_problems.h"

#include "common/texts.h"

namespace kirv {

bool WriteProblems::Failed(const std::string& path, const std::string& reason) {
  return told_[path].insert(reason).second;
}

void WriteProblems::Written(const std::string& path) { told_.erase(path); }

WriteProblemSink NotifyingSink(Notifier* notifier) {
  return [notifier](const std::string& path, const std::string& reason) {
    if (notifier == nullptr) return;
    // A file that cannot be written is a storage device's error rather than a transfer's.
    notifier->Notify({"archive:" + path,
                      KIRV_TEXT("kirv", "Erreur dans le logging des statistiques"),
                      path + " : " + reason, Urgency::kCritical, "device.error"});
  };
}

}  // namespace kirv
