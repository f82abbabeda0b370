#include "common/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

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

  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);  // 15 significant digits, rounded
  const char* e = std::strchr(buffer, 'e');
  const int exponent = std::atoi(e + 1);

  std::string text;
  if (exponent >= 15 || exponent < -5) {
    std::string mantissa(buffer, static_cast<std::size_t>(e - buffer));
    TrimZeros(mantissa);
    text = mantissa + "E" + std::to_string(exponent);
  } else {
    std::snprintf(buffer, sizeof buffer, "%.*f", 14 - exponent, value);
    text = buffer;
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
