#include "common/colour.h"

#include <cstdio>

namespace kirv {

namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

Colour ColourFromText(const std::string& text) {
  if (text.empty()) return kBlack;
  std::uint64_t value = 0;
  for (char c : text) {
    const int digit = HexDigit(c);
    if (digit < 0) return kBlack;
    value = value * 16 + static_cast<unsigned>(digit);
    if (value > 0xFFFFFFFFu) return kBlack;
  }
  return static_cast<Colour>(value);
}

std::string ColourToText(Colour c) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(c));
  return buffer;
}

}  // namespace kirv
