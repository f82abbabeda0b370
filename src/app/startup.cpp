#include "app/startup.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdlib>
#include <string>
#include <utility>

#include "app/about_box.h"
#include "app/forms.h"
#include "app/main_form.h"
#include "chrono/chrono_window.h"
#include "common/standard_error.h"
#include "config/config_dialog.h"
#include "graph/graph_window.h"
#include "meter/meter_window.h"
#include "totals/totals_window.h"

namespace kirv {

namespace {

template <typename Form, typename... Args>
void Create(Form*& reference, std::string_view name, const CreationObserver& observer,
            Args&&... args) {
  reference = new Form(std::forward<Args>(args)...);
  if (observer) observer(name, reference);
  reference->FormCreate();
}

template <typename Form>
void Destroy(Form*& reference) {
  delete reference;
  reference = nullptr;
}

}  // namespace

void StartUp(Services& services, std::unique_ptr<TrayShell> trayShell,
             const CreationObserver& observer) {
  Create(Form4, "Form4", observer, services, std::move(trayShell));
  Create(Form1, "Form1", observer, services);
  Create(Form2, "Form2", observer, services);
  Create(Form3, "Form3", observer, services);
  Create(OKBottomDlg, "OKBottomDlg", observer, services);
  Create(Form5, "Form5", observer, services);
  Create(Form6, "Form6", observer, services);
  Form4->show();
}

void ShutDown() {
  Destroy(Form6);
  Destroy(Form5);
  Destroy(OKBottomDlg);
  Destroy(Form3);
  Destroy(Form2);
  Destroy(Form1);
  Destroy(Form4);
}

DataFolderStatus EnterDataFolder(const QString& path) {
  DataFolderStatus status = PrepareDataFolder(path);
  if (!status.warning.isEmpty()) {
    WriteToStandardError(status.warning.toStdString());
  }
  if (status.usable && QDir::setCurrent(status.path)) return status;
  if (status.usable) {
    status.usable = false;
    status.error = QCoreApplication::translate(
                       "kirv::Startup", "Le dossier de données « %1 » ne peut pas être ouvert")
                       .arg(status.path);
  }
  WriteToStandardError(status.error.toStdString());
  if (QDir::setCurrent(status.path)) return status;
  // A folder that is gone takes no new file, not even from root.
  std::string gone = QFile::encodeName(QDir::tempPath()).toStdString() + "/kirv-none-XXXXXX";
  if (mkdtemp(gone.data()) != nullptr && chdir(gone.c_str()) == 0) rmdir(gone.c_str());
  return status;
}

void ShowDataFolderStatus(const DataFolderStatus& status) {
  if (!status.usable && Form3 != nullptr) Form3->Label3->setText(status.error);
}

void ShowMeterWindow() {
  if (!Form3->isVisible()) Form4->TrayIcon1Click(Form4->TrayIcon1);
  Form3->setWindowState(Form3->windowState() & ~Qt::WindowMinimized);
  Form3->raise();
  Form3->activateWindow();
}

void EndOfSession() {
  Form4->TrayIcon1->DoMessage(TrayMessage::kEndSession);
  Form4->EndProgram();
}

}  // namespace kirv
