#include "common/standard_error.h"

#include <algorithm>
#include <cstdio>

namespace kirv {

namespace {

std::string& Prefix() {
  static std::string prefix = DiagnosticPrefix("kirv", nullptr);
  return prefix;
}

}  // namespace

std::string DiagnosticPrefix(std::string_view program, const TextCatalogue* texts) {
  // Both catalogues put the detail last.
  std::string prefix = Translated(texts, KIRV_TEXT("kirv", "%1 : %2"));
  prefix.erase(std::min(prefix.find("%2"), prefix.size()));
  if (const std::size_t name = prefix.find("%1"); name != std::string::npos) {
    prefix.replace(name, 2, program);
  }
  return prefix;
}

void NameDiagnostics(std::string_view program, const TextCatalogue* texts) {
  Prefix() = DiagnosticPrefix(program, texts);
}

// Through stdio rather than iostreams: a logger that runs all day need not set up the latter.
void WriteToStandardError(std::string_view line) {
  const std::string said = Prefix() + std::string(line) + '\n';
  std::fwrite(said.data(), 1, said.size(), stderr);
  std::fflush(stderr);
}

}  // namespace kirv
