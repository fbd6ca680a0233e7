#include "GeneratedModels.h"

#include "assetgen/AssetSink.h"
#include "assetgen/Models.h"
#include "support/TestFiles.h"

Members GenerateModels() {
  TempFolder folder;
  AssetSink sink(folder.Path());
  WriteModels(sink);
  Members members;
  for (const std::string& name : sink.ArchiveMembers()) {
    members[name] = ReadBytes((folder.Path() / "archive" / name).string());
  }
  return members;
}

const Members& GeneratedModels() {
  static const Members members = GenerateModels();
  return members;
}
