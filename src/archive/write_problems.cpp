#include "archive/write_problems.h"

#include "archive/filled_text.h"

namespace kirv {

bool WriteProblems::Failed(const std::string& path, const std::string& reason) {
  return told_[path].insert(reason).second;
}

void WriteProblems::Written(const std::string& path) { told_.erase(path); }

std::string WriteProblemText(const std::string& path, const std::string& reason,
                             const TextCatalogue* texts) {
  return FilledText(Translated(texts, KIRV_TEXT("kirv", "%1 : %2")), {path, reason});
}

WriteProblemSink NotifyingSink(Notifier* notifier, const TextCatalogue* texts) {
  return [notifier, texts](const std::string& path, const std::string& reason) {
    if (notifier == nullptr) return;
    // A file that cannot be written is a storage device's error rather than a transfer's.
    notifier->Notify({"archive:" + path, Translated(texts, kLoggingErrorTitle),
                      WriteProblemText(path, reason, texts), Urgency::kCritical, "device.error"});
  };
}

}  // namespace kirv
