#include "platform/save_file_commit.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace kirv {

std::optional<QString> CommitSaveFile(QSaveFile& file) {
  // An uncommitted QSaveFile removes its temporary file when it is destroyed.
  if (!file.flush()) return file.errorString();
  if (fdatasync(file.handle()) != 0) return QString::fromLocal8Bit(std::strerror(errno));
  if (!file.commit()) return file.errorString();
  return std::nullopt;
}

}  // namespace kirv
