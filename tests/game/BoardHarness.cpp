#include "BoardHarness.h"

#include <gtest/gtest.h>

#include "BoardPicture.h"
#include "app/OConfig.h"
#include "game/BlockRandom.h"
#include "gfx/OModelManager.h"

namespace {

constexpr float kRadius = 24.0f;
constexpr float kSpacing = 6.8f;

}  // namespace

BoardHarness::BoardHarness(const std::vector<std::string>& picture, Options options)
    : board_(Cylinder::kRemoverId, static_cast<std::uint16_t>(picture.size()),
             static_cast<std::uint16_t>(BoardPicture::CellsOf(picture)), kRadius, kSpacing, options.timing) {
  Link(options);
  BoardPicture::Paint(board_, picture);
  board_.SetState(BoardState::Idle);
  rotateButtonsEnabled = true;
}

BoardHarness::BoardHarness(int rings, int cells, Options options)
    : board_(Cylinder::kRemoverId, static_cast<std::uint16_t>(rings), static_cast<std::uint16_t>(cells),
             kRadius, kSpacing, options.timing) {
  Link(options);
  board_.RaiseRings();
}

BoardHarness::~BoardHarness() = default;

void BoardHarness::Link(const Options& options) {
  // The model cache reads the settings file when it starts; it must not undo the settings made here.
  OModelManager::Instance();
  OConfig::Instance().skill = options.skill;
  OConfig::Instance().showGroups = options.showGroups;
  BlockRandom::Instance().Seed(options.seed);
  board_.owner = this;
  board_.SetPicker(this);
  board_.SetManager(&manager_);
  manager_.SetBoard(&board_);
  manager_.SetAudio(this);
  manager_.SetArrows(this);
  manager_.SetButtons(this);
  manager_.SetFloatingTexts(&floating);
  manager_.SetLongTexts(&messages);
  manager_.Init(0);
  EXPECT_TRUE(board_.Init());
}

std::int16_t BoardHarness::Pick(const Ring& ring, const OEvent& /*event*/) {
  if (pointerPosition_ < 0) {
    return -1;
  }
  const int position = Cylinder::PositionOfSlot(board_.SlotOf(ring), board_.RingCount());
  return position == pointerPosition_ ? static_cast<std::int16_t>(ring.IndexOfColumn(pointerColumn_)) : -1;
}

int BoardHarness::Direction(const Ring& /*ring*/, const OEvent& /*event*/) { return pointerDirection_; }

void BoardHarness::ShowArrow(const Ring& /*ring*/, int direction) {
  ++arrowsShown;
  lastArrowDirection = direction;
}

void BoardHarness::RetireArrow(const Ring& /*ring*/) { ++arrowsRetired; }

bool BoardHarness::OnCommand(std::uint32_t id, std::uint32_t code) {
  EXPECT_EQ(id, Cylinder::kRemoverId);
  commands.push_back(code);
  return true;
}

bool BoardHarness::Send(const OEvent& event) {
  if (board_.HitTest(event)) {
    return board_.HandleEvent(event);
  }
  if (board_.highlighted) {
    board_.Unhighlight();
  }
  return false;
}

void BoardHarness::PointAt(int position, int column) {
  pointerPosition_ = position;
  pointerColumn_ = column;
  // Every move is somewhere new, as far as the event is concerned.
  Send(OEvent::Mouse(OEvent::kMouseMove, 0, 0, ++pointerX_, 100));
}

void BoardHarness::PointAway() {
  pointerPosition_ = -1;
  pointerColumn_ = -1;
  Send(OEvent::Mouse(OEvent::kMouseMove, 0, 0, ++pointerX_, 100));
}

void BoardHarness::Click() {
  Send(OEvent::Mouse(OEvent::kButtonDown, OEvent::kLeft, 0, pointerX_, 100));
  Send(OEvent::Mouse(OEvent::kButtonUp, OEvent::kLeft, 0, pointerX_, 100));
}

void BoardHarness::PressRight() {
  Send(OEvent::Mouse(OEvent::kButtonDown, OEvent::kRight, 0, pointerX_, 100));
}

void BoardHarness::ReleaseRight() {
  Send(OEvent::Mouse(OEvent::kButtonUp, OEvent::kRight, 0, pointerX_, 100));
}

void BoardHarness::Step(std::uint32_t elapsed, int frames) {
  for (int frame = 0; frame < frames; ++frame) {
    board_.Update(elapsed);
  }
}

int BoardHarness::FinishMove(std::uint32_t elapsed) {
  constexpr int kMostFrames = 100000;
  int frames = 0;
  while (board_.State() != BoardState::Idle && board_.State() != BoardState::GameOver) {
    board_.Update(elapsed);
    if (++frames == kMostFrames) {
      ADD_FAILURE() << "the move never ended:\n" << Picture();
      break;
    }
  }
  return frames;
}

std::string BoardHarness::Picture() const { return BoardPicture::Of(board_); }

std::string BoardHarness::Tidy(const std::vector<std::string>& picture) {
  return BoardPicture::Tidy(picture);
}

int BoardHarness::ColouredBlocks() const {
  int count = 0;
  for (int slot = 0; slot < board_.RingCount(); ++slot) {
    const Ring& ring = board_.RingInSlot(slot);
    for (std::uint32_t cell = 0; cell < ring.CellCount(); ++cell) {
      count += ring.BlockAt(static_cast<std::uint16_t>(cell)).colour != kEmpty ? 1 : 0;
    }
  }
  return count;
}
