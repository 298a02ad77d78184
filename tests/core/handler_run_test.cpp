#include "core/handler_run.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavro {
namespace {

TEST(HandlerRun, AnArmedRunAbandonsOnlyTheFailingStatement) {
  std::vector<int> stored;
  HandlerRun run;
  run.ArmErrorSkipping();
  run([&] { stored.push_back(1); });
  run([&] {
    throw Failure(FailureKind::Overflow);
    stored.push_back(2);
  });
  run([&] { stored.push_back(3); });
  EXPECT_EQ(stored, (std::vector<int>{1, 3}));
}

TEST(HandlerRun, BeforeArmingAFailureIsNotSwallowed) {
  HandlerRun run;
  EXPECT_FALSE(run.armed());
  EXPECT_THROW(run([] { throw Failure(FailureKind::TypeMismatch); }), Failure);
  run.ArmErrorSkipping();
  run.ArmErrorSkipping();
  EXPECT_TRUE(run.armed());
  EXPECT_NO_THROW(run([] { throw Failure(FailureKind::TypeMismatch); }));
}

TEST(HandlerRun, EveryRunStartsUnarmed) {
  HandlerRun first;
  first.ArmErrorSkipping();
  HandlerRun second;
  EXPECT_FALSE(second.armed());
}

TEST(HandlerRun, OnlyFailuresAreSkipped) {
  HandlerRun run;
  run.ArmErrorSkipping();
  EXPECT_THROW(run([] { throw std::logic_error("a bug, not a user's input"); }), std::logic_error);
}

}  // namespace
}  // namespace tavro
