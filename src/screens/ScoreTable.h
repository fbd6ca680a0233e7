// A top-ten table of one game mode and the file it lives in: names, skills and
// scores as scrambled text, best first. Every change is saved at once.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "screens/ScoreRecord.h"

class ScoreTable {
 public:
  static constexpr std::size_t kCapacity = 10;
  // Ten records take a few hundred bytes; anything past this is no table of ours.
  static constexpr std::size_t kMostFileBytes = 64 * 1024;

  explicit ScoreTable(std::string fileName);

  // Takes the records from the file. False, with the table left as it was,
  // when the file cannot be opened.
  bool Load();
  // Replaces the file whole, so a crash never leaves half a table; false when
  // it could not be written, and then the old file stays.
  bool Save() const;
  // Whether a result earns a place. In a full table the last record makes
  // room for it, so ask only when the result will be inserted.
  bool Qualifies(const ScoreRecord& entry);
  // Places a copy below every record that has at least its score, saves, and
  // gives the copy's index.
  std::size_t Insert(const ScoreRecord& entry);
  void SetName(std::size_t index, const ScoreRecord& entry);
  // Empties the table and its file.
  void Clear();

  // The records a file's bytes hold, in place of the table's. Reading stops at
  // the first field that is no name or no number; every record before it is
  // kept, a negative score too, so that the next save loses none of them. Of
  // more than ten records the best ten are kept.
  void Read(std::string_view fileBytes);
  std::string FileBytes() const;
  // The file's scrambling, which is its own inverse.
  static std::string Scramble(std::string_view bytes);

  std::size_t Size() const { return records_.size(); }
  const ScoreRecord& At(std::size_t index) const { return *records_[index]; }
  const std::string& FileName() const { return fileName_; }

 private:
  void Sort();
  void KeepBest();

  std::string fileName_;
  // Owned one by one, so a record stays where it is while the table is sorted.
  std::vector<std::unique_ptr<ScoreRecord>> records_;
};
