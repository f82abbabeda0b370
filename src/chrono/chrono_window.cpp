#include "chrono/chrono_window.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "app/forms.h"
#include "config/config_dialog.h"

namespace kirv {

namespace {

constexpr int kSecondTick = 1000;  // ms
constexpr int kTenthTick = 100;    // ms
constexpr int kDigitsPixelSize = 40;

QLabel* DigitsLabel(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(kDigitsPixelSize);
  label->setFont(font);
  return label;
}

QLabel* FigureLabel(const QString& text, QWidget* parent) { return new QLabel(text, parent); }

QTimer* DisabledTimer(int interval, QObject* parent) {
  auto* timer = new QTimer(parent);
  timer->setInterval(interval);
  return timer;
}

void StackInBox(QGroupBox* box, QLabel* in, QLabel* out) {
  auto* column = new QVBoxLayout(box);
  column->addWidget(in);
  column->addWidget(out);
  column->addStretch();
}

void SetTexts(QLabel* in, QLabel* out, const InOutTexts& texts) {
  in->setText(QString::fromStdString(texts.in));
  out->setText(QString::fromStdString(texts.out));
}

}  // namespace

TForm6::TForm6(Services& services)
    : QWidget(nullptr, Qt::Tool), clock_(*services.clock), format_(services.numberFormat) {
  setWindowTitle(tr("Chronometre"));

  h = DigitsLabel("00", this);
  Label1 = DigitsLabel(":", this);
  m = DigitsLabel("00", this);
  Label2 = DigitsLabel(":", this);
  s = DigitsLabel("00", this);
  Label3 = DigitsLabel(".", this);
  cs = DigitsLabel("0", this);
  Button1 = new QPushButton(tr("Start"), this);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(Button1); });

  GroupBox1 = new QGroupBox(tr("Total Transferré"), this);
  ti = FigureLabel(tr("IN : 0ko"), GroupBox1);
  tu = FigureLabel(tr("OUT : 0ko"), GroupBox1);
  GroupBox2 = new QGroupBox(tr("Vitesse Maximale"), this);
  vd = FigureLabel(tr("IN : 0ko/s"), GroupBox2);
  vu = FigureLabel(tr("OUT : 0ko/s"), GroupBox2);
  GroupBox3 = new QGroupBox(tr("Vitesse Moyenne"), this);
  md = FigureLabel(tr("IN : 0ko/s"), GroupBox3);
  mu = FigureLabel(tr("OUT : 0ko/s"), GroupBox3);
  GroupBox4 = new QGroupBox(tr("Prévisions"), this);
  rb = new QRadioButton(tr("Heure"), GroupBox4);
  rb->setChecked(true);
  rb2 = new QRadioButton(tr("Jour"), GroupBox4);
  pd = FigureLabel(tr("IN : 0ko"), GroupBox4);
  pu = FigureLabel(tr("OUT : 0ko"), GroupBox4);

  auto* time = new QHBoxLayout;
  for (QLabel* part : {h, Label1, m, Label2, s, Label3, cs}) time->addWidget(part);
  time->addStretch();
  time->addWidget(Button1);
  StackInBox(GroupBox1, ti, tu);
  StackInBox(GroupBox2, vd, vu);
  StackInBox(GroupBox3, md, mu);
  auto* projection = new QGridLayout(GroupBox4);
  projection->addWidget(rb, 0, 0);
  projection->addWidget(rb2, 0, 1);
  projection->addWidget(pd, 1, 0, 1, 2);
  projection->addWidget(pu, 2, 0, 1, 2);
  auto* groups = new QGridLayout;
  groups->addWidget(GroupBox1, 0, 0);
  groups->addWidget(GroupBox2, 0, 1);
  groups->addWidget(GroupBox3, 1, 0);
  groups->addWidget(GroupBox4, 1, 1);
  auto* window = new QVBoxLayout(this);
  window->addLayout(time);
  window->addLayout(groups);

  Timer1 = DisabledTimer(kSecondTick, this);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(Timer1); });
  Timer2 = DisabledTimer(kSecondTick, this);
  connect(Timer2, &QTimer::timeout, this, [this] { Timer2Timer(Timer2); });
  Timer3 = DisabledTimer(kTenthTick, this);
  connect(Timer3, &QTimer::timeout, this, [this] { Timer3Timer(Timer3); });

  resize(sizeHint());
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

// Nothing to read: the counters start afresh with every "Start".
void TForm6::FormCreate() {}

void TForm6::Button1Click(QObject*) {
  if (Button1->text() == tr("Start")) {
    Begin();
  } else {
    End();
  }
}

void TForm6::Begin() {
  Button1->setText(tr("Stop"));
  h->setText(QStringLiteral("00"));
  m->setText(QStringLiteral("00"));
  s->setText(QStringLiteral("00"));
  cs->setText(QStringLiteral("0"));
  Form1->HoldOneSecondPeriod();
  rb->setEnabled(true);
  Timer1->start();
  Timer2->start();
  Timer3->start();
  stopwatch_.Start(clock_.Now());
}

void TForm6::End() {
  Button1->setText(tr("Start"));
  Timer1->stop();
  Timer2->stop();
  Timer3->stop();
  Form1->ReleasePeriod();
}

void TForm6::Timer1Timer(QObject*) {
  const ElapsedTexts elapsed = stopwatch_.SecondTick(clock_.Now());
  s->setText(QString::fromStdString(elapsed.s));
  m->setText(QString::fromStdString(elapsed.m));
  h->setText(QString::fromStdString(elapsed.h));
  cs->setText(QString::fromStdString(elapsed.cs));
}

void TForm6::Timer2Timer(QObject*) {
  const ProjectionSpan span = rb->isChecked() ? ProjectionSpan::kHour : ProjectionSpan::kDay;
  const StopwatchFigures figures = stopwatch_.FiguresTick(CurrentIn, CurrentOut, span, format_);
  SetTexts(ti, tu, figures.volume);
  SetTexts(md, mu, figures.average);
  SetTexts(vd, vu, figures.highest);
  SetTexts(pd, pu, figures.projection);
  if (figures.switchToDay) {
    rb->setEnabled(false);
    rb2->setChecked(true);
  }
}

void TForm6::Timer3Timer(QObject*) { cs->setText(QString::fromStdString(stopwatch_.TenthTick())); }

void TForm6::FormCloseQuery(QObject*, bool& canClose) {
  Timer1->stop();
  Timer2->stop();
  Timer3->stop();
  canClose = true;
}

void TForm6::closeEvent(QCloseEvent* event) {
  bool canClose = true;
  FormCloseQuery(this, canClose);
  event->setAccepted(canClose);
}

}  // namespace kirv
