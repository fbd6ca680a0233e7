#include "core/OResourceArchive.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

#include "core/OLog.h"

// Layout, little-endian throughout:
//   header (32 bytes): the entry count is the signed 32-bit value at offset 8;
//     the rest is the writer's signature and version, which the reader ignores.
//   directory: one record per member, back to back from offset 32:
//     record length L (including these 12 bytes), data size, data offset,
//     then L - 12 bytes of scrambled name, ended by a zero byte or by the record.
//   member data anywhere after that, its first 2048 bytes scrambled.

namespace {

std::uint32_t ReadU32(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::uint64_t SizeOfFile(std::ifstream& file) {
  file.seekg(0, std::ios::end);
  const std::streamoff size = file.tellg();
  file.seekg(0, std::ios::beg);
  return size < 0 ? 0 : static_cast<std::uint64_t>(size);
}

bool ReadBytes(std::ifstream& file, std::uint8_t* bytes, std::size_t count) {
  file.read(reinterpret_cast<char*>(bytes), static_cast<std::streamsize>(count));
  return static_cast<std::size_t>(file.gcount()) == count;
}

void ReportFileNotOpened() { std::fputs("File was not opened\n", stdout); }

}  // namespace

OResourceArchive::OResourceArchive(std::string path, ErrorSink onError)
    : path_(std::move(path)), onError_(std::move(onError)) {}

OResourceArchive& OResourceArchive::Instance() {
  static OResourceArchive archive;
  return archive;
}

void OResourceArchive::ReportError(const std::string& message) const {
  if (onError_) {
    onError_(message);
  } else {
    OLog::Instance().Error("%s", message.c_str());
  }
}

bool OResourceArchive::Open() {
  directory_.clear();
  std::ifstream file(path_, std::ios::binary);
  if (!file) {
    ReportFileNotOpened();
    ReportError("Resource archive " + path_ + " can't be opened");
    return false;
  }
  const std::uint64_t fileSize = SizeOfFile(file);
  if (fileSize < kHeaderSize || !ReadBytes(file, header_.data(), kHeaderSize)) {
    ReportError("Resource archive " + path_ + " is shorter than its header");
    return false;
  }

  const auto entryCount = static_cast<std::int32_t>(ReadU32(&header_[8]));
  if (entryCount <= 0) {
    return true;
  }
  if (static_cast<std::uint64_t>(entryCount) > (fileSize - kHeaderSize) / kRecordHeaderSize) {
    ReportError("Resource archive " + path_ + " claims " + std::to_string(entryCount) +
                " members, more than the file can hold");
    return false;
  }

  std::uint64_t position = kHeaderSize;
  for (std::int32_t index = 0; index < entryCount; ++index) {
    std::uint8_t fields[kRecordHeaderSize];
    if (fileSize - position < kRecordHeaderSize || !ReadBytes(file, fields, kRecordHeaderSize)) {
      ReportError("Resource archive " + path_ + " ends inside directory record " + std::to_string(index));
      return false;
    }
    const std::uint32_t recordLength = ReadU32(&fields[0]);
    if (recordLength < kRecordHeaderSize || recordLength > fileSize - position) {
      ReportError("Resource archive " + path_ + " has a bad length in directory record " +
                  std::to_string(index));
      return false;
    }

    const std::size_t nameLength = recordLength - kRecordHeaderSize;
    std::vector<std::uint8_t> nameBytes(nameLength + 1, 0);
    ReadBytes(file, nameBytes.data(), nameLength);
    Scramble(nameBytes.data(), nameLength);
    const std::string name(reinterpret_cast<const char*>(nameBytes.data()));

    directory_[LowerCase(name)] = Entry{ReadU32(&fields[4]), ReadU32(&fields[8]), name};
    position += recordLength;
  }
  return true;
}

std::optional<std::vector<std::uint8_t>> OResourceArchive::Read(const std::string& name) {
  lastSize_ = 0;
  const auto found = directory_.find(LowerCase(name));
  if (found == directory_.end()) {
    return std::nullopt;
  }
  const Entry& entry = found->second;

  std::ifstream file(path_, std::ios::binary);
  if (!file) {
    ReportFileNotOpened();
    return std::nullopt;
  }
  const std::uint64_t fileSize = SizeOfFile(file);
  if (static_cast<std::uint64_t>(entry.dataOffset) + entry.dataSize > fileSize) {
    ReportError("Resource archive member " + entry.storedName + " runs past the end of the file");
    return std::nullopt;
  }

  std::vector<std::uint8_t> data(entry.dataSize);
  file.seekg(entry.dataOffset);
  if (!ReadBytes(file, data.data(), data.size())) {
    ReportError("Resource archive member " + entry.storedName + " can't be read");
    return std::nullopt;
  }
  Scramble(data.data(), data.size());
  lastSize_ = entry.dataSize;
  return data;
}

std::uint32_t OResourceArchive::SizeOf(const std::string& name) const {
  const auto found = directory_.find(LowerCase(name));
  return found == directory_.end() ? 0 : found->second.dataSize;
}

void OResourceArchive::Scramble(std::uint8_t* bytes, std::size_t size) {
  const std::size_t count = std::min(size, kScrambledLength);
  std::uint8_t key = kScrambleStart;
  for (std::size_t i = 0; i < count; ++i) {
    bytes[i] ^= key;
    ++key;
    if (static_cast<std::int8_t>(key) < kScrambleBound) {
      key = kScrambleStart;
    }
  }
}

std::string OResourceArchive::LowerCase(std::string name) {
  for (char& c : name) {
    if (c >= 'A' && c <= 'Z') {
      c = static_cast<char>(c - 'A' + 'a');
    }
  }
  return name;
}
