#include "graph/graph_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFontMetrics>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/forms.h"
#include "app/startup.h"
#include "archive/temp_directory.h"
#include "fakes/fake_services.h"
#include "fakes/fake_tray_shell.h"
#include "graph/graph_renderer.h"
#include "graph/qt_graph_snapshot.h"
#include "gui/design_facts.h"
#include "widgets/qt_canvas.h"

namespace kirv {
namespace {

using testing::FakeTrayShell;
using testing::MemorySettingsStore;
using testing::TrayShellLog;

// Oldest first. The clock stands at 20 April 2026 10:00, so 09:55 is column age 1 and 09:50 age 2;
// the record of 10:30 is later than the time of day and is skipped.
const std::vector<testing::ArchiveLine> kArchive = {
    {{2026, 4, 19, 12, 0, 0}, 3000000, 300000},
    {{2026, 4, 20, 9, 50, 0}, 61440000, 1536000},
    {{2026, 4, 20, 9, 55, 0}, 30720000, 3072000},
    {{2026, 4, 20, 10, 30, 0}, 900000000, 900000000},
};

std::vector<std::string> Statistics() {
  std::vector<std::string> texts;
  for (const QLabel* label :
       {Form2->GroupBox1->actueld, Form2->GroupBox1->actuelu, Form2->GroupBox1->maxd,
        Form2->GroupBox1->maxu, Form2->GroupBox1->moyd, Form2->GroupBox1->moyu}) {
    texts.push_back(label->text().toStdString());
  }
  return texts;
}

bool AllPixels(const QImage& image, Colour colour) {
  const QRgb rgb = QtCanvas::ToQColor(colour).rgb();
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != rgb) return false;
    }
  }
  return true;
}

class GraphWindowTest : public testing::TempDirectoryTest {
 protected:
  void SetUp() override {
    TempDirectoryTest::SetUp();
    archivePath_ = (dir_ / "Carte reseau.mdf").string();
    WriteArchive(archivePath_, kArchive);
  }
  void TearDown() override {
    ShutDown();
    TempDirectoryTest::TearDown();
  }

  void Set(const std::string& name, MemorySettingsStore::Value value) {
    fakes_.settings.exists = true;
    fakes_.settings.values[MemorySettingsStore::Key(name)] = std::move(value);
  }
  // A key as a save writes it, with the archive, "Octets" and "1024kbps (ADSL, cable)".
  void SetSaved(std::int32_t echelle = 3, std::int32_t vitesse = 131072) {
    Set("Graphfile", archivePath_);
    Set("Vmax", 1);
    Set("Unite", 1);
    Set("Legende", 0);
    Set("Autorec", 0);
    Set("Tous", 0);
    Set("Gradu", 8);
    Set("Echelle", echelle);
    Set("Vitesse", vitesse);
  }
  void Start() { StartUp(services_, std::make_unique<FakeTrayShell>(log_)); }

  testing::FakeServices fakes_;
  Services services_ = fakes_.Get();
  TrayShellLog log_;
  std::string archivePath_;
};

using GraphWindowFacts = testing::DesignFactsTest<GraphWindowTest>;

TEST_P(GraphWindowFacts, HoldAtTheFirstStart) {
  Start();
  ExpectFact();
}

QStringList Items(const QComboBox& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts << list.itemText(i);
  return texts;
}

const testing::DesignFact kFacts[] = {
    {"Caption", [] { return Form2->windowTitle(); }, "Module Graphique"},
    {"cbChoice", [] { return Form2->cb->currentText(); }, "512kbps (ADSL, cable)"},
    {"spdspinValue", [] { return Form2->spdspin->Value(); }, 65536},
    {"spdspinDisabled", [] { return Form2->spdspin->isEnabled(); }, false},
    {"gradspinValue", [] { return Form2->gradspin->Value(); }, 8},
    {"gradspinMinimum", [] { return Form2->gradspin->MinValue(); }, 1},
    {"gradspinMaximum", [] { return Form2->gradspin->MaxValue(); }, 999},
    {"spdspinMaximum", [] { return Form2->spdspin->MaxValue(); }, 2147483647},
    {"cbmxChecked", [] { return Form2->cbmx->isChecked(); }, true},
    {"rb2Checked", [] { return Form2->rb2->isChecked(); }, true},
    {"cbgdChecked", [] { return Form2->cbgd->isChecked(); }, true},
    {"cbGChoice", [] { return Form2->cbG->currentText(); }, "Journée"},
    {"datepToday", [] { return Form2->datep->date(); }, QDate(2026, 4, 20)},
    {"NoArchive", [] { return Form2->ArchivePath().empty(); }, true},
    {"legdUnchecked", [] { return Form2->legd->isChecked(); }, false},
    {"autorecUnchecked", [] { return Form2->autorec->isChecked(); }, false},
    {"tousUnchecked", [] { return Form2->tous->isChecked(); }, false},
    {"Timer1Idle", [] { return Form2->Timer1->isActive(); }, false},
    {"Timer1Interval", [] { return Form2->Timer1->interval(); }, 300000},
    {"Cleared", [] { return Form2->Cleared(); }, true},
    {"NotTraced", [] { return Form2->Traced(); }, false},
    {"Label8Caption", [] { return Form2->Label8->text(); }, "Graduations :"},
    {"cbmxCaption", [] { return Form2->cbmx->text(); }, "Dessiner pics"},
    {"rb2Caption", [] { return Form2->rb2->text(); }, "Bits"},
    {"rb1Caption", [] { return Form2->rb1->text(); }, "Octets"},
    {"Button2Caption", [] { return Form2->Button2->text(); }, "Tracer"},
    {"Button3Caption", [] { return Form2->Button3->text(); }, "Effacer"},
    {"Button4Caption", [] { return Form2->Button4->text(); }, "Ouvrir"},
    {"BitBtn1Caption", [] { return Form2->BitBtn1->text(); }, "Enregistrer"},
    {"Label9Caption", [] { return Form2->Label9->text(); }, "Echelle :"},
    {"Label10Caption", [] { return Form2->Label10->text(); }, "Vitesse :"},
    {"Label11Caption", [] { return Form2->Label11->text(); }, "octets/s"},
    {"Label12Caption", [] { return Form2->Label12->text(); }, "Graphique :"},
    {"GroupBox3Caption", [] { return Form2->GroupBox3->title(); }, "Sens de génération :"},
    {"cbdgCaption", [] { return Form2->cbdg->text(); }, "Droite à Gauche"},
    {"cbgdCaption", [] { return Form2->cbgd->text(); }, "Gauche à Droite"},
    {"Label13Caption", [] { return Form2->Label13->text(); }, "Tracer a partir du :"},
    {"Button6Caption", [] { return Form2->Button6->text(); }, "-"},
    {"Button7Caption", [] { return Form2->Button7->text(); }, "+"},
    {"autorecCaption", [] { return Form2->autorec->text(); }, "Enregistrement auto"},
    {"legdCaption", [] { return Form2->legd->text(); }, "Légende"},
    {"GroupBox1Caption", [] { return Form2->GroupBox1->title(); }, "Statistiques"},
    {"GroupBox1Label1Caption", [] { return Form2->GroupBox1->Label1->text(); }, "Actuel In :"},
    {"GroupBox1Label2Caption", [] { return Form2->GroupBox1->Label2->text(); }, "Actuel Out :"},
    {"GroupBox1Label3Caption", [] { return Form2->GroupBox1->Label3->text(); }, "Max In :"},
    {"GroupBox1Label4Caption", [] { return Form2->GroupBox1->Label4->text(); }, "Max Out :"},
    {"GroupBox1Label5Caption", [] { return Form2->GroupBox1->Label5->text(); }, "Moyenne In :"},
    {"GroupBox1Label6Caption", [] { return Form2->GroupBox1->Label6->text(); }, "Moyenne Out :"},
    {"tousCaption", [] { return Form2->tous->text(); }, "Tous"},
    {"cbItems", [] { return Items(*Form2->cb); },
     QStringList{"64kbps (RTC, RNIS)", "128kbps (RNIS double)", "512kbps (ADSL, cable)",
                 "1024kbps (ADSL, cable)", "10mbps (Ethernet)", "100mbps (Fast Ethernet)",
                 "1gbps (Gigabit Ethernet)", "Automatique", "Manuel"}},
    {"cbGItems", [] { return Items(*Form2->cbG); },
     QStringList{"Journée", "Semaine", "Mois", "Année"}},
    {"datepFormat", [] { return Form2->datep->displayFormat(); }, "dd/MM/yyyy"},
    {"datepPopup", [] { return Form2->datep->calendarPopup(); }, true},
    {"Size", [] { return Form2->size(); }, QSize(716, 355)},  // 725 × 393 with the frame
    {"MinimumSize", [] { return Form2->minimumSize(); }, QSize(341, 212)},
    {"MaximumWidth", [] { return Form2->maximumWidth(); }, 1113},
    {"shapeBounds", [] { return Form2->shape->geometry(); }, QRect(8, 120, 700, 235)},
    {"im1Bounds", [] { return Form2->im1->geometry(); }, QRect(8, 120, 700, 235)},
    {"im2Bounds", [] { return Form2->im2->geometry(); }, QRect(98, 132, 600, 195)},
    {"Label7Caption", [] { return Form2->Label7->text(); }, "700x235"},
    {"GroupBox1Position", [] { return Form2->GroupBox1->geometry().topLeft(); }, QPoint(488, 0)},
    {"GroupBox1Width", [] { return Form2->GroupBox1->width(); }, 169},
};

INSTANTIATE_TEST_SUITE_P(DesignFacts, GraphWindowFacts, ::testing::ValuesIn(kFacts),
                         testing::FactName);

TEST_F(GraphWindowTest, HiddenControlsStayHidden) {
  Start();
  Form2->show();
  for (QWidget* hidden :
       {static_cast<QWidget*>(Form2->tous), static_cast<QWidget*>(Form2->Image2),
        static_cast<QWidget*>(Form2->Label7), static_cast<QWidget*>(Form2->Button1)}) {
    EXPECT_FALSE(hidden->isVisible());
  }
  EXPECT_TRUE(Form2->GroupBox1->isVisible());
}

TEST_F(GraphWindowTest, WidestWindowKeepsTheCurveLayerWithinTheColumnTable) {
  Start();
  Form2->show();
  Form2->resize(3000, 500);
  EXPECT_EQ(Form2->width(), 1113);
  EXPECT_LT(Form2->im2->width(), 1024);
  EXPECT_EQ(Form2->Label7->text(), QStringLiteral("1097x380"));
}

struct GateCase {
  const char* name;
  std::vector<std::pair<std::string, MemorySettingsStore::Value>> values;
  bool cbmx;
  bool rb1;
  bool legd;
  bool autorec;
  bool tous;
  std::int32_t gradspin;
  int cb;
  std::int32_t spdspin;
};

TEST_F(GraphWindowTest, SettingsAreReadBehindTheirGates) {
  const std::vector<std::pair<std::string, MemorySettingsStore::Value>> group = {
      {"Vmax", 0}, {"Unite", 1}, {"Gradu", 12}, {"Echelle", 4}, {"Vitesse", 1310720}};
  const std::vector<std::pair<std::string, MemorySettingsStore::Value>> legend = {
      {"Legende", 1}, {"Autorec", 1}, {"Tous", 1}};
  auto with = [](auto a, const auto& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const std::vector<GateCase> cases = {
      {"no Graphfile: nothing is read", with(group, legend), true, false, false, false, false, 8, 2,
       65536},
      {"Graphfile without Legende: the legend group keeps its defaults",
       with(with(group,
                 std::vector<std::pair<std::string, MemorySettingsStore::Value>>{
                     {"Graphfile", std::string("a.mdf")}}),
            std::vector<std::pair<std::string, MemorySettingsStore::Value>>{{"Autorec", 1},
                                                                            {"Tous", 1}}),
       false, true, false, false, false, 12, 4, 1310720},
      {"Graphfile and Legende: everything is read",
       with(with(group, legend),
            std::vector<std::pair<std::string, MemorySettingsStore::Value>>{
                {"Graphfile", std::string("a.mdf")}}),
       false, true, true, true, true, 12, 4, 1310720},
  };
  for (const GateCase& c : cases) {
    SCOPED_TRACE(c.name);
    fakes_.settings.values.clear();
    for (const auto& [name, value] : c.values) Set(name, value);
    Start();
    EXPECT_EQ(Form2->cbmx->isChecked(), c.cbmx);
    EXPECT_EQ(Form2->rb1->isChecked(), c.rb1);
    EXPECT_EQ(Form2->rb2->isChecked(), !c.rb1);
    EXPECT_EQ(Form2->legd->isChecked(), c.legd);
    EXPECT_EQ(Form2->autorec->isChecked(), c.autorec);
    EXPECT_EQ(Form2->Timer1->isActive(), c.autorec);
    EXPECT_EQ(Form2->tous->isChecked(), c.tous);
    EXPECT_EQ(Form2->gradspin->Value(), c.gradspin);
    EXPECT_EQ(Form2->cb->currentIndex(), c.cb);
    EXPECT_EQ(Form2->spdspin->Value(), c.spdspin);
    EXPECT_FALSE(Form2->spdspin->isEnabled());
    EXPECT_EQ(Form2->cbG->currentIndex(), 0);
    ShutDown();
  }
}

TEST_F(GraphWindowTest, ManualScaleInTheSettingsEnablesTheSpeedField) {
  SetSaved(8, 300000);
  Start();
  EXPECT_EQ(Form2->cb->currentText(), QStringLiteral("Manuel"));
  EXPECT_TRUE(Form2->spdspin->isEnabled());
  EXPECT_EQ(Form2->spdspin->Value(), 300000);
  EXPECT_EQ(Form2->ArchivePath(), archivePath_);
}

TEST_F(GraphWindowTest, ControlsGoBackToTheConfigurationDialogAsTheyStand) {
  SetSaved();
  Start();
  Form2->legd->setChecked(true);
  Form2->cbG->setCurrentIndex(2);
  const GraphControls c = Form2->Controls();
  EXPECT_EQ(c.Graphfile, archivePath_);
  EXPECT_TRUE(c.legd);
  EXPECT_TRUE(c.rb1);
  EXPECT_EQ(c.cb, 3);
  EXPECT_EQ(c.spdspin, 131072);
  EXPECT_EQ(c.cbG, 2);
}

TEST_F(GraphWindowTest, EachSpeedScaleSetsTheSpeedField) {
  Start();
  const std::vector<std::pair<std::int32_t, bool>> expected = {
      {8192, false},     {16384, false},     {65536, false}, {131072, false}, {1310720, false},
      {13107200, false}, {134217728, false}, {1, false},     {1, true}};
  for (int item = 0; item < static_cast<int>(expected.size()); ++item) {
    SCOPED_TRACE(item);
    Form2->cb->setCurrentIndex(item);
    Form2->cbChange(Form2->cb);
    EXPECT_EQ(Form2->spdspin->Value(), expected[item].first);
    EXPECT_EQ(Form2->spdspin->isEnabled(), expected[item].second);
  }
}

TEST_F(GraphWindowTest, TraceOfAKnownArchiveFillsTheStatistics) {
  SetSaved();
  Start();
  Form2->Button2Click(Form2->Button2);
  EXPECT_TRUE(Form2->Traced());
  EXPECT_FALSE(Form2->Cleared());
  // 131072 octets/s in "Octets": kilo units; the comma is the fake locale's separator. The
  // averages take the three records before 10:00 over 600 columns: 95160000 / 600 / 1024 / 300.
  EXPECT_EQ(Statistics(),
            (std::vector<std::string>{"100 K/s (78%)", "10 K/s (7%)", "200 K/s (156%)",
                                      "10 K/s (7%)", "0,51 K/s (0%)", "0,02 K/s (0%)"}));
  EXPECT_FALSE(AllPixels(Form2->CurveLayer(), kGraphBackground));
  EXPECT_FALSE(AllPixels(Form2->AxisLayer(), kWhite));
  EXPECT_EQ(Form2->CurveLayer().size(), QSize(600, 195));
  EXPECT_EQ(Form2->AxisLayer().size(), QSize(700, 235));
}

TEST_F(GraphWindowTest, AutomaticScalePutsTheLargestRecordRateIntoTheSpeedField) {
  SetSaved(7, 0);
  Start();
  Form2->Button2Click(Form2->Button2);
  EXPECT_EQ(Form2->spdspin->Value(), 61440000 / 300);
}

TEST_F(GraphWindowTest, TracingWithoutAnArchiveDoesNothing) {
  Start();
  Form2->Button2Click(Form2->Button2);
  EXPECT_FALSE(Form2->Traced());
  EXPECT_TRUE(Form2->Cleared());
  EXPECT_EQ(Form2->GroupBox1->actueld->text(), QString());
}

TEST_F(GraphWindowTest, PlusBeforeATraceOnlyMovesTheDate) {
  SetSaved();
  Start();
  Form2->Button7Click(Form2->Button7);
  EXPECT_EQ(Form2->datep->date(), QDate(2026, 4, 21));
  EXPECT_FALSE(Form2->Traced());
  EXPECT_TRUE(Form2->Cleared());
  EXPECT_EQ(Form2->GroupBox1->actueld->text(), QString());
  Form2->Button6Click(Form2->Button6);
  EXPECT_EQ(Form2->datep->date(), QDate(2026, 4, 20));
  EXPECT_FALSE(Form2->Traced());
}

TEST_F(GraphWindowTest, AfterATraceEveryDateStepTracesAgain) {
  SetSaved();
  Start();
  Form2->Button2Click(Form2->Button2);
  // One day back: the reference instant is 19 April 10:00, and the record of 19 April 12:00 is
  // later than it.
  Form2->Button6Click(Form2->Button6);
  EXPECT_EQ(Form2->datep->date(), QDate(2026, 4, 19));
  EXPECT_FALSE(Form2->Cleared());
  EXPECT_EQ(Statistics(), std::vector<std::string>(6, "0 K/s (0%)"));
  // Two days forward: 21 April 10:00 sees every record; 20 April 09:55 is now 289 slots old.
  Form2->Button7Click(Form2->Button7);
  Form2->Button7Click(Form2->Button7);
  EXPECT_EQ(Form2->datep->date(), QDate(2026, 4, 21));
  EXPECT_EQ(Form2->GroupBox1->actueld->text(), QStringLiteral("0 K/s (0%)"));
  EXPECT_EQ(Form2->GroupBox1->maxd->text(), QStringLiteral("2929,68 K/s (2288%)"));
}

TEST_F(GraphWindowTest, ResizingATracedGraphClearsItOnce) {
  SetSaved();
  Start();
  Form2->show();
  Form2->Button2Click(Form2->Button2);
  ASSERT_FALSE(Form2->Cleared());
  Form2->resize(800, 400);
  EXPECT_TRUE(Form2->Cleared());
  EXPECT_TRUE(AllPixels(Form2->CurveLayer(), kGraphBackground));
  EXPECT_TRUE(AllPixels(Form2->AxisLayer().copy(1, 1, 698, 233), kWhite));
  EXPECT_EQ(Form2->Label7->text(), QStringLiteral("784x280"));
  EXPECT_EQ(Form2->im2->geometry(), QRect(98, 132, 684, 240));

  const qint64 blank = Form2->AxisLayer().cacheKey();
  Form2->resize(760, 380);
  EXPECT_EQ(Form2->AxisLayer().cacheKey(), blank);
  EXPECT_EQ(Form2->Label7->text(), QStringLiteral("744x260"));

  Form2->Button2Click(Form2->Button2);
  EXPECT_EQ(Form2->CurveLayer().size(), QSize(644, 220));
}

TEST_F(GraphWindowTest, EffacerBlanksBothLayersAndKeepsTheStatistics) {
  SetSaved();
  Start();
  Form2->Button2Click(Form2->Button2);
  Form2->Button3Click(Form2->Button3);
  EXPECT_TRUE(Form2->Cleared());
  EXPECT_TRUE(AllPixels(Form2->CurveLayer(), kGraphBackground));
  EXPECT_TRUE(AllPixels(Form2->AxisLayer().copy(1, 1, 698, 233), kWhite));
  EXPECT_EQ(Form2->GroupBox1->actueld->text(), QStringLiteral("100 K/s (78%)"));
}

TEST_F(GraphWindowTest, OuvrirChoosesTheArchiveWithoutTracing) {
  Start();
  fakes_.dialogs.openAnswers = {archivePath_};
  Form2->Button4Click(Form2->Button4);
  ASSERT_EQ(fakes_.dialogs.openRequests.size(), 1u);
  EXPECT_EQ(fakes_.dialogs.openRequests[0].filter, "Fichier Archive KIRV|*.mdf");
  EXPECT_EQ(fakes_.dialogs.openRequests[0].initialPath, dir_.string());  // the data folder
  EXPECT_EQ(Form2->ArchivePath(), archivePath_);
  EXPECT_FALSE(Form2->Traced());
  Form2->Button4Click(Form2->Button4);  // cancelled: the archive stays
  EXPECT_EQ(Form2->ArchivePath(), archivePath_);
}

TEST_F(GraphWindowTest, EnregistrementAutoRunsTheTimerExactlyWhileChecked) {
  Start();
  Form2->autorec->setChecked(true);
  EXPECT_TRUE(Form2->Timer1->isActive());
  Form2->autorec->setChecked(false);
  EXPECT_FALSE(Form2->Timer1->isActive());
}

TEST_F(GraphWindowTest, AutomaticRecordAsksForAnArchiveAtEveryTickUntilOneIsChosen) {
  Start();
  fakes_.dialogs.openAnswers = {std::nullopt, std::nullopt, archivePath_};
  for (int tick = 1; tick <= 2; ++tick) {
    Form2->Timer1Timer(Form2->Timer1);  // cancelled: nothing traced, nothing saved
    EXPECT_EQ(fakes_.dialogs.openRequests.size(), static_cast<std::size_t>(tick));
    EXPECT_FALSE(Form2->Traced());
  }
  EXPECT_FALSE(std::filesystem::exists(archivePath_ + " Journée.bmp"));
  Form2->Timer1Timer(Form2->Timer1);
  EXPECT_EQ(fakes_.dialogs.openRequests.size(), 3u);
  EXPECT_EQ(Form2->ArchivePath(), archivePath_);
  EXPECT_TRUE(Form2->Traced());
  EXPECT_TRUE(fakes_.dialogs.saveRequests.empty());
  EXPECT_TRUE(std::filesystem::exists(archivePath_ + " Journée.bmp"));
  EXPECT_FALSE(QApplication::clipboard()->image().isNull());

  Form2->Timer1Timer(Form2->Timer1);  // the archive is known: no dialog, the file is replaced
  EXPECT_EQ(fakes_.dialogs.openRequests.size(), 3u);
}

TEST_F(GraphWindowTest, SnapshotProposesTheDayAndPeriodAndCancellingWritesNoFile) {
  SetSaved();
  Start();
  Form2->cbG->setCurrentIndex(1);
  QApplication::clipboard()->clear();
  Form2->BitBtn1Click(Form2->BitBtn1);
  ASSERT_EQ(fakes_.dialogs.saveRequests.size(), 1u);
  EXPECT_EQ(fakes_.dialogs.saveRequests[0].initialPath, (dir_ / "2026-04-20 Semaine.bmp").string());
  EXPECT_TRUE(fakes_.dialogs.messages.empty());
  // Without "Légende" the picture holds the graph area alone.
  EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(716, 236));
  EXPECT_EQ(Form2->Image2->pixmap().size(), QSize(716, 236));
}

TEST_F(GraphWindowTest, SnapshotWithLegendIsWiderByTheStatistics) {
  SetSaved();
  Start();
  Form2->legd->setChecked(true);
  const std::string target = (dir_ / "shot.bmp").string();
  fakes_.dialogs.saveAnswers = {target};
  Form2->BitBtn1Click(Form2->BitBtn1);
  const QImage saved(QString::fromStdString(target));
  EXPECT_EQ(saved.size(), QSize(716 + 169, 236));
  // The graph area's outline runs along the picture's second row, its background below.
  EXPECT_EQ(saved.pixel(400, 1), QtCanvas::ToQColor(kBlack).rgb());
  EXPECT_EQ(saved.pixel(400, 2), QtCanvas::ToQColor(kGraphBackground).rgb());
  EXPECT_EQ(Form2->GroupBox1->geometry().topLeft(), QPoint(488, 0));
}

TEST_F(GraphWindowTest, SnapshotAfterAResizeHoldsTheResizedGraphArea) {
  SetSaved();
  Start();
  Form2->show();
  Form2->Button2Click(Form2->Button2);
  Form2->resize(800, 400);  // the graph area becomes 784 × 280 and is cleared
  const std::string target = (dir_ / "shot.bmp").string();
  fakes_.dialogs.saveAnswers = {target};
  Form2->BitBtn1Click(Form2->BitBtn1);
  const QImage saved(QString::fromStdString(target));
  ASSERT_EQ(saved.size(), QSize(800, 281));
  // The frame runs along the new edges; beyond the layers of the last trace lies background.
  EXPECT_EQ(saved.pixel(791, 150), QtCanvas::ToQColor(kBlack).rgb());
  EXPECT_EQ(saved.pixel(400, 280), QtCanvas::ToQColor(kBlack).rgb());
  EXPECT_EQ(saved.pixel(750, 150), QtCanvas::ToQColor(kGraphBackground).rgb());
  EXPECT_EQ(saved.pixel(400, 260), QtCanvas::ToQColor(kGraphBackground).rgb());
}

TEST_F(GraphWindowTest, FailedSnapshotIsReportedAndTheLayoutRestored) {
  SetSaved();
  Start();
  Form2->show();
  Form2->legd->setChecked(true);
  Form2->Button2Click(Form2->Button2);
  const std::string target = (dir_ / "no such folder" / "shot.bmp").string();
  fakes_.dialogs.saveAnswers = {target};
  Form2->BitBtn1Click(Form2->BitBtn1);
  EXPECT_EQ(fakes_.dialogs.messages,
            std::vector<std::string>{"Impossible d'enregistrer l'image " + target});
  EXPECT_EQ(Form2->size(), QSize(716, 355));
  EXPECT_EQ(Form2->minimumSize(), QSize(341, 212));
  EXPECT_EQ(Form2->maximumWidth(), 1113);
  EXPECT_EQ(Form2->shape->geometry(), QRect(8, 120, 700, 235));
  EXPECT_EQ(Form2->im1->geometry(), QRect(8, 120, 700, 235));
  EXPECT_EQ(Form2->im2->geometry(), QRect(98, 132, 600, 195));
  EXPECT_EQ(Form2->GroupBox1->geometry().topLeft(), QPoint(488, 0));
  for (QWidget* control :
       {static_cast<QWidget*>(Form2->Button2), static_cast<QWidget*>(Form2->datep),
        static_cast<QWidget*>(Form2->cb), static_cast<QWidget*>(Form2->GroupBox3),
        static_cast<QWidget*>(Form2->Label8)}) {
    EXPECT_TRUE(control->isVisible());
  }
  EXPECT_FALSE(Form2->tous->isVisible());
  // The snapshot left the graph drawn, and the resize lock is off again.
  EXPECT_FALSE(Form2->Cleared());
  Form2->resize(720, 360);
  EXPECT_TRUE(Form2->Cleared());
}

}  // namespace
}  // namespace kirv

namespace kirv {
namespace {

// Figures as the statistics show them, measured with the fonts installed here: every caption and
// figure shows whole in the ten-pixel font, no figure starts before its caption ends, and figures
// too wide for the group widen it, the window and the snapshot to the right.
struct StatisticsTexts {
  const char* name;
  const char* figure;
  bool widens;
};

class GraphStatisticsLayout : public GraphWindowTest,
                              public ::testing::WithParamInterface<StatisticsTexts> {};

TEST_P(GraphStatisticsLayout, CaptionsAndFiguresNeverOverlapNorGetCut) {
  Start();
  const QLabel* captions[] = {Form2->GroupBox1->Label1, Form2->GroupBox1->Label2,
                              Form2->GroupBox1->Label3, Form2->GroupBox1->Label4,
                              Form2->GroupBox1->Label5, Form2->GroupBox1->Label6};
  QLabel* figures[] = {Form2->GroupBox1->actueld, Form2->GroupBox1->actuelu,
                       Form2->GroupBox1->maxd,    Form2->GroupBox1->maxu,
                       Form2->GroupBox1->moyd,    Form2->GroupBox1->moyu};
  for (QLabel* figure : figures) figure->setText(QString::fromUtf8(GetParam().figure));
  Form2->LayOutStatistics();
  const QRect inside = Form2->GroupBox1->contentsRect();
  for (int i = 0; i < 6; ++i) {
    const QFontMetrics captionMetrics(captions[i]->font());
    const QFontMetrics figureMetrics(figures[i]->font());
    const int captionEnd = captions[i]->x() + captionMetrics.horizontalAdvance(captions[i]->text());
    SCOPED_TRACE(captions[i]->text().toStdString());
    EXPECT_LT(captionEnd, figures[i]->x());
    EXPECT_GE(figures[i]->width(), figureMetrics.horizontalAdvance(figures[i]->text()));
    EXPECT_LE(figures[i]->geometry().right(), inside.right());
    EXPECT_EQ(figures[i]->y(), captions[i]->y());
    EXPECT_GE(figures[i]->height(), figureMetrics.height());
    EXPECT_EQ(figures[i]->font().pixelSize(), 10);
    EXPECT_EQ(captions[i]->font().pixelSize(), 10);
    EXPECT_EQ(figures[i]->text(), QString::fromUtf8(GetParam().figure));
  }
  const QRect group = Form2->GroupBox1->geometry();
  const int snapshotWidth = GraphSnapshot(Form2->im1->size(), Form2->AxisLayer(),
                                          Form2->CurveLayer(), Qt::white, Form2->GroupBox1)
                                .width();
  EXPECT_EQ(snapshotWidth, 716 + group.width());
  if (GetParam().widens) {
    EXPECT_GT(group.width(), 169);
    EXPECT_EQ(Form2->minimumWidth(), group.right() + 1 + 8);
    EXPECT_GE(Form2->width(), Form2->minimumWidth());
  } else {
    EXPECT_EQ(group, QRect(488, 0, 169, 116));
    EXPECT_EQ(figures[0]->geometry(), QRect(84, 18, 79, 12));
    EXPECT_EQ(Form2->minimumWidth(), 341);
    EXPECT_EQ(Form2->width(), 716);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Figures, GraphStatisticsLayout,
    ::testing::Values(StatisticsTexts{"Empty", "", false},
                      StatisticsTexts{"Zero", "0 K/s (0%)", false},
                      StatisticsTexts{"Today", "12,5 K/s (3%)", false},
                      StatisticsTexts{"OverFullScale", "1023,99 K/s (655%)", true},
                      StatisticsTexts{"LargestDesignFigure", "9999,99 K/s (100%)", true},
                      StatisticsTexts{"MegaFarOverScale", "1023,99 M/s (6553%)", true},
                      StatisticsTexts{"GigabitOnAModemScale", "12766573,37 K/s (2493471%)", true}),
    [](const ::testing::TestParamInfo<StatisticsTexts>& info) { return info.param.name; });

TEST_F(GraphWindowTest, ShortFiguresKeepTheTenPixelFont) {
  Start();
  Form2->GroupBox1->actueld->setText(QStringLiteral("12,5 K/s (3%)"));
  Form2->LayOutStatistics();
  EXPECT_EQ(Form2->GroupBox1->actueld->font().pixelSize(), 10);
  EXPECT_EQ(Form2->GroupBox1->Label6->font().pixelSize(), 10);
}

}  // namespace
}  // namespace kirv
