#pragma once

// The history graph window.

#include <QDateEdit>
#include <QObject>
#include <QWidget>
#include <string>

#include "common/services.h"

namespace kirv {

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2(Services& services);

  // Runs once the window's global reference is set: reads the archive path ("Graphfile").
  void FormCreate();

  // "Tracer": does nothing while the archive path is empty.
  void Button2Click(QObject* sender);

  // The archive the next trace reads (the open dialog's file name).
  const std::string& ArchivePath() const { return archivePath_; }
  // Set by the first trace that has an archive path.
  bool Traced() const { return traced_; }

  QDateEdit* datep;  // "Tracer a partir du :", the newest day shown

 private:
  SettingsStore& settings_;
  std::string archivePath_;
  bool traced_ = false;
};

}  // namespace kirv
