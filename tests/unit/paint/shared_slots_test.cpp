#include "paint/shared_slots.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace sundrel {
namespace {

TEST(SharedSlots, AScopeGivesTheValueBeforeItBackOnEveryWayOut) {
  FreshSlots fresh;
  {
    SlotScope outer(Shared().BackFillColor, TColor{1});
    {
      SlotScope inner(Shared().BackFillColor, TColor{2});
      EXPECT_EQ(Shared().BackFillColor, 2);
    }
    EXPECT_EQ(Shared().BackFillColor, 1);  // the outer composition's colour, not "unset"
  }
  EXPECT_EQ(Shared().BackFillColor, clFuchsia);

  EXPECT_THROW(
      {
        SlotScope changing(Shared().SkinChanging, true);
        throw std::runtime_error("a load that fails");
      },
      std::runtime_error);
  EXPECT_FALSE(Shared().SkinChanging);
}

TEST(SharedSlots, FreshSlotsStartAtTheirFirstValuesAndLeaveTheOnesBeforeAsTheyWere) {
  FreshSlots outer;
  Shared().KeyFillColor = 7;
  Shared().SkinRemoving = true;
  Shared().FormsWithProvider.push_back(nullptr);
  {
    FreshSlots fresh;
    EXPECT_EQ(Shared().KeyFillColor, clFuchsia);
    EXPECT_EQ(Shared().BackFillColor, clFuchsia);
    EXPECT_FALSE(Shared().SkinRemoving);
    EXPECT_FALSE(Shared().ParentImage.Ready);
    EXPECT_TRUE(Shared().FormsWithProvider.empty());
    Shared().SkinAnnouncing = true;
  }
  EXPECT_EQ(Shared().KeyFillColor, 7);
  EXPECT_TRUE(Shared().SkinRemoving);
  EXPECT_FALSE(Shared().SkinAnnouncing);
  EXPECT_EQ(Shared().FormsWithProvider.size(), 1u);
}

}  // namespace
}  // namespace sundrel
