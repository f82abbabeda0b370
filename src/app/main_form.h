#pragma once

// The main form: the splash picture shown at start, the owner of the tray icon and its menu.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <memory>

#include "common/services.h"
#include "widgets/image_control.h"
#include "widgets/image_list.h"
#include "widgets/tray_icon.h"
#include "widgets/tray_shell.h"

namespace kirv {

class TForm4 : public QWidget {
  Q_OBJECT

 public:
  TForm4(Services& services, std::unique_ptr<TrayShell> trayShell);

  // Puts the icon in the notification area and starts the splash timer.
  void FormCreate();

  void Timer1Timer(QObject* sender);
  void Image1Click(QObject* sender);
  void TrayIcon1Click(QObject* sender);
  void Meter1Click(QObject* sender);
  void Graphique1Click(QObject* sender);
  void Totals1Click(QObject* sender);
  void Chronometre1Click(QObject* sender);
  void MenuItem1Click(QObject* sender);
  void Apropos1Click(QObject* sender);
  void Quitter1Click(QObject* sender);
  // Ends the program whatever the save gives: the session is ending or a signal asked for it.
  void EndProgram();
  void FormCloseQuery(QObject* sender, bool& mayClose);

  ImageControl* Image1;
  QLabel* Label1;
  QMenu* PopupMenu2;
  QAction* Meter1;
  QAction* Graphique1;
  QAction* Totals1;
  QAction* Chronometre1;
  QAction* MenuItem1;
  QAction* Apropos1;
  QAction* MenuItem2;
  QAction* Quitter1;
  TTrayIcon* TrayIcon1;
  TImageList* ImageList1;
  QTimer* Timer1;

 protected:
  // Closing the main form ends the program.
  void closeEvent(QCloseEvent* event) override;

 private:
  QAction* AddItem(const QString& caption, void (TForm4::*handler)(QObject*));

  bool forcedEnd_ = false;
};

}  // namespace kirv
