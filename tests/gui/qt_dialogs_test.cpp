#include "widgets/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

namespace kirv {
namespace {

TEST(QtDialogsFilter, PairsOfDescriptionAndPatternsBecomeQtsFilterText) {
  const std::vector<std::pair<std::string, QString>> cases = {
      {"Fichiers statistiques|*.mdf", QStringLiteral("Fichiers statistiques (*.mdf)")},
      {"Bitmap|*.bmp|Tous|*.*", QStringLiteral("Bitmap (*.bmp);;Tous (*.*)")},
      {"Images|*.bmp;*.png", QStringLiteral("Images (*.bmp *.png)")},
      {"", QString()},
      {"Sans motif", QString()},
  };
  for (const auto& [filter, expected] : cases) {
    EXPECT_EQ(QtDialogs::QtFilter(filter), expected) << filter;
  }
}

TEST(QtDialogsFilter, TheFirstPatternAloneGivesTheDefaultExtension) {
  const std::vector<std::pair<std::string, QString>> cases = {
      {"Fichier Archive KIRV|*.mdf", QStringLiteral("mdf")},
      {"Image bitmap|*.bmp|Tous|*.*", QStringLiteral("bmp")},
      {"Archives|*.tar.gz", QStringLiteral("tar.gz")},
      {"Images|*.bmp;*.png", QString()},
      {"Tous|*.*", QString()},
      {"Tous|*", QString()},
      {"Sans motif", QString()},
      {"", QString()},
  };
  for (const auto& [filter, expected] : cases) {
    EXPECT_EQ(QtDialogs::DefaultSuffix(filter), expected) << filter;
  }
}

// Each kind of dialog, run for real; the answer is whether it came back with a value.
struct DialogCase {
  const char* name;
  std::function<bool(QtDialogs&)> run;
};

class QtDialogsStopAsking : public ::testing::TestWithParam<DialogCase> {};

TEST_P(QtDialogsStopAsking, AnOpenDialogIsClosedAsCancelledAndNoneOpensAfterwards) {
  QtDialogs dialogs(QStringLiteral("KIRV Beta3"));
  bool wasOpen = false;
  QTimer::singleShot(100, [&] {
    wasOpen = QApplication::activeModalWidget() != nullptr;
    dialogs.StopAsking();
  });
  QTimer::singleShot(3000, [] {  // a dialog left open fails the test instead of blocking it
    if (QWidget* open = QApplication::activeModalWidget()) open->close();
  });
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(GetParam().run(dialogs));
  EXPECT_TRUE(wasOpen);
  EXPECT_LT(clock.elapsed(), 1000);
  EXPECT_FALSE(dialogs.Asking());

  clock.restart();
  EXPECT_FALSE(GetParam().run(dialogs));
  EXPECT_LT(clock.elapsed(), 100);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, QtDialogsStopAsking,
    ::testing::Values(
        DialogCase{"Message",
                   [](QtDialogs& d) {
                     d.ShowMessage("Erreur dans le logging des statistiques");
                     return false;
                   }},
        DialogCase{"OpenFile",
                   [](QtDialogs& d) {
                     return d.OpenFile("Fichier Archive KIRV|*.mdf", "/tmp").has_value();
                   }},
        DialogCase{"SaveFile",
                   [](QtDialogs& d) {
                     return d.SaveFile("Image bitmap|*.bmp", "/tmp/a.bmp").has_value();
                   }},
        DialogCase{"Colour", [](QtDialogs& d) { return d.PickColour(0x00CC00).has_value(); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(QtDialogsStopAsking, LaterMessagesGoToStandardErrorWithTheProgramsName) {
  QtDialogs dialogs(QStringLiteral("KIRV Beta3"));
  dialogs.StopAsking();
  ::testing::internal::CaptureStderr();
  dialogs.ShowMessage("Le fichier de réglages ne peut pas être écrit");
  dialogs.ShowMessage("Erreur dans le logging des statistiques");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(),
            "kirv : Le fichier de réglages ne peut pas être écrit\n"
            "kirv : Erreur dans le logging des statistiques\n");
}

}  // namespace
}  // namespace kirv
