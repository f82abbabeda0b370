#pragma once

#include <QSaveFile>
#include <QString>
#include <optional>

namespace kirv {

// Ends an atomic save through QSaveFile: writes out what Qt still buffers, puts the data on the
// disk (fdatasync) and only then renames the new file over the old one. QSaveFile::commit alone
// takes neither a failed flush of its buffer (a full disk) nor a failed sync for an error, and
// renames a short file over the old one. Answers the reason when the old file stays as it was,
// nothing once the new one has replaced it.
std::optional<QString> CommitSaveFile(QSaveFile& file);

}  // namespace kirv
