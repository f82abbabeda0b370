#pragma once

// The "Statistiques" group of the history graph window: the six captions and their figures. The
// window shows it beside its controls; a snapshot with "Légende" puts it at the graph's right.

#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>

#include "graph/graph_statistics.h"
#include "graph/trace_inputs.h"

namespace kirv {

class QtStatisticsBox : public QGroupBox {
 public:
  static constexpr int kWidth = 169;  // px, the narrowest the group gets
  static constexpr int kHeight = 116;

  // `font` is the window's: the group writes in a size of it.
  explicit QtStatisticsBox(const QFont& font, QWidget* parent = nullptr);

  // The six figures of a trace, laid out again.
  void ShowFigures(const GraphStatistics& statistics);
  // "Actuel In :" and "Actuel Out :" in the received and sent colours, "Max In :" and "Max Out :"
  // in the peak colours.
  void ColourCaptions(const GraphColours& colours);
  // Places the figures after the widest caption, in the window's font at ten pixels. Figures too
  // wide for the group's kWidth widen it to the right, so every caption and figure shows whole.
  void LayOut();

  QLabel* Label1;  // "Actuel In :"
  QLabel* Label2;  // "Actuel Out :"
  QLabel* Label3;  // "Max In :"
  QLabel* Label4;  // "Max Out :"
  QLabel* Label5;  // "Moyenne In :"
  QLabel* Label6;  // "Moyenne Out :"
  QLabel* actueld;
  QLabel* actuelu;
  QLabel* maxd;
  QLabel* maxu;
  QLabel* moyd;
  QLabel* moyu;

 private:
  QFont font_;
};

}  // namespace kirv
