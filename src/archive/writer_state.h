#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "archive/statistics_logger.h"
#include "common/texts.h"

namespace kirv {

using SavedBaselines = std::map<std::string, StatisticsLogger::Baseline>;

// What the writer of a data folder leaves beside its lock for the next one: the boot it ran in
// and, per interface name, the counters of its last record. As text:
//   "KIRV writer state 1", "boot <boot id>", then "<index> <received> <sent> <name>" per line.
std::string FormatWriterState(std::string_view bootId, const SavedBaselines& baselines);

struct ParsedWriterState {
  std::optional<SavedBaselines> baselines;  // none when the text is not such a state
  std::string error;                        // why not, in the language of the catalogue
};

// The saved baselines when the state was written in this boot (`bootId`, never an empty one),
// none at all after another boot: counters start again at every boot. Without a catalogue the
// error is in French.
ParsedWriterState ParseWriterState(std::string_view text, std::string_view bootId,
                                   const TextCatalogue* texts = nullptr);

}  // namespace kirv
