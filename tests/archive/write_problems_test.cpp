#include "archive/write_problems.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "case_name.h"
#include "fakes/fake_services.h"

namespace kirv {
namespace {

// One write outcome: the archive, and the reason it failed ("" when it was written).
struct Outcome {
  std::string path;
  std::string reason;
};

struct ProblemCase {
  const char* what;
  std::vector<Outcome> outcomes;
  std::vector<bool> told;  // for each failure, in order
};

void PrintTo(const ProblemCase& c, std::ostream* os) { *os << c.what; }

class WriteProblemRule : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(WriteProblemRule, TellsEachFailureOncePerArchiveAndReasonUntilItIsWritten) {
  WriteProblems problems;
  std::vector<bool> told;
  for (const Outcome& o : GetParam().outcomes) {
    if (o.reason.empty()) {
      problems.Written(o.path);
    } else {
      told.push_back(problems.Failed(o.path, o.reason));
    }
  }
  EXPECT_EQ(told, GetParam().told);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriteProblemRule,
    ::testing::Values(
        ProblemCase{
            "the same reason at every tick", {{"a", "EROFS"}, {"a", "EROFS"}}, {true, false}},
        ProblemCase{"another reason",
                    {{"a", "EROFS"}, {"a", "ENOSPC"}, {"a", "EROFS"}},
                    {true, true, false}},
        ProblemCase{
            "again once written", {{"a", "EROFS"}, {"a", ""}, {"a", "EROFS"}}, {true, true}},
        ProblemCase{
            "another archive written", {{"a", "EROFS"}, {"b", ""}, {"a", "EROFS"}}, {true, false}},
        ProblemCase{"two archives", {{"a", "EROFS"}, {"b", "EROFS"}}, {true, true}}),
    [](const auto& info) { return testing::CaseName({info.param.what}); });

TEST(NotifyingSink, NamesTheArchiveAndTheReasonInOneCriticalNotificationPerArchive) {
  testing::FakeNotifier notifier;
  const WriteProblemSink sink = NotifyingSink(&notifier, nullptr);
  sink("/d/lo.mdf", "Read-only file system");
  sink("/d/lo.mdf", "No space left on device");
  ASSERT_EQ(notifier.sent.size(), 2u);
  EXPECT_EQ(notifier.sent[0].key, notifier.sent[1].key);
  EXPECT_EQ(notifier.sent[1].body, "/d/lo.mdf : No space left on device");
  EXPECT_EQ(notifier.sent[1].urgency, Urgency::kCritical);
  NotifyingSink(nullptr, nullptr)("/d/lo.mdf", "Read-only file system");  // nothing, and no crash
}

}  // namespace
}  // namespace kirv
