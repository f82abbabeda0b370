#pragma once

// The meter window "Tachymetre": the live speeds on a bar across the top and the scrolling mini
// graph below it. Its timer drives the rate sampler.

#include <QAction>
#include <QActionGroup>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QObject>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <string>

#include "common/services.h"
#include "config/settings_schema.h"
#include "meter/meter_drag.h"
#include "meter/mini_graph.h"
#include "sampling/rate_sampler.h"
#include "widgets/image_control.h"
#include "widgets/shape_control.h"

namespace kirv {

// The meter window's smallest client height while its graph is shown, px.
inline constexpr int kMinMeterHeightWithGraph = 50;

class TForm3 : public QWidget {
  Q_OBJECT

 public:
  explicit TForm3(Services& services);

  // Runs once the window's global reference is set, after the configuration dialog's creation:
  // restores the meter's settings into the dialog's controls and its own bounds.
  void FormCreate();

  // The sampling tick with the timer as sender; with a nil sender (after a resize) it only lays
  // out the label and redraws the graph from the data already held.
  void Timer1Timer(QObject* sender);
  void FormResize(QObject* sender);
  // The close box: stores the bounds and clears the tray menu's "&Tachymetre" check. A store
  // that cannot be written is reported and the window stays open.
  void FormCloseQuery(QObject* sender, bool& canClose);
  void Shape1MouseDown(QObject* sender, Qt::MouseButton button, int x, int y);
  void Shape1MouseMove(QObject* sender, int x, int y);
  void Shape1MouseUp(QObject* sender, Qt::MouseButton button, int x, int y);
  void Label1DblClick(QObject* sender);
  void im1DblClick(QObject* sender);
  // With im1 as sender it only toggles the border; otherwise it toggles compact mode.
  void Modemicro1Click(QObject* sender);
  void popAOTClick(QObject* sender);
  void Configuration1Click(QObject* sender);
  void Aucun1Click(QObject* sender);
  void Reception1Click(QObject* sender);
  void Envoi1Click(QObject* sender);
  void Fermer1Click(QObject* sender);
  void Button1Click(QObject* sender);
  void Image1Click(QObject* sender);
  // Lays out the overlay (and so PixelsPerOctet) and redraws it while the graph is shown.
  void im1Paint(QObject* sender);

  // The window's styles, as the configuration dialog's handlers switch them.
  bool Borderless() const;
  void SetBorderless(bool borderless);
  bool StaysOnTop() const;
  void SetStaysOnTop(bool stays);
  // Client size; a hidden window lays itself out at once too.
  void SetClientSize(int width, int height);

  // Bounds (client size, frame position) and the "Vitesse Moyenne" items, as they are stored.
  MeterControls Controls() const;
  RateSampler& Sampler() { return sampler_; }
  AverageSeries Average() const;

  ShapeControl* Shape1;  // the bar; drag handle
  QLabel* Label1;        // the speed text; drag handle
  ShapeControl* Shape2;  // background of the graph part
  QLabel* im2;           // graph area
  QLabel* im1;           // overlay, transparent where white; drag handle
  QLabel* Label2;        // diagnostic: duration of the last tick
  QLabel* Label3;        // diagnostic: the statistics logger's status line
  ImageControl* Image1;  // snapshot button
  QLabel* Image2;        // receives the snapshot before it is saved
  QPushButton* Button1;  // diagnostic "ARRET": toggles the statistics logger
  QTimer* Timer1;        // the sampling tick

  QMenu* PopupMenu1;
  QAction* popAOT;
  QAction* Configuration1;
  QAction* Modemicro1;
  QAction* VitesseMoyenne1;
  QAction* Aucun1;
  QAction* Reception1;
  QAction* Envoi1;
  QAction* N1;
  QAction* Fermer1;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  // Draws what was left undrawn while the window was hidden.
  void showEvent(QShowEvent* event) override;
  // Closing only hides the window, once its close query allows it.
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  // The mouse on the three drag handles.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateComponents();
  void CreateMenu();
  QAction* AddItem(QMenu* menu, const QString& caption, void (TForm3::*handler)(QObject*));
  void RestoreSettings();
  void ApplyWindowFlags(bool borderless, bool staysOnTop);
  void Sample();
  void LayOutLabel(bool sampling);
  void FitLabelFont();
  void PaintGraph();
  MiniGraphInput GraphInput() const;

  Services& services_;
  RateSampler sampler_;
  MeterDrag drag_;
  bool sampling_ = true;  // the interface table can be read
  QImage graphPicture_;   // the graph area's, kept from tick to tick to be scrolled
  ScrollingGraph graph_;
  bool overlayUndrawn_ = false;  // laid out while the window was hidden
};

}  // namespace kirv
