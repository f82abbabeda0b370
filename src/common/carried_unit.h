#pragma once

#include <array>
#include <string>

#include "common/number_format.h"

namespace kirv {

// The texts of one group's kilo, mega and giga steps ("Ko", "Mo", "Go"; " Ko", ...), French
// sources marked with KIRV_TEXT: the unit shows them in the language of its format.
using UnitTexts = std::array<const char*, 3>;

// A display unit handed from one group of figures to the next. A group in which either value
// strictly exceeds 1024 takes the divisor and text of its highest step passed; a group whose two
// values are both at most 1024 keeps the unit left by the group before it, text and all.
class CarriedUnit {
 public:
  CarriedUnit(std::string text, const NumberFormat& format)
      : text_(std::move(text)), format_(format) {}

  // `text` is shown as given, already in the user's language.
  // Chosen on the two values of a group (received and sent, never their sum).
  void Choose(double a, double b, const UnitTexts& texts);

  // floor(x × 100 ÷ divisor) × 0.01 in general format, the unit text right after it.
  std::string Format(double x) const;

  const std::string& Text() const { return text_; }
  double Divisor() const { return divisor_; }

 private:
  std::string text_;
  double divisor_ = 1.0;
  NumberFormat format_;
};

}  // namespace kirv
