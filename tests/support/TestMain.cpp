// The main of every unit-test binary: the game's settings file goes to a
// temporary folder, so tests that reach the settings never write into the
// folder they run from.
#include <gtest/gtest.h>

#include "core/OConfig.h"
#include "support/TestFiles.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  TempFolder settings;
  OConfig::Instance().fileName = settings / "Data/Config.Cfg";
  return RUN_ALL_TESTS();
}
