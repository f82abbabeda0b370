#include "meter/snapshot_name.h"

namespace kirv {

std::string SnapshotFileName(const DateTime& now) {
  return "KIRV" + FormatDateTime(now, "yyyy-mm-dd hh;nn;ss") + ".bmp";
}

}  // namespace kirv
