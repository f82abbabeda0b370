#pragma once

#include <QString>

namespace kirv {

// The folder that holds the archives, the meter snapshots and the debug marker:
// $XDG_DATA_HOME/KIRV when the variable is an absolute path, else ~/.local/share/KIRV.
QString DefaultDataFolder();

struct DataFolderStatus {
  QString path;  // absolute, cleaned
  bool usable = false;
  QString error;  // one line in French naming the folder and the system's reason; empty if usable
  // One line in French when users other than this one may replace the files of a usable folder
  // (it is theirs, or group or world writable without the sticky bit); KIRV still logs there.
  QString warning;
};

// Creates the folder with its parents and checks that a file can be written in it. A relative
// path is taken from the current working directory.
DataFolderStatus PrepareDataFolder(const QString& path);

}  // namespace kirv
