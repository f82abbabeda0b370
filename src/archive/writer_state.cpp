#include "archive/writer_state.h"

#include <charconv>
#include <utility>

#include "archive/filled_text.h"

namespace kirv {

namespace {

constexpr std::string_view kHeader = "KIRV writer state 1";
constexpr std::string_view kBoot = "boot ";

// The next whole line of `text` from `at`, without its line end; none once the text is used up
// or when the last line has no line end (a torn write).
std::optional<std::string_view> NextLine(std::string_view text, std::size_t& at) {
  const std::size_t end = text.find('\n', at);
  if (end == std::string_view::npos) return std::nullopt;
  const std::string_view line = text.substr(at, end - at);
  at = end + 1;
  return line;
}

// A decimal number followed by one space, taken from the front of `rest`.
template <typename Number>
bool TakeNumber(std::string_view& rest, Number& value) {
  const char* end = rest.data() + rest.size();
  const auto [stop, error] = std::from_chars(rest.data(), end, value);
  if (error != std::errc() || stop == end || *stop != ' ') return false;
  rest.remove_prefix(static_cast<std::size_t>(stop - rest.data()) + 1);
  return true;
}

}  // namespace

std::string FormatWriterState(std::string_view bootId, const SavedBaselines& baselines) {
  std::string text = std::string(kHeader) + "\n" + std::string(kBoot) + std::string(bootId) + "\n";
  for (const auto& [name, baseline] : baselines) {
    if (baseline.index <= 0) continue;
    text += std::to_string(baseline.index) + " " + std::to_string(baseline.in) + " " +
            std::to_string(baseline.out) + " " + name + "\n";
  }
  return text;
}

ParsedWriterState ParseWriterState(std::string_view text, std::string_view bootId,
                                   const TextCatalogue* texts) {
  std::size_t at = 0;
  const std::optional<std::string_view> header = NextLine(text, at);
  const std::optional<std::string_view> boot = NextLine(text, at);
  if (header != kHeader || !boot || !boot->starts_with(kBoot)) {
    return {std::nullopt,
            Translated(texts, KIRV_TEXT("kirv", "ce n'est pas un état d'écriture de KIRV"))};
  }
  SavedBaselines baselines;
  while (const std::optional<std::string_view> line = NextLine(text, at)) {
    std::string_view rest = *line;
    StatisticsLogger::Baseline baseline;
    if (!TakeNumber(rest, baseline.index) || baseline.index <= 0 ||
        !TakeNumber(rest, baseline.in) || !TakeNumber(rest, baseline.out) || rest.empty() ||
        !baselines.emplace(std::string(rest), baseline).second) {
      return {std::nullopt,
              FilledText(Translated(texts, KIRV_TEXT("kirv", "ligne illisible : %1")), {*line})};
    }
  }
  if (at != text.size()) {
    return {std::nullopt, Translated(texts, KIRV_TEXT("kirv", "la dernière ligne est incomplète"))};
  }
  if (bootId.empty() || boot->substr(kBoot.size()) != bootId) return {SavedBaselines{}, ""};
  return {std::move(baselines), ""};
}

}  // namespace kirv
