// The configuration dialog's two pages and their controls, at their bounds.

#include "common/colour.h"
#include "config/config_dialog.h"
#include "config/refresh_period.h"
#include "config/settings_schema.h"
#include "graph/speed_scale_table.h"
#include "widgets/qt_canvas.h"

namespace kirv {

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

QLabel* NewLabel(const char* caption, QWidget* parent, int left, int top) {
  auto* label = new QLabel(Text(caption), parent);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QPushButton* NewButton(const char* caption, QWidget* parent, const QRect& bounds) {
  auto* button = new QPushButton(Text(caption), parent);
  button->setGeometry(bounds);
  return button;
}

QCheckBox* NewCheckBox(const char* caption, QWidget* parent, int left, int top, int width) {
  auto* box = new QCheckBox(Text(caption), parent);
  box->setGeometry(left, top, width, 17);
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

}  // namespace

void TForm1::CreateGeneralPage() {
  TabSheet1 = new QWidget;
  PageControl1->addTab(TabSheet1, Text("Options Générales"));
  Label2 = NewLabel("Interfaces à monitorer :", TabSheet1, 0, 0);
  lb = new QListWidget(TabSheet1);
  lb->setGeometry(0, 16, 297, 97);
  Button5 = NewButton("Rafraichir la liste", TabSheet1, {208, 0, 89, 17});
  Label1 = NewLabel("0ko/s", TabSheet1, 0, 120);
  Label4 = NewLabel("0ko/s", TabSheet1, 0, 132);
  Label5 = NewLabel("Label5", TabSheet1, 144, 120);
  Label6 = NewLabel("Label6", TabSheet1, 144, 132);
  for (QLabel* hidden : {Label4, Label5, Label6}) hidden->hide();

  GroupBox1 = new QGroupBox(Text("Options"), TabSheet1);
  GroupBox1->setGeometry(304, 8, 209, 49);
  cbWin = NewCheckBox("Démarrer avec Windows", GroupBox1, 8, 22, 193);

  GroupBox2 = new QGroupBox(Text("Couleurs graphique"), TabSheet1);
  GroupBox2->setGeometry(304, 64, 209, 153);
  CreateColourRows();
  Button1 = NewButton("Défaut", GroupBox2, {88, 128, 75, 17});

  Button2 = NewButton("Graphique", TabSheet1, {0, 160, 297, 49});
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
      {lrec, "Récéption 1 :", Edit1, defaults.Edit1, Shape1},
      {lenv, "Envoi 1 :", Edit2, defaults.Edit2, Shape2},
      {lbrep, "Récéption 2 Pic:", Edit3, defaults.Edit3, Shape3},
      {lenp, "Envoi 2 Pic :", Edit4, defaults.Edit4, Shape4},
      {Label16, "Intersection 1-2:", Edit5, defaults.Edit5, Shape5},
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
  PageControl1->addTab(TabSheet2, Text("Tachymetre"));
  cbI = new QComboBox(TabSheet2);
  cbI->setGeometry(256, 0, 113, 21);
  cbI->hide();
  CreateLegendGroup();
  CreateOptionsGroup();
  CreateGraphListsGroup();
}

void TForm1::CreateLegendGroup() {
  GroupBox3 = new QGroupBox(Text("Légende"), TabSheet2);
  GroupBox3->setGeometry(8, 8, 313, 145);
  cbGr = NewCheckBox("Afficher le graphique", GroupBox3, 16, 24, 121);
  cbGr->setChecked(true);
  rb1 = new QRadioButton(Text("Octets"), GroupBox3);
  rb1->move(184, 16);
  rb2 = new QRadioButton(Text("Bits"), GroupBox3);
  rb2->move(184, 32);
  rb2->setChecked(true);

  Label7 = NewLabel("Graduations horizontales : ", GroupBox3, 8, 44);
  gradspin = NewSpinEdit(services_.dialogs, GroupBox3, {136, 40, 41, 22}, GlobalSetting("Gradu2"),
                         DefaultNumber("Gradu2"));
  Label11 = NewLabel("Graduations verticales toutes les :", GroupBox3, 8, 68);
  hspin = NewSpinEdit(services_.dialogs, GroupBox3, {168, 64, 49, 22}, GlobalSetting("Gradu3"),
                      DefaultNumber("Gradu3"));
  Label12 = NewLabel("secondes", GroupBox3, 224, 68);

  Label10 = NewLabel("Echelle :", GroupBox3, 8, 91);
  cb = new QComboBox(GroupBox3);
  cb->setGeometry(64, 88, 145, 21);
  for (const SpeedScale& item : kSpeedScales) cb->addItem(Text(item.text));
  cb->setCurrentIndex(-1);

  Label8 = NewLabel("Vitesse :", GroupBox3, 8, 116);
  // The speed field starts at its minimum; the meter's creation sets it afterwards.
  constexpr const SettingDefinition& speed = GlobalSetting("Vitesse2");
  spdspin =
      NewSpinEdit(services_.dialogs, GroupBox3, {64, 112, 145, 22}, speed, speed.bounds.minimum);
  spdspin->setEnabled(false);
  Label9 = NewLabel("octets/s", GroupBox3, 216, 116);
}

void TForm1::CreateOptionsGroup() {
  GroupBox4 = new QGroupBox(Text("Options"), TabSheet2);
  GroupBox4->setGeometry(328, 8, 177, 145);
  aot = NewCheckBox("Toujours au dessus", GroupBox4, 8, 20, 161);
  aot->setChecked(true);
  aot->setEnabled(false);
  micro = NewCheckBox("Mode Compact", GroupBox4, 8, 40, 161);
  Label13 = NewLabel("Période de rafraichissement :", GroupBox4, 8, 56);
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
  GroupBox5 = new QGroupBox(Text("Interfaces à monitorer"), TabSheet2);
  GroupBox5->setGeometry(8, 160, 497, 121);
  Label3 = NewLabel("Graphique 1 :", GroupBox5, 8, 17);
  lb1 = new QListWidget(GroupBox5);
  lb1->setGeometry(8, 32, 241, 81);
  Label15 = NewLabel("Graphique 2 :", GroupBox5, 296, 17);
  lb2 = new QListWidget(GroupBox5);
  lb2->setGeometry(248, 32, 241, 81);
  Button6 = NewButton("Rafraichir la liste", GroupBox5, {200, 16, 89, 17});
}

}  // namespace kirv
