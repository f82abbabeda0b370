#pragma once

#include <map>
#include <string>
#include <utility>

#include "common/texts.h"

namespace kirv::testing {

// A catalogue of a few English texts; any other text stays its French source.
class FakeTextCatalogue final : public TextCatalogue {
 public:
  explicit FakeTextCatalogue(std::map<std::string, std::string> texts) : texts_(std::move(texts)) {}

  std::string Translate(const char* source) const override {
    const auto found = texts_.find(source);
    return found != texts_.end() ? found->second : std::string(source);
  }

 private:
  std::map<std::string, std::string> texts_;
};

}  // namespace kirv::testing
