// The supply ring under the Breakdown board. It fills one block at a time on a
// timer; a full row is pushed into the board from below as soon as the board
// rests. A click on it pushes the row at once.
#pragma once

#include <cstdint>
#include <memory>
#include <random>

#include "game/Ring.h"

class Bonus;
class CollapseBlockManager;
class CollapseCylinder;

class SupRing : public Ring {
 public:
  static constexpr std::uint32_t kCells = 20;
  static constexpr float kRadius = 24.0f;

  // A new supply ring stands still until a level's intro is over.
  SupRing();

  bool HandleEvent(const OEvent& event) override;
  // The board draws the supply ring under its own transform.
  void Draw() override {}
  bool HitTest(const OEvent& event) override;
  // Runs the fill timer.
  void Update(std::uint32_t elapsed) override;
  // The board turns the supply ring after its own rings: were it first, its stop
  // would start the next move before they finished the same step.
  void Turn(std::uint32_t elapsed) { Ring::Update(elapsed); }

  // Serves this board from now on; null when the board goes.
  void Serve(CollapseCylinder* board);
  // Starts filling from an empty row at column 0.
  void Start();
  void Stop() { stopped_ = true; }
  bool Stopped() const { return stopped_; }
  void SetInterval(std::uint32_t interval) { interval_ = interval; }
  std::uint32_t Interval() const { return interval_; }
  std::uint16_t Filled() const { return filled_; }
  // The goody chance draws from its own generator; tests make it repeatable.
  void SeedChance(std::uint32_t seed) { chance_.seed(seed); }

 private:
  CollapseBlockManager* Rules() const;
  void PushWhenBoardRests();
  void PushRow();
  // Fills the next cell with a plain block or, when its chance comes, a goody.
  void AddNextBlock();
  std::unique_ptr<Block> MakePlainBlock();
  std::unique_ptr<Block> MakeGoody();
  std::unique_ptr<Block> MakeMarker() const;
  // Once the level's rows are in, the supply ring deals only markers.
  bool MarkersDue() const;
  bool GoodyChanceComes();

  std::uint16_t fillColumn_ = 0;
  std::uint16_t filled_ = 0;
  CollapseCylinder* board_ = nullptr;  // not owned
  const Bonus* lastGoody_ = nullptr;
  std::uint32_t clock_ = 0;
  std::uint32_t sinceGoody_ = 0;
  std::uint32_t interval_ = 0;
  bool stopped_ = true;
  std::mt19937 chance_;
};
