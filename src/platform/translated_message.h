#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kirv {

// The message `source` of `context` in the user's language, its "%1" to "%9" replaced by the
// values' bytes as they are: paths and settings values need not be UTF-8, which QString::arg
// would not keep.
std::string TranslatedMessage(const char* context, const char* source,
                              std::initializer_list<std::string_view> values);

}  // namespace kirv
