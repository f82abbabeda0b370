#pragma once

// The totals window "Totaux": today's and all-time totals, the month's forecast, and the daily and
// monthly tables of the archive that the history graph window reads.

#include <QCloseEvent>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPoint>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QWidget>
#include <optional>

#include "common/services.h"
#include "plan/data_plan.h"
#include "totals/totals_computation.h"
#include "totals/totals_report.h"

namespace kirv {

class TForm5 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm5(Services& services);

  // Runs once the window's global reference is set.
  void FormCreate();

  // Shows the processing notice and arms Timer1, so that the notice paints before the computation.
  void FormShow(QObject* sender);
  void Timer1Timer(QObject* sender);
  // The computation over the history graph's archive; hides the notice at its end.
  void Button1Click(QObject* sender);
  // Lets the window hide, the notice visible again for the next showing.
  void FormCloseQuery(QObject* sender, bool& canClose);
  // A right click on a day opens the history graph on that day and traces. pos is in the grid's
  // viewport.
  void grid1MouseUp(QObject* sender, Qt::MouseButton button, const QPoint& pos);
  // The group "Forfait", hidden without a plan.
  void ShowPlan(const std::optional<PlanFigures>& figures);

  QLabel* Label14;
  QTabWidget* PageControl1;
  QWidget* TabSheet1;
  QWidget* TabSheet2;
  QWidget* TabSheet3;
  QLabel* Label13;
  QGroupBox* GroupBox1;
  QLabel* AujD;
  QLabel* AujU;
  QLabel* AujB;
  QGroupBox* GroupBox3;
  QLabel* pd;
  QLabel* pu;
  QLabel* pdu;
  QGroupBox* GroupBox2;
  QLabel* Label7;
  QLabel* Label8;
  QLabel* Label9;
  QGroupBox* GroupBox4;  // "Forfait"
  QLabel* planUsed;      // used / limit (percent)
  QLabel* planRemaining;
  QLabel* planToday;     // what may still go today
  QLabel* planEstimate;  // at the end of the period
  QLabel* planDates;
  QTableWidget* grid1;
  QTableWidget* grid2;
  QPushButton* Button1;
  QTimer* Timer1;

 protected:
  void showEvent(QShowEvent* event) override;
  // Closing only hides the window, once its close query allows it.
  void closeEvent(QCloseEvent* event) override;
  // The right button's release over grid1's cells.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowReport(const TotalsReport& report);

  const Clock& clock_;
  NumberFormat format_;
  TotalsComputation computation_;  // keeps the oldest record's date from one showing to the next
  TotalsReport report_;            // what the grids show, for the right click
};

}  // namespace kirv
