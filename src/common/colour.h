#pragma once

#include <cstdint>
#include <string>

namespace kirv {

// A colour value in the platform order 0x00BBGGRR: the low byte is red, the third byte blue.
using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kWhite = 0xFFFFFF;

constexpr std::uint8_t RedOf(Colour c) { return c & 0xFF; }
constexpr std::uint8_t GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(Colour c) { return (c >> 16) & 0xFF; }
constexpr Colour MakeColour(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
  return Colour(r) | (Colour(g) << 8) | (Colour(b) << 16);
}

// Colour text: hexadecimal digits read as "0x" + text ("FF0000" is blue). Text that does not
// convert to a 32-bit value gives black.
Colour ColourFromText(const std::string& text);

// Back to text: upper-case hexadecimal, at least six digits.
std::string ColourToText(Colour c);

}  // namespace kirv
