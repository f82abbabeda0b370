#include "graph/graph_window.h"

#include <QApplication>
#include <QBitmap>
#include <QClipboard>
#include <QDate>
#include <QFont>
#include <QFontInfo>
#include <QPalette>
#include <QPixmap>
#include <QScreen>
#include <algorithm>
#include <filesystem>

#include "app/forms.h"
#include "common/calendar.h"
#include "common/colour.h"
#include "config/config_dialog.h"
#include "config/speed_scale_table.h"
#include "graph/graph_axes.h"
#include "graph/graph_renderer.h"
#include "graph/period_table.h"
#include "graph/qt_graph_snapshot.h"
#include "platform/qt_text.h"
#include "widgets/qt_canvas.h"

namespace kirv {

namespace {

// Client area at creation and its limits: the window's 725 × 393, minimum 350 × 250 and maximum
// width 1122 less a frame of 9 × 38, so the graph area is 700 × 235 and the curve layer stays
// below the column table's 1024 columns.
constexpr int kFrameWidth = 9;
constexpr int kFrameHeight = 38;
constexpr int kClientWidth = 725 - kFrameWidth;
constexpr int kClientHeight = 393 - kFrameHeight;
constexpr int kMinClientWidth = 350 - kFrameWidth;
constexpr int kMinClientHeight = 250 - kFrameHeight;
constexpr int kMaxClientWidth = 1122 - kFrameWidth;

// The graph area (shape, im1) and the curve layer (im2) inside it.
constexpr int kAreaLeft = 8;
constexpr int kAreaTop = 120;

constexpr int kStatisticsLeft = 488;

constexpr int kAutoRecordPeriod = 300000;  // ms

// A core text (context "kirv") in the user's language.
QString CoreText(const char* text) { return QCoreApplication::translate("kirv", text); }

QLabel* Caption(const QString& text, int x, int y, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->move(x, y);
  label->adjustSize();
  return label;
}

QPushButton* Button(const QString& text, const QRect& bounds, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setGeometry(bounds);
  return button;
}

QCheckBox* CheckBox(const QString& text, int x, int y, QWidget* parent) {
  auto* box = new QCheckBox(text, parent);
  box->move(x, y);
  box->adjustSize();
  return box;
}

// A spin edit held to the bounds of the setting that it mirrors.
TCSpinEdit* SpinEdit(Dialogs* dialogs, const SettingDefinition& setting, const QRect& bounds,
                     QWidget* parent) {
  auto* spin = new TCSpinEdit(dialogs, parent);
  spin->SetMinValue(setting.bounds.minimum);
  spin->SetMaxValue(setting.bounds.maximum);
  spin->setGeometry(bounds);
  return spin;
}

// A layer as shown: its pixels of the given colour let what lies under it show through.
QPixmap Transparent(const QImage& layer, Colour transparent) {
  QPixmap pixmap = QPixmap::fromImage(layer);
  pixmap.setMask(pixmap.createMaskFromColor(QtCanvas::ToQColor(transparent), Qt::MaskInColor));
  return pixmap;
}

DateTime DateOf(const QDate& d) { return DateTime{d.year(), d.month(), d.day()}; }

}  // namespace

TForm2::TForm2(Services& services) : QWidget(nullptr), services_(services) {
  setWindowTitle(tr("Module Graphique"));
  resize(kClientWidth, kClientHeight);
  setMinimumSize(kMinClientWidth, kMinClientHeight);
  setMaximumWidth(kMaxClientWidth);
  setFont(GraphWindowFont());
  if (const QScreen* screen = QApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
  BuildSettingsRow();
  BuildDateRow();
  BuildStatistics();
  BuildButtons();
  BuildGraphArea();

  tous = new QCheckBox(tr("Tous"), this);
  tous->hide();
  Image2 = new QLabel(this);
  Image2->hide();
  Label7 = new QLabel(this);
  Label7->hide();
  Timer1 = new QTimer(this);
  Timer1->setInterval(kAutoRecordPeriod);

  cb->setCurrentIndex(DefaultNumber("Echelle"));  // "512kbps (ADSL, cable)"
  spdspin->SetValue(DefaultNumber("Vitesse"));
  cbG->setCurrentIndex(kDay);
  const DateTime today = services.clock->Now();
  datep->setDate(QDate(today.year, today.month, today.day));
  FormResize(this);

  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(Button1); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(Button2); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(Button3); });
  connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(Button4); });
  connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(Button6); });
  connect(Button7, &QPushButton::clicked, this, [this] { Button7Click(Button7); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(BitBtn1); });
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(Timer1); });
  connect(autorec, &QCheckBox::toggled, this, [this] { autorecClick(autorec); });
  connect(cb, &QComboBox::activated, this, [this] { cbChange(cb); });
  connect(cbG, &QComboBox::activated, this, [this] { cbGChange(cbG); });
}

void TForm2::BuildSettingsRow() {
  Label12 = Caption(tr("Graphique :"), 8, 8, this);
  cbG = new QComboBox(this);
  for (const char* name : kPeriodNames) cbG->addItem(CoreText(name));
  cbG->setGeometry(76, 4, 92, 22);
  Label9 = Caption(tr("Echelle :"), 176, 8, this);
  cb = new QComboBox(this);
  for (const SpeedScale& scale : kSpeedScales) cb->addItem(CoreText(scale.text));
  cb->setGeometry(226, 4, 176, 22);

  Label10 = Caption(tr("Vitesse :"), 8, 34, this);
  spdspin = SpinEdit(services_.dialogs, GlobalSetting("Vitesse"), QRect(76, 30, 92, 22), this);
  spdspin->setEnabled(false);
  Label11 = Caption(tr("octets/s"), 172, 34, this);
  Label8 = Caption(tr("Graduations :"), 226, 34, this);
  gradspin = SpinEdit(services_.dialogs, GlobalSetting("Gradu"), QRect(304, 30, 50, 22), this);
  gradspin->SetValue(DefaultNumber("Gradu"));

  GroupBox2 = new QGroupBox(this);
  GroupBox2->setGeometry(8, 84, 112, 32);
  rb2 = new QRadioButton(tr("Bits"), GroupBox2);
  rb2->move(6, 8);
  rb2->adjustSize();
  rb1 = new QRadioButton(tr("Octets"), GroupBox2);
  rb1->move(46, 8);
  rb1->adjustSize();
  rb2->setChecked(true);

  GroupBox3 = new QGroupBox(tr("Sens de génération :"), this);
  GroupBox3->setGeometry(124, 82, 224, 36);
  cbdg = new QRadioButton(tr("Droite à Gauche"), GroupBox3);
  cbdg->move(6, 16);
  cbdg->adjustSize();
  cbgd = new QRadioButton(tr("Gauche à Droite"), GroupBox3);
  cbgd->move(114, 16);
  // The radio pairs sit side by side in narrow bounds: a stand-in of ordinary width is condensed
  // there, or each caption runs under its neighbour.
  if (QFontInfo(font()).family() != font().family()) {
    QFont narrow = font();
    narrow.setStretch(QFont::Condensed);
    for (QRadioButton* button : {rb2, rb1, cbdg, cbgd}) {
      button->setFont(narrow);
      button->adjustSize();
    }
  }
  cbgd->adjustSize();
  cbgd->setChecked(true);
}

void TForm2::BuildDateRow() {
  Label13 = Caption(tr("Tracer a partir du :"), 8, 60, this);
  Button6 = Button(QStringLiteral("-"), QRect(114, 56, 20, 22), this);
  datep = new QDateEdit(this);
  datep->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
  datep->setCalendarPopup(true);
  datep->setGeometry(136, 56, 92, 22);
  Button7 = Button(QStringLiteral("+"), QRect(230, 56, 20, 22), this);
  cbmx = CheckBox(tr("Dessiner pics"), 362, 32, this);
  cbmx->setChecked(true);
  legd = CheckBox(tr("Légende"), 410, 6, this);
  autorec = CheckBox(tr("Enregistrement auto"), 352, 94, this);
}

void TForm2::BuildStatistics() {
  GroupBox1 = new QtStatisticsBox(GraphWindowFont(), this);
  GroupBox1->move(kStatisticsLeft, 0);
}

void TForm2::BuildButtons() {
  Button2 = Button(tr("Tracer"), QRect(258, 55, 50, 24), this);
  Button3 = Button(tr("Effacer"), QRect(310, 55, 52, 24), this);
  Button4 = Button(tr("Ouvrir"), QRect(364, 55, 50, 24), this);
  BitBtn1 = Button(tr("Enregistrer"), QRect(416, 55, 68, 24), this);
  Button1 = Button(tr("Rafraichir"), QRect(0, 0, 60, 26), this);
  Button1->hide();
}

// Created bottom first: the axis layer over the background, the curve layer over both.
void TForm2::BuildGraphArea() {
  shape = new ShapeControl(this);
  shape->SetBrushColour(QtCanvas::ToQColor(kGraphBackground));
  im1 = new QLabel(this);
  im1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  im2 = new QLabel(this);
  im2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  shape->setGeometry(kAreaLeft, kAreaTop, 700, 235);
  im1->setGeometry(shape->geometry());
  im2->setGeometry(kAreaLeft + kCurveLayerLeft, kAreaTop + kCurveLayerTop, 600, 195);
  axisLayer_ = QtCanvas::MakeImage(im1->size(), devicePixelRatio());
  axisLayer_.fill(QtCanvas::ToQColor(kWhite));
  curveLayer_ = QtCanvas::MakeImage(im2->size(), devicePixelRatio());
  curveLayer_.fill(QtCanvas::ToQColor(kGraphBackground));
  ShowLayers();
}

void TForm2::FormCreate() {
  ReadSettings();
  // From the colours the configuration dialog holds at start; later changes show at the next
  // start.
  if (Form1 != nullptr) GroupBox1->ColourCaptions(Form1->CurveColours());
  if (autorec->isChecked()) Timer1->start();
}

// Behind "Graphfile" (and "Legende" for three of them); the lists' positions run no handler.
void TForm2::ReadSettings() {
  GraphControls g;
  ReadForm2Settings(*services_.settings, g);
  archivePath_ = g.Graphfile;
  cbmx->setChecked(g.cbmx);
  (g.rb1 ? rb1 : rb2)->setChecked(true);
  legd->setChecked(g.legd);
  autorec->setChecked(g.autorec);
  tous->setChecked(g.tous);
  gradspin->SetValue(g.gradspin);
  cb->setCurrentIndex(g.cb);
  spdspin->SetValue(g.spdspin);
  spdspin->setEnabled(g.spdspinEnabled);
}

GraphControls TForm2::Controls() {
  GraphControls g;
  g.Graphfile = archivePath_;
  g.autorec = autorec->isChecked();
  g.legd = legd->isChecked();
  g.tous = tous->isChecked();
  g.cbmx = cbmx->isChecked();
  g.rb1 = rb1->isChecked();
  g.gradspin = gradspin->Value();
  g.cb = cb->currentIndex();
  g.spdspin = spdspin->Value();
  g.cbG = cbG->currentIndex();
  g.spdspinEnabled = spdspin->isEnabled();
  return g;
}

TraceInputs TForm2::CurrentInputs() {
  TraceInputs in;
  in.archivePath = archivePath_;
  in.period = cbG->currentIndex();
  in.columnSpan = columnSpan_;
  in.referenceDate = DateOf(datep->date());
  in.now = services_.clock->Now();
  in.leftToRight = cbgd->isChecked();
  in.octets = rb1->isChecked();
  in.automaticScale = cb->currentIndex() == kAutomaticScaleItem;
  in.fullScale = spdspin->Value();
  in.drawPeaks = cbmx->isChecked();
  in.graduations = gradspin->Value();
  in.width = im2->width();
  in.height = im2->height();
  if (Form1 != nullptr) in.colours = Form1->CurveColours();
  in.format = services_.numberFormat;
  return in;
}

void TForm2::ShowLayers() {
  im1->setPixmap(Transparent(axisLayer_, kWhite));
  im2->setPixmap(Transparent(curveLayer_, kGraphBackground));
}

// The layers stay blank when the trace fails part way.
void TForm2::Button2Click(QObject* sender) {
  if (archivePath_.empty()) return;
  traced_ = true;
  Button3Click(sender);
  const TraceInputs in = CurrentInputs();
  QImage curve = QtCanvas::MakeImage(im2->size(), devicePixelRatio());
  QImage axis = QtCanvas::MakeImage(im1->size(), devicePixelRatio());
  QtCanvas curveCanvas(curve);
  QtCanvas axisCanvas(axis, GraphWindowFont());
  const std::optional<TraceResult> result = graph_.Trace(in, curveCanvas, axisCanvas);
  if (!result) return;
  curveLayer_ = curve;
  axisLayer_ = axis;
  ShowLayers();
  GroupBox1->ShowFigures(result->statistics);
  if (LayOutStatistics()) {  // the layers were drawn for the narrower window
    Button2Click(sender);
    return;
  }
  if (in.automaticScale) spdspin->SetValue(static_cast<std::int32_t>(result->fullScale));
  cleared_ = false;
}

void TForm2::Button1Click(QObject*) {
  const TraceInputs in = Bounded(CurrentInputs());
  const float s = VerticalScale(in.height, in.fullScale);
  QtCanvas curveCanvas(curveLayer_);
  DrawFrame(curveCanvas, curveCanvas.Width(), curveCanvas.Height());
  QImage axis = QtCanvas::MakeImage(im1->size(), devicePixelRatio());
  QtCanvas axisCanvas(axis, GraphWindowFont());
  DrawAxes(axisCanvas, in, s, graph_.Unit());
  axisLayer_ = axis;
  ShowLayers();
}

void TForm2::Button3Click(QObject*) {
  QtCanvas axis(axisLayer_);
  axis.SetBrushColour(kWhite);
  axis.FillRect(1, 1, axis.Width() - 1, axis.Height() - 1);
  curveLayer_.fill(QtCanvas::ToQColor(kGraphBackground));
  ShowLayers();
  cleared_ = true;
}

// The dialogs start in the data folder, the working directory, unless an archive is chosen.
void TForm2::Button4Click(QObject*) {
  std::error_code noFolder;
  const std::string start =
      archivePath_.empty() ? std::filesystem::current_path(noFolder).string() : archivePath_;
  const std::optional<std::string> chosen =
      services_.dialogs->OpenFile(tr("Fichier Archive KIRV|*.mdf").toStdString(), start);
  if (chosen) archivePath_ = *chosen;
}

void TForm2::StepDate(int days) {
  datep->setDate(datep->date().addDays(days));
  if (traced_) Button2Click(datep);
}

void TForm2::Button6Click(QObject*) { StepDate(-1); }
void TForm2::Button7Click(QObject*) { StepDate(1); }

void TForm2::autorecClick(QObject*) {
  if (autorec->isChecked()) {
    Timer1->start();
  } else {
    Timer1->stop();
  }
}

// Without an archive the open dialog comes up once per tick: a user who cancels is asked again
// at the next tick instead of being held in the dialog for good.
void TForm2::Timer1Timer(QObject* sender) {
  if (archivePath_.empty()) Button4Click(sender);
  if (archivePath_.empty()) return;
  Button2Click(sender);
  BitBtn1Click(Timer1);
}

void TForm2::cbChange(QObject*) {
  const int item = cb->currentIndex();
  if (item < 0 || item >= static_cast<int>(kSpeedScales.size())) return;
  spdspin->setEnabled(kSpeedScales[item].editable);
  spdspin->SetValue(kSpeedScales[item].fullScale);
}

bool TForm2::LayOutStatistics() {
  GroupBox1->LayOut();
  const int before = width();
  const int room = GroupBox1->geometry().right() + 1 + kAreaLeft;
  setMinimumWidth(GroupBox1->width() > QtStatisticsBox::kWidth ? std::min(room, kMaxClientWidth)
                                                               : kMinClientWidth);
  return width() != before;
}

void TForm2::cbGChange(QObject*) { columnSpan_ = ColumnSpanOf(cbG->currentIndex()); }

void TForm2::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize(this);
}

void TForm2::FormResize(QObject* sender) {
  if (!cleared_) Button3Click(sender);
  shape->setGeometry(kAreaLeft, kAreaTop, width() - 2 * kAreaLeft, height() - kAreaTop);
  im1->setGeometry(shape->geometry());
  im2->setGeometry(im2->x(), kAreaTop + kCurveLayerTop, shape->width() - kAxisLayerExtraWidth,
                   shape->height() - kAxisLayerExtraHeight);
  Label7->setText(QStringLiteral("%1x%2").arg(im1->width()).arg(im1->height()));
}

// From the button, the reference day and the period in the save dialog, or none when cancelled;
// from the timer, one file per period beside the archive.
std::string TForm2::SnapshotTarget(bool fromTimer) {
  // The file names keep the French period names, whatever the language shown.
  const int item = std::clamp(cbG->currentIndex(), 0, static_cast<int>(kPeriodNames.size()) - 1);
  const std::string period = kPeriodNames[static_cast<std::size_t>(item)];
  if (fromTimer) return archivePath_ + " " + period + ".bmp";
  const std::string name =
      FormatDateTime(DateOf(datep->date()), "yyyy-mm-dd") + " " + period + ".bmp";
  std::error_code noFolder;
  const std::filesystem::path folder = std::filesystem::current_path(noFolder);
  const std::optional<std::string> chosen =
      services_.dialogs->SaveFile(tr("Image bitmap|*.bmp").toStdString(), (folder / name).string());
  return chosen.value_or("");
}

// The picture of the graph area alone, and with "Légende" of the statistics at its right, drawn
// straight from the layers: the window's own layout stays as it is.
bool TForm2::SaveSnapshot(const std::string& target) {
  const QImage shot =
      GraphSnapshot(im1->size(), axisLayer_, curveLayer_, palette().color(QPalette::Window),
                    legd->isChecked() ? GroupBox1 : nullptr);
  QApplication::clipboard()->setImage(shot);
  Image2->setPixmap(QPixmap::fromImage(shot));
  return target.empty() || shot.save(Text(target), "BMP");
}

void TForm2::BitBtn1Click(QObject* sender) {
  const std::string target = SnapshotTarget(sender == Timer1);
  if (!SaveSnapshot(target)) {
    services_.dialogs->ShowMessage(tr("Impossible d'enregistrer l'image ").toStdString() + target);
  }
}

}  // namespace kirv
