// Any archive file: opening it and reading every member it lists never
// crashes, and a member read whole has the size its record gives.
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/OResourceArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = "/tmp/tornet-fuzz-archive-" + std::to_string(getpid()) + ".Ztr";
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) {
    std::abort();
  }
  std::fwrite(data, 1, size, file);
  std::fclose(file);

  OResourceArchive archive(path, [](const std::string&) {});
  archive.Open();
  for (const auto& [key, entry] : archive.Directory()) {
    const auto member = archive.Read(entry.storedName);
    if (member && member->size() != entry.dataSize) {
      std::abort();
    }
  }
  return 0;
}
