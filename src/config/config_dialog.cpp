#include "config/config_dialog.h"

#include <QCloseEvent>

namespace kirv {

TForm1::TForm1(Services&) : QWidget(nullptr) {
  setWindowTitle(QStringLiteral("Configuration"));
}

void TForm1::FormCreate() {}

void TForm1::FormCloseQuery(QObject*, bool&) {}

void TForm1::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  FormCloseQuery(this, canClose);
  event->setAccepted(canClose);
}

}  // namespace kirv
