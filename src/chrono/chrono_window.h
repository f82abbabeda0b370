#pragma once

// The stopwatch window "Chronometre": the elapsed time, volume and speeds of one timed transfer.

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWidget>
#include <cstdint>

#include "chrono/stopwatch.h"
#include "common/services.h"

namespace kirv {

class TForm6 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm6(Services& services);

  // Runs once the window's global reference is set.
  void FormCreate();

  // "Start" or "Stop", by the button's caption.
  void Button1Click(QObject* sender);
  void Timer1Timer(QObject* sender);  // elapsed time, every second
  void Timer2Timer(QObject* sender);  // figures, every second
  void Timer3Timer(QObject* sender);  // tenths, every 100 ms
  // Stops the three timers and lets the window hide; the caption and tb stay as they are.
  void FormCloseQuery(QObject* sender, bool& canClose);

  // Whether the meter's sampling tick hands over its speeds: Timer2 is running.
  bool IsRunning() const { return Timer2->isActive(); }

  // Octets per second, received and sent, written by the meter's sampling tick while Timer2 runs.
  std::int32_t CurrentIn = 0;
  std::int32_t CurrentOut = 0;

  QLabel* h;
  QLabel* m;
  QLabel* s;
  QLabel* cs;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QPushButton* Button1;
  QGroupBox* GroupBox1;
  QLabel* ti;
  QLabel* tu;
  QGroupBox* GroupBox2;
  QLabel* vd;
  QLabel* vu;
  QGroupBox* GroupBox3;
  QLabel* md;
  QLabel* mu;
  QGroupBox* GroupBox4;
  QRadioButton* rb;
  QRadioButton* rb2;
  QLabel* pd;
  QLabel* pu;
  QTimer* Timer1;
  QTimer* Timer2;
  QTimer* Timer3;

 protected:
  // Closing only hides the window, once its close query allows it.
  void closeEvent(QCloseEvent* event) override;

 private:
  void Begin();
  void End();

  const Clock& clock_;
  NumberFormat format_;
  Stopwatch stopwatch_;
};

}  // namespace kirv
