#include "graph/qt_statistics_box.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPalette>
#include <algorithm>

#include "widgets/qt_canvas.h"

namespace kirv {

namespace {

constexpr int kMargin = 6;      // px, the group's edges to its captions and figures
constexpr int kGap = 4;         // px, a caption to its figure
constexpr int kFirstRow = 18;   // px, the first caption's top
constexpr int kRowHeight = 16;  // px, from one caption to the next
constexpr int kPixels = 10;     // the captions' and figures' font size

void SetTextColour(QLabel* label, Colour colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QtCanvas::ToQColor(colour));
  label->setPalette(palette);
}

}  // namespace

QtStatisticsBox::QtStatisticsBox(const QFont& font, QWidget* parent)
    : QGroupBox(QCoreApplication::translate("kirv::QtStatisticsBox", "Statistiques"), parent),
      font_(font) {
  resize(kWidth, kHeight);
  QLabel** captions[] = {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6};
  QLabel** values[] = {&actueld, &actuelu, &maxd, &maxu, &moyd, &moyu};
  const char* texts[] = {QT_TRANSLATE_NOOP("kirv::QtStatisticsBox", "Actuel In :"),
                         QT_TRANSLATE_NOOP("kirv::QtStatisticsBox", "Actuel Out :"),
                         QT_TRANSLATE_NOOP("kirv::QtStatisticsBox", "Max In :"),
                         QT_TRANSLATE_NOOP("kirv::QtStatisticsBox", "Max Out :"),
                         QT_TRANSLATE_NOOP("kirv::QtStatisticsBox", "Moyenne In :"),
                         QT_TRANSLATE_NOOP("kirv::QtStatisticsBox", "Moyenne Out :")};
  for (int i = 0; i < 6; ++i) {
    *captions[i] = new QLabel(QCoreApplication::translate("kirv::QtStatisticsBox", texts[i]), this);
    (*captions[i])->move(kMargin, kFirstRow + kRowHeight * i);
    *values[i] = new QLabel(this);
  }
  LayOut();
}

void QtStatisticsBox::ShowFigures(const GraphStatistics& s) {
  actueld->setText(QString::fromStdString(s.actueld));
  actuelu->setText(QString::fromStdString(s.actuelu));
  maxd->setText(QString::fromStdString(s.maxd));
  maxu->setText(QString::fromStdString(s.maxu));
  moyd->setText(QString::fromStdString(s.moyd));
  moyu->setText(QString::fromStdString(s.moyu));
  LayOut();
}

void QtStatisticsBox::ColourCaptions(const GraphColours& colours) {
  SetTextColour(Label1, colours.received);
  SetTextColour(Label2, colours.sent);
  SetTextColour(Label3, colours.receivedPeak);
  SetTextColour(Label4, colours.sentPeak);
}

void QtStatisticsBox::LayOut() {
  QLabel* captions[] = {Label1, Label2, Label3, Label4, Label5, Label6};
  QLabel* values[] = {actueld, actuelu, maxd, maxu, moyd, moyu};
  QFont figures = font_;
  figures.setPixelSize(kPixels);
  const QFontMetrics metrics(figures);
  int captionWidth = 0;
  int valueWidth = 0;
  for (const QLabel* caption : captions) {
    captionWidth = std::max(captionWidth, metrics.horizontalAdvance(caption->text()) + 1);
  }
  for (const QLabel* value : values) {
    valueWidth = std::max(valueWidth, metrics.horizontalAdvance(value->text()) + 1);
  }
  resize(std::max(kWidth, 2 * kMargin + captionWidth + kGap + valueWidth), kHeight);
  setFont(figures);
  const int valueLeft = kMargin + captionWidth + kGap;
  for (int i = 0; i < 6; ++i) {
    captions[i]->adjustSize();
    values[i]->setGeometry(valueLeft, captions[i]->y(), width() - kMargin - valueLeft,
                           captions[i]->height());
  }
}

}  // namespace kirv
