#include "chrono/chrono_window.h"

#include <gtest/gtest.h>

#include <QSlider>
#include <memory>
#include <string>
#include <vector>

#include "app/forms.h"
#include "app/startup.h"
#include "case_name.h"
#include "config/config_dialog.h"
#include "fakes/fake_services.h"
#include "fakes/fake_tray_shell.h"
#include "gui/design_facts.h"
#include "gui/event_wait.h"

namespace kirv {
namespace {

using testing::FakeTrayShell;
using testing::RunEventsUntil;
using testing::TrayShellLog;

std::vector<std::string> Texts(std::initializer_list<const QLabel*> labels) {
  std::vector<std::string> texts;
  for (const QLabel* label : labels) texts.push_back(label->text().toStdString());
  return texts;
}

class ChronoWindowTest : public ::testing::Test {
 protected:
  ChronoWindowTest() { StartUp(services_, std::make_unique<FakeTrayShell>(log_)); }
  ~ChronoWindowTest() override { ShutDown(); }

  void ClickButton() { Form6->Button1->click(); }

  // The meter's sampling tick while the stopwatch runs, then the figures' tick.
  void FeedSecond(std::int32_t in, std::int32_t out) {
    ASSERT_TRUE(Form6->IsRunning());
    Form6->CurrentIn = in;
    Form6->CurrentOut = out;
    Form6->Timer2Timer(Form6->Timer2);
  }

  // The elapsed-time tick, the clock moved on to start + seconds.
  void ElapseTo(std::int64_t seconds) {
    fakes_.clock.now = FromSeconds(seconds);
    Form6->Timer1Timer(Form6->Timer1);
  }

  DateTime FromSeconds(std::int64_t seconds) const {
    const std::int64_t total = kStart.hour * 3600 + seconds;  // kStart is on the hour
    DateTime t = AddDays(kStart, static_cast<int>(total / 86400));
    t.hour = static_cast<int>(total % 86400 / 3600);
    t.minute = static_cast<int>(total % 3600 / 60);
    t.second = static_cast<int>(total % 60);
    return t;
  }

  const DateTime kStart{2026, 4, 20, 10, 0, 0, 0};
  testing::FakeServices fakes_;
  Services services_ = fakes_.Get();
  TrayShellLog log_;
};

using ChronoWindowFacts = testing::DesignFactsTest<ChronoWindowTest>;

TEST_P(ChronoWindowFacts, HoldAtCreation) { ExpectFact(); }

const testing::DesignFact kFacts[] = {
    {"Caption", [] { return Form6->windowTitle(); }, "Chronometre"},
    {"ToolWindow", [] { return bool(Form6->windowFlags() & Qt::Tool); }, true},
    {"Clock",
     [] {
       return testing::Listed(Texts(
           {Form6->h, Form6->Label1, Form6->m, Form6->Label2, Form6->s, Form6->Label3, Form6->cs}));
     },
     QStringList{"00", ":", "00", ":", "00", ".", "0"}},
    {"ClockFont", [] { return Form6->h->font().family(); }, "Arial"},
    {"Button1Caption", [] { return Form6->Button1->text(); }, "Start"},
    {"GroupBox1Title", [] { return Form6->GroupBox1->title(); }, "Total Transferré"},
    {"GroupBox2Title", [] { return Form6->GroupBox2->title(); }, "Vitesse Maximale"},
    {"GroupBox3Title", [] { return Form6->GroupBox3->title(); }, "Vitesse Moyenne"},
    {"GroupBox4Title", [] { return Form6->GroupBox4->title(); }, "Prévisions"},
    {"Figures",
     [] {
       return testing::Listed(Texts({Form6->ti, Form6->tu, Form6->vd, Form6->vu, Form6->md,
                                     Form6->mu, Form6->pd, Form6->pu}));
     },
     QStringList{"IN : 0ko", "OUT : 0ko", "IN : 0ko/s", "OUT : 0ko/s", "IN : 0ko/s", "OUT : 0ko/s",
                 "IN : 0ko", "OUT : 0ko"}},
    {"rbCaption", [] { return Form6->rb->text(); }, "Heure"},
    {"rbChecked", [] { return Form6->rb->isChecked(); }, true},
    {"rb2Caption", [] { return Form6->rb2->text(); }, "Jour"},
    {"CurrentIn", [] { return Form6->CurrentIn; }, 0},
    {"CurrentOut", [] { return Form6->CurrentOut; }, 0},
    {"Timer1Interval", [] { return Form6->Timer1->interval(); }, 1000},
    {"Timer2Interval", [] { return Form6->Timer2->interval(); }, 1000},
    {"Timer3Interval", [] { return Form6->Timer3->interval(); }, 100},
    {"Timer1Idle", [] { return Form6->Timer1->isActive(); }, false},
    {"Timer2Idle", [] { return Form6->Timer2->isActive(); }, false},
    {"Timer3Idle", [] { return Form6->Timer3->isActive(); }, false},
    {"NotRunning", [] { return Form6->IsRunning(); }, false},
};

INSTANTIATE_TEST_SUITE_P(DesignFacts, ChronoWindowFacts, ::testing::ValuesIn(kFacts),
                         testing::FactName);

TEST_F(ChronoWindowTest, StartRunsTheTimersAndLocksTheRefreshPeriodAtOneSecond) {
  Form1->tb->setValue(7);
  Form6->cs->setText(QStringLiteral("4"));
  ClickButton();

  EXPECT_EQ(Form6->Button1->text(), QStringLiteral("Stop"));
  EXPECT_EQ(Texts({Form6->h, Form6->m, Form6->s, Form6->cs}),
            (std::vector<std::string>{"00", "00", "00", "0"}));
  EXPECT_TRUE(Form6->Timer1->isActive());
  EXPECT_TRUE(Form6->Timer2->isActive());
  EXPECT_TRUE(Form6->Timer3->isActive());
  EXPECT_TRUE(Form6->IsRunning());
  EXPECT_EQ(Form1->tb->value(), 20);
  EXPECT_FALSE(Form1->tb->isEnabled());
}

TEST_F(ChronoWindowTest, StopIdlesTheTimersAndFreesTheSliderWhereItIs) {
  ClickButton();
  FeedSecond(2048, 0);
  ClickButton();

  EXPECT_EQ(Form6->Button1->text(), QStringLiteral("Start"));
  EXPECT_FALSE(Form6->Timer1->isActive());
  EXPECT_FALSE(Form6->Timer2->isActive());
  EXPECT_FALSE(Form6->Timer3->isActive());
  EXPECT_FALSE(Form6->IsRunning());
  EXPECT_TRUE(Form1->tb->isEnabled());
  EXPECT_EQ(Form1->tb->value(), 20);
  EXPECT_EQ(Form6->ti->text(), QStringLiteral("IN : 2Ko"));  // the figures stay
}

TEST_F(ChronoWindowTest, FiguresFollowTheSpeedsTheMeterHandsOver) {
  fakes_.clock.now = kStart;
  ClickButton();
  FeedSecond(12800, 800);
  EXPECT_EQ(Texts({Form6->ti, Form6->tu, Form6->md, Form6->mu, Form6->vd, Form6->vu, Form6->pd,
                   Form6->pu}),
            (std::vector<std::string>{"IN : 12,5Ko", "OUT : 0,78Ko", "IN : 12,5Ko/s",
                                      "OUT : 0,78Ko/s", "IN : 12,5Ko/s", "OUT : 0,78Ko/s",
                                      "IN : 43,94Mo", "OUT : 2,74Mo"}));

  ElapseTo(1);  // two seconds counted
  FeedSecond(3000, 200);
  EXPECT_EQ(Texts({Form6->ti, Form6->tu, Form6->md, Form6->mu, Form6->vd, Form6->vu, Form6->pd,
                   Form6->pu}),
            (std::vector<std::string>{"IN : 15,42Ko", "OUT : 0,97Ko", "IN : 7,71Ko/s",
                                      "OUT : 0,48Ko/s", "IN : 12,5Ko/s", "OUT : 0,78Ko/s",
                                      "IN : 27,12Mo", "OUT : 1,71Mo"}));

  Form6->rb2->setChecked(true);
  FeedSecond(0, 0);
  EXPECT_EQ(Texts({Form6->pd, Form6->pu}),
            (std::vector<std::string>{"IN : 650,93Mo", "OUT : 41,19Mo"}));
}

TEST_F(ChronoWindowTest, StartClearsTheFiguresOfTheRunBefore) {
  ClickButton();
  FeedSecond(5000000, 0);
  ClickButton();
  ClickButton();
  FeedSecond(800, 0);
  EXPECT_EQ(Form6->ti->text(), QStringLiteral("IN : 800o"));
  EXPECT_EQ(Form6->vd->text(), QStringLiteral("IN : 800o"));
}

struct ElapsedCase {
  std::int64_t seconds;
  std::vector<std::string> hms;
};

class ChronoElapsedTest : public ChronoWindowTest,
                          public ::testing::WithParamInterface<ElapsedCase> {};

TEST_P(ChronoElapsedTest, ShowsTheTimeSinceStartWrappingAfterADay) {
  fakes_.clock.now = kStart;
  ClickButton();
  Form6->cs->setText(QStringLiteral("7"));
  ElapseTo(GetParam().seconds);
  EXPECT_EQ(Texts({Form6->h, Form6->m, Form6->s}), GetParam().hms);
  EXPECT_EQ(Form6->cs->text(), QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(
    ChronoWindow, ChronoElapsedTest,
    ::testing::Values(ElapsedCase{9, {"00", "00", "09"}}, ElapsedCase{10, {"00", "00", "10"}},
                      ElapsedCase{3723, {"01", "02", "03"}}, ElapsedCase{86399, {"23", "59", "59"}},
                      ElapsedCase{86400, {"00", "00", "00"}},
                      ElapsedCase{90007, {"01", "00", "07"}}),
    [](const ::testing::TestParamInfo<ElapsedCase>& info) {
      return ::kirv::testing::CaseName({std::to_string(info.param.seconds), "Seconds"});
    });

TEST_F(ChronoWindowTest, TenthsCountToNineThenStartAgain) {
  ClickButton();
  std::string seen;
  for (int i = 0; i < 11; ++i) {
    Form6->Timer3Timer(Form6->Timer3);
    seen += Form6->cs->text().toStdString();
  }
  EXPECT_EQ(seen, "12345678901");
}

TEST_F(ChronoWindowTest, AfterAnHourOnHeureTheProjectionTurnsToJour) {
  fakes_.clock.now = kStart;
  ClickButton();
  for (int second = 1; second < 3600; ++second) ElapseTo(second);  // seconds count 3600
  FeedSecond(1000, 0);
  EXPECT_TRUE(Form6->rb->isEnabled());
  EXPECT_TRUE(Form6->rb->isChecked());

  ElapseTo(3600);  // seconds count 3601
  FeedSecond(1000, 0);
  EXPECT_FALSE(Form6->rb->isEnabled());
  EXPECT_TRUE(Form6->rb2->isChecked());

  ClickButton();
  ClickButton();
  EXPECT_TRUE(Form6->rb->isEnabled());
  EXPECT_TRUE(Form6->rb2->isChecked());  // Start leaves "Jour" checked
}

TEST_F(ChronoWindowTest, TheTimersDriveTheDisplay) {
  Form6->show();
  ClickButton();
  EXPECT_TRUE(RunEventsUntil([] { return Form6->cs->text() != QStringLiteral("0"); }));
  // The meter hands over its own speeds meanwhile: only the unit tells that figures were written.
  EXPECT_TRUE(RunEventsUntil([] { return Form6->ti->text() != QStringLiteral("IN : 0ko"); }));
}

TEST_F(ChronoWindowTest, ClosingStopsTheTimersButKeepsTheCaptionAndTheLock) {
  Form6->show();
  ClickButton();
  EXPECT_TRUE(Form6->close());
  EXPECT_TRUE(Form6->isHidden());
  EXPECT_FALSE(Form6->Timer1->isActive());
  EXPECT_FALSE(Form6->Timer2->isActive());
  EXPECT_FALSE(Form6->Timer3->isActive());
  EXPECT_EQ(Form6->Button1->text(), QStringLiteral("Stop"));
  EXPECT_FALSE(Form1->tb->isEnabled());

  Form6->show();
  ClickButton();  // back to idle only
  EXPECT_EQ(Form6->Button1->text(), QStringLiteral("Start"));
  EXPECT_FALSE(Form6->IsRunning());
  EXPECT_TRUE(Form1->tb->isEnabled());
}

}  // namespace
}  // namespace kirv
