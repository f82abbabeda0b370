#pragma once

#include <map>
#include <string>
#include <utility>

#include "common/texts.h"

namespace kirv::testing {

// A catalogue of a few translated texts; any other text stays its French source.
struct FakeTextCatalogue final : TextCatalogue {
  explicit FakeTextCatalogue(std::map<std::string, std::string> t) : texts(std::move(t)) {}
  std::map<std::string, std::string> texts;

  std::string Translate(const char* source) const override {
    const auto found = texts.find(source);
    return found != texts.end() ? found->second : std::string(source);
  }
};

}  // namespace kirv::testing
