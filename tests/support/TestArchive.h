// A temporary resource archive that stands in for the game's own while a test runs.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "support/TestFiles.h"

class TestArchive {
 public:
  using Members = std::vector<std::pair<std::string, std::vector<std::uint8_t>>>;

  // Packs the members under their full names ("Data/Textures/...") and opens
  // the result as OResourceArchive::Instance().
  explicit TestArchive(const Members& members);
  // The archive file the members make.
  static std::vector<std::uint8_t> Pack(const Members& members);
  // Every file under `folder`, named by its path relative to it.
  static Members MembersUnder(const std::string& folder);
  // Leaves the game's archive empty again.
  ~TestArchive();
  TestArchive(const TestArchive&) = delete;
  TestArchive& operator=(const TestArchive&) = delete;

 private:
  TempFolder folder_;
};
