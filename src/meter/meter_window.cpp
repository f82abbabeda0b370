#include "meter/meter_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFont>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QResizeEvent>
#include <QShowEvent>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <exception>
#include <filesystem>

#include "app/artwork.h"
#include "app/forms.h"
#include "app/main_form.h"
#include "chrono/chrono_window.h"
#include "config/config_dialog.h"
#include "meter/label_fit.h"
#include "meter/qt_camera_picture.h"
#include "meter/snapshot_name.h"
#include "plan/plan_hint.h"
#include "platform/qt_text.h"
#include "widgets/qt_canvas.h"
#include "widgets/screen_fit.h"

namespace kirv {

namespace {

const QColor kBarGrey(0xF5, 0xF5, 0xF5);  // 16119285
// px, the bar's height limits; at its smallest it is the whole of a compact meter.
constexpr int kBarMinHeight = kMinMeterHeight;
constexpr int kBarMaxHeight = 100;
constexpr int kGraphTop = 18;  // px, top of the graph part
constexpr int kMaxWidth = 1024;
constexpr int kSamplingPeriod = 1000;  // ms, trackbar position 20
constexpr int kLabelFontSize = 10;     // points: Arial of 13 px at 96 dpi

const Qt::WindowFlags kToolWindow =
    Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

void FillBackground(QWidget& widget, const QColor& colour) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Window, colour);
  widget.setPalette(palette);
  widget.setAutoFillBackground(true);
}

TextSize Measure(const QFont& font, const QString& text) {
  const QFontMetrics metrics(font);
  return {metrics.horizontalAdvance(text), metrics.height()};
}

}  // namespace

TForm3::TForm3(Services& services)
    : QWidget(nullptr, kToolWindow | Qt::WindowStaysOnTopHint),
      services_(services),
      sampler_(*services.interfaces, services.numberFormat.texts) {
  setWindowTitle(tr("Tachymetre"));
  FillBackground(*this, palette().color(QPalette::Button));
  setMinimumSize(kMinMeterWidth, kMinMeterHeightWithGraph);
  setMaximumWidth(kMaxWidth);
  // The client area of a 403 × 189 tool window at (197, 123).
  move(DefaultNumber("left"), DefaultNumber("top"));
  resize(395, 155);
  CreateComponents();
  CreateMenu();
}

void TForm3::CreateComponents() {
  Shape1 = new ShapeControl(this);
  Shape1->setGeometry(0, 0, 393, kBarMinHeight);
  Shape1->setMinimumHeight(kBarMinHeight);
  Shape1->setMaximumHeight(kBarMaxHeight);
  Shape1->SetBrushColour(kBarGrey);
  Shape1->SetPenColour(kBarGrey);

  Label1 = new QLabel(tr("DL : 0ko/s  UL : 0ko/s"), this);
  Label1->setGeometry(144, 1, 128, 16);
  FillBackground(*Label1, kBarGrey);
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(kLabelFontSize);
  Label1->setFont(font);

  Shape2 = new ShapeControl(this);
  Shape2->setGeometry(0, kGraphTop, 395, 137);
  Shape2->SetBrushColour(kBarGrey);
  Shape2->SetPenColour(kBarGrey);

  im2 = new QLabel(this);
  im2->setGeometry(kGraphAreaLeft, kGraphTop, 345, 135);
  im2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  im1 = new QLabel(this);
  im1->setGeometry(0, kGraphTop, 393, 135);
  im1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  Label2 = new QLabel(QStringLiteral("Label2"), this);
  Label2->move(8, 0);
  Label3 = new QLabel(QStringLiteral("Label3"), this);
  Label3->move(8, 24);

  Image1 = new ImageControl(this);
  Image1->setGeometry(371, 1, kCameraWidth, kCameraHeight);
  Image1->setPixmap(QPixmap::fromImage(CameraPicture()));
  Image1->OnClick = [this] { Image1Click(Image1); };
  Image2 = new QLabel(this);
  Image2->setGeometry(24, 24, 9, 17);
  Image2->hide();

  Button1 = new QPushButton(tr("ARRET"), this);
  Button1->setGeometry(48, 0, 49, 17);
  QFont bold(QStringLiteral("Arial"));
  bold.setPixelSize(13);
  bold.setBold(true);
  Button1->setFont(bold);
  QPalette red = Button1->palette();
  red.setColor(QPalette::ButtonText, Qt::red);
  Button1->setPalette(red);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(Button1); });

  for (QWidget* handle :
       {static_cast<QWidget*>(Shape1), static_cast<QWidget*>(Label1), static_cast<QWidget*>(im1)}) {
    handle->installEventFilter(this);
  }

  Timer1 = new QTimer(this);
  Timer1->setInterval(kSamplingPeriod);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(Timer1); });
}

QAction* TForm3::AddItem(QMenu* menu, const QString& caption, void (TForm3::*handler)(QObject*)) {
  QAction* item = menu->addAction(caption);
  connect(item, &QAction::triggered, this, [this, item, handler] { (this->*handler)(item); });
  return item;
}

void TForm3::CreateMenu() {
  PopupMenu1 = new QMenu(this);
  popAOT = AddItem(PopupMenu1, tr("Toujours au &dessus"), &TForm3::popAOTClick);
  popAOT->setCheckable(true);
  popAOT->setChecked(true);
  Configuration1 = AddItem(PopupMenu1, tr("&Configuration"), &TForm3::Configuration1Click);
  Modemicro1 = AddItem(PopupMenu1, tr("&Mode Compact"), &TForm3::Modemicro1Click);
  Modemicro1->setCheckable(true);
  QMenu* average = PopupMenu1->addMenu(tr("Vitesse Moyenne"));
  VitesseMoyenne1 = average->menuAction();
  auto* group = new QActionGroup(this);
  group->setExclusive(true);
  Aucun1 = AddItem(average, tr("Aucun"), &TForm3::Aucun1Click);
  Reception1 = AddItem(average, tr("Reception"), &TForm3::Reception1Click);
  Envoi1 = AddItem(average, tr("Envoi"), &TForm3::Envoi1Click);
  for (QAction* item : {Aucun1, Reception1, Envoi1}) {
    item->setCheckable(true);
    group->addAction(item);
  }
  Aucun1->setChecked(true);
  N1 = PopupMenu1->addSeparator();
  Fermer1 = AddItem(PopupMenu1, tr("Fermer"), &TForm3::Fermer1Click);
}

void TForm3::FormCreate() {
  if (!std::filesystem::exists("debug.txt")) {
    Button1->hide();
    Label2->hide();
    Label3->hide();
  }
  // Said once, by the configuration dialog's creation; the meter then only lays out and draws.
  sampling_ = services_.interfaces->IsAvailable();
  RestoreSettings();
  im1Paint(this);
  Timer1->start();
}

// The configuration dialog's meter group and this window's bounds and average line, in the
// stored order: a box whose state changes runs its handler, which applies the mode at once.
void TForm3::RestoreSettings() {
  ConfigControls config = Form1->Controls();
  MeterControls meter = Controls();
  const SettingsReading reading = ReadForm3Settings(*services_.settings, config, meter);
  Form1->RestoreMeterValues(config);
  move(meter.left, meter.top);
  SetClientSize(meter.width, meter.height);
  FitOnScreen(*this);  // a stored place that no screen shows any more
  Form1->RestoreMeterModes(config);
  if (reading.showConfiguration) Form1->setVisible(true);
  if (meter.Aucun1) Aucun1->setChecked(true);
  if (meter.Reception1) Reception1->setChecked(true);
  if (meter.Envoi1) Envoi1->setChecked(true);
}

MeterControls TForm3::Controls() const {
  MeterControls m;
  m.width = width();
  m.height = height();
  m.top = y();
  m.left = x();
  m.Aucun1 = Aucun1->isChecked();
  m.Reception1 = Reception1->isChecked();
  m.Envoi1 = Envoi1->isChecked();
  return m;
}

AverageSeries TForm3::Average() const {
  if (Aucun1->isChecked()) return AverageSeries::None;
  return Envoi1->isChecked() ? AverageSeries::Out1 : AverageSeries::In1;
}

bool TForm3::Borderless() const { return windowFlags().testFlag(Qt::FramelessWindowHint); }

void TForm3::SetBorderless(bool borderless) { ApplyWindowFlags(borderless, StaysOnTop()); }

bool TForm3::StaysOnTop() const { return windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

void TForm3::SetStaysOnTop(bool stays) { ApplyWindowFlags(Borderless(), stays); }

// The window keeps its platform window: the new flags reach the window manager as changed hints
// on the mapped window. Handing them to the toolkit as new widget flags would unmap the window and
// map a new one, which a busy window manager places anew (top left corner, or one frame lower)
// and whose stay-on-top state it may drop. A frameless window carries no title hints: the
// toolkit would give it a frame back.
void TForm3::ApplyWindowFlags(bool borderless, bool staysOnTop) {
  Qt::WindowFlags flags = borderless ? Qt::Tool | Qt::FramelessWindowHint : kToolWindow;
  if (staysOnTop) flags |= Qt::WindowStaysOnTopHint;
  if (flags == windowFlags()) return;
  overrideWindowFlags(flags);
  if (QWindow* window = windowHandle()) window->setFlags(windowFlags());
}

// Qt delivers the resize of a hidden window only when it is shown; the layout must not wait.
void TForm3::SetClientSize(int width, int height) {
  const QSize before = size();
  resize(width, height);
  if (!isVisible() && size() != before) FormResize(this);
}

void TForm3::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FormResize(this);
}

void TForm3::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (overlayUndrawn_) im1Paint(this);
  if (Form1->GraphShown()) PaintGraph();
}

void TForm3::FormResize(QObject*) {
  Shape1->resize(width(), Shape1->height());
  if (!Form1->GraphShown()) {
    Shape1->resize(Shape1->width(), height());
    if (height() > kBarMaxHeight) SetClientSize(width(), kBarMaxHeight);
    if (!Form1->Compact()) FitLabelFont();
  }
  const TextSize text = Measure(Label1->font(), Text(sampler_.MeterText()));
  Label1->move((Shape1->width() - text.width) / 2, Label1->y());
  Shape2->resize(width(), height() - Shape1->height());
  Image1->move(Shape1->width() - 22, Image1->y());
  im2->setGeometry(kGraphAreaLeft, im2->y(), width() - kGraphAreaLeft, Shape2->height());
  im1->resize(im2->width() + kOverlayExtraWidth, im2->height());
  im1Paint(this);
  Timer1Timer(nullptr);
}

void TForm3::Timer1Timer(QObject* sender) {
  const DateTime start = services_.clock->Now();
  const bool sampling = sender != nullptr && sampling_;
  if (sampling) Sample();
  LayOutLabel(sampling);
  if (!isVisible() || !Form1->GraphShown()) return;
  PaintGraph();
  // A local clock set back during the tick (summer time ending) counts as no time.
  const std::int64_t elapsed = MillisecondsOf(services_.clock->Now()) - MillisecondsOf(start);
  Label2->setText(QString::number(std::max<std::int64_t>(elapsed, 0) % 1000) +
                  QStringLiteral("ms"));
  Label2->adjustSize();
}

void TForm3::Sample() {
  TickInput in = Form1->TickSettings();
  in.graphWidth = im2->width();
  in.graphHeight = im2->height();
  in.stopwatchRunning = Form6 != nullptr && Form6->IsRunning();
  in.numberFormat = services_.numberFormat;
  const TickResult result = sampler_.Tick(in);

  TTrayIcon* tray = Form4->TrayIcon1;
  const std::optional<PlanFigures>& plan = Form1->LastPlanFigures();
  if (result.textSet) {
    std::string hint = sampler_.MeterText();
    if (plan) hint += "\n" + PlanHintLine(*plan, services_.numberFormat);
    tray->SetHint(Text(hint));
  }
  const int icon = TrayIconIndex(result.iconIndex, plan ? plan->level : PlanLevel::kOk);
  if (icon != tray->IconIndex()) tray->SetIconIndex(icon);
  if (result.stopwatchSet) {
    Form6->CurrentIn = result.currentIn;
    Form6->CurrentOut = result.currentOut;
  }
  if (result.fullScale) Form1->SetFullScale(*result.fullScale);
}

void TForm3::LayOutLabel(bool sampling) {
  const QString text = Text(sampler_.MeterText());
  if (Form1->Compact()) {
    const TextSize size = Measure(Label1->font(), text);
    Shape1->resize(size.width + 2, size.height + 2);
    SetClientSize(size.width + 2, size.height + 2);
  } else {
    FitLabelFont();
  }
  if (!sampling) return;
  const TextSize size = Measure(Label1->font(), text);
  Label1->setText(text);
  Label1->setGeometry((Shape1->width() - size.width) / 2, Label1->y(), size.width, size.height);
}

void TForm3::FitLabelFont() {
  const QString text = Text(sampler_.MeterText());
  QFont font = Label1->font();
  const int size =
      FittedFontSize(font.pointSize(), Shape1->width(), Shape1->height(), [&](int points) {
        font.setPointSize(points);
        return Measure(font, text);
      });
  if (size == Label1->font().pointSize()) return;
  font.setPointSize(size);
  Label1->setFont(font);
  const TextSize fitted = Measure(font, Label1->text());
  Label1->resize(fitted.width, fitted.height);
}

MiniGraphInput TForm3::GraphInput() const {
  MiniGraphInput in = Form1->GraphSettings();
  in.history = &sampler_.History();
  in.pixelsPerOctet = sampler_.PixelsPerOctet();
  in.average = Average();
  in.width = im2->width();
  in.height = im2->height();
  in.format = services_.numberFormat;
  return in;
}

void TForm3::PaintGraph() {
  if (im2->width() <= 0 || im2->height() <= 0) return;
  const qreal ratio = im2->devicePixelRatio();
  if (graphPicture_.isNull() || graphPicture_.devicePixelRatio() != ratio ||
      graphPicture_.deviceIndependentSize().toSize() != im2->size()) {
    graphPicture_ = QtCanvas::MakeImage(im2->size(), ratio);
    graph_.Forget();
  }
  QtCanvas canvas(graphPicture_);
  if (graph_.Draw(canvas, GraphInput())) im2->setPixmap(QPixmap::fromImage(graphPicture_));
}

void TForm3::im1Paint(QObject*) {
  const MiniGraphInput in = GraphInput();
  const bool graph = Form1->GraphShown() && im1->width() > 0 && im1->height() > 0;
  const bool drawn = graph && isVisible();
  overlayUndrawn_ = graph && !drawn;
  QImage image = QtCanvas::MakeImage(drawn ? im1->size() : QSize(1, 1), im1->devicePixelRatio());
  QtCanvas canvas(image);
  if (!drawn) {
    sampler_.SetPixelsPerOctet(LayOutOverlay(canvas, in).pixelsPerOctet);
    return;
  }
  sampler_.SetPixelsPerOctet(DrawOverlay(canvas, in).pixelsPerOctet);
  QPixmap overlay = QPixmap::fromImage(image);
  overlay.setMask(overlay.createMaskFromColor(Qt::white));
  im1->setPixmap(overlay);
}

bool TForm3::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
      type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick) {
    return QWidget::eventFilter(watched, event);
  }
  const auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint at = mouse->position().toPoint();
  if (type == QEvent::MouseButtonPress) {
    Shape1MouseDown(watched, mouse->button(), at.x(), at.y());
  } else if (type == QEvent::MouseMove) {
    Shape1MouseMove(watched, at.x(), at.y());
  } else if (type == QEvent::MouseButtonRelease) {
    Shape1MouseUp(watched, mouse->button(), at.x(), at.y());
  } else if (watched == Label1) {
    Label1DblClick(watched);
  } else if (watched == im1) {
    im1DblClick(watched);
  }
  return true;
}

void TForm3::Shape1MouseDown(QObject*, Qt::MouseButton, int x, int y) { drag_.MouseDown(x, y); }

void TForm3::Shape1MouseMove(QObject*, int x, int y) { drag_.MouseMove(x, y); }

void TForm3::Shape1MouseUp(QObject*, Qt::MouseButton, int, int) {
  if (const auto travel = drag_.MouseUp()) move(x() + travel->dx, y() + travel->dy);
}

void TForm3::Label1DblClick(QObject*) { Modemicro1Click(nullptr); }

void TForm3::im1DblClick(QObject*) { Modemicro1Click(im1); }

void TForm3::Modemicro1Click(QObject* sender) {
  if (sender == im1) {
    SetBorderless(!Borderless());
    return;
  }
  Modemicro1->setChecked(Form1->ToggleCompact());
}

void TForm3::popAOTClick(QObject*) { popAOT->setChecked(Form1->ToggleStaysOnTop()); }

void TForm3::Configuration1Click(QObject*) { Form1->ShowMeterPage(); }

void TForm3::Aucun1Click(QObject*) { Aucun1->setChecked(true); }

void TForm3::Reception1Click(QObject*) { Reception1->setChecked(true); }

void TForm3::Envoi1Click(QObject*) { Envoi1->setChecked(true); }

void TForm3::Fermer1Click(QObject*) {
  hide();
  Form4->Meter1->setChecked(false);
}

void TForm3::FormCloseQuery(QObject*, bool& canClose) {
  canClose = true;
  try {
    SaveMeterGeometry(*services_.settings, Controls());
  } catch (const std::exception& error) {
    services_.dialogs->ShowMessage(error.what());
    canClose = false;
    return;
  }
  Form4->Meter1->setChecked(false);
}

void TForm3::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  FormCloseQuery(this, canClose);
  event->setAccepted(canClose);
}

void TForm3::contextMenuEvent(QContextMenuEvent* event) { PopupMenu1->popup(event->globalPos()); }

void TForm3::Button1Click(QObject*) { Form1->ToggleLoggingTimer(); }

// The file name comes from its own pattern, so a failed save leaves no format behind; the
// camera comes back whatever the outcome.
void TForm3::Image1Click(QObject*) {
  const bool cameraShown = !Image1->isHidden();
  Image1->hide();
  const QImage shot = grab().toImage();
  QApplication::clipboard()->setImage(shot);
  Image2->setPixmap(QPixmap::fromImage(shot));
  const std::string name = SnapshotFileName(services_.clock->Now());
  const bool saved = Image2->pixmap().save(Text(name), "BMP");
  Image1->setVisible(cameraShown);
  if (!saved)
    services_.dialogs->ShowMessage(tr("Impossible d'enregistrer l'image ").toStdString() + name);
}

}  // namespace kirv
