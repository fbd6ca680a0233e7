// The Breakdown board: the rings of the Remover board with a supply ring hung
// under them, only the bottom rings filled at the start, and three frames of
// its own: counting the empty cells at a level's end, the blocks falling away
// before the next level, and the rings bursting when the game is lost.
#pragma once

#include <cstdint>
#include <random>

#include "game/Cylinder.h"

class CollapseBlockManager;
class SupRing;

class CollapseCylinder : public Cylinder {
 public:
  static constexpr std::uint32_t kBreakdownId = 2041;
  static constexpr std::uint16_t kRingsLeftEmpty = 6;
  // How far below the bottom ring's resting height the supply ring hangs.
  static constexpr float kSupplyGap = 10.0f;
  static constexpr std::uint32_t kCountStepTime = 10;
  static constexpr std::uint32_t kLevelEndTime = 2000;
  static constexpr std::uint32_t kSmashTime = 200;

  CollapseCylinder(std::uint16_t ringCount = 10, std::uint16_t cellsPerRing = 20, float ringRadius = 24.0f,
                   float ringSpacing = 6.8f);
  // The supply ring outlives the board and must not keep pointing at it.
  ~CollapseCylinder() override;

  // Links the board and its rules both ways.
  void Link(CollapseBlockManager& rules);
  // Hangs the supply ring under the board, emptied.
  void AttachSupplyRing(SupRing& supply);
  SupRing* Supply() const { return supply_; }
  CollapseBlockManager* Rules() const { return rules_; }

  void Draw() override;
  // Rows rise all the time: drawn afresh every frame.
  bool AddToPictureKey(PictureKey& /*key*/) const override { return false; }
  bool HitTest(const OEvent& event) override;
  void RotateAll(int direction) override;
  void StopAll() override;
  // Unlocking starts the supply ring from an empty row; locking stops it.
  void Unlock() override;
  void Lock() override;
  void RaiseRings() override;
  void Update(std::uint32_t elapsed) override;

 private:
  // Waits for a turning ring to finish its step, then locks the board for the count.
  void BeginLevelEnd();
  void UpdateCountingUp(std::uint32_t elapsed);
  void UpdateLevelEnding(std::uint32_t elapsed);
  void UpdateSmashing(std::uint32_t elapsed);

  SupRing* supply_ = nullptr;              // not owned: the screen keeps it for the whole game
  CollapseBlockManager* rules_ = nullptr;  // not owned
  std::uint32_t countClock_ = 0;
  std::uint32_t levelEndClock_ = 0;
  std::uint32_t smashClock_ = 0;
  std::uint16_t smashed_ = 0;
  std::minstd_rand fallAway_;
};
