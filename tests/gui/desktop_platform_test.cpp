#include "app/desktop_platform.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPushButton>
#include <string>

#include "platform/translations.h"

namespace kirv {
namespace {

struct PlatformCase {
  const char* name;
  const char* qpa;
  const char* display;
  const char* wayland;
  std::string platform;
  bool notice;
};

class ChoosePlatformTest : public ::testing::TestWithParam<PlatformCase> {};

TEST_P(ChoosePlatformTest, PrefersAReachableXServerAndKeepsTheUsersChoice) {
  const PlatformCase& c = GetParam();
  const PlatformChoice choice = ChoosePlatform(c.qpa, c.display, c.wayland);
  EXPECT_EQ(choice.platform, c.platform);
  EXPECT_EQ(choice.compositorPlacesWindows, c.notice);
}

INSTANTIATE_TEST_SUITE_P(
    Sessions, ChoosePlatformTest,
    ::testing::Values(PlatformCase{"X11Session", nullptr, ":0", nullptr, "xcb", false},
                      PlatformCase{"WaylandWithXWayland", nullptr, ":1", "wayland-0", "xcb", false},
                      PlatformCase{"WaylandAlone", nullptr, nullptr, "wayland-0", "", true},
                      PlatformCase{"EmptyDisplayIsNoXServer", "", "", "wayland-0", "", true},
                      PlatformCase{"UserChoseWayland", "wayland", ":1", "wayland-0", "", true},
                      PlatformCase{"UserChoseXcb", "xcb", ":1", "wayland-0", "", false},
                      PlatformCase{"UserChoseOffscreen", "offscreen", nullptr, nullptr, "", false},
                      PlatformCase{"NoDisplayAtAll", nullptr, nullptr, nullptr, "", false}),
    [](const ::testing::TestParamInfo<PlatformCase>& info) { return info.param.name; });

TEST(CompositorNotice, IsOneFrenchLine) {
  const std::string notice = kCompositorNotice;
  EXPECT_NE(notice.find("compositeur"), std::string::npos);
  EXPECT_EQ(notice.find('\n'), std::string::npos);  // the diagnostic writer ends the line
}

// Under the C locale, set before the application object reads it, the program speaks French, and
// so do the buttons and captions of the standard dialogs that it opens.
const bool kCLocale = unsetenv("LANGUAGE") == 0 && setenv("LC_ALL", "C.UTF-8", 1) == 0;

TEST(ToolkitTranslations, TheStandardDialogsSpeakFrenchUnderTheCLocale) {
  ASSERT_TRUE(kCLocale);
  ASSERT_EQ(InstallTranslations("kirv"), QStringLiteral("fr"));
  QFileDialog open(nullptr, QString(), QString(), QStringLiteral("Fichier Archive KIRV (*.mdf)"));
  open.setOption(QFileDialog::DontUseNativeDialog);
  const auto* buttons = open.findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  EXPECT_EQ(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annuler"));
  EXPECT_EQ(buttons->button(QDialogButtonBox::Open)->text(), QStringLiteral("&Ouvrir"));

  QColorDialog colour;
  colour.setOption(QColorDialog::DontUseNativeDialog);
  EXPECT_EQ(colour.windowTitle(), QStringLiteral("Sélectionner une couleur"));
  QStringList labels;
  for (const QLabel* label : colour.findChildren<QLabel*>()) labels << label->text();
  EXPECT_TRUE(labels.contains(QStringLiteral("&Rouge :"))) << labels.join('|').toStdString();
}

}  // namespace
}  // namespace kirv
