#include "app/startup.h"

#include <utility>

#include "app/about_box.h"
#include "app/forms.h"
#include "app/main_form.h"
#include "chrono/chrono_window.h"
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

void EndOfSession() {
  Form4->TrayIcon1->DoMessage(TrayMessage::kEndSession);
  Form4->EndProgram();
}

}  // namespace kirv
