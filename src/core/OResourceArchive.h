// The reader of "Data/Resource.Ztr", the one archive that holds every texture,
// model and music module. The directory is read once; each member read opens
// the file again, so no handle stays open between reads.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

class OResourceArchive {
 public:
  struct Entry {
    std::uint32_t dataSize = 0;
    std::uint32_t dataOffset = 0;
    std::string storedName;  // as the writer spelled it
  };

  // Receives one line for each corrupt or unreadable part of the archive.
  using ErrorSink = std::function<void(const std::string&)>;

  static constexpr const char* kDefaultPath = "Data/Resource.Ztr";
  static constexpr std::size_t kHeaderSize = 32;
  static constexpr std::size_t kRecordHeaderSize = 12;
  // Only this many leading bytes of a member or a name are scrambled.
  static constexpr std::size_t kScrambledLength = 2048;
  static constexpr std::uint8_t kScrambleStart = 0x2C;
  static constexpr std::int8_t kScrambleBound = 0x71;

  // Problems go to the game's log unless another sink is given.
  explicit OResourceArchive(std::string path = kDefaultPath, ErrorSink onError = {});

  // The game's own archive.
  static OResourceArchive& Instance();

  // Reads the directory. Returns false when the file cannot be opened or the
  // directory is corrupt; the records read before a corrupt one are kept.
  bool Open();
  // The unscrambled bytes of a member, looked up without regard to case, or
  // nothing when the member is unknown or cannot be read whole.
  std::optional<std::vector<std::uint8_t>> Read(const std::string& name);
  // The member's data size, 0 for an unknown member.
  std::uint32_t SizeOf(const std::string& name) const;
  // The size of the member most recently read, 0 after a failed read.
  std::uint32_t LastSize() const { return lastSize_; }

  // Keyed by lower-case name.
  const std::map<std::string, Entry>& Directory() const { return directory_; }
  const std::array<std::uint8_t, kHeaderSize>& Header() const { return header_; }

  // Scrambles the first min(size, 2048) bytes in place; applied twice it gives
  // the bytes back. The archive writer uses it too.
  static void Scramble(std::uint8_t* bytes, std::size_t size);
  // Lower-cases A-Z only, as the directory keys are.
  static std::string LowerCase(std::string name);

 private:
  void ReportError(const std::string& message) const;

  std::string path_;
  ErrorSink onError_;
  std::array<std::uint8_t, kHeaderSize> header_{};
  std::map<std::string, Entry> directory_;
  std::uint32_t lastSize_ = 0;
};
