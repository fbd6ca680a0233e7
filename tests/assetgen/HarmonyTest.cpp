// Note and chord names as the compositions write them: a wrong octave or a
// misread accidental would put whole parts out of key.
#include <gtest/gtest.h>

#include <stdexcept>

#include "assetgen/Harmony.h"

namespace {

TEST(HarmonyTest, NoteNamesGiveMidiNumbers) {
  EXPECT_EQ(ParseNote("C4"), 60);
  EXPECT_EQ(ParseNote("A4"), 69);
  EXPECT_EQ(ParseNote("F#3"), 54);
  EXPECT_EQ(ParseNote("Bb2"), 46);
  // The octave belongs to the letter: Cb4 is just below C4, B#3 is C4 again.
  EXPECT_EQ(ParseNote("Cb4"), 59);
  EXPECT_EQ(ParseNote("B#3"), 60);
  for (const char* wrong : {"", "H4", "C", "C#", "C45", "c4"}) {
    SCOPED_TRACE(wrong);
    EXPECT_THROW(ParseNote(wrong), std::invalid_argument);
  }
}

TEST(HarmonyTest, ChordTonesClimbFromTheLowestNote) {
  // Am from A3: A C E A C.
  EXPECT_EQ(ChordTones(ParseChord("Am"), 57, 5), (std::vector<int>{57, 60, 64, 69, 72}));
  // Dmaj7 from middle C: C# D F# A C#.
  EXPECT_EQ(ChordTones(ParseChord("Dmaj7"), 60, 5), (std::vector<int>{61, 62, 66, 69, 73}));
  EXPECT_EQ(RootAbove(ParseChord("F#m7"), 40), 42);
  EXPECT_EQ(ParseProgression("Em C  D B").size(), 4u);
  EXPECT_THROW(ParseChord("Cmaj9"), std::invalid_argument);
}

}  // namespace
