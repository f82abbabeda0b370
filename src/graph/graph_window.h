#pragma once

// The history graph window "Module Graphique": draws the traffic history of the archive file for a
// day, a week, a month or a year, with its statistics, and saves snapshots of the graph.

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QObject>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QTimer>
#include <QWidget>
#include <string>

#include "common/services.h"
#include "config/settings_schema.h"
#include "graph/history_graph.h"
#include "graph/qt_statistics_box.h"
#include "graph/trace_inputs.h"
#include "widgets/shape_control.h"
#include "widgets/spin_edit.h"

namespace kirv {

class TForm2 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm2(Services& services);

  // Runs once the window's global reference is set: reads the window's settings and colours the
  // statistics captions from the configuration dialog.
  void FormCreate();

  // "Tracer": loads the archive, draws both layers and fills the statistics. Does nothing while
  // the archive path is empty.
  void Button2Click(QObject* sender);
  // Redraws the frame and the axes of the current controls over the layers as they are.
  void Button1Click(QObject* sender);
  // "Effacer": blank layers; the column table is kept.
  void Button3Click(QObject* sender);
  // "Ouvrir": the archive of the next trace.
  void Button4Click(QObject* sender);
  // "-" and "+": one day back or forward, traced again once a trace has run.
  void Button6Click(QObject* sender);
  void Button7Click(QObject* sender);
  // "Enregistrer": a snapshot of the graph to the clipboard and, from the button, to a chosen
  // file; from Timer1 to the file beside the archive.
  void BitBtn1Click(QObject* sender);
  // Every five minutes while "Enregistrement auto" is checked: asks for an archive until one is
  // chosen, traces, and saves the snapshot beside the archive.
  void Timer1Timer(QObject* sender);
  void autorecClick(QObject* sender);
  // The user's choice of speed scale or period.
  void cbChange(QObject* sender);
  // Places the statistics after the widest caption; figures too wide for the group widen it and
  // the window's minimum width to the right. Runs whenever the figures change; true when the
  // window grew.
  bool LayOutStatistics();
  void cbGChange(QObject* sender);
  void FormResize(QObject* sender);

  // The archive the next trace reads (the open dialog's file name).
  const std::string& ArchivePath() const { return archivePath_; }
  // The controls that the configuration dialog saves.
  GraphControls Controls();
  // Set by the first trace that has an archive path.
  bool Traced() const { return traced_; }
  // Set while the layers are blank, from creation until the end of a trace.
  bool Cleared() const { return cleared_; }
  // The pictures of the layers, as shown.
  const QImage& AxisLayer() const { return axisLayer_; }
  const QImage& CurveLayer() const { return curveLayer_; }

  QLabel* Label8;  // "Graduations :"
  TCSpinEdit* gradspin;
  QCheckBox* cbmx;
  QGroupBox* GroupBox2;  // the unit
  QRadioButton* rb2;
  QRadioButton* rb1;
  QPushButton* Button1;  // "Rafraichir", never shown
  QPushButton* Button2;
  QPushButton* Button3;
  QPushButton* Button4;
  QPushButton* BitBtn1;
  QLabel* Label9;  // "Echelle :"
  QComboBox* cb;
  QLabel* Label10;  // "Vitesse :"
  TCSpinEdit* spdspin;
  QLabel* Label11;  // "octets/s"
  QLabel* Label12;  // "Graphique :"
  QComboBox* cbG;
  QGroupBox* GroupBox3;  // "Sens de génération :"
  QRadioButton* cbdg;
  QRadioButton* cbgd;
  QLabel* Label13;  // "Tracer a partir du :"
  QDateEdit* datep;
  QPushButton* Button6;
  QPushButton* Button7;
  QCheckBox* autorec;
  QCheckBox* legd;
  QtStatisticsBox* GroupBox1;  // "Statistiques": its captions Label1 to Label6, its figures
  ShapeControl* shape;
  QLabel* im1;  // the axis layer, white transparent
  QLabel* im2;  // the curve layer
  QCheckBox* tous;
  QLabel* Image2;  // the last snapshot
  QLabel* Label7;  // the axis layer's size, "700x235"
  QTimer* Timer1;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildSettingsRow();
  void BuildDateRow();
  void BuildStatistics();
  void BuildButtons();
  void BuildGraphArea();
  void ReadSettings();
  TraceInputs CurrentInputs();
  void ShowLayers();
  void StepDate(int days);
  std::string SnapshotTarget(bool fromTimer);
  bool SaveSnapshot(const std::string& target);

  Services& services_;
  HistoryGraph graph_;
  std::string archivePath_;
  int columnSpan_ = 300;  // seconds per column, set by cbGChange only
  QImage axisLayer_;
  QImage curveLayer_;
  bool traced_ = false;
  bool cleared_ = true;
};

}  // namespace kirv
