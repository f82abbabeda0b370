#pragma once

// The configuration dialog, whose controls are the program's live settings.

#include <QObject>
#include <QWidget>

#include "common/services.h"

namespace kirv {

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(Services& services);

  // Runs once the window's global reference is set.
  void FormCreate();
  // Stores the settings; runs when the dialog is closed and when the program quits.
  void FormCloseQuery(QObject* sender, bool& canClose);

 protected:
  // Closing only hides the dialog, once its close query allows it.
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace kirv
