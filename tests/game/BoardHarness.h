// Plays either game without a window: a Remover board from a text picture (see
// BoardPicture.h) or dealt by the colour generator, or a Breakdown game that
// sets up a new board for every level. The pointer is "over ring position p,
// column c" or over a column of the supply ring; the harness stands in for the
// screen, so it also records what the rules ask of the screen.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/ArrowList.h"
#include "game/BoardAudio.h"
#include "game/BoardButtons.h"
#include "game/CellPicker.h"
#include "game/CollapseBlockManager.h"
#include "game/CollapseCylinder.h"
#include "game/LevelDisplay.h"
#include "game/SkillRules.h"
#include "game/SupRing.h"
#include "game/TextList.h"
#include "ui/OCommandHandler.h"

struct ShownText {
  std::string text;
  std::array<float, 3> position;
  OColor4 colour;
  float size;
};

class TextRecorder : public TextList {
 public:
  void Add(const std::string& text, const std::array<float, 3>& position, const OColor4& colour,
           float size) override {
    texts.push_back({text, position, colour, size});
  }
  void Clear() override { texts.clear(); }
  std::vector<ShownText> texts;
};

struct HarnessOptions {
  std::int32_t skill = SkillRules::kEasy;
  bool showGroups = true;
  Cylinder::Timing timing = Cylinder::kRemoverTiming;
  std::uint32_t seed = 1;
  std::uint16_t level = 1;  // Breakdown's start level
  std::uint32_t chanceSeed = 1;
};

class BoardHarness : private CellPicker,
                     private BoardAudio,
                     private ArrowList,
                     private BoardButtons,
                     private LevelDisplay,
                     private OCommandHandler {
 public:
  using Options = HarnessOptions;
  struct BreakdownGame {};
  static constexpr BreakdownGame kBreakdown{};

  // A Remover board laid out as the picture shows, ready for play.
  explicit BoardHarness(const std::vector<std::string>& picture, Options options = {});
  // A Remover board dealt from the seed, its rings still dropping in.
  BoardHarness(int rings, int cells, Options options = {});
  // A Breakdown game; its first level's rings are dropping in.
  explicit BoardHarness(BreakdownGame, Options options = {});
  ~BoardHarness() override;
  BoardHarness(const BoardHarness&) = delete;
  BoardHarness& operator=(const BoardHarness&) = delete;

  void PointAt(int position, int column) { PointAt(position, column, -1); }
  void PointAtSupply(int column) { PointAt(-1, -1, column); }
  void PointAway() { PointAt(-1, -1, -1); }
  void SetPointerDirection(int direction) { pointerDirection_ = direction; }
  void Click() {
    Press(OEvent::kButtonDown, OEvent::kLeft);
    Press(OEvent::kButtonUp, OEvent::kLeft);
  }
  void PressRight() { Press(OEvent::kButtonDown, OEvent::kRight); }
  void ReleaseRight() { Press(OEvent::kButtonUp, OEvent::kRight); }
  // Routes one event as the screens do: to the board if its hit test passes, else to the supply ring.
  bool Send(const OEvent& event);

  // Frames as the screen runs them; a finished level's end sets up the next one.
  void Step(std::uint32_t elapsed, int frames = 1);
  // Runs frames until the board rests again (or the game or the level is over); returns how many.
  int FinishMove(std::uint32_t elapsed = 16);
  void FinishIntro();
  // Lays a picture onto the board as it stands.
  void Paint(const std::vector<std::string>& picture);
  // Clicks the supply ring and lets the row settle.
  void PushRowNow();

  std::string Picture() const;
  static std::string Tidy(const std::vector<std::string>& picture);
  std::string SupplyPicture() const;

  Cylinder& Board() { return *board_; }
  // The pointer as the harness stands in for it, for a keyboard cursor to fall back on.
  CellPicker& Pointer() { return *this; }
  BlockManager& Manager() { return *manager_; }
  CollapseBlockManager& Rules() { return static_cast<CollapseBlockManager&>(*manager_); }
  SupRing& Supply() { return *supply_; }
  const Block& BlockAt(int position, int column) { return board_->RingAt(position).BlockAtColumn(column); }
  int ColouredBlocks() const;
  int LevelsStarted() const { return levelsStarted_; }
  static int Count(const std::vector<std::uint32_t>& list, std::uint32_t value) {
    return static_cast<int>(std::count(list.begin(), list.end(), value));
  }

  std::vector<std::uint32_t> sounds;
  std::vector<std::uint32_t> soundGroups;
  std::vector<std::uint32_t> commands;  // codes the board sent
  TextRecorder floating;
  TextRecorder messages;
  int arrowsShown = 0;
  int arrowsRetired = 0;
  int arrowClears = 0;
  int lastArrowDirection = 0;
  bool rotateButtonsEnabled = false;
  bool menuButtonEnabled = true;
  bool musicStopped = false;
  std::uint16_t shownLevel = 0;
  std::uint32_t shownRowsLeft = 0;

 private:
  void MakeRemover(int rings, int cells, const Options& options);
  void PointAt(int position, int column, int supplyColumn);
  void Press(std::uint32_t type, std::uint32_t button);
  void Link(const Options& options);
  void StartLevel();

  std::int16_t Pick(const Ring& ring, const OEvent& event) override;
  int Direction(const Ring& /*ring*/, const OEvent& /*event*/) override { return pointerDirection_; }
  std::int16_t FirstCellHit(const Ring& ring, const OEvent& event) override;
  void PlaySound(std::uint32_t sound) override { sounds.push_back(sound); }
  void PlayGroup(std::uint32_t group) override { soundGroups.push_back(group); }
  void StopMusic() override { musicStopped = true; }
  void ShowArrow(const Ring& /*ring*/, int direction) override {
    ++arrowsShown;
    lastArrowDirection = direction;
  }
  void RetireArrow(const Ring& /*ring*/) override { ++arrowsRetired; }
  void Clear() override { ++arrowClears; }
  void EnableRotateButtons(bool enable) override { rotateButtonsEnabled = enable; }
  void EnableMenuButton(bool enable) override { menuButtonEnabled = enable; }
  void ShowLevel(std::uint16_t level) override { shownLevel = level; }
  void ShowRowsLeft(std::uint32_t rows) override { shownRowsLeft = rows; }
  bool OnCommand(std::uint32_t id, std::uint32_t code) override;

  std::unique_ptr<SupRing> supply_;  // Breakdown only; outlives the boards it serves
  std::unique_ptr<BlockManager> manager_;
  std::unique_ptr<Cylinder> board_;
  int levelsStarted_ = 0;
  int pointerPosition_ = -1;
  int pointerColumn_ = -1;
  int supplyColumn_ = -1;
  int pointerDirection_ = 1;
  std::uint16_t pointerX_ = 0;
};
