// ztrpack: packs a folder tree into a resource archive, lists an archive, and
// extracts one, so players can look inside the game's data or make mods.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/OResourceArchive.h"
#include "platform/Files.h"
#include "ztrpack/ZtrWriter.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kUsage =
    "usage: ztrpack pack OUT.Ztr ROOT       store every file under ROOT by its path relative to ROOT\n"
    "       ztrpack list ARCHIVE            show each member's size and name\n"
    "       ztrpack extract ARCHIVE FOLDER  write every member into FOLDER\n";

// Thrown for anything the user should be told about; main prints it.
struct Failure {
  std::string message;
};

std::vector<std::uint8_t> ReadWholeFile(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    throw Failure{"can't read " + path.string()};
  }
  std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  if (file.bad()) {
    throw Failure{"can't read " + path.string()};
  }
  return bytes;
}

// Every regular file under root, by its path relative to root with forward
// slashes, in byte order so that the same tree always packs to the same bytes.
// An archive written inside its own tree must not swallow its previous version.
std::vector<std::string> FilesUnder(const fs::path& root, const fs::path& archivePath) {
  const fs::path archive = fs::weakly_canonical(archivePath);
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
    if (entry.is_regular_file() && fs::weakly_canonical(entry.path()) != archive) {
      names.push_back(entry.path().lexically_relative(root).generic_string());
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

int Pack(const fs::path& archivePath, const fs::path& root) {
  if (!fs::is_directory(root)) {
    throw Failure{root.string() + " is not a folder"};
  }
  ZtrWriter writer;
  const std::vector<std::string> names = FilesUnder(root, archivePath);
  for (const std::string& name : names) {
    writer.Add(name, ReadWholeFile(root / name));
  }
  const std::vector<std::uint8_t> bytes = writer.Build();
  const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (!platform::ReplaceFileContents(archivePath.string(), view)) {
    throw Failure{"can't write " + archivePath.string()};
  }
  std::printf("%zu files, %zu bytes written to %s\n", names.size(), bytes.size(), archivePath.c_str());
  return 0;
}

OResourceArchive OpenArchive(const std::string& path, int& errors) {
  if (!fs::is_regular_file(path)) {
    throw Failure{path + " is not a file"};
  }
  OResourceArchive archive(path, [&errors](const std::string& message) {
    std::fprintf(stderr, "ztrpack: %s\n", message.c_str());
    ++errors;
  });
  archive.Open();
  return archive;
}

int List(const std::string& archivePath) {
  int errors = 0;
  OResourceArchive archive = OpenArchive(archivePath, errors);
  for (const auto& [key, entry] : archive.Directory()) {
    std::printf("%10u  %s\n", entry.dataSize, entry.storedName.c_str());
  }
  return errors == 0 ? 0 : 1;
}

// A member name from an archive is untrusted: it may only name a place inside
// the folder it is extracted into.
bool IsSafeRelativePath(const std::string& name) {
  const fs::path path(name);
  if (name.empty() || path.is_absolute() || name.find('\\') != std::string::npos) {
    return false;
  }
  return std::none_of(path.begin(), path.end(), [](const fs::path& part) { return part == ".."; });
}

// The first link on the way from `folder` down to its member `name`: writing
// there would land wherever the link points, so extraction stops short of it.
std::optional<fs::path> LinkOnTheWay(const fs::path& folder, const std::string& name) {
  fs::path place = folder;
  for (const fs::path& part : fs::path(name)) {
    place /= part;
    if (fs::is_symlink(fs::symlink_status(place))) {
      return place;
    }
  }
  return std::nullopt;
}

// Replaced whole, so even a link planted after the check is replaced, never followed.
bool WriteMember(const fs::path& target, const std::vector<std::uint8_t>& data) {
  const std::string_view bytes(reinterpret_cast<const char*>(data.data()), data.size());
  if (!platform::ReplaceFileContents(target.string(), bytes)) {
    std::fprintf(stderr, "ztrpack: can't write %s\n", target.c_str());
    return false;
  }
  return true;
}

int Extract(const std::string& archivePath, const fs::path& folder) {
  int errors = 0;
  OResourceArchive archive = OpenArchive(archivePath, errors);
  for (const auto& [key, entry] : archive.Directory()) {
    if (!IsSafeRelativePath(entry.storedName)) {
      std::fprintf(stderr, "ztrpack: skipped member with unsafe name \"%s\"\n", entry.storedName.c_str());
      ++errors;
      continue;
    }
    if (const std::optional<fs::path> link = LinkOnTheWay(folder, entry.storedName)) {
      std::fprintf(stderr, "ztrpack: won't write through the link %s\n", link->c_str());
      ++errors;
      continue;
    }
    const std::optional<std::vector<std::uint8_t>> data = archive.Read(entry.storedName);
    if (!data) {
      ++errors;
      continue;
    }
    if (!WriteMember(folder / entry.storedName, *data)) {
      ++errors;
    }
  }
  return errors == 0 ? 0 : 1;
}

int Run(const std::vector<std::string>& args) {
  if (args.size() == 3 && args[0] == "pack") {
    return Pack(args[1], args[2]);
  }
  if (args.size() == 2 && args[0] == "list") {
    return List(args[1]);
  }
  if (args.size() == 3 && args[0] == "extract") {
    return Extract(args[1], args[2]);
  }
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  try {
    return Run(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const Failure& failure) {
    std::fprintf(stderr, "ztrpack: %s\n", failure.message.c_str());
  } catch (const fs::filesystem_error& error) {
    std::fprintf(stderr, "ztrpack: %s\n", error.what());
  } catch (const ZtrWriter::TooLarge& error) {
    std::fprintf(stderr, "ztrpack: %s\n", error.what());
  }
  return 1;
}
