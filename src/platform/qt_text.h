#pragma once

// The core's UTF-8 texts as the windows and commands show them.

#include <QString>
#include <string>

namespace kirv {

inline QString Text(const std::string& text) { return QString::fromStdString(text); }
inline QString Text(const char* text) { return QString::fromUtf8(text); }

}  // namespace kirv
