#pragma once

#include <string_view>

namespace kirv {

// The line and a line break on standard error, at once: the diagnostics of a running program.
void WriteToStandardError(std::string_view line);

}  // namespace kirv
