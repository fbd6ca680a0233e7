// Playlists: the next module, the start over at the end, and a shuffle that
// never plays the module that just ended twice in a row.
#include <gtest/gtest.h>

#include <random>

#include "audio/OMusicList.h"

namespace {

OMusicList ListOf(int count) {
  OMusicList list;
  for (int i = 0; i < count; ++i) {
    list.modules.push_back({static_cast<std::uint8_t>(i)});
  }
  return list;
}

TEST(OMusicList, AListOfOneStartsItsModuleAgainFromTheBeginning) {
  OMusicList list = ListOf(1);
  list.savedPosition = 0x30010;
  EXPECT_EQ(list.Next(), &list.modules[0]);
  EXPECT_EQ(list.index, 0);
  EXPECT_EQ(list.savedPosition, 0u);
}

TEST(OMusicList, NextWalksTheListThenStartsOver) {
  OMusicList list = ListOf(2);
  list.Next();
  EXPECT_EQ(list.index, 1);
  list.Next();
  EXPECT_EQ(list.index, 0);
  EXPECT_EQ((*list.Current())[0], 0) << "two modules are never shuffled";
  EXPECT_EQ(OMusicList().Next(), nullptr);
}

TEST(OMusicList, TheModuleThatJustEndedNeverComesFirst) {
  std::mt19937 generator(7);
  for (const int count : {3, 4, 7}) {
    SCOPED_TRACE(count);
    OMusicList list = ListOf(count);
    list.SetRandom([&generator] { return static_cast<int>(generator() >> 1); });
    int firsts[8] = {};
    for (int round = 0; round < 500; ++round) {
      list.index = static_cast<std::uint16_t>(count - 1);
      const std::uint8_t ended = (*list.Current())[0];
      list.Next();
      ASSERT_NE((*list.Current())[0], ended);
      ++firsts[(*list.Current())[0]];
    }
    for (int i = 0; i < count; ++i) {
      EXPECT_GT(firsts[i], 0) << "module " << i << " never came first";
    }
  }
}

}  // namespace
