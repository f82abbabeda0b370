#pragma once

#include <string>
#include <string_view>

#include "common/texts.h"

namespace kirv {

// What stands before every diagnostic: the program as the user typed it ("kirv", "kirv log"),
// joined to the line as the catalogue joins a label to its detail ("kirv : " in French,
// "kirv: " in English).
std::string DiagnosticPrefix(std::string_view program, const TextCatalogue* texts);

// Names the program in every diagnostic from here on; until then "kirv : ". Called once at start,
// before any other thread.
void NameDiagnostics(std::string_view program, const TextCatalogue* texts);

// The prefix, the line and a line break on standard error, at once: the diagnostics of a running
// program.
void WriteToStandardError(std::string_view line);

}  // namespace kirv
