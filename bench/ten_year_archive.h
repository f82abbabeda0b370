#pragma once

// A generated archive for the benchmarks: one record every five minutes from midnight of the
// first day up to (not including) the end instant, with pseudo-random counts below the given
// bounds. Written into /tmp once under a name that says what it holds, and reused afterwards.

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "archive/record.h"
#include "common/calendar.h"

namespace kirv::bench {

struct ArchiveShape {
  DateTime first;  // day of the oldest record
  DateTime end;    // records stop before this instant
  std::uint64_t maxIn = 4000000;
  std::uint64_t maxOut = 400000;
};

inline std::string GeneratedArchive(const std::string& name, const ArchiveShape& shape) {
  const std::string path = "/tmp/kirv-bench-" + name + ".mdf";
  if (std::filesystem::exists(path)) return path;
  const std::string partial = path + ".partial";
  std::ofstream out(partial, std::ios::binary);
  std::uint64_t seed = 12345;
  const std::int64_t last = MillisecondsOf(shape.end);
  for (std::int64_t day = DayNumber(shape.first.year, shape.first.month, shape.first.day);; ++day) {
    DateTime t = FromDayNumber(day);
    for (int slot = 0; slot < 288; ++slot) {
      t.hour = slot / 12;
      t.minute = slot % 12 * 5;
      if (MillisecondsOf(t) >= last) {
        out.close();
        std::filesystem::rename(partial, path);
        return path;
      }
      seed = seed * 6364136223846793005ULL + 1442695040888963407ULL;
      out << FormatRecord(t, 1 + (seed >> 33) % shape.maxIn, 1 + (seed >> 45) % shape.maxOut);
    }
  }
}

}  // namespace kirv::bench
