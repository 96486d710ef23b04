// The hand-over to the updater relies on events that stay set once set and
// that a second process (or a second creator) opens by name.
#include <gtest/gtest.h>

#include <unistd.h>

#include "namedevent.h"

namespace {

std::string UniqueName() { return "ZamoTestEvent" + std::to_string(::getpid()); }

TEST(NamedEvent, ManualResetSemantics) {
  const std::string name = UniqueName();
  CNamedEvent::Unlink(name);
  CNamedEvent event;
  ASSERT_TRUE(event.Create(name));
  EXPECT_FALSE(event.IsSet());
  EXPECT_TRUE(event.Set());
  EXPECT_TRUE(event.Set());  // setting twice keeps it simply set
  EXPECT_TRUE(event.IsSet());

  CNamedEvent other;
  ASSERT_TRUE(other.Open(name));
  EXPECT_TRUE(other.IsSet());
  other.Reset();
  EXPECT_FALSE(event.IsSet());
  CNamedEvent::Unlink(name);
}

TEST(NamedEvent, CreatingAnExistingEventOpensIt) {
  const std::string name = UniqueName() + "b";
  CNamedEvent::Unlink(name);
  CNamedEvent first;
  CNamedEvent second;
  ASSERT_TRUE(first.Create(name));
  ASSERT_TRUE(second.Create(name));
  first.Set();
  EXPECT_TRUE(second.IsSet());
  CNamedEvent::Unlink(name);
}

TEST(NamedEvent, OpeningAMissingEventFails) {
  CNamedEvent event;
  EXPECT_FALSE(event.Open(UniqueName() + "missing"));
  EXPECT_FALSE(event.Set());
}

}  // namespace
