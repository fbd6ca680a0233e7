// Any top-ten file: reading never fails hard, keeps at most ten records of
// known skills, and what it read saves and reads back to the same table.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "screens/ScoreTable.h"

namespace {

bool SameTable(const ScoreTable& a, const ScoreTable& b) {
  if (a.Size() != b.Size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.Size(); ++i) {
    const ScoreRecord& x = a.At(i);
    const ScoreRecord& y = b.At(i);
    if (x.name != y.name || x.skill != y.skill || x.score != y.score) {
      return false;
    }
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  ScoreTable table("unused");
  table.Read(std::string_view(reinterpret_cast<const char*>(data), size));
  if (table.Size() > ScoreTable::kCapacity) {
    std::abort();
  }
  for (std::size_t i = 0; i < table.Size(); ++i) {
    if (table.At(i).SkillName()[0] == '\0') {
      std::abort();
    }
  }
  ScoreTable reread("unused");
  reread.Read(table.FileBytes());
  if (!SameTable(table, reread)) {
    std::abort();
  }
  return 0;
}
