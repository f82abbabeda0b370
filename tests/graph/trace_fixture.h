#pragma once

// Archives written into a fresh working directory, and the inputs of a trace as the graph window
// fills them at design size (600 × 200, "Journée", "Bits", "Gauche à Droite").

#include <fstream>
#include <string>
#include <vector>

#include "archive/record.h"
#include "archive/temp_directory.h"
#include "graph/trace_inputs.h"

namespace kirv::testing {

inline constexpr char kArchive[] = "Carte reseau.mdf";

// 20 April 2026, a Monday, at 10:00:00.
inline const DateTime kReference{2026, 4, 20};
inline const DateTime kTen{2026, 4, 20, 10, 0, 0};

inline std::string Line(const DateTime& t, std::uint64_t received, std::uint64_t sent) {
  return FormatRecord(t, received, sent);
}

// Lines given oldest first, as the logger appends them.
inline void WriteArchive(const std::vector<std::string>& lines) {
  std::ofstream out(kArchive, std::ios::binary);
  for (const std::string& line : lines) out << line;
}

inline TraceInputs Inputs(int period = kDay, DateTime reference = kReference, DateTime now = kTen,
                          bool leftToRight = true) {
  TraceInputs in;
  in.archivePath = kArchive;
  in.period = period;
  in.columnSpan = ColumnSpanOf(period);
  in.referenceDate = reference;
  in.now = now;
  in.leftToRight = leftToRight;
  return in;
}

}  // namespace kirv::testing
