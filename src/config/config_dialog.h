#pragma once

// The configuration dialog "Configuration", whose controls are the program's live settings: the
// meter, the statistics logger and the history graph read them whenever they need them. It also
// carries the statistics logger's five-minute timer and stores every setting when it closes.

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTimer>
#include <QWidget>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "archive/statistics_logger.h"
#include "common/services.h"
#include "config/settings_schema.h"
#include "graph/trace_inputs.h"
#include "meter/mini_graph.h"
#include "plan/data_plan.h"
#include "platform/metrics_file.h"
#include "sampling/rate_sampler.h"
#include "widgets/shape_control.h"
#include "widgets/spin_edit.h"

namespace kirv {

class TForm1 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm1(Services& services);

  // Runs once the window's global reference is set: debug mode, the interface lists, the
  // auto-start entry, the monitored interfaces with the logger's baselines, the colours.
  void FormCreate();
  // Stores every setting in one pass; a store that cannot be written is reported and canClose
  // turns false. With a nil sender (the program quits) the logger also writes its last records.
  void FormCloseQuery(QObject* sender, bool& canClose);

  void Button1Click(QObject* sender);  // "Défaut"
  void Button2Click(QObject* sender);  // "Graphique"
  void Button3Click(QObject* sender);  // "OK": hides, stores nothing
  void Button4Click(QObject* sender);  // "test timer"
  void Button5Click(QObject* sender);  // both "Rafraichir la liste"
  void Shape1MouseDown(QObject* sender, Qt::MouseButton button, int x, int y);
  void Edit1Exit(QObject* sender);
  void cbChange(QObject* sender);
  void spdspinChange(QObject* sender);
  void tbChange(QObject* sender);
  void aotClick(QObject* sender);
  void cbGrClick(QObject* sender);
  void microClick(QObject* sender);
  void lb1Click(QObject* sender);
  void lb2Click(QObject* sender);
  void Timer1Timer(QObject* sender);  // the statistics logger
  void planChange(QObject* sender);   // any control of the page "Forfait"

  // What the controls hold, as the settings mirror them.
  ConfigControls Controls() const;
  // The controls of the page "Forfait", without running their change handlers.
  void RestorePlanControls(const PlanControls& plan);
  // The plan that the page holds when it is on and holds a plan.
  std::optional<DataPlan> Plan() const;
  // The plan's figures today over the data folder's archives; none without a plan.
  std::optional<PlanFigures> ReadPlanFigures() const;
  // As they were after the last record written or the last change of the plan.
  const std::optional<PlanFigures>& LastPlanFigures() const { return planFigures_; }

  // What the meter's tick reads here: the graph lists, period, unit and scale; the names last as
  // long as the lists. The meter adds the graph area, the stopwatch and the number format.
  TickInput TickSettings() const;
  // What the mini graph reads here: full scale, unit, colours and graduations.
  MiniGraphInput GraphSettings() const;
  // The history graph's curve colours, from the first four colour fields.
  GraphColours CurveColours() const;
  bool GraphShown() const { return cbGr->isChecked(); }
  bool Compact() const { return micro->isChecked(); }
  // The full scale the automatic scale found, octets per second; the meter's overlay follows.
  void SetFullScale(std::int32_t octetsPerSecond) { spdspin->SetValue(octetsPerSecond); }
  // Each flips its box, whose handler switches the meter; the new state.
  bool ToggleCompact();
  bool ToggleStaysOnTop();
  void ShowMeterPage();
  void ToggleLoggingTimer();
  // The meter group as stored: the list checks and values first, the modes once the meter has
  // its bounds, since their handlers lay the meter out at once.
  void RestoreMeterValues(const ConfigControls& controls);
  void RestoreMeterModes(const ConfigControls& controls);
  // While the stopwatch runs, the meter samples once a second and the period cannot be changed.
  void HoldOneSecondPeriod();
  void ReleasePeriod() { tb->setEnabled(true); }

  QTabWidget* PageControl1;
  QWidget* TabSheet1;  // "Options Générales"
  QWidget* TabSheet2;  // "Tachymetre"
  QPushButton* Button3;
  QPushButton* Button4;
  QTimer* Timer1;

  QLabel* Label2;
  QListWidget* lb;  // interfaces monitored by the statistics logger
  QPushButton* Button5;
  QLabel* Label1;  // the logger's average receive speed, debug mode only
  QLabel* Label4;
  QLabel* Label5;
  QLabel* Label6;
  QGroupBox* GroupBox1;
  QCheckBox* cbWin;
  QGroupBox* GroupBox2;
  QLabel* lrec;
  QLabel* lenv;
  QLabel* lbrep;
  QLabel* lenp;
  QLabel* Label16;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QLineEdit* Edit3;
  QLineEdit* Edit4;
  QLineEdit* Edit5;
  ShapeControl* Shape1;
  ShapeControl* Shape2;
  ShapeControl* Shape3;
  ShapeControl* Shape4;
  ShapeControl* Shape5;
  QPushButton* Button1;
  QPushButton* Button2;

  QComboBox* cbI;  // never visible; nothing selects an entry
  QGroupBox* GroupBox3;
  QCheckBox* cbGr;
  QRadioButton* rb1;  // "Octets"
  QRadioButton* rb2;  // "Bits"
  QLabel* Label7;
  TCSpinEdit* gradspin;
  QLabel* Label11;
  TCSpinEdit* hspin;
  QLabel* Label12;
  QLabel* Label10;
  QComboBox* cb;  // speed scale
  QLabel* Label8;
  TCSpinEdit* spdspin;  // full-scale speed, octets per second
  QLabel* Label9;
  QGroupBox* GroupBox4;
  QCheckBox* aot;
  QCheckBox* micro;
  QLabel* Label13;
  QSlider* tb;  // refresh period, 1 to 40 steps of 50 ms
  QLabel* Label14;
  QGroupBox* GroupBox5;
  QLabel* Label3;
  QListWidget* lb1;  // "Graphique 1 :"
  QLabel* Label15;
  QListWidget* lb2;  // "Graphique 2 :"
  QPushButton* Button6;

  QWidget* TabSheet3;  // "Forfait"
  QCheckBox* cbPlan;
  QDoubleSpinBox* planLimit;
  QComboBox* planUnit;  // "Mo", "Go"
  QComboBox* planPeriod;
  TCSpinEdit* planDay;
  QDateEdit* planFrom;
  TCSpinEdit* planEvery;
  QComboBox* planCount;
  TCSpinEdit* planWarning;
  QRadioButton* planAll;     // every archive of the data folder
  QRadioButton* planChosen;  // the interfaces checked in planList
  QListWidget* planList;

 protected:
  // Closing only hides the dialog, once its close query allows it.
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateGeneralPage();
  void CreateColourRows();
  void CreateMeterPage();
  void CreateLegendGroup();
  void CreateOptionsGroup();
  void CreateGraphListsGroup();
  void CreatePlanPage();
  void ConnectPlanPage();
  // The check marks of the three lists, without running the lists' click handlers.
  void RestoreInterfaceChecks(const ConfigControls& controls);
  PlanControls PlanShown() const;
  void EnablePlanControls();
  // The figures again, shown in "Totaux", and the alert they call for when this process writes.
  void UpdatePlan();
  void Connect();
  void FillLists();
  std::vector<MonitorEntry> MonitorEntries() const;
  void ApplyDisplays(const LoggerDisplays& displays);
  // A core text in the user's language.
  QString Shown(const char* text) const;
  // The row (0 to 4) of a colour swatch, -1 for any other sender.
  int ColourRow(const QObject* sender) const;
  Colour FieldColour(int row) const;

  Services& services_;
  StatisticsLogger logger_;
  void StartMetrics();  // when this program starts writing the archives
  MetricsWriter metrics_;
  std::string metricsDir_;  // --metrics-dir, else the settings' metricsDir
  std::optional<PlanFigures> planFigures_;
  std::vector<std::string> names_;  // the interface names of the three lists, by position
  std::array<QLineEdit*, 5> colourFields_{};
  std::array<ShapeControl*, 5> swatches_{};
  // The meter's layout while its graph is hidden: client height and bar height, pixels.
  int savedClientHeight_ = 69;
  int savedBarHeight_ = 50;
  int savedClientWidth_ = 395;  // before compact mode; at first the meter's client width
};

}  // namespace kirv
