#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "app/kirv_application.h"
#include "fakes/fake_services.h"
#include "gui/event_wait.h"
#include "platform/termination_signals.h"

namespace kirv {
namespace {

TEST(DeliverShowingErrors, AnEscapingErrorIsShownAndTheProgramGoesOn) {
  testing::FakeDialogs dialogs;
  const bool handled = DeliverShowingErrors(
      dialogs, []() -> bool { throw std::runtime_error("'12/13/2026' is not a valid date"); });
  EXPECT_FALSE(handled);
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"'12/13/2026' is not a valid date"}));
}

TEST(DeliverShowingErrors, ADeliveryWithoutErrorShowsNothingAndKeepsItsAnswer) {
  testing::FakeDialogs dialogs;
  EXPECT_TRUE(DeliverShowingErrors(dialogs, [] { return true; }));
  EXPECT_FALSE(DeliverShowingErrors(dialogs, [] { return false; }));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST(DeliverShowingErrors, WhatIsNotAnErrorObjectIsNotCaught) {
  testing::FakeDialogs dialogs;
  EXPECT_THROW(DeliverShowingErrors(dialogs, []() -> bool { throw 42; }), int);
  EXPECT_TRUE(dialogs.messages.empty());
}

class TerminationSignalsTest : public ::testing::TestWithParam<int> {};

TEST_P(TerminationSignalsTest, TheSignalBecomesOneCallOnTheEventLoop) {
  int calls = 0;
  TerminationSignals signalsSeen([&] { ++calls; });
  std::raise(GetParam());
  EXPECT_EQ(calls, 0);  // not from inside the handler
  EXPECT_TRUE(testing::RunEventsUntil([&] { return calls > 0; }));
  testing::RunEventsFor(20);
  EXPECT_EQ(calls, 1);
}

INSTANTIATE_TEST_SUITE_P(TermIntAndHup, TerminationSignalsTest,
                         ::testing::Values(SIGTERM, SIGINT, SIGHUP),
                         [](const auto& info) { return sigabbrev_np(info.param); });

TEST(TerminationSignals, ASignalBeforeTheLoopRunsIsKeptUntilItDoes) {
  InstallTerminationSignals();
  std::raise(SIGTERM);  // during start-up: nobody acts on it yet, and the process lives on
  int calls = 0;
  TerminationSignals signalsSeen([&] { ++calls; });
  EXPECT_EQ(calls, 0);
  EXPECT_TRUE(testing::RunEventsUntil([&] { return calls > 0; }));
  EXPECT_EQ(calls, 1);
}

TEST(TerminationSignals, LaterSignalsAreDeliveredInTheirTurn) {
  int calls = 0;
  TerminationSignals signalsSeen([&] { ++calls; });
  for (int expected = 1; expected <= 3; ++expected) {
    std::raise(expected == 2 ? SIGINT : SIGTERM);
    EXPECT_TRUE(testing::RunEventsUntil([&] { return calls == expected; })) << expected;
  }
}

TEST(TerminationSignalsDeathTest, ASecondSignalBeforeTheFirstIsActedOnEndsTheProcess) {
  EXPECT_EXIT(
      {
        InstallTerminationSignals();
        std::raise(SIGTERM);
        std::raise(SIGINT);
        std::_Exit(0);
      },
      ::testing::KilledBySignal(SIGINT), "");
}

}  // namespace
}  // namespace kirv
