#pragma once

// The stopwatch window.

#include <QWidget>

#include "common/services.h"

namespace kirv {

class TForm6 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm6(Services& services);

  // Runs once the window's global reference is set.
  void FormCreate();
};

}  // namespace kirv
