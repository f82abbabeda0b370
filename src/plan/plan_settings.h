#pragma once

// The plan that the settings hold, and the sizes people type for a limit.

#include <cstdint>
#include <optional>
#include <string_view>

#include "config/settings_schema.h"
#include "plan/data_plan.h"

namespace kirv {

// The plan of the settings' values, whether it is on or not; none when a value does not hold
// (a limit that is not octets, a first day that is not a date, a plan of every N days without a
// first day, an item index out of its list). Numbers are held to their bounds.
std::optional<DataPlan> PlanOfControls(const PlanControls& controls);

// A size as people write a plan's limit: a decimal number ("30", "1.5" or "1,5"), an optional
// space, then an optional unit: "K", "M", "G", "T" of 1024 (the program's units, "Ko", "Mo",
// "Go"), "KB", "MB", "GB", "TB" of 1000 (as providers sell), any case. Without a unit, octets.
// Fractions of an octet are dropped; none when the text is not such a size or is not 1 to 2^63 - 1
// octets.
std::optional<std::uint64_t> ParsePlanSize(std::string_view text);

}  // namespace kirv
