#include "app/main_form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFont>
#include <QFontInfo>
#include <QPalette>
#include <QPixmap>
#include <QScreen>

#include "app/about_box.h"
#include "app/artwork.h"
#include "app/forms.h"
#include "chrono/chrono_window.h"
#include "config/config_dialog.h"
#include "graph/graph_window.h"
#include "meter/meter_window.h"
#include "totals/totals_window.h"
#include "widgets/screen_fit.h"

namespace kirv {

namespace {

constexpr int kSplashTick = 1000;  // ms

void CentreOnScreen(QWidget& window) {
  if (const QScreen* screen = window.screen()) {
    window.move(screen->availableGeometry().center() - window.rect().center());
  }
}

}  // namespace

TForm4::TForm4(Services&, std::unique_ptr<TrayShell> trayShell)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("KIRV beta"));
  setFixedSize(kSplashWidth, kSplashHeight);

  Image1 = new ImageControl(this);
  Image1->setGeometry(0, 0, kSplashWidth, kSplashHeight);
  Image1->setPixmap(QPixmap::fromImage(SplashPicture()));
  Image1->OnClick = [this] { Image1Click(Image1); };

  Label1 = new QLabel(QStringLiteral("Beta 0.5.2.202"), this);
  // A display font whose 16-pixel glyphs fit the label's 12-pixel box; a stand-in of ordinary
  // proportions is sized to that box instead, or the splash's lower edge would cut it off.
  QFont font(QStringLiteral("WST_Czec"));
  font.setPixelSize(16);
  if (QFontInfo(font).family() != font.family()) font.setPixelSize(9);
  Label1->setFont(font);
  QPalette palette = Label1->palette();
  palette.setColor(QPalette::WindowText, Qt::red);
  Label1->setPalette(palette);
  Label1->move(72, 160);
  Label1->adjustSize();

  PopupMenu2 = new QMenu(this);
  Meter1 = AddItem(tr("&Tachymetre"), &TForm4::Meter1Click);
  Meter1->setCheckable(true);
  Graphique1 = AddItem(tr("&Graphique"), &TForm4::Graphique1Click);
  Totals1 = AddItem(tr("Totau&x"), &TForm4::Totals1Click);
  Chronometre1 = AddItem(tr("C&hronometre"), &TForm4::Chronometre1Click);
  MenuItem1 = AddItem(tr("&Configuration"), &TForm4::MenuItem1Click);
  Apropos1 = AddItem(tr("A &propos..."), &TForm4::Apropos1Click);
  MenuItem2 = PopupMenu2->addSeparator();
  Quitter1 = AddItem(tr("&Quitter"), &TForm4::Quitter1Click);

  ImageList1 = new TImageList(this);
  for (PlanLevel level : {PlanLevel::kOk, PlanLevel::kWarning, PlanLevel::kReached}) {
    for (int i = 0; i < kTrayActivityPictures; ++i) ImageList1->Add(TrayIcon(i, level));
  }
  TrayIcon1 = new TTrayIcon(this, std::move(trayShell));

  Timer1 = new QTimer(this);
  Timer1->setInterval(kSplashTick);
  connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(Timer1); });

  CentreOnScreen(*this);
}

QAction* TForm4::AddItem(const QString& caption, void (TForm4::*handler)(QObject*)) {
  QAction* item = PopupMenu2->addAction(caption);
  connect(item, &QAction::triggered, this, [this, item, handler] { (this->*handler)(item); });
  return item;
}

void TForm4::FormCreate() {
  TrayIcon1->SetVisible(true);
  TrayIcon1->SetPopupMenu(PopupMenu2);
  TrayIcon1->SetHide(true);
  TrayIcon1->SetRestoreOn(TTrayIconMessage::imNone);
  TrayIcon1->SetPopupMenuOn(TTrayIconMessage::imNone);
  TrayIcon1->SetIcons(ImageList1);
  TrayIcon1->OnClick = [this](QObject* sender) { TrayIcon1Click(sender); };
  TrayIcon1->Loaded();
  Timer1->start();
}

// Ends the splash. Repeated ticks change nothing once it is over.
void TForm4::Timer1Timer(QObject*) {
  TrayIcon1->SetPopupMenuOn(TTrayIconMessage::imRightClickUp);
  // The application-level minimise: a state change of our own, which the tray icon's hook
  // leaves alone.
  setWindowState(windowState() | Qt::WindowMinimized);
  hide();
}

void TForm4::Image1Click(QObject* sender) {
  Timer1->stop();
  Timer1Timer(sender);
}

void TForm4::TrayIcon1Click(QObject* sender) { Meter1Click(sender); }

// A meter that the window manager minimised counts as hidden: the click brings it back.
void TForm4::Meter1Click(QObject*) {
  if (Form3->isVisible() && !Form3->isMinimized()) {
    Form3->hide();
  } else {
    ShowRestored(*Form3);
  }
  Meter1->setChecked(Form3->isVisible());
}

void TForm4::Graphique1Click(QObject*) { ShowRestored(*Form2); }

void TForm4::Totals1Click(QObject*) { ShowRestored(*Form5); }

void TForm4::Chronometre1Click(QObject*) { ShowRestored(*Form6); }

void TForm4::MenuItem1Click(QObject*) { ShowRestored(*Form1); }

void TForm4::Apropos1Click(QObject*) { ShowRestored(*OKBottomDlg); }

void TForm4::Quitter1Click(QObject*) { close(); }

void TForm4::EndProgram() {
  forcedEnd_ = true;
  close();
}

// Stores every setting. A quit whose save failed (the error has been shown) leaves the program
// running, so that the user's settings are not lost; a forced end always ends it.
void TForm4::FormCloseQuery(QObject*, bool& mayClose) {
  bool configMayClose = true;
  Form1->FormCloseQuery(nullptr, configMayClose);
  mayClose = configMayClose || forcedEnd_;
}

void TForm4::closeEvent(QCloseEvent* event) {
  bool mayClose = true;
  FormCloseQuery(this, mayClose);
  event->setAccepted(mayClose);
  if (mayClose) QCoreApplication::quit();
}

}  // namespace kirv
