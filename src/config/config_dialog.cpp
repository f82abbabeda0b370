#include "config/config_dialog.h"

#include <QDir>
#include <QFont>
#include <QFontInfo>
#include <QScreen>
#include <QSignalBlocker>
#include <algorithm>
#include <exception>
#include <filesystem>

#include "app/forms.h"
#include "app/version.h"
#include "archive/logger_turn.h"
#include "common/colour.h"
#include "common/standard_error.h"
#include "config/monitored_entries.h"
#include "config/qt_check_list.h"
#include "config/refresh_period.h"
#include "config/speed_scale_table.h"
#include "graph/graph_window.h"
#include "meter/meter_window.h"
#include "platform/plan_alert_file.h"
#include "platform/plan_watch.h"
#include "platform/qt_text.h"
#include "platform/translations.h"
#include "platform/writer_lock.h"
#include "sampling/default_interfaces.h"
#include "totals/totals_window.h"
#include "widgets/qt_canvas.h"
#include "widgets/screen_fit.h"

namespace kirv {

namespace {

constexpr int kOneSecondPeriod = 20;  // refresh slider position: one sample a second

void SetLabel(QLabel& label, const std::string& text) {
  label.setText(Text(text));
  label.adjustSize();
}

// A start without settings monitors the links that carry the default route, in the archive and in
// the first graph; the settings saved at quit keep the choice.
void CheckChosenInterfaces(NetworkFactsSource& source, ConfigControls& controls) {
  const InterfaceChoice choice = ChooseDefaultInterfaces(source.ReadNetworkFacts());
  for (InterfaceChecks& i : controls.interfaces) {
    if (std::find(choice.names.begin(), choice.names.end(), i.name) != choice.names.end()) {
      i.lb = i.lb1 = true;
    }
  }
  WriteToStandardError(TForm1::tr("premier démarrage, %1")
                           .arg(Text(ChoiceText(choice, &ProgramTexts())))
                           .toStdString());
}

void SetGraphPartVisible(TForm3& meter, bool visible) {
  meter.Shape2->setVisible(visible);
  meter.im1->setVisible(visible);
  meter.im2->setVisible(visible);
}

}  // namespace

TForm1::TForm1(Services& services)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint),
      services_(services),
      logger_(*services.interfaces, *services.clock, *services.dialogs, services.numberFormat),
      metrics_(*services.clock, MetricsProblemSink(services.notifier)) {
  logger_.SetDataFolder(std::filesystem::current_path().string());
  logger_.SetWriteProblemSink(NotifyingSink(services.notifier, services.numberFormat.texts));
  logger_.SetRecordSink(metrics_.Sink());
  setWindowTitle(tr("Configuration"));
  setFixedSize(522, 367);
  // The controls' bounds suit a narrow 11-pixel font; where the family is missing, a condensed
  // stretch of the stand-in keeps the captions within them.
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  if (QFontInfo(font).family() != font.family()) font.setStretch(QFont::Condensed);
  setFont(font);

  PageControl1 = new QTabWidget(this);
  PageControl1->setGeometry(0, 0, 521, 313);
  CreateGeneralPage();
  CreateMeterPage();
  CreatePlanPage();
  PageControl1->setCurrentWidget(TabSheet2);  // the page of the first opening

  Button3 = new QPushButton(tr("OK"), this);
  Button3->setGeometry(184, 320, 121, 25);
  Button3->setDefault(true);
  Button3->setFocus();
  Button4 = new QPushButton(tr("test timer"), this);
  Button4->setGeometry(336, 320, 75, 25);

  Timer1 = new QTimer(this);
  Timer1->setInterval(kLoggerPeriodMs);
  Connect();

  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void TForm1::Connect() {
  auto onClick = [this](QPushButton* button, void (TForm1::*handler)(QObject*)) {
    connect(button, &QPushButton::clicked, this, [=, this] { (this->*handler)(button); });
  };
  onClick(Button1, &TForm1::Button1Click);
  onClick(Button2, &TForm1::Button2Click);
  onClick(Button3, &TForm1::Button3Click);
  onClick(Button4, &TForm1::Button4Click);
  onClick(Button5, &TForm1::Button5Click);
  onClick(Button6, &TForm1::Button5Click);
  for (std::size_t i = 0; i < swatches_.size(); ++i) {
    ShapeControl* swatch = swatches_[i];
    swatch->OnMouseDown = [this, swatch](Qt::MouseButton button, int x, int y) {
      Shape1MouseDown(swatch, button, x, y);
    };
    QLineEdit* field = colourFields_[i];
    connect(field, &QLineEdit::editingFinished, this, [this, field] { Edit1Exit(field); });
  }
  connect(cb, &QComboBox::activated, this, [this] { cbChange(cb); });
  for (TCSpinEdit* spin : {gradspin, hspin, spdspin}) {
    connect(spin, &TCSpinEdit::OnChange, this, [this, spin] { spdspinChange(spin); });
  }
  for (QRadioButton* unit : {rb1, rb2}) {
    connect(unit, &QRadioButton::toggled, this, [this, unit] { spdspinChange(unit); });
  }
  connect(tb, &QSlider::valueChanged, this, [this] { tbChange(tb); });
  connect(aot, &QCheckBox::toggled, this, [this] { aotClick(aot); });
  connect(cbGr, &QCheckBox::toggled, this, [this] { cbGrClick(cbGr); });
  connect(micro, &QCheckBox::toggled, this, [this] { microClick(micro); });
  connect(lb1, &QListWidget::itemChanged, this, [this] { lb1Click(lb1); });
  connect(lb2, &QListWidget::itemChanged, this, [this] { lb2Click(lb2); });
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(Timer1); });
  ConnectPlanPage();
}

void TForm1::FormCreate() {
  const bool debugMode = std::filesystem::exists("debug.txt");
  Button4->setVisible(debugMode);
  Label1->setVisible(debugMode);
  if (!services_.interfaces->IsAvailable()) {
    services_.dialogs->ShowMessage(
        tr("La table des interfaces réseau ne peut pas être lue : KIRV ne mesure aucun trafic.")
            .toStdString());
  }
  FillLists();

  ConfigControls controls = Controls();
  ReadForm1Settings(*services_.settings, *services_.autoStart, controls);
  if (services_.firstStart && services_.networkFacts != nullptr) {
    CheckChosenInterfaces(*services_.networkFacts, controls);
  }
  cbWin->setChecked(controls.cbWin);
  for (std::size_t i = 0; i < controls.interfaces.size(); ++i) {
    SetChecked(*lb, static_cast<int>(i), controls.interfaces[i].lb);
    SetChecked(*lb1, static_cast<int>(i), controls.interfaces[i].lb1);
  }
  Edit1->setText(Text(controls.Edit1));
  Edit2->setText(Text(controls.Edit2));
  Edit3->setText(Text(controls.Edit3));
  Edit4->setText(Text(controls.Edit4));
  Edit5->setText(Text(controls.Edit5));
  RestorePlanControls(controls.plan);
  metricsDir_ = controls.metricsDir;
  // Else the first tick says who logs.
  if (StartLoggerTurns(*services_.writerLock, logger_, MonitorEntries())) StartMetrics();
  UpdatePlan();
  Edit1Exit(nullptr);
  Timer1->start();
}

// One snapshot, in table order. The meter and the logger find each entry's row by its name
// afterwards: links that come later join the lists only when they are filled again.
void TForm1::FillLists() {
  const InterfaceSnapshot snapshot = services_.interfaces->TakeSnapshot();
  for (const InterfaceRow& row : snapshot.rows) {
    names_.push_back(row.name);
    for (QListWidget* list : {lb, lb1, lb2, planList}) AddCheckItem(*list, Text(row.name));
    cbI->addItem(Text(row.name));
  }
  cbI->setCurrentIndex(-1);
}

ConfigControls TForm1::Controls() const {
  ConfigControls c;
  c.metricsDir = metricsDir_;
  c.cbWin = cbWin->isChecked();
  for (std::size_t i = 0; i < names_.size(); ++i) {
    const int row = static_cast<int>(i);
    c.interfaces.push_back(
        {names_[i], IsChecked(*lb, row), IsChecked(*lb1, row), IsChecked(*lb2, row)});
  }
  c.Edit1 = Edit1->text().toStdString();
  c.Edit2 = Edit2->text().toStdString();
  c.Edit3 = Edit3->text().toStdString();
  c.Edit4 = Edit4->text().toStdString();
  c.Edit5 = Edit5->text().toStdString();
  c.aot = aot->isChecked();
  c.rb1 = rb1->isChecked();
  c.cbGr = cbGr->isChecked();
  c.micro = micro->isChecked();
  c.gradspin = gradspin->Value();
  c.hspin = hspin->Value();
  c.cb = cb->currentIndex();
  c.spdspin = spdspin->Value();
  c.spdspinEnabled = spdspin->isEnabled();
  c.plan = PlanShown();
  return c;
}

void TForm1::RestoreInterfaceChecks(const ConfigControls& controls) {
  const QSignalBlocker block1(lb1);
  const QSignalBlocker block2(lb2);
  for (std::size_t i = 0; i < controls.interfaces.size(); ++i) {
    const int row = static_cast<int>(i);
    SetChecked(*lb, row, controls.interfaces[i].lb);
    SetChecked(*lb1, row, controls.interfaces[i].lb1);
    SetChecked(*lb2, row, controls.interfaces[i].lb2);
  }
}

std::vector<MonitorEntry> TForm1::MonitorEntries() const {
  return MonitoredEntries(Controls().interfaces);
}

void TForm1::FormCloseQuery(QObject* sender, bool& canClose) {
  canClose = true;
  // At quit the last records come first: a settings save that fails or takes long must not
  // keep them from the archives.
  if (sender == nullptr && !services_.writerLock->LogsElsewhere()) {
    EndLoggerTurns(*services_.writerLock, logger_, MonitorEntries(),
                   [this](const LoggerDisplays& displays) { ApplyDisplays(displays); });
    metrics_.Publish();
  }
  try {
    const GraphControls graph = Form2 != nullptr ? Form2->Controls() : GraphControls{};
    const MeterControls meter = Form3 != nullptr ? Form3->Controls() : MeterControls{};
    SaveSettings(*services_.settings, *services_.autoStart, services_.executablePath, Controls(),
                 graph, meter);
  } catch (const std::exception& error) {
    services_.dialogs->ShowMessage(error.what());
    canClose = false;
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  FormCloseQuery(this, canClose);
  event->setAccepted(canClose);
}

void TForm1::Button1Click(QObject*) {
  const ConfigControls defaults;
  Edit1->setText(Text(defaults.Edit1));
  Edit2->setText(Text(defaults.Edit2));
  Edit3->setText(Text(defaults.Edit3));
  Edit4->setText(Text(defaults.Edit4));
  Edit5->setText(Text(defaults.Edit5));
  Edit1Exit(Button1);
}

void TForm1::Button2Click(QObject*) {
  if (Form2 != nullptr) ShowRestored(*Form2);
}

void TForm1::Button3Click(QObject*) { hide(); }

void TForm1::Button4Click(QObject*) {
  services_.dialogs->ShowMessage(
      (Timer1->isActive() ? tr("Timer activé") : tr("Timer désactivé")).toStdString());
}

// Every check mark goes; the logger's baselines stay attached to the interface names.
void TForm1::Button5Click(QObject*) {
  const PlanControls plan = PlanShown();
  for (QListWidget* list : {lb, lb1, lb2, planList}) list->clear();
  cbI->clear();
  names_.clear();
  FillLists();
  RestorePlanControls(plan);
}

QString TForm1::Shown(const char* text) const { return Text(services_.numberFormat.Text(text)); }

int TForm1::ColourRow(const QObject* sender) const {
  for (std::size_t i = 0; i < swatches_.size(); ++i) {
    if (swatches_[i] == sender) return static_cast<int>(i);
  }
  return -1;
}

Colour TForm1::FieldColour(int row) const {
  return ColourFromText(colourFields_[row]->text().toStdString());
}

void TForm1::Shape1MouseDown(QObject* sender, Qt::MouseButton, int, int) {
  const int row = ColourRow(sender);
  if (row < 0) return;
  const auto picked = services_.dialogs->PickColour(FieldColour(row));
  if (!picked) return;
  colourFields_[row]->setText(Text(ColourToText(*picked)));
  swatches_[row]->SetBrushColour(QtCanvas::ToQColor(*picked));
}

void TForm1::Edit1Exit(QObject*) {
  for (std::size_t i = 0; i < swatches_.size(); ++i) {
    swatches_[i]->SetBrushColour(QtCanvas::ToQColor(FieldColour(static_cast<int>(i))));
  }
}

void TForm1::cbChange(QObject*) {
  const int index = cb->currentIndex();
  if (index < 0 || index >= static_cast<int>(kSpeedScales.size())) return;
  const SpeedScale& item = kSpeedScales[index];
  spdspin->SetValue(item.fullScale);
  spdspin->setEnabled(item.editable);
}

void TForm1::spdspinChange(QObject* sender) {
  if (Form3 != nullptr) Form3->im1Paint(sender);
}

// The sampler notices the new period itself: its next tick only records counters.
void TForm1::tbChange(QObject*) {
  SetLabel(*Label14, RefreshPeriodText(tb->value()));
  if (Form3 != nullptr) Form3->Timer1->setInterval(RefreshPeriodMs(tb->value()));
}

void TForm1::aotClick(QObject*) {
  if (Form3 == nullptr) return;
  Form3->SetStaysOnTop(aot->isChecked());
  Form3->popAOT->setChecked(aot->isChecked());
}

void TForm1::cbGrClick(QObject*) {
  if (Form3 == nullptr) return;
  TForm3& meter = *Form3;
  if (cbGr->isChecked()) {
    meter.setMinimumHeight(kMinMeterHeightWithGraph);
    meter.Shape1->resize(meter.Shape1->width(), savedBarHeight_);
    meter.SetClientSize(meter.width(), savedClientHeight_);
    SetGraphPartVisible(meter, true);
  } else {
    meter.setMinimumHeight(kMinMeterHeight);
    savedClientHeight_ = meter.height();
    meter.SetClientSize(meter.width(), meter.Shape1->height());
    SetGraphPartVisible(meter, false);
    savedBarHeight_ = meter.Shape1->height();
    meter.Shape1->resize(meter.Shape1->width(), meter.height());
  }
}

void TForm1::microClick(QObject*) {
  if (Form3 == nullptr) return;
  const bool compact = micro->isChecked();
  // A meter not shown since the start holds its stored compact size, not the one to give back.
  if (compact && Form3->isVisible()) savedClientWidth_ = Form3->width();
  if (cbGr->isChecked() == compact) cbGr->setChecked(!compact);
  if (!compact) Form3->SetClientSize(savedClientWidth_, Form3->height());
  cbGr->setEnabled(!compact);
  Form3->SetBorderless(compact);
  Form3->Modemicro1->setChecked(compact);
  Form3->Image1->setVisible(!compact);
}

// An interface is summed into one graph at most: the list clicked last wins.
void TForm1::lb1Click(QObject*) {
  if (Form3 != nullptr) Form3->Sampler().ClearPrimed();
  for (int row = 0; row < lb1->count(); ++row) {
    if (IsChecked(*lb1, row)) SetChecked(*lb2, row, false);
  }
}

void TForm1::lb2Click(QObject*) {
  if (Form3 != nullptr) Form3->Sampler().ClearPrimed();
  for (int row = 0; row < lb2->count(); ++row) {
    if (IsChecked(*lb2, row)) SetChecked(*lb1, row, false);
  }
}

TickInput TForm1::TickSettings() const {
  TickInput in;
  in.lb1Checked = CheckStates(*lb1);
  in.lb2Checked = CheckStates(*lb2);
  in.names = names_;
  in.period = tb->value();
  in.unit = rb1->isChecked() ? SpeedUnit::kOctets : SpeedUnit::kBits;
  in.automaticScale = cb->currentIndex() == kAutomaticScaleItem;
  in.cbISelectedIndex = cbI->currentIndex();
  in.scaleMinimum = spdspin->MinValue();
  in.scaleMaximum = spdspin->MaxValue();
  return in;
}

MiniGraphInput TForm1::GraphSettings() const {
  MiniGraphInput in;
  in.fullScale = spdspin->Value();
  in.bits = rb2->isChecked();
  in.colours = {FieldColour(0), FieldColour(1), FieldColour(2), FieldColour(3), FieldColour(4)};
  in.graduations = gradspin->Value();
  in.verticalSpacing = hspin->Value();
  return in;
}

GraphColours TForm1::CurveColours() const {
  return {FieldColour(0), FieldColour(1), FieldColour(2), FieldColour(3)};
}

bool TForm1::ToggleCompact() {
  const bool compact = !micro->isChecked();
  micro->setChecked(compact);
  return compact;
}

bool TForm1::ToggleStaysOnTop() {
  const bool stays = !aot->isChecked();
  aot->setChecked(stays);
  return stays;
}

void TForm1::ShowMeterPage() {
  PageControl1->setCurrentWidget(TabSheet2);
  ShowRestored(*this);
}

void TForm1::ToggleLoggingTimer() { Timer1->isActive() ? Timer1->stop() : Timer1->start(); }

void TForm1::RestoreMeterValues(const ConfigControls& controls) {
  RestoreInterfaceChecks(controls);
  (controls.rb1 ? rb1 : rb2)->setChecked(true);
  gradspin->SetValue(controls.gradspin);
  hspin->SetValue(controls.hspin);
  cb->setCurrentIndex(controls.cb);
  spdspin->SetValue(controls.spdspin);
}

void TForm1::RestoreMeterModes(const ConfigControls& controls) {
  cbGr->setChecked(controls.cbGr);
  aot->setChecked(controls.aot);
  micro->setChecked(controls.micro);
  if (controls.spdspinEnabled) spdspin->setEnabled(true);
}

// Each sample then covers one second, which the figures add up as one second's traffic.
void TForm1::HoldOneSecondPeriod() {
  tb->setValue(kOneSecondPeriod);
  tb->setEnabled(false);
}

void TForm1::planChange(QObject*) {
  EnablePlanControls();
  UpdatePlan();
}

std::optional<PlanFigures> TForm1::ReadPlanFigures() const {
  const std::optional<DataPlan> plan = Plan();
  if (!plan) return std::nullopt;
  return ReadPlanInFolder(*plan, std::filesystem::current_path().string(), services_.clock->Now())
      .figures;
}

void TForm1::UpdatePlan() {
  planFigures_ = ReadPlanFigures();
  if (planFigures_ && services_.writerLock->Held() && services_.notifier != nullptr) {
    SendPlanAlert(*Plan(), *planFigures_, PlanAlertFilePath(), *services_.notifier,
                  services_.numberFormat);
  }
  if (Form5 != nullptr) Form5->ShowPlan(planFigures_);
}

// While another process ("kirv log") appends to the data folder, this one leaves the logging to
// it; once it has ended, the next tick takes the baselines it left and the one after logs again.
void TForm1::Timer1Timer(QObject*) {
  LoggerDisplays said;
  switch (TakeLoggerTurn(*services_.writerLock, logger_, MonitorEntries(),
                         [this](const LoggerDisplays& displays) { ApplyDisplays(displays); })) {
    case WriterTurn::kWrite:
      UpdatePlan();
      return;
    case WriterTurn::kTakenOver:
      StartMetrics();
      said.status.push_back(tr("LOG REPRIS").toStdString());
      break;
    case WriterTurn::kElsewhere:
      said.status.push_back(LoggingElsewhereStatus(services_.writerLock->HolderPid()));
      break;
  }
  ApplyDisplays(said);
}

void TForm1::StartMetrics() {
  metrics_.Start(services_.metricsDir.empty() ? metricsDir_ : services_.metricsDir,
                 *services_.settings, QDir::currentPath().toStdString(),
                 CheckedNames(MonitorEntries()), kVersion);
}

void TForm1::ApplyDisplays(const LoggerDisplays& displays) {
  if (displays.Label1) SetLabel(*Label1, *displays.Label1);
  if (displays.Label4) SetLabel(*Label4, *displays.Label4);
  if (displays.Label5) SetLabel(*Label5, *displays.Label5);
  if (displays.Label6) SetLabel(*Label6, *displays.Label6);
  if (!displays.status.empty() && Form3 != nullptr) {
    SetLabel(*Form3->Label3, displays.status.back());
  }
}

}  // namespace kirv
