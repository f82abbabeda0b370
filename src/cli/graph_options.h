#pragma once

#include <QString>
#include <cstdint>
#include <optional>

namespace kirv {

// The period of --period: "day", "week", "month" or "year", as the "Graphique :" item index.
std::optional<int> ParsePeriod(const QString& text);

// The full scale of --scale: "auto" (the automatic scale of each trace), "manual:N" (N octets per
// second, 1 to 2147483647) or an item of the "Echelle :" list, by its text, the text's first word
// ("512kbps") or its index 0 to 6.
struct ScaleChoice {
  bool automatic = false;
  std::int64_t fullScale = 0;
  friend bool operator==(const ScaleChoice&, const ScaleChoice&) = default;
};
std::optional<ScaleChoice> ParseScale(const QString& text);

// The curve layer's width of --width: 1 to 1023 columns.
std::optional<int> ParseWidth(const QString& text);

}  // namespace kirv
