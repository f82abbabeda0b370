#include "app/kirv_application.h"

#include <exception>

#include "platform/application_id.h"

namespace kirv {

bool DeliverShowingErrors(Dialogs& dialogs, const std::function<bool()>& deliver) {
  try {
    return deliver();
  } catch (const std::exception& error) {
    dialogs.ShowMessage(error.what());
    return false;
  }
}

KirvApplication::KirvApplication(int& argc, char** argv) : QApplication(argc, argv) {
  setQuitOnLastWindowClosed(false);
  setDesktopFileName(QString::fromLatin1(kApplicationId));
}

bool KirvApplication::notify(QObject* receiver, QEvent* event) {
  if (!dialogs_) return QApplication::notify(receiver, event);
  return DeliverShowingErrors(*dialogs_, [&] { return QApplication::notify(receiver, event); });
}

}  // namespace kirv
