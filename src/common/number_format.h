#pragma once

#include <string>

#include "common/texts.h"

namespace kirv {

// How numbers and their units are written for display. The windows and commands fill it from the
// system locale and the program's translations; nothing in the core reads a locale.
struct NumberFormat {
  char decimalSeparator = '.';
  const TextCatalogue* texts = nullptr;  // unit names and captions; null keeps the French source

  // A shown text marked with KIRV_TEXT, in the user's language.
  std::string Text(const char* source) const { return Translated(texts, source); }
};

// General floating-point format: at most 15 significant digits, no trailing zeros, exponent form
// ("1,5E20") only where the plain form would need more than 15 digits before the separator or the
// value is below 0.00001.
std::string FormatGeneral(double value, const NumberFormat& format);

// floor(x × 100 ÷ divisor) × 0.01: a value in a unit of the given divisor, cut to two decimals.
double CutTwoDecimals(double x, double divisor);

// The divisors of the unit steps used across the windows: 1, then kilo, mega and giga of 1024.
inline constexpr double kUnitDivisors[4] = {1.0, 1024.0, 1048576.0, 1073741824.0};

// The highest unit step (1 to maxStep) whose divisor either value strictly exceeds, or 0 when
// neither exceeds 1024: the caller then keeps the unit it had.
int UnitStepAbove(double a, double b, int maxStep = 3);

}  // namespace kirv
