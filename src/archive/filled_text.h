#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kirv {

// `text` with each "%1" to "%9" replaced by the value of that number, in one pass: a value that
// holds a marker keeps it. A marker without a value stays as it is. A translated message may put
// the values in another order than its source.
inline std::string FilledText(std::string_view text,
                              std::initializer_list<std::string_view> values) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t number =
        i + 1 < text.size() ? static_cast<std::size_t>(text[i + 1] - '0') : 0;
    if (text[i] == '%' && number >= 1 && number <= 9 && number <= values.size()) {
      out += values.begin()[number - 1];
      ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace kirv
