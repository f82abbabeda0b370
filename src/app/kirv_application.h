#pragma once

#include <QApplication>
#include <functional>

#include "common/dialogs.h"

namespace kirv {

// Runs one event delivery. An exception that escapes it is shown through the dialogs and the
// delivery counts as not handled, so the program goes on.
bool DeliverShowingErrors(Dialogs& dialogs, const std::function<bool()>& deliver);

// The application object: its title (the caption of its message boxes), hidden windows that stay
// hidden when the last one closes, and the one place where an exception escaping an event handler
// is caught.
class KirvApplication : public QApplication {
 public:
  static constexpr const char* kTitle = "KIRV Beta3";

  KirvApplication(int& argc, char** argv);

  // Until set, escaping exceptions are not caught.
  void SetDialogs(Dialogs* dialogs) { dialogs_ = dialogs; }
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  Dialogs* dialogs_ = nullptr;
};

}  // namespace kirv
