#include "totals/totals_window.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPaintEvent>
#include <cctype>
#include <memory>
#include <string>
#include <vector>

#include "app/forms.h"
#include "app/startup.h"
#include "archive/temp_directory.h"
#include "config/config_dialog.h"
#include "fakes/fake_services.h"
#include "fakes/fake_tray_shell.h"
#include "graph/graph_window.h"
#include "gui/design_facts.h"
#include "gui/event_wait.h"

namespace kirv {
namespace {

using testing::FakeTrayShell;
using testing::RunEventsUntil;
using testing::TrayShellLog;

// Oldest first, as the logger appends them.
const std::vector<testing::ArchiveLine> kArchive = {
    {{2004, 2, 27, 12, 0, 0}, 2048, 1024},
    {{2004, 3, 7, 8, 0, 0}, 4000000, 700000},
    {{2004, 3, 7, 9, 0, 0}, 1500000, 100000},
    {{2004, 3, 9, 9, 0, 0}, 3000, 500},
};

std::vector<std::vector<std::string>> Rows(const QTableWidget* grid) {
  std::vector<std::vector<std::string>> rows;
  for (int r = 0; r < grid->rowCount(); ++r) {
    std::vector<std::string>& row = rows.emplace_back();
    for (int c = 0; c < grid->columnCount(); ++c) {
      const QTableWidgetItem* item = grid->item(r, c);
      row.push_back(item ? item->text().toStdString() : "<none>");
    }
  }
  return rows;
}

std::vector<std::string> Header(const QTableWidget* grid) {
  std::vector<std::string> header;
  for (int c = 0; c < grid->columnCount(); ++c) {
    header.push_back(grid->horizontalHeaderItem(c)->text().toStdString());
  }
  return header;
}

std::vector<std::string> Texts(std::initializer_list<const QLabel*> labels) {
  std::vector<std::string> texts;
  for (const QLabel* label : labels) texts.push_back(label->text().toStdString());
  return texts;
}

void Click(QWidget* target, Qt::MouseButton button, const QPoint& pos) {
  const QPointF global = target->mapToGlobal(QPointF(pos));
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(pos), global, button, button, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, QPointF(pos), global, button, Qt::NoButton,
                      Qt::NoModifier);
  QCoreApplication::sendEvent(target, &release);
}

class TotalsWindowTest : public testing::TempDirectoryTest {
 protected:
  void SetUp() override {
    TempDirectoryTest::SetUp();
    archivePath_ = (dir_ / "Carte reseau.mdf").string();
    fakes_.clock.now = {2004, 3, 9, 10, 30, 0};
  }
  void TearDown() override {
    ShutDown();
    TempDirectoryTest::TearDown();
  }

  void WriteArchive(const std::vector<testing::ArchiveLine>& oldestFirst) {
    TempDirectoryTest::WriteArchive(archivePath_, oldestFirst);
  }

  // The history graph reads its archive path from the settings at its creation.
  void Start(const std::string& graphfile) {
    fakes_.settings.exists = true;
    fakes_.settings.values[testing::MemorySettingsStore::Key("Graphfile")] = graphfile;
    StartUp(services_, std::make_unique<FakeTrayShell>(log_));
  }

  // Shows the window and waits for the computation.
  void ShowComputed() {
    Form5->show();
    ASSERT_TRUE(RunEventsUntil([] { return Form5->Label13->isHidden(); }));
  }

  // The middle of grid1's cell, in its viewport.
  static QPoint CellCentre(int row, int column) {
    return Form5->grid1->visualItemRect(Form5->grid1->item(row, column)).center();
  }

  testing::FakeServices fakes_;
  Services services_ = fakes_.Get();
  TrayShellLog log_;
  std::string archivePath_;
};

using TotalsWindowFacts = testing::DesignFactsTest<TotalsWindowTest>;

TEST_P(TotalsWindowFacts, HoldAtTheStart) {
  Start(archivePath_);
  ExpectFact();
}

QStringList Pages() {
  QStringList texts;
  for (int i = 0; i < Form5->PageControl1->count(); ++i) texts << Form5->PageControl1->tabText(i);
  return texts;
}

const testing::DesignFact kFacts[] = {
    {"Caption", [] { return Form5->windowTitle(); }, "Totaux"},
    {"Pages", Pages, QStringList{"Totaux/Prévisions", "Stats Journalières", "Stats Mensuelles"}},
    {"GroupBox1Title", [] { return Form5->GroupBox1->title(); }, "Transferts d'aujourd'hui"},
    {"GroupBox3Title", [] { return Form5->GroupBox3->title(); }, "Prévisions sur le mois"},
    {"GroupBox2Title", [] { return Form5->GroupBox2->title(); }, "Transferts depuis le"},
    {"Label13Caption", [] { return Form5->Label13->text(); }, "Traitement en cours, patientez ..."},
    {"Label13Bold", [] { return Form5->Label13->font().bold(); }, true},
    {"Label14Caption", [] { return Form5->Label14->text(); }, "Interface"},
    {"Figures",
     [] {
       return testing::Listed(Texts({Form5->AujD, Form5->AujU, Form5->AujB, Form5->pd, Form5->pu,
                                     Form5->pdu, Form5->Label7, Form5->Label8, Form5->Label9}));
     },
     QStringList(9, "0K")},
    {"grid1FirstColumnWidth", [] { return Form5->grid1->columnWidth(0); }, 94},
    {"grid1SelectsRows",
     [] { return Form5->grid1->selectionBehavior() == QAbstractItemView::SelectRows; }, true},
    {"Button1Hidden", [] { return Form5->Button1->isHidden(); }, true},
    {"Timer1Idle", [] { return Form5->Timer1->isActive(); }, false},
};

INSTANTIATE_TEST_SUITE_P(DesignFacts, TotalsWindowFacts, ::testing::ValuesIn(kFacts),
                         testing::FactName);

TEST_F(TotalsWindowTest, ShowingPaintsTheNoticeBeforeTheComputationReplacesIt) {
  WriteArchive(kArchive);
  Start(archivePath_);
  // Whether the notice painted while the grids were still empty.
  struct NoticePaint : QObject {
    bool beforeComputation = false;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint && Form5->grid1->rowCount() == 0) {
        beforeComputation = true;
      }
      return false;
    }
  } paint;
  Form5->Label13->installEventFilter(&paint);

  Form5->show();
  EXPECT_FALSE(Form5->Label13->isHidden());
  EXPECT_TRUE(Form5->Timer1->isActive());
  EXPECT_EQ(Form5->Timer1->interval(), 100);
  EXPECT_EQ(Form5->grid1->rowCount(), 0);

  ASSERT_TRUE(RunEventsUntil([] { return Form5->Label13->isHidden(); }));
  EXPECT_TRUE(paint.beforeComputation);
  EXPECT_FALSE(Form5->Timer1->isActive());
  EXPECT_EQ(Form5->grid1->rowCount(), 3);
  Form5->Label13->removeEventFilter(&paint);
}

TEST_F(TotalsWindowTest, ShowsTheFiguresAndRowsOfTheArchiveNewestFirst) {
  WriteArchive(kArchive);
  Start(archivePath_);
  ShowComputed();

  EXPECT_EQ(Form5->Label14->text().toStdString(), archivePath_);
  EXPECT_EQ(Texts({Form5->AujD, Form5->AujU, Form5->AujB}),
            (std::vector<std::string>{"2,92Ko", "0,48Ko", "3,41Ko"}));
  EXPECT_EQ(Texts({Form5->pd, Form5->pu, Form5->pdu}),
            (std::vector<std::string>{"18,07Mo", "2,62Mo", "20,7Mo"}));
  EXPECT_EQ(Texts({Form5->Label7, Form5->Label8, Form5->Label9}),
            (std::vector<std::string>{"5,25Mo", "0,76Mo", "6,01Mo"}));
  EXPECT_EQ(Form5->GroupBox2->title(), QStringLiteral("Transferts depuis le 27/2/2004"));

  const std::vector<std::string> header = {"Date", "DL", "UL", "Total"};
  EXPECT_EQ(Header(Form5->grid1), header);
  EXPECT_EQ(Header(Form5->grid2), header);
  EXPECT_EQ(Rows(Form5->grid1), (std::vector<std::vector<std::string>>{
                                    {"9/3/2004", "2,92 Ko", "0,48 Ko", "3,41 Ko"},
                                    {"7/3/2004", "5,24 Mo", "0,76 Mo", "6 Mo"},
                                    {"27/2/2004", "2 Ko", "1 Ko", "3 Ko"},
                                }));
  EXPECT_EQ(Rows(Form5->grid2), (std::vector<std::vector<std::string>>{
                                    {"3/2004", "5,24 Mo", "0,76 Mo", "6,01 Mo"},
                                    {"2/2004", "2 Ko", "1 Ko", "3 Ko"},
                                }));
}

TEST_F(TotalsWindowTest, EachShowingComputesAgainAndDropsRowsThatAreGone) {
  WriteArchive(kArchive);
  Start(archivePath_);
  ShowComputed();
  Form5->close();
  EXPECT_TRUE(Form5->isHidden());
  EXPECT_FALSE(Form5->Label13->isHidden());  // the next showing starts with the notice

  WriteArchive({kArchive.back()});
  ShowComputed();
  EXPECT_EQ(Rows(Form5->grid1),
            (std::vector<std::vector<std::string>>{{"9/3/2004", "2,92 Ko", "0,48 Ko", "3,41 Ko"}}));
  EXPECT_EQ(Form5->grid2->rowCount(), 1);
}

TEST_F(TotalsWindowTest, WithoutAnArchivePathTheFiguresStayAsTheyWere) {
  Start("");
  ShowComputed();
  EXPECT_EQ(Form5->Label14->text(), QString());
  EXPECT_EQ(Form5->AujD->text(), QStringLiteral("0K"));
  EXPECT_EQ(Form5->GroupBox2->title(), QStringLiteral("Transferts depuis le"));
  EXPECT_EQ(Form5->grid1->rowCount(), 0);
}

TEST_F(TotalsWindowTest, AMissingArchiveGivesOneEmptyRowInEachGrid) {
  Start(archivePath_);
  ShowComputed();
  EXPECT_EQ(Rows(Form5->grid1),
            (std::vector<std::vector<std::string>>{{"", "0 octets", "0 octets", "0 octets"}}));
  EXPECT_EQ(Form5->grid2->rowCount(), 1);
  EXPECT_EQ(Form5->GroupBox2->title(), QStringLiteral("Transferts depuis le 0/0/0"));
}

TEST_F(TotalsWindowTest, ARightClickOnADayOpensTheGraphOnTheNextDayAndTraces) {
  WriteArchive(kArchive);
  Start(archivePath_);
  ShowComputed();
  Form5->PageControl1->setCurrentWidget(Form5->TabSheet2);
  ASSERT_FALSE(Form2->isVisible());
  ASSERT_FALSE(Form2->Traced());

  Click(Form5->grid1->viewport(), Qt::RightButton, CellCentre(1, 2));  // 7/3/2004, "UL"

  EXPECT_EQ(Form2->datep->date(), QDate(2004, 3, 8));
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_TRUE(Form2->Traced());
}

TEST_F(TotalsWindowTest, ARightClickOnTheLastDayOfAMonthOpensTheFirstOfTheNext) {
  WriteArchive(kArchive);
  Start(archivePath_);
  ShowComputed();
  Form5->PageControl1->setCurrentWidget(Form5->TabSheet2);

  Click(Form5->grid1->viewport(), Qt::RightButton, CellCentre(2, 0));  // 27/2/2004

  EXPECT_EQ(Form2->datep->date(), QDate(2004, 2, 28));
}

struct NoOpenCase {
  const char* where;
  Qt::MouseButton button;
  bool onHeader;
  QPoint pos;  // in the viewport of grid1 or of its header
};

class TotalsWindowClickTest : public TotalsWindowTest,
                              public ::testing::WithParamInterface<NoOpenCase> {};

TEST_P(TotalsWindowClickTest, OpensNothing) {
  WriteArchive(kArchive);
  Start(archivePath_);
  ShowComputed();
  Form5->PageControl1->setCurrentWidget(Form5->TabSheet2);
  const QDate before = Form2->datep->date();
  QWidget* target =
      GetParam().onHeader ? Form5->grid1->horizontalHeader()->viewport() : Form5->grid1->viewport();

  Click(target, GetParam().button, GetParam().pos);

  EXPECT_EQ(Form2->datep->date(), before);
  EXPECT_FALSE(Form2->isVisible());
  EXPECT_FALSE(Form2->Traced());
}

INSTANTIATE_TEST_SUITE_P(
    TotalsWindow, TotalsWindowClickTest,
    ::testing::Values(NoOpenCase{"the header", Qt::RightButton, true, {40, 8}},
                      NoOpenCase{"below the last row", Qt::RightButton, false, {40, 3 * 20 + 5}},
                      NoOpenCase{
                          "beside the last column", Qt::RightButton, false, {4 * 94 + 2, 25}},
                      NoOpenCase{"a day, with the left button", Qt::LeftButton, false, {40, 25}}),
    [](const ::testing::TestParamInfo<NoOpenCase>& info) {
      std::string name;
      for (const char* c = info.param.where; *c; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
      }
      return name;
    });

TEST_F(TotalsWindowTest, ARightClickOnARowWithoutADateOpensNothing) {
  WriteArchive({});
  Start(archivePath_);
  ShowComputed();
  ASSERT_EQ(Form5->grid1->rowCount(), 1);

  Click(Form5->grid1->viewport(), Qt::RightButton, CellCentre(0, 0));

  EXPECT_FALSE(Form2->isVisible());
  EXPECT_FALSE(Form2->Traced());
}

}  // namespace
}  // namespace kirv

namespace kirv {
namespace {

// Figures of gigaoctets beside their captions, with the fonts installed here: no caption runs
// under its figure and no figure is cut.
TEST_F(TotalsWindowTest, CaptionsAndFiguresNeverOverlapNorGetCut) {
  std::vector<testing::ArchiveLine> large;
  for (int hour = 0; hour < 10; ++hour) {
    large.push_back({{2004, 3, 9, hour, 0, 0}, 2147483000, 1999999999});
  }
  WriteArchive(large);
  Start(archivePath_);
  ShowComputed();
  const QLabel* figures[] = {Form5->AujD, Form5->AujU,   Form5->AujB,   Form5->pd,    Form5->pu,
                             Form5->pdu,  Form5->Label7, Form5->Label8, Form5->Label9};
  int besideACaption = 0;
  for (const QLabel* figure : figures) {
    SCOPED_TRACE(figure->text().toStdString());
    EXPECT_GE(figure->width(), QFontMetrics(figure->font()).horizontalAdvance(figure->text()));
    for (const QLabel* caption : figure->parentWidget()->findChildren<QLabel*>()) {
      if (caption == figure || caption->y() != figure->y()) continue;
      ++besideACaption;
      EXPECT_LT(caption->geometry().right(), figure->x()) << caption->text().toStdString();
      EXPECT_GE(caption->width(), QFontMetrics(caption->font()).horizontalAdvance(caption->text()));
    }
  }
}

TEST_F(TotalsWindowTest, ARightClickOnADayBringsBackAMinimisedGraph) {
  WriteArchive(kArchive);
  Start(archivePath_);
  ShowComputed();
  Form5->PageControl1->setCurrentWidget(Form5->TabSheet2);
  Form2->show();
  Form2->setWindowState(Form2->windowState() | Qt::WindowMinimized);
  Click(Form5->grid1->viewport(), Qt::RightButton, CellCentre(1, 0));
  EXPECT_FALSE(Form2->isMinimized());
  EXPECT_TRUE(Form2->isVisible());
}

// March 2004 to the 9th: 6303500 octets of a 10 Mo plan, 3500 of them today.
TEST_F(TotalsWindowTest, TheForfaitGroupShowsAPlanThatIsOnAndNothingOtherwise) {
  WriteArchive(kArchive);
  Start(archivePath_);
  const int heightWithout = Form5->height();
  Form1->RestorePlanControls({true, "10485760", 0, 1, 30, "", 0, 80, ""});
  ShowComputed();
  EXPECT_FALSE(Form5->GroupBox4->isHidden());
  EXPECT_GT(Form5->height(), heightWithout);  // the window grows for the group
  EXPECT_EQ(Form5->GroupBox4->title(), QStringLiteral("Forfait"));
  EXPECT_EQ(Texts({Form5->planUsed, Form5->planRemaining, Form5->planToday, Form5->planEstimate,
                   Form5->planDates}),
            std::vector<std::string>({"6,01Mo / 10Mo (60 %)", "3,98Mo", "174,3Ko", "20,7Mo",
                                      "du 01/03/2004 au 31/03/2004"}));
  Form1->cbPlan->setChecked(false);
  EXPECT_TRUE(Form5->GroupBox4->isHidden());
  EXPECT_EQ(Form5->height(), heightWithout);
}

}  // namespace
}  // namespace kirv
