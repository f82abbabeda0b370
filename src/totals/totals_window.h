#pragma once

// The totals window.

#include <QWidget>

#include "common/services.h"

namespace kirv {

class TForm5 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm5(Services& services);

  // Runs once the window's global reference is set.
  void FormCreate();
};

}  // namespace kirv
