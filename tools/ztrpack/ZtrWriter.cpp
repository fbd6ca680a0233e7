#include "ztrpack/ZtrWriter.h"

#include <algorithm>
#include <limits>

#include "core/OResourceArchive.h"

namespace {

void AppendU32(std::vector<std::uint8_t>& out, std::uint64_t value) {
  if (value > std::numeric_limits<std::uint32_t>::max()) {
    throw ZtrWriter::TooLarge("the archive would pass 4 GiB");
  }
  for (int shift = 0; shift < 32; shift += 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

void AppendScrambled(std::vector<std::uint8_t>& out, const std::uint8_t* bytes, std::size_t size) {
  const std::size_t start = out.size();
  out.insert(out.end(), bytes, bytes + size);
  OResourceArchive::Scramble(out.data() + start, size);
}

}  // namespace

void ZtrWriter::Add(std::string name, std::vector<std::uint8_t> data) {
  members_.push_back(Member{std::move(name), std::move(data)});
}

std::vector<std::uint8_t> ZtrWriter::Build() const {
  if (members_.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max())) {
    throw TooLarge("too many members");
  }

  std::vector<std::uint8_t> out(std::begin(kSignature), std::end(kSignature));
  AppendU32(out, members_.size());
  AppendU32(out, kVersion);
  out.resize(OResourceArchive::kHeaderSize, 0);

  std::uint64_t directorySize = 0;
  for (const Member& member : members_) {
    directorySize += OResourceArchive::kRecordHeaderSize + member.name.size();
  }

  std::uint64_t dataOffset = OResourceArchive::kHeaderSize + directorySize;
  for (const Member& member : members_) {
    AppendU32(out, OResourceArchive::kRecordHeaderSize + member.name.size());
    AppendU32(out, member.data.size());
    AppendU32(out, dataOffset);
    AppendScrambled(out, reinterpret_cast<const std::uint8_t*>(member.name.data()), member.name.size());
    dataOffset += member.data.size();
  }
  if (dataOffset > std::numeric_limits<std::uint32_t>::max()) {
    throw TooLarge("the archive would pass 4 GiB");
  }

  for (const Member& member : members_) {
    AppendScrambled(out, member.data.data(), member.data.size());
  }
  return out;
}
