#include "game/Cylinder.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <span>

#include "game/BlockManager.h"
#include "game/BoardAudio.h"
#include "game/BoardButtons.h"
#include "game/BoardCursor.h"
#include "gfx/MarkerFrame.h"
#include "gfx/PictureKey.h"

Cylinder::Cylinder(std::uint32_t controlId, std::uint16_t ringCount, std::uint16_t cellsPerRing,
                   float ringRadius, float ringSpacing, Timing timing)
    : OControl(controlId, false),
      ringCount_(ringCount == 0 ? 1 : ringCount),
      cells_(cellsPerRing == 0 ? 1 : cellsPerRing),
      radius_(ringRadius),
      spacing_(ringSpacing),
      timing_(timing) {}

Cylinder::~Cylinder() = default;

int Cylinder::SlotOfPosition(int position, int ringCount) {
  const int d = position - (ringCount - 1) / 2;
  return d > 0 ? 2 * d - 1 : -2 * d;
}

int Cylinder::PositionOfSlot(int slot, int ringCount) {
  const int half = (ringCount - 1) / 2;
  return slot % 2 == 1 ? half + (slot + 1) / 2 : half - slot / 2;
}

float Cylinder::RestingHeight(int position) const {
  return static_cast<float>(position - (ringCount_ - 1) / 2) * spacing_;
}

std::uint16_t Cylinder::SlotOf(const Ring& ring) const {
  for (std::size_t slot = 0; slot < rings_.size(); ++slot) {
    if (rings_[slot].get() == &ring) {
      return static_cast<std::uint16_t>(slot);
    }
  }
  return 0;
}

BoardAudio* Cylinder::Audio() const { return manager_ != nullptr ? manager_->Audio() : nullptr; }

ArrowList* Cylinder::Arrows() const { return manager_ != nullptr ? manager_->Arrows() : nullptr; }

BoardButtons* Cylinder::Buttons() const { return manager_ != nullptr ? manager_->Buttons() : nullptr; }

bool Cylinder::Init() {
  rings_.clear();
  rings_.resize(ringCount_);
  for (int slot = 0; slot < ringCount_; ++slot) {
    auto ring = std::make_unique<Ring>(cells_, radius_, this);
    ring->SetParent(this);
    ring->transform[14] = RestingHeight(PositionOfSlot(slot, ringCount_));
    if (!ring->Init()) {
      rings_.clear();
      return false;
    }
    rings_[slot] = std::move(ring);
  }
  return true;
}

void Cylinder::RaiseRings() {
  for (int position = 0; position < ringCount_; ++position) {
    RingAt(position).transform[14] =
        kIntroHeight + static_cast<float>(position - (ringCount_ - 1) / 2) * kIntroSpread;
  }
}

void Cylinder::RotateAll(int direction) {
  // A ring caught half-way through a step of its own would fall out of line with the rest.
  const bool allStill = std::all_of(rings_.begin(), rings_.end(),
                                    [](const auto& ring) { return ring->TurnState() == RingTurn::Still; });
  if (!allStill) {
    return;
  }
  state_ = BoardState::RotatingAll;
  for (auto& ring : rings_) {
    ring->StartTurning(direction, timing_.stepTime);
  }
}

void Cylinder::StopAll() {
  // Only turning rings stop: a still ring told to stop would first turn a step.
  for (auto& ring : rings_) {
    if (ring->TurnState() == RingTurn::Turning) {
      ring->SetTurnState(RingTurn::Stopping);
    }
  }
}

void Cylinder::Draw() {
  glPushMatrix();
  glMultMatrixf(transform);
  glCullFace(GL_FRONT);
  glEnable(GL_CULL_FACE);
  for (const auto& ring : rings_) {
    DrawBlocks(*ring);
  }
  // Nothing to frame on a ring without blocks.
  if (activeRing_ >= 0 && activeRing_ < static_cast<int>(rings_.size()) && !rings_[activeRing_]->IsEmpty()) {
    DrawCircles(*rings_[activeRing_]);
  }
  glDisable(GL_CULL_FACE);
  if (cursor_ != nullptr && cursor_->Position() >= 0 && cursor_->Position() < ringCount_) {
    DrawCursorOn(RingAt(cursor_->Position()), cursor_->Position());
  }
  glPopMatrix();
}

bool Cylinder::AddToPictureKey(PictureKey& key) const {
  key.Add(std::span<const float>(transform));
  Block::Skin().AddToPictureKey(key);
  for (const auto& ring : rings_) {
    key.Add(std::span<const float>(ring->transform));
    for (std::uint32_t cell = 0; cell < ring->CellCount(); ++cell) {
      const Block& block = ring->BlockAt(static_cast<std::uint16_t>(cell));
      key.Add(block.state);
      if (block.state != BlockState::Gone) {
        block.AddToPictureKey(key);
      }
    }
  }
  key.Add(activeRing_);
  if (activeRing_ >= 0 && activeRing_ < static_cast<int>(rings_.size())) {
    key.Add(rings_[activeRing_]->IsEmpty());
  }
  key.Add(cursor_);
  if (cursor_ != nullptr) {
    key.Add(cursor_->Shown());
    key.Add(cursor_->Position());
    key.Add(cursor_->Column());
  }
  return true;
}

void Cylinder::DrawBlocks(Ring& ring) {
  glPushMatrix();
  glMultMatrixf(ring.transform);
  for (std::uint32_t cell = 0; cell < ring.CellCount(); ++cell) {
    Block& block = ring.BlockAt(static_cast<std::uint16_t>(cell));
    if (block.state != BlockState::Gone) {
      block.Draw();
    }
  }
  glPopMatrix();
}

void Cylinder::DrawCircles(const Ring& ring) const {
  constexpr int kPoints = 30;
  const Block& first = ring.BlockAt(0);
  const float reach = ring.Radius() + first.halfExtents[2];
  const float height = first.halfExtents[1];
  glPushMatrix();
  glMultMatrixf(ring.transform);
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_LINE_SMOOTH);
  glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glLineWidth(4.0f);
  glColor3f(1.0f, 1.0f, 1.0f);
  for (const float z : {height, -height}) {
    glBegin(GL_LINE_LOOP);
    for (int k = 0; k < kPoints; ++k) {
      const float angle = static_cast<float>(k) * 2.0f * std::numbers::pi_v<float> / kPoints;
      glVertex3f(std::cos(angle) * reach, std::sin(angle) * reach, z);
    }
    glEnd();
  }
  glDisable(GL_LINE_SMOOTH);
  glDisable(GL_BLEND);
  glEnable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glPopMatrix();
}

void Cylinder::DrawCursorOn(const Ring& ring, int position) const {
  if (cursor_ == nullptr || !cursor_->Shown() || cursor_->Position() != position) {
    return;
  }
  // A frame round the cell's outer face, which stays where it is while the
  // ring turns under it: the ring's height without its turn.
  const Block& block = ring.BlockAt(0);
  const float step = 2.0f * std::numbers::pi_v<float> / static_cast<float>(ring.CellCount());
  const float middle = static_cast<float>(cursor_->Column()) * step + std::numbers::pi_v<float> / 2.0f;
  // A little outside the face, so that the frame hugs the block's edges.
  const float reach = ring.Radius() + block.halfExtents[2] * 1.05f;
  const float halfHeight = block.halfExtents[1] * 1.05f;
  const float halfAngle = step / 2.0f;
  const auto corner = [&](float side, float z) {
    const float angle = middle + side * halfAngle;
    return std::array<float, 3>{std::cos(angle) * reach, std::sin(angle) * reach, z};
  };
  glPushMatrix();
  glTranslatef(ring.transform[12], ring.transform[13], ring.transform[14]);
  DrawMarkerFrame({corner(-1, -halfHeight), corner(1, -halfHeight), corner(1, halfHeight), corner(-1, halfHeight)},
                  3.0f);
  glPopMatrix();
}

bool Cylinder::HitTest(const OEvent& event) {
  if (locked_) {
    return false;
  }
  lastEvent_ = event;
  if (state_ != BoardState::Idle) {
    return false;
  }

  for (int slot = 0; slot < ringCount_; ++slot) {
    Ring& ring = *rings_[slot];
    bool overCell = false;
    const bool overBlock = ring.Pick(event, overCell);
    if (!overCell) {
      hoveredRing_ = -1;
      continue;
    }
    if (activeRing_ != slot) {
      if (activeRing_ == -1 || rings_[activeRing_]->TurnState() == RingTurn::Still) {
        if (activeRing_ != -1) {
          rings_[activeRing_]->Unhighlight();
        }
        activeRing_ = static_cast<std::int16_t>(slot);
        ring.ShowArrow(event);
      } else {
        // The turning ring finishes its step and keeps the pointer until it is still.
        rings_[activeRing_]->SetTurnState(RingTurn::Stopping);
      }
    }
    hoveredRing_ = overBlock ? static_cast<std::int16_t>(slot) : -1;
    return true;
  }

  if (activeRing_ == -1) {
    return false;
  }
  Ring& active = *rings_[activeRing_];
  if (active.TurnState() != RingTurn::Still) {
    if (active.TurnState() == RingTurn::Turning) {
      active.SetTurnState(RingTurn::Stopping);
    }
    return true;
  }
  active.Unhighlight();
  if (manager_ != nullptr) {
    manager_->ForgetHover();
  }
  hoveredRing_ = -1;
  activeRing_ = -1;
  if (manager_ != nullptr) {
    manager_->ClearHighlight();
  }
  return false;
}

bool Cylinder::HandleEvent(const OEvent& event) {
  Ring* active = activeRing_ != -1 ? rings_[activeRing_].get() : nullptr;
  if (event.type == OEvent::kMouseMove) {
    if (manager_ != nullptr && manager_->HoverChanged()) {
      manager_->RefreshHover();
    }
    if (active != nullptr) {
      active->HandleEvent(event);
    }
    return true;
  }
  if (event.type == OEvent::kButtonDown && event.button == OEvent::kLeft) {
    if (active != nullptr && active->TurnState() != RingTurn::Still) {
      return true;
    }
    if (manager_ != nullptr) {
      manager_->ClickGroup();
    }
    return true;
  }
  if ((event.type == OEvent::kButtonDown || event.type == OEvent::kButtonUp) &&
      event.button == OEvent::kRight) {
    return active != nullptr && active->HandleEvent(event);
  }
  return false;
}

void Cylinder::Update(std::uint32_t elapsed) {
  if (locked_) {
    return;
  }
  UpdateBlocks(elapsed);
  // While all rings turn, each is turned once below; the active one must not get a second turn.
  if (activeRing_ != -1 && state_ != BoardState::RotatingAll) {
    rings_[activeRing_]->Update(elapsed);
  }
  if (manager_ == nullptr) {
    return;
  }
  if (manager_->Removable()) {
    manager_->ApplyHighlight();
  }

  switch (state_) {
    case BoardState::Falling:
      manager_->FallFrame(elapsed);
      break;
    case BoardState::Shifting:
      manager_->ShiftFrame(elapsed);
      break;
    case BoardState::RotatingAll:
      UpdateRotatingAll(elapsed);
      break;
    case BoardState::Intro:
      UpdateIntro(elapsed);
      break;
    case BoardState::GameOver:
      activeRing_ = -1;
      if (manager_->AdvanceEndClock(elapsed)) {
        Notify(kGameFinished);
      }
      break;
    default:
      break;
  }
}

void Cylinder::UpdateBlocks(std::uint32_t elapsed) {
  for (auto& ring : rings_) {
    for (std::uint32_t cell = 0; cell < ring->CellCount(); ++cell) {
      ring->BlockAt(static_cast<std::uint16_t>(cell)).Update(elapsed);
    }
  }
}

void Cylinder::UpdateRotatingAll(std::uint32_t elapsed) {
  bool anyStill = false;
  for (auto& ring : rings_) {
    ring->Update(elapsed);
    anyStill = anyStill || ring->TurnState() == RingTurn::Still;
  }
  // A ring that came to rest has already started the move that follows the turn.
  if (anyStill && state_ == BoardState::RotatingAll) {
    state_ = BoardState::Idle;
  }
}

void Cylinder::UpdateIntro(std::uint32_t elapsed) {
  manager_->AdvanceIntroClock(elapsed);
  BoardAudio* audio = Audio();
  for (int position = landed_; position < ringCount_; ++position) {
    float& height = RingAt(position).transform[14];
    const float rest = RestingHeight(position);
    if (height > rest) {
      height -= elapsed * kIntroSpeed;
      // Reaching the resting height exactly counts as landing too, or the intro would never end.
      if (height <= rest) {
        height = rest;
        if (audio != nullptr) {
          audio->PlayGroup(BoardAudio::kLandingGroup);
        }
      }
    }
  }
  while (landed_ < ringCount_ && RingAt(landed_).transform[14] <= RestingHeight(landed_)) {
    ++landed_;
  }
  if (landed_ < ringCount_) {
    return;
  }
  manager_->IntroOver();
  landed_ = 0;
  state_ = BoardState::Idle;
  if (BoardButtons* buttons = Buttons()) {
    buttons->EnableRotateButtons(true);
  }
  Unlock();
}
