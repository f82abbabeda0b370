#pragma once

// Readable names for the cases of parameterised tests, so that test lists and ctest show what a
// case holds rather than its bytes.

#include <cctype>
#include <initializer_list>
#include <string>
#include <string_view>

namespace kirv::testing {

// The parts joined by "_": letters and digits kept, a minus sign read "Minus", every other run of
// characters one "_" ("/opt/a$b/kirv", "-1", "2026-04-20" give "opt_a_b_kirv", "Minus1",
// "2026_04_20").
inline std::string CaseName(std::initializer_list<std::string_view> parts) {
  std::string name;
  for (std::string_view part : parts) {
    for (std::size_t i = 0; i < part.size(); ++i) {
      const auto c = static_cast<unsigned char>(part[i]);
      if (std::isalnum(c)) {
        name += static_cast<char>(c);
      } else if (c == '-' && (i == 0 || !std::isalnum(static_cast<unsigned char>(part[i - 1]))) &&
                 i + 1 < part.size() && std::isdigit(static_cast<unsigned char>(part[i + 1]))) {
        name += "Minus";
      } else if (!name.empty() && name.back() != '_') {
        name += '_';
      }
    }
    if (!name.empty() && name.back() != '_') name += '_';
  }
  while (!name.empty() && name.back() == '_') name.pop_back();
  return name.empty() ? "Empty" : name;
}

// Every character that is not a letter or a digit spelled out, for cases that differ by their
// punctuation ("+-3", "  42", "\r" give "PlusMinus3", "SpaceSpace42", "Code13").
inline std::string SpelledName(std::string_view text) {
  constexpr std::string_view kSigns = " +-.,/!:=";
  constexpr std::string_view kWords[] = {"Space", "Plus", "Minus", "Point", "Comma",
                                         "Slash", "Bang", "Colon", "Equals"};
  std::string name;
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (std::isalnum(c)) {
      name += ch;
    } else if (const std::size_t sign = kSigns.find(ch); sign != std::string_view::npos) {
      name += kWords[sign];
    } else {
      name += "Code" + std::to_string(c);
    }
  }
  return name.empty() ? "Empty" : name;
}

}  // namespace kirv::testing
