// The interface name rule over any bytes a kernel description may hold: the name is the text
// before the first zero byte with the forbidden bytes taken out, every other byte kept in order,
// and naming a name changes nothing.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_input.h"
#include "sampling/interface_name.h"

KIRV_FUZZ_HARNESS_BEGIN

namespace {

constexpr std::string_view kForbidden{"/\\:*?<>|\x18\x01\0", 11};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view description(reinterpret_cast<const char*>(data), size);
  const std::string name = kirv::InterfaceName(description);

  KIRV_FUZZ_CHECK(name.find_first_of(kForbidden) == std::string::npos, name);
  const std::string_view before = description.substr(0, description.find('\0'));
  // Every byte of the name comes from the text before the zero, in the same order...
  auto from = before.begin();
  for (char c : name) {
    from = std::find(from, before.end(), c);
    KIRV_FUZZ_CHECK(from != before.end(), name);
    ++from;
  }
  // ...and no allowed byte is lost.
  std::array<std::size_t, 256> allowed{};
  for (char c : before) {
    if (kForbidden.find(c) == std::string_view::npos) ++allowed[static_cast<unsigned char>(c)];
  }
  for (char c : name) --allowed[static_cast<unsigned char>(c)];
  KIRV_FUZZ_CHECK(std::all_of(allowed.begin(), allowed.end(), [](std::size_t n) { return n == 0; }),
                  name);
  KIRV_FUZZ_CHECK(kirv::InterfaceName(name) == name, name);
  return 0;
}

KIRV_FUZZ_HARNESS_END
