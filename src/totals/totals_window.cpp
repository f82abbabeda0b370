#include "totals/totals_window.h"

namespace kirv {

TForm5::TForm5(Services&) : QWidget(nullptr) { setWindowTitle(QStringLiteral("Totaux")); }

void TForm5::FormCreate() {}

}  // namespace kirv
