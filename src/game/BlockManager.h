// The rules of one game: the group under the pointer and its highlight, the
// click that removes it, the score, the blocks falling into the gaps, the
// columns closing up, and whether the game goes on after each move.
#pragma once

#include <cstdint>
#include <vector>

#include "game/BoardTypes.h"
#include "game/SkillRules.h"

class ArrowList;
class BoardAudio;
class BoardButtons;
class Cylinder;
class TextList;

class BlockManager {
 public:
  static constexpr std::uint32_t kExplosionSparks = 128;

  BlockManager();
  virtual ~BlockManager();
  BlockManager(const BlockManager&) = delete;
  BlockManager& operator=(const BlockManager&) = delete;

  // Readies the rules for a new board with the current skill. The score carries on.
  virtual void Init(std::uint16_t level);
  virtual void PushRow() {}
  virtual void CountStep() {}
  virtual bool IsGameOver();
  virtual void EndOfMove();
  virtual bool IsBoardCleared() { return false; }

  // The group under the pointer, found again from scratch.
  void RefreshHover();
  // True when the pointer moved to another cell, so the group must be found again.
  bool HoverChanged();
  void ForgetHover();
  virtual void ClickGroup();
  // Shows the groups in flat full colour; the board does it every frame while one is removable.
  void ApplyHighlight();
  void ClearHighlight();

  // One frame of falling or of closing a gap, with the board's timing.
  void FallFrame(std::uint32_t elapsed);
  void ShiftFrame(std::uint32_t elapsed);
  void Fall(bool final, float distance);
  void Shift(bool final, double angle);
  void MoveBlock(int fromPosition, int fromColumn, int toPosition, int toColumn);

  void AdvanceIntroClock(std::uint32_t elapsed) { introClock_ += elapsed; }
  // The rings have landed and the board is ready for play.
  virtual void IntroOver() { introClock_ = 0; }
  // True once the end of a game has been shown long enough to leave the board.
  bool AdvanceEndClock(std::uint32_t elapsed);

  void SetBoard(Cylinder* board) { board_ = board; }
  Cylinder* Board() const { return board_; }
  void SetAudio(BoardAudio* audio) { audio_ = audio; }
  BoardAudio* Audio() const { return audio_; }
  void SetArrows(ArrowList* arrows) { arrows_ = arrows; }
  ArrowList* Arrows() const { return arrows_; }
  void SetFloatingTexts(TextList* texts) { floatingTexts_ = texts; }
  void SetLongTexts(TextList* texts) { longTexts_ = texts; }
  void SetButtons(BoardButtons* buttons) { buttons_ = buttons; }
  BoardButtons* Buttons() const { return buttons_; }

  std::uint32_t Score() const { return score_; }
  bool Won() const { return won_; }
  bool Removable() const { return removable_; }
  bool GoodyClicked() const { return goodyClicked_; }
  std::uint16_t GroupCount() const { return groupCount_; }
  // A goody's search that finds several groups numbers them itself and counts them here.
  void CountExtraGroup() { ++groupCount_; }
  bool LevelDone() const { return levelDone_; }
  const SkillRules& Skill() const { return *skill_; }

 protected:
  void Remove(std::uint16_t minimumGroup);
  void AddScore(std::uint32_t blocks, std::uint16_t minimumGroup);
  void ClearVisited();
  // Whether some turns of the rings can still bring a group big enough to remove.
  bool GroupCanStillForm() const;
  TextList* FloatingTexts() const { return floatingTexts_; }
  TextList* LongTexts() const { return longTexts_; }

  std::uint32_t fallClock_ = 0;
  float fallOffset_ = 0.0f;
  std::uint32_t shiftClock_ = 0;
  std::uint32_t introClock_ = 0;
  std::uint32_t endClock_ = 0;
  double shiftAngle_ = 0.0;
  const SkillRules* skill_;
  std::uint16_t level_ = 0;
  std::uint32_t score_ = 0;
  bool won_ = false;
  bool levelDone_ = false;
  bool goodyClicked_ = false;
  Cylinder* board_ = nullptr;  // not owned; the screen owns both and links them
  std::int16_t hoveredCell_ = -1;
  std::int16_t hoveredRing_ = -1;
  std::vector<std::uint8_t> columnMoving_;
  bool removable_ = false;
  std::uint16_t groupCount_ = 0;

 private:
  void MoveRun(int first, int last, int target, bool final, double angle);
  bool MoveColumn(int column, int delta, bool final, double angle);

  BoardAudio* audio_ = nullptr;
  ArrowList* arrows_ = nullptr;
  TextList* floatingTexts_ = nullptr;
  TextList* longTexts_ = nullptr;
  BoardButtons* buttons_ = nullptr;
  bool shiftMoved_ = false;
};
