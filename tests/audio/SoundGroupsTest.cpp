#include <gtest/gtest.h>

#include "audio/SoundGroups.h"

TEST(SoundGroupsTest, AGroupPlaysItsSoundsInTurnAndAnUnknownOneNothing) {
  SoundGroups groups;
  groups.Add(12, {29, 30, 31});
  groups.Add(0, {23});
  EXPECT_EQ(groups.Next(12), 29);
  EXPECT_EQ(groups.Next(0), 23);
  EXPECT_EQ(groups.Next(12), 30);
  EXPECT_EQ(groups.Next(12), 31);
  EXPECT_EQ(groups.Next(12), 29) << "the turn goes round";
  EXPECT_EQ(groups.Next(0), 23);
  EXPECT_EQ(groups.Next(7), std::nullopt);
  groups.Add(7, {});
  EXPECT_EQ(groups.Next(7), std::nullopt);
}
