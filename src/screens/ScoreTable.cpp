#include "screens/ScoreTable.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <optional>

#include "platform/Files.h"

namespace {

// The scrambling key runs from the start value up to the limit and over again.
constexpr unsigned char kKeyStart = 0x3B;
constexpr unsigned char kKeyLimit = 0xE9;

bool IsBlank(char character) {
  return character == ' ' || character == '\t' || character == '\n' || character == '\v' ||
         character == '\f' || character == '\r';
}

// The fields of the text, one run of non-blank characters at a time.
class Fields {
 public:
  explicit Fields(std::string_view text) : rest_(text) {}

  std::string_view Next() {
    while (!rest_.empty() && IsBlank(rest_.front())) {
      rest_.remove_prefix(1);
    }
    std::size_t length = 0;
    while (length < rest_.size() && !IsBlank(rest_[length])) {
      ++length;
    }
    const std::string_view field = rest_.substr(0, length);
    rest_.remove_prefix(length);
    return field;
  }

 private:
  std::string_view rest_;
};

// A whole field as a number, which may carry a sign of either kind; nothing
// when any of it is not, or when it does not fit.
std::optional<std::int32_t> Number(std::string_view field) {
  if (field.size() > 1 && field.front() == '+' && field[1] != '-') {
    field.remove_prefix(1);
  }
  std::int32_t value = 0;
  const char* end = field.data() + field.size();
  const auto [stop, error] = std::from_chars(field.data(), end, value);
  if (field.empty() || error != std::errc() || stop != end) {
    return std::nullopt;
  }
  return value;
}

bool KnownSkill(std::int32_t skill) { return skill == ScoreRecord::kEasy || skill == ScoreRecord::kNormal; }

// A blank in a name would split it in two on reading, and an empty name would
// shift every later field.
std::string StoredName(const std::string& name) {
  if (name.empty()) {
    return "_";
  }
  std::string stored = name;
  std::replace_if(stored.begin(), stored.end(), IsBlank, '_');
  return stored;
}

}  // namespace

ScoreTable::ScoreTable(std::string fileName) : fileName_(std::move(fileName)) {}

bool ScoreTable::Load() {
  std::ifstream file(fileName_, std::ios::binary);
  if (!file) {
    return false;
  }
  std::string bytes(kMostFileBytes, '\0');
  file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(file.gcount()));
  Read(bytes);
  return true;
}

void ScoreTable::Read(std::string_view fileBytes) {
  records_.clear();
  const std::string text = Scramble(fileBytes);
  Fields fields(text);
  // A skill the game does not know keeps the one read before; the first record has Easy to keep.
  std::int32_t skill = ScoreRecord::kEasy;
  while (true) {
    const std::string_view name = fields.Next();
    const std::optional<std::int32_t> skillRead = Number(fields.Next());
    const std::optional<std::int32_t> score = skillRead ? Number(fields.Next()) : std::nullopt;
    if (name.empty() || !score) {
      break;
    }
    if (KnownSkill(*skillRead)) {
      skill = *skillRead;
    }
    records_.push_back(std::make_unique<ScoreRecord>(ScoreRecord{skill, std::string(name), *score}));
  }
  KeepBest();
}

void ScoreTable::KeepBest() {
  if (records_.size() <= kCapacity) {
    return;
  }
  std::stable_sort(records_.begin(), records_.end(),
                   [](const auto& a, const auto& b) { return a->score > b->score; });
  records_.resize(kCapacity);
}

std::string ScoreTable::FileBytes() const {
  std::string text;
  for (const auto& record : records_) {
    text += StoredName(record->name) + ' ' + std::to_string(record->skill) + ' ' +
            std::to_string(record->score) + ' ';
  }
  return Scramble(text);
}

std::string ScoreTable::Scramble(std::string_view bytes) {
  std::string scrambled;
  scrambled.reserve(bytes.size());
  unsigned char key = kKeyStart;
  for (const char byte : bytes) {
    scrambled.push_back(static_cast<char>(static_cast<unsigned char>(byte) ^ key));
    key = key == kKeyLimit ? kKeyStart : static_cast<unsigned char>(key + 1);
  }
  return scrambled;
}

bool ScoreTable::Save() const { return platform::ReplaceFileContents(fileName_, FileBytes()); }

bool ScoreTable::Qualifies(const ScoreRecord& entry) {
  if (entry.score <= 0) {
    return false;
  }
  if (records_.size() < kCapacity) {
    return true;
  }
  const bool beatsOne = std::any_of(records_.begin(), records_.end(),
                                    [&entry](const auto& record) { return record->score < entry.score; });
  if (beatsOne) {
    records_.pop_back();
  }
  return beatsOne;
}

std::size_t ScoreTable::Insert(const ScoreRecord& entry) {
  const ScoreRecord* added = records_.emplace_back(std::make_unique<ScoreRecord>(entry)).get();
  Sort();
  Save();
  const auto found = std::find_if(records_.begin(), records_.end(),
                                  [added](const auto& record) { return record.get() == added; });
  return static_cast<std::size_t>(std::distance(records_.begin(), found));
}

// A record moves only past lower scores, so a new score ties below the old ones.
void ScoreTable::Sort() {
  for (std::size_t i = 1; i < records_.size(); ++i) {
    std::unique_ptr<ScoreRecord> moving = std::move(records_[i]);
    std::size_t place = i;
    while (place > 0 && records_[place - 1]->score < moving->score) {
      records_[place] = std::move(records_[place - 1]);
      --place;
    }
    records_[place] = std::move(moving);
  }
}

void ScoreTable::SetName(std::size_t index, const ScoreRecord& entry) {
  if (index >= records_.size()) {
    return;
  }
  records_[index]->name = entry.name;
  Save();
}

void ScoreTable::Clear() {
  records_.clear();
  Save();
}
