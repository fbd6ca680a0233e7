// Plays the rules without a window: boards from text pictures, a pointer that
// is "over ring position p, column c", clicks, the right button, frames of a
// given length, and pictures of the board to compare. It stands in for the
// screen, so it also records what the rules ask of the screen.
//
// Pictures are those of BoardPicture.h.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/ArrowList.h"
#include "game/BlockManager.h"
#include "game/BoardAudio.h"
#include "game/BoardButtons.h"
#include "game/CellPicker.h"
#include "game/Cylinder.h"
#include "game/SkillRules.h"
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

class BoardHarness : private CellPicker,
                     private BoardAudio,
                     private ArrowList,
                     private BoardButtons,
                     private OCommandHandler {
 public:
  struct Options {
    std::int32_t skill = SkillRules::kEasy;
    bool showGroups = true;
    Cylinder::Timing timing = Cylinder::kRemoverTiming;
    std::uint32_t seed = 1;
  };

  static Options NormalSkill() {
    Options options;
    options.skill = SkillRules::kNormal;
    return options;
  }

  // A board laid out as the picture shows, ready for play.
  BoardHarness(const std::vector<std::string>& picture, Options options);
  explicit BoardHarness(const std::vector<std::string>& picture) : BoardHarness(picture, Options{}) {}
  // A board dealt by the colour generator from the seed, still in its intro.
  BoardHarness(int rings, int cells, Options options);
  ~BoardHarness() override;
  BoardHarness(const BoardHarness&) = delete;
  BoardHarness& operator=(const BoardHarness&) = delete;

  // The pointer moves there, as the screen routes a mouse move.
  void PointAt(int position, int column);
  void PointAway();
  void SetPointerDirection(int direction) { pointerDirection_ = direction; }
  void Click();
  void PressRight();
  void ReleaseRight();
  // Routes one event as the screen does: only to a board whose hit test passes.
  bool Send(const OEvent& event);

  void Step(std::uint32_t elapsed, int frames = 1);
  // Runs frames until the move is over; returns how many it took.
  int FinishMove(std::uint32_t elapsed = 16);

  std::string Picture() const;
  // A picture in the board's own layout, for comparing with Picture().
  static std::string Tidy(const std::vector<std::string>& picture);

  Cylinder& Board() { return board_; }
  BlockManager& Manager() { return manager_; }
  const Block& BlockAt(int position, int column) { return board_.RingAt(position).BlockAtColumn(column); }
  int ColouredBlocks() const;

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

 private:
  void Link(const Options& options);

  std::int16_t Pick(const Ring& ring, const OEvent& event) override;
  int Direction(const Ring& ring, const OEvent& event) override;
  std::int16_t FirstCellHit(const Ring& /*ring*/, const OEvent& /*event*/) override { return -1; }
  void PlaySound(std::uint32_t sound) override { sounds.push_back(sound); }
  void PlayGroup(std::uint32_t group) override { soundGroups.push_back(group); }
  void StopMusic() override { musicStopped = true; }
  void ShowArrow(const Ring& ring, int direction) override;
  void RetireArrow(const Ring& ring) override;
  void Clear() override { ++arrowClears; }
  void EnableRotateButtons(bool enable) override { rotateButtonsEnabled = enable; }
  void EnableMenuButton(bool enable) override { menuButtonEnabled = enable; }
  bool OnCommand(std::uint32_t id, std::uint32_t code) override;

  Cylinder board_;
  BlockManager manager_;
  int pointerPosition_ = -1;
  int pointerColumn_ = -1;
  int pointerDirection_ = 1;
  std::uint16_t pointerX_ = 0;
};
