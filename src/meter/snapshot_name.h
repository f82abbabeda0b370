#pragma once

#include <string>

#include "common/calendar.h"

namespace kirv {

// The meter snapshot's file name in the working directory: "KIRV2002-05-14 13;45;07.bmp".
std::string SnapshotFileName(const DateTime& now);

}  // namespace kirv
