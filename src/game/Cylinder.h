// The board: a stack of rings kept in centre-out order, the input control that
// receives the pointer, and the frame that runs the intro, falling, shifting,
// turning all rings and the end of a game. What each state does to the blocks
// is the BlockManager's business.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "game/BoardTypes.h"
#include "game/Ring.h"
#include "gfx/O3D.h"
#include "ui/OControl.h"
#include "ui/OEvent.h"

class ArrowList;
class BlockManager;
class BoardAudio;
class BoardCursor;
class BoardButtons;
class CellPicker;

class Cylinder : public OControl, public O3D {
 public:
  struct Timing {
    std::uint16_t stepTime;   // ms per column of a ring's turn
    std::uint16_t fallTime;   // ms per ring of falling
    std::uint16_t shiftTime;  // ms per column of closing a gap
    float turnAcceleration;   // change of the step time per ms a ring keeps turning
  };
  static constexpr Timing kRemoverTiming{180, 120, 70, 0.0f};
  static constexpr Timing kBreakdownTiming{180, 80, 40, -0.5f};
  static constexpr std::uint32_t kRemoverId = 2031;
  static constexpr std::uint32_t kGameOverTime = 3500;
  // Height above its resting place from which each ring drops in at the start.
  static constexpr float kIntroHeight = 120.0f;
  static constexpr float kIntroSpread = 20.0f;
  static constexpr float kIntroSpeed = 0.1f;  // units per ms

  Cylinder(std::uint32_t controlId, std::uint16_t ringCount, std::uint16_t cellsPerRing, float ringRadius,
           float ringSpacing, Timing timing = kRemoverTiming);
  ~Cylinder() override;

  // The middle ring comes first and the others alternate above and below it, so
  // the draw order runs from the centre out.
  static int SlotOfPosition(int position, int ringCount);
  static int PositionOfSlot(int slot, int ringCount);

  bool HandleEvent(const OEvent& event) override;
  // The rings centre out, then the circles round the ring under the pointer.
  // The camera's view is mirrored, which turns the models' winding round: GL
  // takes their outer faces for back faces, so the front ones are culled.
  void Draw() override;
  // The rings' turns, every block's look, the circles and the cursor.
  bool AddToPictureKey(PictureKey& key) const override;
  bool HitTest(const OEvent& event) override;
  // Makes and deals the rings.
  bool Init() override;
  void Update(std::uint32_t elapsed) override;
  virtual void RotateAll(int direction);
  virtual void Unlock() { locked_ = false; }
  virtual void Lock() { locked_ = true; }
  // Lifts every ring above its place for the intro.
  virtual void RaiseRings();
  virtual void StopAll();

  int RingCount() const { return ringCount_; }
  int CellsPerRing() const { return cells_; }
  float Spacing() const { return spacing_; }
  const Timing& GetTiming() const { return timing_; }
  Ring& RingInSlot(int slot) { return *rings_[slot]; }
  const Ring& RingInSlot(int slot) const { return *rings_[slot]; }
  Ring& RingAt(int position) { return *rings_[SlotOfPosition(position, ringCount_)]; }
  const Ring& RingAt(int position) const { return *rings_[SlotOfPosition(position, ringCount_)]; }
  std::uint16_t SlotOf(const Ring& ring) const;
  float RestingHeight(int position) const;

  BoardState State() const { return state_; }
  void SetState(BoardState state) { state_ = state; }
  bool Locked() const { return locked_; }
  // The ring whose cell under the pointer holds a block, -1 for none.
  int HoveredRing() const { return hoveredRing_; }
  // The ring under the pointer, which shows the arrow and takes the right button.
  int ActiveRing() const { return activeRing_; }
  const OEvent& LastEvent() const { return lastEvent_; }
  void ForgetActiveRing() { activeRing_ = -1; }

  void SetManager(BlockManager* manager) { manager_ = manager; }
  BlockManager* Manager() const { return manager_; }
  void SetPicker(CellPicker* picker) { picker_ = picker; }
  // The keyboard's cursor, framed on the board while it is shown; not owned.
  void SetCursor(const BoardCursor* cursor) { cursor_ = cursor; }
  CellPicker* Picker() const { return picker_; }
  // The screen's services, reached through the rules object; null when absent.
  BoardAudio* Audio() const;
  ArrowList* Arrows() const;
  BoardButtons* Buttons() const;

 protected:
  // Under the board's transform, with front faces culled.
  static void DrawBlocks(Ring& ring);
  void DrawCircles(const Ring& ring) const;
  // The keyboard's cursor on this ring, when it is there.
  void DrawCursorOn(const Ring& ring, int position) const;
  void UpdateBlocks(std::uint32_t elapsed);

 private:
  void UpdateIntro(std::uint32_t elapsed);
  void UpdateRotatingAll(std::uint32_t elapsed);

  std::int16_t hoveredRing_ = -1;
  std::int16_t activeRing_ = -1;
  std::uint16_t landed_ = 0;
  BlockManager* manager_ = nullptr;  // not owned
  CellPicker* picker_ = nullptr;     // not owned
  const BoardCursor* cursor_ = nullptr;
  BoardState state_ = BoardState::Intro;
  std::vector<std::unique_ptr<Ring>> rings_;
  bool locked_ = false;
  std::uint16_t ringCount_;
  std::uint16_t cells_;
  float radius_;
  float spacing_;
  Timing timing_;
  OEvent lastEvent_;
};
