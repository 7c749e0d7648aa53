#include <gtest/gtest.h>

#include <vector>

#include "core/Pause.h"
#include "support/VirtualPump.h"

namespace velmora {
namespace {

using testing::VirtualPump;

TEST(DelayTest, ZeroOrNegativeHandlesNothing) {
  VirtualPump pump(10.0);
  bool handled = false;
  pump.At(10.0, [&] { handled = true; });
  Delay(pump, 0.0f);
  Delay(pump, -1.0f);
  EXPECT_FALSE(handled);
  EXPECT_EQ(pump.waits, 0);
  EXPECT_EQ(pump.Now(), 10.0);
}

TEST(DelayTest, EventsDuringThePauseRunBeforeItReturnsAndLaterOnesWait) {
  VirtualPump pump;
  std::vector<std::pair<double, const char*>> log;
  pump.At(1.0, [&] { log.emplace_back(pump.Now(), "click"); });
  pump.At(1.5, [&] { log.emplace_back(pump.Now(), "tick"); });
  pump.At(2.5, [&] { log.emplace_back(pump.Now(), "late"); });
  Delay(pump, 2.0f);
  log.emplace_back(pump.Now(), "returned");
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[0], std::make_pair(1.0, "click"));
  EXPECT_EQ(log[1], std::make_pair(1.5, "tick"));
  EXPECT_EQ(log[2], std::make_pair(2.0, "returned"));
  EXPECT_EQ(pump.Pending(), 1u);
}

TEST(DelayTest, PausesNestAndTheOuterOneResumesAfterTheInner) {
  VirtualPump pump;
  std::vector<std::pair<double, const char*>> log;
  pump.At(1.5, [&] {
    log.emplace_back(pump.Now(), "inner starts");
    Delay(pump, 0.75f);
    log.emplace_back(pump.Now(), "inner ends");
  });
  pump.At(1.8, [&] { log.emplace_back(pump.Now(), "click inside inner"); });
  pump.At(2.1, [&] { log.emplace_back(pump.Now(), "click after outer deadline"); });
  Delay(pump, 2.0f);
  log.emplace_back(pump.Now(), "outer ends");
  // The outer pause cannot end before the handler running inside it has finished.
  const std::vector<std::pair<double, const char*>> expected = {{1.5, "inner starts"},
                                                                {1.8, "click inside inner"},
                                                                {2.1, "click after outer deadline"},
                                                                {2.25, "inner ends"},
                                                                {2.25, "outer ends"}};
  EXPECT_EQ(log, expected);
}

TEST(DelayTest, APauseAcrossMidnightEndsAfterItsLength) {
  VirtualPump pump(86399.5);  // half a second before midnight, counted as time of day
  bool afterMidnight = false;
  pump.At(86400.2, [&] { afterMidnight = true; });
  Delay(pump, 2.0f);
  EXPECT_TRUE(afterMidnight);
  EXPECT_DOUBLE_EQ(pump.Now(), 86401.5);
}

TEST(DelayTest, EndingTheProgramStopsThePauseAndEveryPauseAfterIt) {
  VirtualPump pump;
  bool laterEventRan = false;
  pump.At(0.5, [&] { pump.End(); });
  pump.At(1.0, [&] { laterEventRan = true; });
  EXPECT_THROW(Delay(pump, 2.0f), GameEnded);
  EXPECT_FALSE(laterEventRan);
  EXPECT_THROW(Delay(pump, 0.1f), GameEnded);
}

}  // namespace
}  // namespace velmora
