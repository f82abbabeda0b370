#include "chrono/chrono_window.h"

namespace kirv {

TForm6::TForm6(Services&) : QWidget(nullptr) { setWindowTitle(QStringLiteral("Chronometre")); }

void TForm6::FormCreate() {}

}  // namespace kirv
