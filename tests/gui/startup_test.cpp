#include "app/startup.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/about_box.h"
#include "app/forms.h"
#include "app/main_form.h"
#include "chrono/chrono_window.h"
#include "config/config_dialog.h"
#include "fakes/fake_services.h"
#include "fakes/fake_tray_shell.h"
#include "graph/graph_window.h"
#include "meter/meter_window.h"
#include "totals/totals_window.h"

namespace kirv {
namespace {

using testing::FakeTrayShell;
using testing::TrayShellLog;

const std::vector<std::string> kCreationOrder = {"Form4",       "Form1", "Form2", "Form3",
                                                 "OKBottomDlg", "Form5", "Form6"};

// The global reference of each name, read when asked.
QWidget* Reference(const std::string& name) {
  const std::map<std::string, QWidget*> references = {{"Form4", Form4},
                                                      {"Form1", Form1},
                                                      {"Form2", Form2},
                                                      {"Form3", Form3},
                                                      {"OKBottomDlg", OKBottomDlg},
                                                      {"Form5", Form5},
                                                      {"Form6", Form6}};
  return references.at(name);
}

class StartUpTest : public ::testing::Test {
 protected:
  ~StartUpTest() override { ShutDown(); }

  testing::FakeServices fakes;
  Services services = fakes.Get();
  TrayShellLog log;
};

TEST_F(StartUpTest, CreatesTheSevenWindowsInTheirFixedOrder) {
  std::vector<std::string> created;
  StartUp(services, std::make_unique<FakeTrayShell>(log),
          [&](std::string_view name, QWidget*) { created.emplace_back(name); });
  EXPECT_EQ(created, kCreationOrder);
}

TEST_F(StartUpTest, EachReferenceIsSetBeforeItsWindowsCreationCodeRuns) {
  size_t position = 0;
  StartUp(services, std::make_unique<FakeTrayShell>(log),
          [&](std::string_view name, QWidget* form) {
            ASSERT_EQ(kCreationOrder[position], name);
            EXPECT_EQ(Reference(std::string(name)), form);
            for (size_t i = 0; i < kCreationOrder.size(); ++i) {
              EXPECT_EQ(Reference(kCreationOrder[i]) != nullptr, i <= position)
                  << name << " sees " << kCreationOrder[i];
            }
            if (name == "Form4") {
              EXPECT_TRUE(log.calls.empty());  // the icon is not placed yet
            }
            if (name == "OKBottomDlg") {
              EXPECT_TRUE(OKBottomDlg->Label1->text().isEmpty());  // nor the version copied
            }
            ++position;
          });
  EXPECT_EQ(position, kCreationOrder.size());
  EXPECT_EQ(log.Count(TrayShellLog::Kind::kAdd), 1);
  EXPECT_EQ(OKBottomDlg->Label1->text(), QStringLiteral("Beta 0.5.2.202"));
}

TEST_F(StartUpTest, OnlyTheMainFormIsVisibleAfterStartUp) {
  StartUp(services, std::make_unique<FakeTrayShell>(log));
  EXPECT_TRUE(Form4->isVisible());
  for (size_t i = 1; i < kCreationOrder.size(); ++i) {
    EXPECT_FALSE(Reference(kCreationOrder[i])->isVisible()) << kCreationOrder[i];
  }
}

TEST_F(StartUpTest, ShutDownClearsTheReferencesAndRemovesTheIcon) {
  StartUp(services, std::make_unique<FakeTrayShell>(log));
  ShutDown();
  for (const std::string& name : kCreationOrder) EXPECT_EQ(Reference(name), nullptr) << name;
  EXPECT_EQ(log.calls.back().kind, TrayShellLog::Kind::kDelete);
  EXPECT_EQ(log.shell, nullptr);
}

TEST_F(StartUpTest, AnIconThatCannotBePlacedEndsTheStartUpWithItsError) {
  log.refuseAdd = true;
  EXPECT_THROW(StartUp(services, std::make_unique<FakeTrayShell>(log)), OutOfResourcesError);
  EXPECT_NE(Form4, nullptr);
  EXPECT_EQ(Form1, nullptr);
}

TEST_F(StartUpTest, AnUnusableDataFolderIsSaidInTheLoggersStatusLine) {
  StartUp(services, std::make_unique<FakeTrayShell>(log));
  const QString before = Form3->Label3->text();
  ShowDataFolderStatus({QStringLiteral("/srv/k"), true, QString(), QString()});
  EXPECT_EQ(Form3->Label3->text(), before);
  const QString error = QStringLiteral("Le dossier de données « /srv/k » ne peut pas être créé");
  ShowDataFolderStatus({QStringLiteral("/srv/k"), false, error, QString()});
  EXPECT_EQ(Form3->Label3->text(), error);
}

}  // namespace
}  // namespace kirv
