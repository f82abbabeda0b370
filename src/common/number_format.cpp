#include "common/number_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kirv {

namespace {

// Drops the zeros after the last significant decimal digit, and the point itself if bare.
void TrimZeros(std::string& digits) {
  const auto point = digits.find('.');
  if (point == std::string::npos) return;
  auto end = digits.find_last_not_of('0');
  if (end == point) --end;
  digits.erase(end + 1);
}

}  // namespace

std::string FormatGeneral(double value, const NumberFormat& format) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value > 0 ? "INF" : "-INF";
  if (value == 0.0) return "0";

  // 15 significant digits, rounded as printf rounds them, without its locale and its cost.
  char buffer[64];
  char* end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
  const char* e = std::find(buffer, end, 'e');
  int exponent = 0;
  std::from_chars(e + (e[1] == '+' ? 2 : 1), end, exponent);

  std::string text;
  if (exponent >= 15 || exponent < -5) {
    std::string mantissa(buffer, static_cast<std::size_t>(e - buffer));
    TrimZeros(mantissa);
    text = mantissa + "E" + std::to_string(exponent);
  } else {
    end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed,
                        14 - exponent)
              .ptr;
    text.assign(buffer, end);
    TrimZeros(text);
  }
  for (char& c : text) {
    if (c == '.') c = format.decimalSeparator;
  }
  return text;
}

double CutTwoDecimals(double x, double divisor) { return std::floor(x * 100.0 / divisor) * 0.01; }

int UnitStepAbove(double a, double b, int maxStep) {
  int step = 0;
  for (int s = 1; s <= maxStep; ++s) {
    if (a > kUnitDivisors[s] || b > kUnitDivisors[s]) step = s;
  }
  return step;
}

}  // namespace kirv
