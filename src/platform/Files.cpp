// File services on Linux: POSIX mkstemp, write, fsync and rename.
#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

namespace platform {

namespace {

bool CreateParentFolder(const std::string& path) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (parent.empty()) {
    return true;
  }
  std::error_code error;
  std::filesystem::create_directories(parent, error);
  return !error;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) {
        continue;
      }
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// What open() with mode 0644 would give: the owner writes, everyone reads,
// less what the umask takes away. The umask is read from /proc, because
// umask() can only read it by setting it, which would race with any other
// thread making a file; without /proc, the usual 022.
mode_t SavedFileMode() {
  mode_t mask = 022;
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("Umask:", 0) == 0) {
      mask = static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
      break;
    }
  }
  return static_cast<mode_t>(0644 & ~mask);
}

// The bytes in a fresh file beside `path`, of a name nobody could have
// guessed, so that a link planted there is never written through. Gives the
// file's name, or nothing, and then no file is left behind.
std::optional<std::string> WriteTemporary(const std::string& path, std::string_view bytes) {
  std::string temporary = path + ".XXXXXX";
  const int fd = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (fd < 0) {
    return std::nullopt;
  }
  const bool written = ::fchmod(fd, SavedFileMode()) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
  const bool closed = ::close(fd) == 0;
  if (written && closed) {
    return temporary;
  }
  ::unlink(temporary.c_str());
  return std::nullopt;
}

}  // namespace

bool ReplaceFileContents(const std::string& path, std::string_view bytes) {
  if (!CreateParentFolder(path)) {
    return false;
  }
  const std::optional<std::string> temporary = WriteTemporary(path, bytes);
  if (!temporary) {
    return false;
  }
  // A link standing at `path` itself is replaced, not followed.
  if (std::rename(temporary->c_str(), path.c_str()) != 0) {
    ::unlink(temporary->c_str());
    return false;
  }
  return true;
}

}  // namespace platform
