// The program's side of an update: the events the updater signals exist and
// start unset, the updater is started, and a missing updater is reported.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "languageentries.h"
#include "namedevent.h"
#include "testsupport.h"
#include "updatehandover.h"

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

class UpdateHandOverTest : public ::testing::Test {
 protected:
  void TearDown() override {
    CNamedEvent::Unlink(kUpdateConnectedEvent);
    CNamedEvent::Unlink(kUpdateDoneEvent);
  }

  CScratchDir folder_;
  CScopedCurrentDir inFolder_{folder_.Path()};
  CMessageRecorder messages_;
};

TEST_F(UpdateHandOverTest, StartsTheUpdaterWithBothEventsUnset) {
  // Events left set by an earlier update must not look like progress.
  CNamedEvent leftOver;
  ASSERT_TRUE(leftOver.Create(kUpdateDoneEvent));
  leftOver.Set();
  const std::string standIn = folder_.File("zamo_updater");
  WriteFileBytes(standIn, "#!/bin/sh\necho started > \"$0.started\"\n");
  fs::permissions(standIn, fs::perms(0755));

  EXPECT_EQ(StartUpdater(), UpdaterStart::kStarted);
  CNamedEvent connected;
  CNamedEvent done;
  ASSERT_TRUE(connected.Open(kUpdateConnectedEvent));
  ASSERT_TRUE(done.Open(kUpdateDoneEvent));
  EXPECT_FALSE(connected.IsSet());
  EXPECT_FALSE(done.IsSet());
  EXPECT_TRUE(messages_.Empty());

  const auto until = std::chrono::steady_clock::now() + 5s;
  while (!fs::exists(standIn + ".started") && std::chrono::steady_clock::now() < until) {
    std::this_thread::sleep_for(20ms);
  }
  EXPECT_TRUE(fs::exists(standIn + ".started"));
}

TEST_F(UpdateHandOverTest, MissingUpdaterIsReported) {
  EXPECT_EQ(StartUpdater(), UpdaterStart::kFailed);
  ASSERT_EQ(messages_.Messages().size(), 1u);
  EXPECT_EQ(messages_.Entries(0), std::make_pair(Lang::kUpdaterCannotStart, Lang::kErrorCaption));
}

}  // namespace
