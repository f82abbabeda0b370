// "kirv graph" run as a user runs it draws the very pixels that the history graph window's
// snapshot saves for the same archive, period, instant, scale, unit and settings, with the
// statistics at the graph's right when "Légende" is checked.

#include <gtest/gtest.h>

#include <QApplication>
#include <QColor>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "app/forms.h"
#include "app/startup.h"
#include "archive/temp_directory.h"
#include "common/colour.h"
#include "fakes/fake_services.h"
#include "fakes/fake_tray_shell.h"
#include "graph/graph_window.h"
#include "config/speed_scale_table.h"
#include "widgets/qt_canvas.h"

namespace kirv {
namespace {

// Oldest first, around the fake clock's 20 April 2026 10:00: a day of rising traffic and older
// days for the week, month and year graphs.
std::vector<testing::ArchiveLine> Archive() {
  std::vector<testing::ArchiveLine> lines;
  for (int day = 0; day < 400; day += 3) {
    lines.push_back({AddDays({2026, 4, 20, 12, 0, 0}, -day - 1), 90000000u + 7919u * day,
                     4000000u + 131u * day});
  }
  std::reverse(lines.begin(), lines.end());
  for (int slot = 0; slot < 120; ++slot) {
    lines.push_back({{2026, 4, 20, slot / 12, slot % 12 * 5, 0},
                     1000000u + 40000u * static_cast<unsigned>(slot),
                     200000u + 3000u * static_cast<unsigned>(slot % 17)});
  }
  return lines;
}

using Setting = std::pair<const char*, testing::MemorySettingsStore::Value>;

struct PictureCase {
  const char* name;
  int period;          // cbG item
  int scaleItem;       // cb item
  std::int32_t speed;  // spdspin for "Manuel"
  bool bits;
  std::vector<const char*> options;    // the same inputs on the command line
  int width = 600;                     // the curve layer's, set by resizing the window
  std::vector<Setting> settings = {};  // besides "Graphfile", for the window and the command
  bool legend = false;                 // "Légende" when the snapshot is taken
};

// The settings file that the desktop program would have saved with these values.
void WriteSettingsFile(const std::filesystem::path& folder, const std::vector<Setting>& settings) {
  std::filesystem::create_directories(folder / "KIRV");
  std::ofstream ini(folder / "KIRV" / "KIRV.ini");
  ini << "[KIRV]\n";
  for (const auto& [name, value] : settings) {
    ini << name << '=';
    std::visit([&ini](const auto& v) { ini << v; }, value);
    ini << '\n';
  }
}

// Pixels within the columns [left, right) of a picture whose strongest channel is the colour's
// strongest, well clear of the other two: text written in that colour, however smoothed.
int CountPixelsOfHue(const QImage& picture, int left, int right, QRgb colour) {
  const auto channels = [](QRgb c) { return std::array<int, 3>{qRed(c), qGreen(c), qBlue(c)}; };
  const std::array<int, 3> wanted = channels(colour);
  const auto strongest = std::max_element(wanted.begin(), wanted.end()) - wanted.begin();
  int count = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = left; x < right; ++x) {
      const std::array<int, 3> c = channels(picture.pixel(x, y));
      bool clear = true;
      for (int k = 0; k < 3; ++k) clear = clear && (k == strongest || c[strongest] > c[k] + 60);
      count += clear ? 1 : 0;
    }
  }
  return count;
}

class GraphCommandPictureTest : public testing::TempDirectoryTest,
                                public ::testing::WithParamInterface<PictureCase> {
 protected:
  void TearDown() override {
    ShutDown();
    TempDirectoryTest::TearDown();
  }

  // The windows use the services until ShutDown.
  testing::FakeServices fakes_;
  Services services_ = fakes_.Get();
  testing::TrayShellLog log_;
};

TEST_P(GraphCommandPictureTest, EqualsTheWindowSnapshot) {
  const PictureCase& c = GetParam();
  const std::string archive = (dir_ / "Carte reseau.mdf").string();
  WriteArchive(archive, Archive());

  std::vector<Setting> settings = {{"Graphfile", archive}};
  settings.insert(settings.end(), c.settings.begin(), c.settings.end());
  fakes_.settings.exists = true;
  for (const auto& [name, value] : settings) {
    fakes_.settings.values[testing::MemorySettingsStore::Key(name)] = value;
  }
  if (!c.settings.empty()) WriteSettingsFile(dir_, settings);
  services_.numberFormat.decimalSeparator = '.';
  StartUp(services_, std::make_unique<testing::FakeTrayShell>(log_));
  Form2->legd->setChecked(c.legend);
  Form2->cbG->setCurrentIndex(c.period);
  Form2->cbGChange(Form2->cbG);
  Form2->cb->setCurrentIndex(c.scaleItem);
  Form2->cbChange(Form2->cb);
  if (c.scaleItem == kManualScaleItem) Form2->spdspin->SetValue(c.speed);
  (c.bits ? Form2->rb2 : Form2->rb1)->setChecked(true);
  // The window is 116 pixels wider than its curve layer: margins, axis labels and frame.
  Form2->resize(c.width + 116, Form2->height());
  Form2->FormResize(Form2);  // a hidden window gets its resize event only once shown
  Form2->Button2Click(Form2->Button2);
  const std::string windowShot = (dir_ / "window.bmp").string();
  fakes_.dialogs.saveAnswers = {windowShot};
  Form2->BitBtn1Click(Form2->BitBtn1);

  const QString commandShot = QString::fromStdString((dir_ / "command.png").string());
  QStringList arguments = {QStringLiteral("graph"), QString::fromStdString(archive),
                           QStringLiteral("--at"),  QStringLiteral("20/04/2026 10:00"),
                           QStringLiteral("-o"),    commandShot};
  for (const char* option : c.options) arguments << QString::fromUtf8(option);
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_CONFIG_HOME"), QString::fromStdString(dir_.string()));
  environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C"));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral(KIRV_PROGRAM), arguments);
  ASSERT_TRUE(process.waitForFinished(30000));
  ASSERT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();

  const QImage expected =
      QImage(QString::fromStdString(windowShot)).convertToFormat(QImage::Format_RGB32);
  const QImage actual = QImage(commandShot).convertToFormat(QImage::Format_RGB32);
  // The graph area and its margins, and with the legend the statistics group at their right.
  const int graphWidth = c.width + 116;
  const int legendWidth = c.legend ? Form2->GroupBox1->width() : 0;  // 169 unless figures widen it
  ASSERT_EQ(expected.size(), QSize(graphWidth + legendWidth, 236));
  ASSERT_EQ(actual.size(), expected.size());
  if (c.legend) {
    // "Actuel In :" is written in the received colour of the settings, or the default green.
    const auto lrec = std::find_if(c.settings.begin(), c.settings.end(),
                                   [](const Setting& s) { return std::string(s.first) == "lrec"; });
    const QRgb received =
        lrec == c.settings.end()
            ? qRgb(0, 0xCC, 0)
            : QtCanvas::ToQColor(ColourFromText(std::get<std::string>(lrec->second))).rgb();
    EXPECT_GT(CountPixelsOfHue(expected, graphWidth, expected.width(), received), 0);
  }
  int differing = 0;
  QPoint first(-1, -1);
  for (int y = 0; y < expected.height(); ++y) {
    for (int x = 0; x < expected.width(); ++x) {
      if (actual.pixel(x, y) == expected.pixel(x, y)) continue;
      if (differing++ == 0) first = QPoint(x, y);
    }
  }
  EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y();
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, GraphCommandPictureTest,
    ::testing::Values(
        PictureCase{"DayAutomaticOctets",
                    0,
                    kAutomaticScaleItem,
                    0,
                    false,
                    {"--period", "day", "--scale", "auto"}},
        PictureCase{
            "WeekAdslBits", 1, 3, 0, true, {"--period", "week", "--scale", "1024kbps", "--bits"}},
        PictureCase{"MonthEthernetOctets", 2, 4, 0, false, {"--period", "month", "--scale", "4"}},
        PictureCase{"MonthNarrowOctets",
                    2,
                    kAutomaticScaleItem,
                    0,
                    false,
                    {"--period", "month", "--width", "300"},
                    300},
        PictureCase{"YearManualBits",
                    3,
                    kManualScaleItem,
                    5000,
                    true,
                    {"--period", "year", "--scale", "manual:5000", "--bits"}},
        // "Légende", the colours, "Dessiner pics" and the graduations from the settings file.
        PictureCase{"DayLegendFromTheSettings",
                    0,
                    kAutomaticScaleItem,
                    0,
                    false,
                    {"--period", "day"},
                    600,
                    {{"Vmax", 1},
                     {"Legende", 1},
                     {"Autorec", 0},
                     {"Tous", 0},
                     {"Gradu", 5},
                     {"lrec", std::string("0000FF")},
                     {"lenv", std::string("00AA00")},
                     {"lrep", std::string("FF0000")},
                     {"lenp", std::string("AAAA00")}},
                    true},
        PictureCase{"WeekLegendOptionBits",
                    1,
                    3,
                    0,
                    true,
                    {"--period", "week", "--scale", "1024kbps", "--bits", "--legend"},
                    600,
                    {{"Vmax", 0}, {"Legende", 0}, {"Autorec", 0}, {"Tous", 0}, {"Gradu", 12}},
                    true},
        PictureCase{"MonthNoLegendOption",
                    2,
                    kAutomaticScaleItem,
                    0,
                    false,
                    {"--period", "month", "--no-legend"},
                    600,
                    {{"Legende", 1}, {"Autorec", 0}, {"Tous", 0}},
                    false},
        PictureCase{"YearNarrowLegendManualOctets",
                    3,
                    kManualScaleItem,
                    2000,
                    false,
                    {"--period", "year", "--scale", "manual:2000", "--width", "300", "--legend"},
                    300,
                    {},
                    true},
        PictureCase{"WidestDayLegend",
                    0,
                    kAutomaticScaleItem,
                    0,
                    true,
                    {"--period", "day", "--width", "997", "--bits", "--legend"},
                    997,
                    {},
                    true}),
    [](const ::testing::TestParamInfo<PictureCase>& info) { return info.param.name; });

}  // namespace
}  // namespace kirv
