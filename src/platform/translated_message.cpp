#include "platform/translated_message.h"

#include <QCoreApplication>

namespace kirv {

std::string TranslatedMessage(const char* context, const char* source,
                              std::initializer_list<std::string_view> values) {
  const std::string pattern = QCoreApplication::translate(context, source).toStdString();
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t n =
        i + 1 < pattern.size() ? static_cast<std::size_t>(pattern[i + 1] - '1') : values.size();
    if (pattern[i] == '%' && n < values.size()) {
      out += values.begin()[n];
      ++i;
    } else {
      out += pattern[i];
    }
  }
  return out;
}

}  // namespace kirv
