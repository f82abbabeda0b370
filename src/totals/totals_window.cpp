#include "totals/totals_window.h"

#include <QDate>
#include <QFont>
#include <QGridLayout>
#include <QHeaderView>
#include <QMouseEvent>
#include <QScreen>
#include <QVBoxLayout>
#include <array>
#include <utility>
#include <vector>

#include "app/forms.h"
#include "config/config_dialog.h"
#include "graph/graph_window.h"
#include "platform/qt_text.h"
#include "widgets/screen_fit.h"

namespace kirv {

namespace {

constexpr int kNoticeDelay = 100;  // ms: long enough for the notice to paint first
constexpr int kColumnWidth = 94;
constexpr int kRowHeight = 20;
constexpr int kWidth = 430;
constexpr int kHeight = 330;
constexpr int kPlanHeight = 140;  // what the group "Forfait" adds while a plan is on

// A core caption in the user's language.
QString Shown(const char* caption, const NumberFormat& format) {
  return Text(format.Text(caption));
}

// A group box of three rows: "Récéption:", "Envoi:", "Deux directions:" and their figures.
QGroupBox* FiguresBox(const char* caption, QLabel*& received, QLabel*& sent, QLabel*& both,
                      const NumberFormat& format, QWidget* parent) {
  auto* box = new QGroupBox(Shown(caption, format), parent);
  auto* rows = new QGridLayout(box);
  received = new QLabel(QStringLiteral("0K"), box);
  sent = new QLabel(QStringLiteral("0K"), box);
  both = new QLabel(QStringLiteral("0K"), box);
  QLabel* const figures[] = {received, sent, both};
  for (int row = 0; row < 3; ++row) {
    rows->addWidget(new QLabel(Shown(kTotalsRowCaptions[row], format), box), row, 0);
    rows->addWidget(figures[row], row, 1);
  }
  rows->setColumnStretch(1, 1);
  return box;
}

// Four columns under a header row that does not scroll; whole rows are selected, nothing edits.
QTableWidget* Grid(QWidget* page) {
  auto* grid = new QTableWidget(0, static_cast<int>(kTotalsGridHeader.size()), page);
  for (int column = 0; column < grid->columnCount(); ++column) {
    grid->setHorizontalHeaderItem(column, new QTableWidgetItem);
  }
  grid->verticalHeader()->hide();
  grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
  grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setDefaultSectionSize(kRowHeight);
  grid->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(grid);
  return grid;
}

void FillGrid(QTableWidget* grid, const std::vector<TotalsRow>& rows, const NumberFormat& format) {
  QStringList header;
  for (const char* caption : kTotalsGridHeader) header << Shown(caption, format);
  grid->setHorizontalHeaderLabels(header);
  grid->setRowCount(static_cast<int>(rows.size()));
  int r = 0;
  for (const TotalsRow& row : rows) {
    int column = 0;
    for (const std::string* cell : {&row.date, &row.received, &row.sent, &row.total}) {
      grid->setItem(r, column++, new QTableWidgetItem(Text(*cell)));
    }
    ++r;
  }
}

void SetFigures(QLabel* received, QLabel* sent, QLabel* both, const TotalsFigures& figures) {
  received->setText(Text(figures.received));
  sent->setText(Text(figures.sent));
  both->setText(Text(figures.both));
}

QGroupBox* PlanBox(const std::array<QLabel**, 5>& figures, QWidget* parent) {
  auto* box = new QGroupBox(TForm5::tr("Forfait"), parent);
  auto* rows = new QGridLayout(box);
  const QString captions[] = {TForm5::tr("Utilisé :"), TForm5::tr("Restant :"),
                              TForm5::tr("Encore aujourd'hui :"), TForm5::tr("Estimation :"),
                              TForm5::tr("Période :")};
  for (int row = 0; row < 5; ++row) {
    *figures[row] = new QLabel(box);
    rows->addWidget(new QLabel(captions[row], box), row, 0);
    rows->addWidget(*figures[row], row, 1);
  }
  rows->setColumnStretch(1, 1);
  box->hide();
  return box;
}

}  // namespace

TForm5::TForm5(Services& services)
    : QWidget(nullptr), clock_(*services.clock), format_(services.numberFormat) {
  setWindowTitle(tr("Totaux"));

  Label14 = new QLabel(tr("Interface"), this);
  Label13 = new QLabel(tr("Traitement en cours, patientez ..."), this);
  QFont bold = Label13->font();
  bold.setBold(true);
  Label13->setFont(bold);
  QSizePolicy keepRoom = Label13->sizePolicy();
  keepRoom.setRetainSizeWhenHidden(true);  // the pages do not jump when the notice goes
  Label13->setSizePolicy(keepRoom);

  PageControl1 = new QTabWidget(this);
  TabSheet1 = new QWidget;
  TabSheet2 = new QWidget;
  TabSheet3 = new QWidget;
  PageControl1->addTab(TabSheet1, Shown(kTotalsPages[0], format_));
  PageControl1->addTab(TabSheet2, Shown(kTotalsPages[1], format_));
  PageControl1->addTab(TabSheet3, Shown(kTotalsPages[2], format_));

  GroupBox1 = FiguresBox(kTodayCaption, AujD, AujU, AujB, format_, TabSheet1);
  GroupBox3 = FiguresBox(kForecastCaption, pd, pu, pdu, format_, TabSheet1);
  GroupBox2 = FiguresBox(kSinceCaption, Label7, Label8, Label9, format_, TabSheet1);
  auto* totals = new QGridLayout(TabSheet1);
  totals->addWidget(GroupBox1, 0, 0);
  totals->addWidget(GroupBox3, 0, 1);
  totals->addWidget(GroupBox2, 1, 0, 1, 2);
  GroupBox4 =
      PlanBox({&planUsed, &planRemaining, &planToday, &planEstimate, &planDates}, TabSheet1);
  totals->addWidget(GroupBox4, 2, 0, 1, 2);
  totals->setRowStretch(3, 1);

  grid1 = Grid(TabSheet2);
  grid1->viewport()->installEventFilter(this);
  grid2 = Grid(TabSheet3);

  Button1 = new QPushButton(QStringLiteral("go"), this);
  Button1->hide();
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(Button1); });

  auto* window = new QVBoxLayout(this);
  window->addWidget(Label14);
  window->addWidget(Label13);
  window->addWidget(PageControl1);

  Timer1 = new QTimer(this);
  Timer1->setInterval(kNoticeDelay);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(Timer1); });

  resize(kWidth, kHeight);
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

// Nothing to read: every showing computes afresh.
void TForm5::FormCreate() {}

void TForm5::FormShow(QObject*) {
  Label13->show();
  Timer1->start();
}

void TForm5::Timer1Timer(QObject*) {
  Timer1->stop();
  Button1Click(Button1);
}

void TForm5::Button1Click(QObject*) {
  const std::string& path = Form2->ArchivePath();
  Label14->setText(Text(path));
  if (std::optional<TotalsReport> report = computation_.Run(path, clock_.Now(), format_)) {
    report_ = std::move(*report);
    ShowReport(report_);
  }
  if (Form1 != nullptr) ShowPlan(Form1->ReadPlanFigures());
  Label13->hide();
}

void TForm5::ShowReport(const TotalsReport& report) {
  SetFigures(AujD, AujU, AujB, report.today);
  SetFigures(pd, pu, pdu, report.forecast);
  GroupBox2->setTitle(Text(report.sinceCaption));
  SetFigures(Label7, Label8, Label9, report.since);
  FillGrid(grid1, report.dailyRows, format_);
  FillGrid(grid2, report.monthlyRows, format_);
}

void TForm5::ShowPlan(const std::optional<PlanFigures>& figures) {
  const bool shown = figures.has_value();
  if (GroupBox4->isVisibleTo(this) != shown) {
    GroupBox4->setVisible(shown);
    resize(width(), height() + (shown ? kPlanHeight : -kPlanHeight));
  }
  if (!figures) return;
  const PlanFigures& f = *figures;
  auto octets = [this](std::uint64_t n) {
    return PlanOctetsText(static_cast<std::int64_t>(n), format_);
  };
  planUsed->setText(
      Text(octets(f.used) + " / " + octets(f.limit) + " (" + std::to_string(f.percent) + " %)"));
  planRemaining->setText(Text(octets(f.remaining)));
  planToday->setText(Text(PlanOctetsText(f.leftToday, format_)));
  planEstimate->setText(Text(octets(f.estimate)));
  planDates->setText(tr("du %1 au %2")
                         .arg(Text(FormatDateTime(f.period.start, "dd/mm/yyyy")),
                              Text(FormatDateTime(f.period.lastDay, "dd/mm/yyyy"))));
}

void TForm5::FormCloseQuery(QObject*, bool& canClose) {
  canClose = true;
  Label13->show();
}

// The header, a row without a date and the room below the last row or beside the last column
// open nothing.
void TForm5::grid1MouseUp(QObject*, Qt::MouseButton button, const QPoint& pos) {
  if (button != Qt::RightButton) return;
  const int row = grid1->rowAt(pos.y());
  if (row < 0 || grid1->columnAt(pos.x()) < 0) return;
  const std::optional<DateTime> day = GraphDayOfGridRow(report_, row + 1);  // grid row 0: header
  if (!day) return;
  Form2->datep->setDate(QDate(day->year, day->month, day->day));
  ShowRestored(*Form2);  // in front of this window, from which the user asked for it
  Form2->Button2Click(grid1);
}

void TForm5::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!event->spontaneous()) FormShow(this);  // not when the window system restores it
}

void TForm5::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  FormCloseQuery(this, canClose);
  event->setAccepted(canClose);
}

bool TForm5::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease && watched == grid1->viewport()) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    grid1MouseUp(grid1, mouse->button(), mouse->position().toPoint());
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace kirv
