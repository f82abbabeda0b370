#pragma once

// The meter window: the live speeds and the mini graph.

#include <QWidget>

#include "common/services.h"

namespace kirv {

class TForm3 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm3(Services& services);

  // Runs once the window's global reference is set.
  void FormCreate();
};

}  // namespace kirv
