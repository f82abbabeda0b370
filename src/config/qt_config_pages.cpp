// The configuration dialog's two pages and their controls, at their bounds.

#include <QSignalBlocker>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "archive/record.h"
#include "common/colour.h"
#include "config/config_dialog.h"
#include "config/qt_check_list.h"
#include "config/refresh_period.h"
#include "config/settings_schema.h"
#include "config/speed_scale_table.h"
#include "plan/plan_settings.h"
#include "platform/qt_text.h"
#include "widgets/qt_canvas.h"

namespace kirv {

namespace {

// The bounds were made for the French captions; a caption in another language that needs more
// room widens its control rightwards, and a French one keeps the bounds as they are.
void FitCaption(QWidget* control, const char* source, const QString& shown) {
  if (shown == Text(source)) return;
  control->resize(std::max(control->width(), control->sizeHint().width()), control->height());
}

QLabel* NewLabel(const char* source, QWidget* parent, int left, int top) {
  auto* label = new QLabel(TForm1::tr(source), parent);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QPushButton* NewButton(const char* source, QWidget* parent, const QRect& bounds) {
  const QString caption = TForm1::tr(source);
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(bounds);
  FitCaption(button, source, caption);
  return button;
}

QCheckBox* NewCheckBox(const char* source, QWidget* parent, int left, int top, int width) {
  const QString caption = TForm1::tr(source);
  auto* box = new QCheckBox(caption, parent);
  box->setGeometry(left, top, width, 17);
  FitCaption(box, source, caption);
  return box;
}

// A spin edit held to the bounds of the setting that it mirrors.
TCSpinEdit* NewSpinEdit(Dialogs* dialogs, QWidget* parent, const QRect& bounds,
                        const SettingDefinition& setting, int value) {
  auto* spin = new TCSpinEdit(dialogs, parent);
  spin->setGeometry(bounds);
  spin->SetMinValue(setting.bounds.minimum);
  spin->SetMaxValue(setting.bounds.maximum);
  spin->SetValue(value);
  return spin;
}

constexpr double kMo = 1048576.0;     // octets
constexpr double kGo = 1073741824.0;  // octets
constexpr const char* kDayPattern = "dd/MM/yyyy";

}  // namespace

void TForm1::CreateGeneralPage() {
  TabSheet1 = new QWidget;
  PageControl1->addTab(TabSheet1, tr("Options Générales"));
  Label2 = NewLabel(QT_TR_NOOP("Interfaces à monitorer :"), TabSheet1, 0, 0);
  lb = new QListWidget(TabSheet1);
  lb->setGeometry(0, 16, 297, 97);
  Button5 = NewButton(QT_TR_NOOP("Rafraichir la liste"), TabSheet1, {208, 0, 89, 17});
  Label1 = NewLabel("0ko/s", TabSheet1, 0, 120);
  Label4 = NewLabel("0ko/s", TabSheet1, 0, 132);
  Label5 = NewLabel("Label5", TabSheet1, 144, 120);
  Label6 = NewLabel("Label6", TabSheet1, 144, 132);
  for (QLabel* hidden : {Label4, Label5, Label6}) hidden->hide();

  GroupBox1 = new QGroupBox(tr("Options"), TabSheet1);
  GroupBox1->setGeometry(304, 8, 209, 49);
  cbWin = NewCheckBox(QT_TR_NOOP("Démarrer avec Windows"), GroupBox1, 8, 22, 193);

  GroupBox2 = new QGroupBox(tr("Couleurs graphique"), TabSheet1);
  GroupBox2->setGeometry(304, 64, 209, 153);
  CreateColourRows();
  Button1 = NewButton(QT_TR_NOOP("Défaut"), GroupBox2, {88, 128, 75, 17});

  Button2 = NewButton(QT_TR_NOOP("Graphique"), TabSheet1, {0, 160, 297, 49});
}

void TForm1::CreateColourRows() {
  struct Row {
    QLabel*& label;
    const char* caption;
    QLineEdit*& field;
    const std::string& text;
    ShapeControl*& swatch;
  };
  const ConfigControls defaults;
  const Row rows[] = {
      {lrec, QT_TR_NOOP("Récéption 1 :"), Edit1, defaults.Edit1, Shape1},
      {lenv, QT_TR_NOOP("Envoi 1 :"), Edit2, defaults.Edit2, Shape2},
      {lbrep, QT_TR_NOOP("Récéption 2 Pic:"), Edit3, defaults.Edit3, Shape3},
      {lenp, QT_TR_NOOP("Envoi 2 Pic :"), Edit4, defaults.Edit4, Shape4},
      {Label16, QT_TR_NOOP("Intersection 1-2:"), Edit5, defaults.Edit5, Shape5},
  };
  int top = 18;
  std::size_t i = 0;
  for (const Row& row : rows) {
    row.label = NewLabel(row.caption, GroupBox2, 8, top + 3);
    row.field = new QLineEdit(QString::fromStdString(row.text), GroupBox2);
    row.field->setGeometry(94, top, 73, 21);
    row.swatch = new ShapeControl(GroupBox2);
    row.swatch->setGeometry(170, top + 2, 33, 17);
    row.swatch->SetBrushColour(QtCanvas::ToQColor(ColourFromText(row.text)));
    colourFields_[i] = row.field;
    swatches_[i] = row.swatch;
    ++i;
    top += 22;
  }
}

void TForm1::CreateMeterPage() {
  TabSheet2 = new QWidget;
  PageControl1->addTab(TabSheet2, tr("Tachymetre"));
  cbI = new QComboBox(TabSheet2);
  cbI->setGeometry(256, 0, 113, 21);
  cbI->hide();
  CreateLegendGroup();
  CreateOptionsGroup();
  CreateGraphListsGroup();
}

void TForm1::CreateLegendGroup() {
  GroupBox3 = new QGroupBox(tr("Légende"), TabSheet2);
  GroupBox3->setGeometry(8, 8, 313, 145);
  cbGr = NewCheckBox(QT_TR_NOOP("Afficher le graphique"), GroupBox3, 16, 24, 121);
  cbGr->setChecked(true);
  rb1 = new QRadioButton(tr("Octets"), GroupBox3);
  rb1->move(184, 16);
  rb2 = new QRadioButton(tr("Bits"), GroupBox3);
  rb2->move(184, 32);
  rb2->setChecked(true);

  Label7 = NewLabel(QT_TR_NOOP("Graduations horizontales : "), GroupBox3, 8, 44);
  gradspin = NewSpinEdit(services_.dialogs, GroupBox3, {136, 40, 41, 22}, GlobalSetting("Gradu2"),
                         DefaultNumber("Gradu2"));
  Label11 = NewLabel(QT_TR_NOOP("Graduations verticales toutes les :"), GroupBox3, 8, 68);
  hspin = NewSpinEdit(services_.dialogs, GroupBox3, {168, 64, 49, 22}, GlobalSetting("Gradu3"),
                      DefaultNumber("Gradu3"));
  Label12 = NewLabel(QT_TR_NOOP("secondes"), GroupBox3, 224, 68);

  Label10 = NewLabel(QT_TR_NOOP("Echelle :"), GroupBox3, 8, 91);
  cb = new QComboBox(GroupBox3);
  cb->setGeometry(64, 88, 145, 21);
  for (const SpeedScale& item : kSpeedScales) cb->addItem(Shown(item.text));
  cb->setCurrentIndex(-1);

  Label8 = NewLabel(QT_TR_NOOP("Vitesse :"), GroupBox3, 8, 116);
  // The speed field starts at its minimum; the meter's creation sets it afterwards.
  constexpr const SettingDefinition& speed = GlobalSetting("Vitesse2");
  spdspin =
      NewSpinEdit(services_.dialogs, GroupBox3, {64, 112, 145, 22}, speed, speed.bounds.minimum);
  spdspin->setEnabled(false);
  Label9 = NewLabel(QT_TR_NOOP("octets/s"), GroupBox3, 216, 116);
}

void TForm1::CreateOptionsGroup() {
  GroupBox4 = new QGroupBox(tr("Options"), TabSheet2);
  GroupBox4->setGeometry(328, 8, 177, 145);
  aot = NewCheckBox(QT_TR_NOOP("Toujours au dessus"), GroupBox4, 8, 20, 161);
  aot->setChecked(true);
  aot->setEnabled(false);
  micro = NewCheckBox(QT_TR_NOOP("Mode Compact"), GroupBox4, 8, 40, 161);
  Label13 = NewLabel(QT_TR_NOOP("Période de rafraichissement :"), GroupBox4, 8, 56);
  tb = new QSlider(Qt::Horizontal, GroupBox4);
  tb->setGeometry(1, 72, 128, 25);
  tb->setRange(1, 40);
  tb->setValue(20);
  tb->setTickInterval(2);
  tb->setTickPosition(QSlider::TicksBelow);
  Label14 = NewLabel("", GroupBox4, 128, 72);
  Label14->setText(QString::fromStdString(RefreshPeriodText(tb->value())));
  Label14->adjustSize();
}

void TForm1::CreateGraphListsGroup() {
  GroupBox5 = new QGroupBox(tr("Interfaces à monitorer"), TabSheet2);
  GroupBox5->setGeometry(8, 160, 497, 121);
  Label3 = NewLabel(QT_TR_NOOP("Graphique 1 :"), GroupBox5, 8, 17);
  lb1 = new QListWidget(GroupBox5);
  lb1->setGeometry(8, 32, 241, 81);
  Label15 = NewLabel(QT_TR_NOOP("Graphique 2 :"), GroupBox5, 296, 17);
  lb2 = new QListWidget(GroupBox5);
  lb2->setGeometry(248, 32, 241, 81);
  Button6 = NewButton(QT_TR_NOOP("Rafraichir la liste"), GroupBox5, {200, 16, 89, 17});
}

void TForm1::CreatePlanPage() {
  TabSheet3 = new QWidget;
  PageControl1->addTab(TabSheet3, tr("Forfait"));
  cbPlan = NewCheckBox(QT_TR_NOOP("Suivre un forfait"), TabSheet3, 8, 8, 200);
  NewLabel(QT_TR_NOOP("Limite :"), TabSheet3, 8, 36);
  planLimit = new QDoubleSpinBox(TabSheet3);
  planLimit->setGeometry(104, 32, 97, 22);
  planLimit->setDecimals(2);
  planLimit->setRange(0.01, static_cast<double>(kLargestCount) / kGo);
  planUnit = new QComboBox(TabSheet3);
  planUnit->setGeometry(208, 32, 49, 21);
  planUnit->addItems({tr("Mo"), tr("Go")});
  NewLabel(QT_TR_NOOP("Période :"), TabSheet3, 8, 64);
  planPeriod = new QComboBox(TabSheet3);
  planPeriod->setGeometry(104, 60, 153, 21);
  planPeriod->addItems({tr("Mensuelle"), tr("Quotidienne"), tr("Tous les N jours")});
  NewLabel(QT_TR_NOOP("Début le jour :"), TabSheet3, 8, 92);
  planDay = NewSpinEdit(services_.dialogs, TabSheet3, {104, 88, 41, 22}, GlobalSetting("planDay"),
                        DefaultNumber("planDay"));
  NewLabel(QT_TR_NOOP("Premier jour :"), TabSheet3, 8, 120);
  planFrom = new QDateEdit(QDate::currentDate(), TabSheet3);
  planFrom->setGeometry(104, 116, 97, 22);
  planFrom->setDisplayFormat(Text(kDayPattern));
  planFrom->setCalendarPopup(true);
  NewLabel(QT_TR_NOOP("N :"), TabSheet3, 8, 148);
  planEvery = NewSpinEdit(services_.dialogs, TabSheet3, {104, 144, 49, 22},
                          GlobalSetting("planEvery"), DefaultNumber("planEvery"));
  NewLabel(QT_TR_NOOP("jours"), TabSheet3, 160, 148);
  NewLabel(QT_TR_NOOP("Compter :"), TabSheet3, 8, 176);
  planCount = new QComboBox(TabSheet3);
  planCount->setGeometry(104, 172, 153, 21);
  for (PlanCount count : {PlanCount::kBoth, PlanCount::kReceived, PlanCount::kSent}) {
    planCount->addItem(Shown(PlanCountText(count)));
  }
  NewLabel(QT_TR_NOOP("Alerte à :"), TabSheet3, 8, 204);
  planWarning = NewSpinEdit(services_.dialogs, TabSheet3, {104, 200, 41, 22},
                            GlobalSetting("planWarning"), DefaultNumber("planWarning"));
  NewLabel(QT_TR_NOOP("% de la limite"), TabSheet3, 152, 204);

  auto* interfaces = new QGroupBox(tr("Interfaces comptées"), TabSheet3);
  interfaces->setGeometry(280, 8, 225, 273);
  planAll = new QRadioButton(tr("Toutes les archives"), interfaces);
  planAll->move(8, 20);
  planAll->setChecked(true);
  planChosen = new QRadioButton(tr("Celles cochées :"), interfaces);
  planChosen->move(8, 40);
  planList = new QListWidget(interfaces);
  planList->setGeometry(8, 60, 209, 205);
  EnablePlanControls();
}

void TForm1::ConnectPlanPage() {
  auto changed = [this](QObject* sender) { return [this, sender] { planChange(sender); }; };
  connect(cbPlan, &QCheckBox::toggled, this, changed(cbPlan));
  connect(planLimit, &QDoubleSpinBox::valueChanged, this, changed(planLimit));
  for (QComboBox* list : {planUnit, planPeriod, planCount}) {
    connect(list, &QComboBox::activated, this, changed(list));
  }
  for (TCSpinEdit* spin : {planDay, planEvery, planWarning}) {
    connect(spin, &TCSpinEdit::OnChange, this, changed(spin));
  }
  connect(planFrom, &QDateEdit::dateChanged, this, changed(planFrom));
  for (QRadioButton* choice : {planAll, planChosen}) {
    connect(choice, &QRadioButton::toggled, this, changed(choice));
  }
  connect(planList, &QListWidget::itemChanged, this, changed(planList));
}

PlanControls TForm1::PlanShown() const {
  PlanControls p;
  p.on = cbPlan->isChecked();
  const double unit = planUnit->currentIndex() == 1 ? kGo : kMo;
  p.limit = std::to_string(static_cast<std::uint64_t>(std::llround(planLimit->value() * unit)));
  p.period = planPeriod->currentIndex();
  p.startDay = planDay->Value();
  p.everyDays = planEvery->Value();
  p.firstDay = planFrom->date().toString(Text(kDayPattern)).toStdString();
  p.count = planCount->currentIndex();
  p.warning = planWarning->Value();
  p.interfaces.clear();
  if (planChosen->isChecked()) {
    for (int row = 0; row < planList->count(); ++row) {
      if (!IsChecked(*planList, row)) continue;
      if (!p.interfaces.empty()) p.interfaces += ' ';
      p.interfaces += planList->item(row)->text().toStdString();
    }
  }
  return p;
}

void TForm1::RestorePlanControls(const PlanControls& plan) {
  const QSignalBlocker blocks[] = {
      QSignalBlocker(cbPlan),     QSignalBlocker(planLimit),  QSignalBlocker(planUnit),
      QSignalBlocker(planPeriod), QSignalBlocker(planDay),    QSignalBlocker(planFrom),
      QSignalBlocker(planEvery),  QSignalBlocker(planCount),  QSignalBlocker(planWarning),
      QSignalBlocker(planAll),    QSignalBlocker(planChosen), QSignalBlocker(planList)};
  cbPlan->setChecked(plan.on);
  if (const auto octets = OctetsOfText(plan.limit)) {
    const bool go = static_cast<double>(*octets) >= kGo;
    planUnit->setCurrentIndex(go ? 1 : 0);
    planLimit->setValue(static_cast<double>(*octets) / (go ? kGo : kMo));
  }
  planPeriod->setCurrentIndex(plan.period);
  planDay->SetValue(plan.startDay);
  planEvery->SetValue(plan.everyDays);
  const QDate first = QDate::fromString(Text(plan.firstDay.c_str()), Text(kDayPattern));
  if (first.isValid()) planFrom->setDate(first);
  planCount->setCurrentIndex(plan.count);
  planWarning->SetValue(plan.warning);
  std::istringstream names(plan.interfaces);
  std::vector<QString> chosen;
  for (std::string name; names >> name;) chosen.push_back(Text(name.c_str()));
  for (const QString& name : chosen) {
    if (planList->findItems(name, Qt::MatchExactly).isEmpty()) AddCheckItem(*planList, name);
  }
  for (int row = 0; row < planList->count(); ++row) {
    SetChecked(
        *planList, row,
        std::find(chosen.begin(), chosen.end(), planList->item(row)->text()) != chosen.end());
  }
  (chosen.empty() ? planAll : planChosen)->setChecked(true);
  EnablePlanControls();
}

std::optional<DataPlan> TForm1::Plan() const {
  if (!cbPlan->isChecked()) return std::nullopt;
  return PlanOfControls(PlanShown());
}

void TForm1::EnablePlanControls() {
  const bool on = cbPlan->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{planLimit, planUnit, planPeriod, planCount,
                                                    planWarning, planAll, planChosen}) {
    w->setEnabled(on);
  }
  planDay->setEnabled(on && planPeriod->currentIndex() == 0);
  planFrom->setEnabled(on && planPeriod->currentIndex() == 2);
  planEvery->setEnabled(on && planPeriod->currentIndex() == 2);
  planList->setEnabled(on && planChosen->isChecked());
}

}  // namespace kirv
