#include "support/TestArchive.h"

#include "app/OResourceArchive.h"
#include "ztrpack/ZtrWriter.h"

TestArchive::TestArchive(const Members& members) {
  ZtrWriter writer;
  for (const auto& [name, bytes] : members) {
    writer.Add(name, bytes);
  }
  const std::string path = folder_ / "Resource.Ztr";
  WriteBytes(path, writer.Build());
  OResourceArchive::Instance() = OResourceArchive(path, [](const std::string&) {});
  OResourceArchive::Instance().Open();
}

TestArchive::~TestArchive() { OResourceArchive::Instance() = OResourceArchive(); }
