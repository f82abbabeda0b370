#pragma once

namespace kirv {

// The reverse-DNS id that names the desktop entry, the icon, the metainfo file and the
// start-with-the-session entry.
inline constexpr char kApplicationId[] = "org.kirv.kirv";

}  // namespace kirv
