// The cells of the groups found by the last search, by group number. The same
// cell may be entered more than once (goodies count themselves several times),
// and every entry counts toward the group's size and its score.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class GroupTable {
 public:
  struct Member {
    std::uint16_t slot;  // the ring's place in the board's ring list
    std::uint16_t cell;  // storage index within the ring
    bool operator==(const Member&) const = default;
  };

  static GroupTable& Instance();

  // Keeps the memory, since the table is refilled on every pointer move.
  void Clear();
  void Add(std::uint16_t group, Member member);
  std::size_t Size(std::uint16_t group) const;
  bool Contains(std::uint16_t group, Member member) const;
  // Entries in the order they were added; empty for an unused number.
  const std::vector<Member>& Members(std::uint16_t group) const;
  std::size_t TotalEntries() const;

 private:
  std::vector<std::vector<Member>> groups_;
  std::size_t used_ = 0;  // groups_[0..used_) are live; the rest are kept for reuse
};
