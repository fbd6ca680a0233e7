#include "support/TestArchive.h"

#include <filesystem>

#include "core/OResourceArchive.h"
#include "ztrpack/ZtrWriter.h"

TestArchive::TestArchive(const Members& members) {
  const std::string path = folder_ / "Resource.Ztr";
  WriteBytes(path, Pack(members));
  OResourceArchive::Instance() = OResourceArchive(path, [](const std::string&) {});
  OResourceArchive::Instance().Open();
}

std::vector<std::uint8_t> TestArchive::Pack(const Members& members) {
  ZtrWriter writer;
  for (const auto& [name, bytes] : members) {
    writer.Add(name, bytes);
  }
  return writer.Build();
}

TestArchive::Members TestArchive::MembersUnder(const std::string& folder) {
  Members members;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      members.emplace_back(entry.path().lexically_relative(folder).generic_string(),
                           ReadBytes(entry.path().string()));
    }
  }
  return members;
}

TestArchive::~TestArchive() { OResourceArchive::Instance() = OResourceArchive(); }
