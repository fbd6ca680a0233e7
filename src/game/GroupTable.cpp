#include "game/GroupTable.h"

#include <algorithm>

GroupTable& GroupTable::Instance() {
  static GroupTable table;
  return table;
}

void GroupTable::Clear() {
  for (std::size_t group = 0; group < used_; ++group) {
    groups_[group].clear();
  }
  used_ = 0;
}

void GroupTable::Add(std::uint16_t group, Member member) {
  if (group >= groups_.size()) {
    groups_.resize(group + 1u);
  }
  used_ = std::max<std::size_t>(used_, group + 1u);
  groups_[group].push_back(member);
}

std::size_t GroupTable::Size(std::uint16_t group) const { return group < used_ ? groups_[group].size() : 0; }

bool GroupTable::Contains(std::uint16_t group, Member member) const {
  const std::vector<Member>& members = Members(group);
  return std::find(members.begin(), members.end(), member) != members.end();
}

const std::vector<GroupTable::Member>& GroupTable::Members(std::uint16_t group) const {
  static const std::vector<Member> kNone;
  return group < used_ ? groups_[group] : kNone;
}

std::size_t GroupTable::TotalEntries() const {
  std::size_t total = 0;
  for (std::size_t group = 0; group < used_; ++group) {
    total += groups_[group].size();
  }
  return total;
}
