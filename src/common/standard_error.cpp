#include "common/standard_error.h"

#include <cstdio>

namespace kirv {

// Through stdio rather than iostreams: a logger that runs all day need not set up the latter.
void WriteToStandardError(std::string_view line) {
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fputc('\n', stderr);
  std::fflush(stderr);
}

}  // namespace kirv
