#include "app/about_box.h"

#include <QFont>
#include <QPalette>
#include <QPixmap>
#include <QScreen>

#include "app/artwork.h"
#include "app/forms.h"
#include "app/main_form.h"

namespace kirv {

TOKBottomDlg::TOKBottomDlg(Services&) : QDialog(nullptr) {
  setWindowTitle(tr("A propos..."));
  setFixedSize(287, 198);
  QPalette background = palette();
  background.setColor(QPalette::Window, Qt::black);
  setPalette(background);
  setAutoFillBackground(true);

  Image1 = new QLabel(this);
  Image1->setGeometry(0, 0, kSplashWidth, kSplashHeight);
  Image1->setPixmap(QPixmap::fromImage(AboutPicture()));

  Label1 = new QLabel(this);
  QFont font(QStringLiteral("MS Sans Serif"));
  font.setPixelSize(11);
  font.setBold(true);
  Label1->setFont(font);
  QPalette red = Label1->palette();
  red.setColor(QPalette::WindowText, Qt::red);
  Label1->setPalette(red);
  Label1->move(96, 176);

  OKBtn = new QPushButton(tr("OK"), this);
  OKBtn->setGeometry(7, 172, 75, 25);
  OKBtn->setDefault(true);
  connect(OKBtn, &QPushButton::clicked, this, [this] { OKBtnClick(OKBtn); });

  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void TOKBottomDlg::FormCreate() {
  Label1->setText(Form4->Label1->text());
  Label1->adjustSize();
}

void TOKBottomDlg::OKBtnClick(QObject*) { hide(); }

}  // namespace kirv
