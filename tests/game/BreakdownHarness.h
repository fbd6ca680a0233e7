// Plays Breakdown without a window, standing in for the Breakdown screen: it
// keeps the supply ring and the rules for the whole game, sets up a new board
// for every level, routes the pointer to the board or the supply ring, and
// records what the rules ask of the screen. Pictures are those of BoardPicture.h.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "BoardHarness.h"
#include "game/CollapseBlockManager.h"
#include "game/CollapseCylinder.h"
#include "game/LevelDisplay.h"
#include "game/SupRing.h"

class BreakdownHarness : private CellPicker,
                         private BoardAudio,
                         private ArrowList,
                         private BoardButtons,
                         private LevelDisplay,
                         private OCommandHandler {
 public:
  struct Options {
    std::int32_t skill = SkillRules::kEasy;
    std::uint16_t startLevel = 1;
    std::uint32_t seed = 1;
    std::uint32_t chanceSeed = 1;
  };

  // The first level is set up and its rings are dropping in.
  explicit BreakdownHarness(Options options);
  BreakdownHarness() : BreakdownHarness(Options{}) {}
  ~BreakdownHarness() override;
  BreakdownHarness(const BreakdownHarness&) = delete;
  BreakdownHarness& operator=(const BreakdownHarness&) = delete;

  // Runs frames until the rings have landed and the supply ring runs.
  void FinishIntro(std::uint32_t elapsed = 16);
  // Lays a picture onto the board as it stands.
  void Paint(const std::vector<std::string>& picture);
  // Frames as the screen runs them; a finished level's end sets up the next one.
  void Step(std::uint32_t elapsed, int frames = 1);
  // Runs frames until the board rests again (or the game or the level is over).
  void FinishMove(std::uint32_t elapsed = 16);

  void PointAt(int position, int column);
  void PointAtSupply(int column);
  void PointAway();
  void Click();
  bool Send(const OEvent& event);
  // Clicks the supply ring and lets the row settle.
  void PushRowNow();

  std::string Picture() const;
  std::string SupplyPicture() const;
  CollapseCylinder& Board() { return *board_; }
  CollapseBlockManager& Rules() { return rules_; }
  SupRing& Supply() { return supply_; }
  int LevelsStarted() const { return levelsStarted_; }
  int Count(const std::vector<std::uint32_t>& list, std::uint32_t value) const;

  std::vector<std::uint32_t> sounds;
  std::vector<std::uint32_t> soundGroups;
  std::vector<std::uint32_t> commands;
  TextRecorder floating;
  TextRecorder messages;
  int arrowClears = 0;
  bool musicStopped = false;
  std::uint16_t shownLevel = 0;
  std::uint32_t shownRowsLeft = 0;

 private:
  void StartLevel();

  std::int16_t Pick(const Ring& ring, const OEvent& event) override;
  int Direction(const Ring& /*ring*/, const OEvent& /*event*/) override { return 1; }
  std::int16_t FirstCellHit(const Ring& ring, const OEvent& event) override;
  void PlaySound(std::uint32_t sound) override { sounds.push_back(sound); }
  void PlayGroup(std::uint32_t group) override { soundGroups.push_back(group); }
  void StopMusic() override { musicStopped = true; }
  void ShowArrow(const Ring& /*ring*/, int /*direction*/) override {}
  void RetireArrow(const Ring& /*ring*/) override {}
  void Clear() override { ++arrowClears; }
  void EnableRotateButtons(bool /*enable*/) override {}
  void EnableMenuButton(bool /*enable*/) override {}
  void ShowLevel(std::uint16_t level) override { shownLevel = level; }
  void ShowRowsLeft(std::uint32_t rows) override { shownRowsLeft = rows; }
  bool OnCommand(std::uint32_t id, std::uint32_t code) override;

  SupRing supply_;
  CollapseBlockManager rules_;
  std::unique_ptr<CollapseCylinder> board_;
  int levelsStarted_ = 0;
  int pointerPosition_ = -1;
  int pointerColumn_ = -1;
  int supplyColumn_ = -1;
  std::uint16_t pointerX_ = 0;
};
