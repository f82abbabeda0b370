// What the real program prints and draws: every archive of a data folder in name order, and a
// graph drawn in the colours of the settings file.

#include <gtest/gtest.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>
#include <fstream>
#include <string>

#include "archive/temp_directory.h"
#include "support/program_process.h"

namespace kirv {
namespace {

class CommandOutputTest : public testing::TempDirectoryTest {
 protected:
  testing::Finished Run(const std::vector<std::string>& arguments) {
    std::filesystem::create_directories(dir_ / "run");
    return testing::RunProgram(
        arguments, {"LC_ALL=C", "XDG_CONFIG_HOME=" + (dir_ / "config").string()}, dir_ / "run");
  }
};

TEST_F(CommandOutputTest, TheDataFolderGivesEveryArchiveInNameOrder) {
  std::filesystem::create_directories("data");
  WriteArchive("data/wlan0.mdf", {{{2026, 4, 20, 9, 0, 0}, 5000, 600}});
  WriteArchive("data/eth0.mdf", {{{2026, 4, 19, 9, 0, 0}, 7000, 800}});
  WriteFile("data/notes.txt", "not an archive");

  const testing::Finished json = Run({"report", "--data-dir", "data", "--json"});
  ASSERT_EQ(json.status, 0) << json.err;
  const QJsonArray archives = QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).array();
  ASSERT_EQ(archives.size(), 2);
  EXPECT_EQ(archives[0].toObject()[QStringLiteral("archive")].toString().toStdString(),
            (dir_ / "data" / "eth0.mdf").string());
  EXPECT_EQ(archives[1]
                .toObject()[QStringLiteral("since")]
                .toObject()[QStringLiteral("receivedOctets")]
                .toInteger(),
            5000);

  const testing::Finished text = Run({"report", "--data-dir", "data"});
  ASSERT_EQ(text.status, 0) << text.err;
  const std::size_t eth0 = text.out.find((dir_ / "data" / "eth0.mdf").string() + "\n");
  const std::size_t wlan0 = text.out.find((dir_ / "data" / "wlan0.mdf").string() + "\n");
  ASSERT_NE(eth0, std::string::npos);
  ASSERT_NE(wlan0, std::string::npos);
  EXPECT_LT(eth0, wlan0);

  const testing::Finished csv = Run({"report", "--data-dir", "data", "--csv"});
  ASSERT_EQ(csv.status, 0) << csv.err;
  EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 5);  // heading, 2 days, 2 months
}

struct ColourCase {
  const char* name;
  const char* settings;  // KIRV.ini, or empty for none
  QRgb received;         // the received average bars
};

class GraphColourTest : public CommandOutputTest,
                        public ::testing::WithParamInterface<ColourCase> {};

TEST_P(GraphColourTest, DrawsTheReceivedBarsInTheSettingsColour) {
  if (*GetParam().settings != '\0') {
    std::filesystem::create_directories(dir_ / "config" / "KIRV");
    std::ofstream(dir_ / "config" / "KIRV" / "KIRV.ini") << GetParam().settings;
  }
  WriteArchive("eth0.mdf", {{{2026, 4, 20, 9, 55, 0}, 3000000, 30000}});
  const testing::Finished run =
      Run({"graph", "eth0.mdf", "--period", "day", "--at", "20/04/2026 10:00", "-o", "g.png"});
  ASSERT_EQ(run.status, 0) << run.err;
  const QImage picture(QString::fromStdString((dir_ / "g.png").string()));
  ASSERT_EQ(picture.size(), QSize(716, 236));
  // Column age 1 is drawn at x = 2 of the curve layer, which stands at (98, 13) in the picture;
  // the automatic scale makes its bar the layer's full height.
  EXPECT_EQ(picture.pixel(100, 150) & 0xFFFFFF, GetParam().received & 0xFFFFFF);
  EXPECT_EQ(picture.pixel(100, 30) & 0xFFFFFF, GetParam().received & 0xFFFFFF);
}

INSTANTIATE_TEST_SUITE_P(
    Settings, GraphColourTest,
    ::testing::Values(ColourCase{"DefaultGreen", "", qRgb(0, 0xCC, 0)},
                      ColourCase{"RedFromTheSettings", "[KIRV]\nlrec=0000FF\n", qRgb(0xFF, 0, 0)},
                      ColourCase{"UnreadableColourKeepsTheDefault", "[KIRV]\nlrec=vert\n",
                                 qRgb(0, 0xCC, 0)}),
    [](const ::testing::TestParamInfo<ColourCase>& info) { return info.param.name; });

}  // namespace
}  // namespace kirv
