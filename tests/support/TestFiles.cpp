#include "support/TestFiles.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
  std::string pattern = (fs::temp_directory_path() / "tornet-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("can't make a temporary folder");
  }
  path_ = pattern;
}

TempFolder::~TempFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

DiskFullAfter::DiskFullAfter(rlim_t bytes) : savedHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
  getrlimit(RLIMIT_FSIZE, &saved_);
  const rlimit limit{bytes, saved_.rlim_max};
  setrlimit(RLIMIT_FSIZE, &limit);
}

DiskFullAfter::~DiskFullAfter() {
  setrlimit(RLIMIT_FSIZE, &saved_);
  std::signal(SIGXFSZ, savedHandler_);
}

std::string ReadText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
  const std::string text = ReadText(path);
  return std::vector<std::uint8_t>(text.begin(), text.end());
}

void WriteText(const std::string& path, const std::string& text) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  file << text;
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  WriteText(path, std::string(bytes.begin(), bytes.end()));
}

void PutLittle32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) {
    bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
  }
}
