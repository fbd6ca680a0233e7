// Files and folders for tests: a fresh folder per test, whole-file reads and
// writes, and a disk that fills up.
#pragma once

#include <sys/resource.h>

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// A new, empty folder under the system's temporary folder, removed with everything in it.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The path of `relative` inside the folder, as a string.
  std::string operator/(const std::string& relative) const { return (path_ / relative).string(); }

 private:
  std::filesystem::path path_;
};

// While it lives, every write that would make a file longer than `bytes`
// fails, as on a full disk.
class DiskFullAfter {
 public:
  explicit DiskFullAfter(rlim_t bytes);
  ~DiskFullAfter();
  DiskFullAfter(const DiskFullAfter&) = delete;
  DiskFullAfter& operator=(const DiskFullAfter&) = delete;

 private:
  rlimit saved_{};
  void (*savedHandler_)(int) = nullptr;
};

std::string ReadText(const std::string& path);
std::vector<std::uint8_t> ReadBytes(const std::string& path);
// Creates the file's folder when it is missing.
void WriteText(const std::string& path, const std::string& text);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
// Overwrites the four bytes at `at` with `value`, least significant first, as
// the game's files store their numbers.
void PutLittle32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value);
