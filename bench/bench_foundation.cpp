// Start-up costs of the foundation: reading the archive directory, reading
// members of typical sizes, and reading the settings file.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/OConfig.h"
#include "core/OResourceArchive.h"
#include "ztrpack/ZtrWriter.h"

namespace {

// An archive shaped like the game's: a couple of hundred members of 16 KiB.
constexpr int kMembers = 200;
constexpr std::size_t kMemberSize = 16 * 1024;

std::string MemberName(int index) { return "Data/Models/Hi/member" + std::to_string(index) + ".Asvm"; }

const std::string& ArchivePath() {
  static const std::string path = [] {
    const std::string file = (std::filesystem::temp_directory_path() / "tornet-bench.Ztr").string();
    ZtrWriter writer;
    for (int i = 0; i < kMembers; ++i) {
      writer.Add(MemberName(i), std::vector<std::uint8_t>(kMemberSize, static_cast<std::uint8_t>(i)));
    }
    const std::vector<std::uint8_t> bytes = writer.Build();
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return file;
  }();
  return path;
}

void ArchiveOpen(benchmark::State& state) {
  for (auto _ : state) {
    OResourceArchive archive(ArchivePath(), [](const std::string&) {});
    benchmark::DoNotOptimize(archive.Open());
  }
  state.SetItemsProcessed(state.iterations() * kMembers);
}
BENCHMARK(ArchiveOpen);

void ArchiveReadMember(benchmark::State& state) {
  OResourceArchive archive(ArchivePath(), [](const std::string&) {});
  archive.Open();
  int index = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(archive.Read(MemberName(index)));
    index = (index + 1) % kMembers;
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kMemberSize));
}
BENCHMARK(ArchiveReadMember);

void ConfigLoad(benchmark::State& state) {
  const std::string path = (std::filesystem::temp_directory_path() / "tornet-bench.Cfg").string();
  OConfig(path).Save();
  for (auto _ : state) {
    OConfig config(path);
    benchmark::DoNotOptimize(config.Load());
  }
}
BENCHMARK(ConfigLoad);

}  // namespace
