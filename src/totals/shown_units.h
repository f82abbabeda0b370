#pragma once

#include <array>
#include <string>

#include "common/carried_unit.h"
#include "common/number_format.h"

namespace kirv {

// The units of the figure labels, as in "812 octets", "28,1Go".
inline constexpr UnitTexts kLabelUnits = {KIRV_TEXT("kirv", "Ko"), KIRV_TEXT("kirv", "Mo"),
                                          KIRV_TEXT("kirv", "Go")};

// The kilo, mega and giga texts of a group in the user's language, for CarriedUnit::Choose; they
// live as long as this object.
class ShownUnits {
 public:
  ShownUnits(const UnitTexts& texts, const NumberFormat& format) {
    for (std::size_t i = 0; i < texts.size(); ++i) {
      shown_[i] = format.Text(texts[i]);
      pointers_[i] = shown_[i].c_str();
    }
  }
  ShownUnits(const ShownUnits&) = delete;
  ShownUnits& operator=(const ShownUnits&) = delete;

  const UnitTexts& Texts() const { return pointers_; }

 private:
  std::array<std::string, 3> shown_;
  UnitTexts pointers_{};
};

}  // namespace kirv
