#include "meter/meter_window.h"

namespace kirv {

TForm3::TForm3(Services&) : QWidget(nullptr) { setWindowTitle(QStringLiteral("Tachymetre")); }

void TForm3::FormCreate() {}

}  // namespace kirv
