#pragma once

// The about box: a picture, the version and an OK button.

#include <QDialog>
#include <QLabel>
#include <QPushButton>

#include "common/services.h"

namespace kirv {

class TOKBottomDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TOKBottomDlg(Services& services);

  // Copies the version from the main form.
  void FormCreate();
  void OKBtnClick(QObject* sender);

  QLabel* Image1;
  QLabel* Label1;
  QPushButton* OKBtn;
};

}  // namespace kirv
