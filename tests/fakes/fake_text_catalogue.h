#pragma once

#include <map>
#include <string>

#include "common/texts.h"

namespace kirv::testing {

// A catalogue of a few texts; any other text is its source.
struct FakeTextCatalogue final : TextCatalogue {
  explicit FakeTextCatalogue(std::map<std::string, std::string> t) : texts(std::move(t)) {}
  std::string Translate(const char* source) const override {
    const auto it = texts.find(source);
    return it == texts.end() ? std::string(source) : it->second;
  }
  std::map<std::string, std::string> texts;
};

}  // namespace kirv::testing
