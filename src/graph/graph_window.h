#pragma once

// The history graph window.

#include <QWidget>

#include "common/services.h"

namespace kirv {

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2(Services& services);

  // Runs once the window's global reference is set.
  void FormCreate();
};

}  // namespace kirv
