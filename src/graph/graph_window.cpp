#include "graph/graph_window.h"

namespace kirv {

TForm2::TForm2(Services&) : QWidget(nullptr) { setWindowTitle(QStringLiteral("Module Graphique")); }

void TForm2::FormCreate() {}

}  // namespace kirv
