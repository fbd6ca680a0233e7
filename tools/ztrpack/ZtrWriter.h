// Writes resource archives that the game's reader takes: members in the order
// they were added, names and the first 2048 bytes of each member scrambled.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

class ZtrWriter {
 public:
  // Thrown when the members do not fit the archive's 32-bit sizes and offsets.
  struct TooLarge : std::runtime_error {
    using std::runtime_error::runtime_error;
  };

  // Written into the header bytes the reader ignores, so tools can tell an
  // archive of ours and the layout it follows.
  static constexpr char kSignature[8] = {'T', 'O', 'R', 'N', 'E', 'T', 'Z', '\x1a'};
  static constexpr std::uint32_t kVersion = 1;

  // `name` is stored as given: forward slashes, any case.
  void Add(std::string name, std::vector<std::uint8_t> data);

  std::vector<std::uint8_t> Build() const;

 private:
  struct Member {
    std::string name;
    std::vector<std::uint8_t> data;
  };
  std::vector<Member> members_;
};
