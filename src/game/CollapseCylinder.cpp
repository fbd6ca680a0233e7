#include "game/CollapseCylinder.h"

#include <GL/gl.h>

#include "game/BoardAudio.h"
#include "game/BoardCursor.h"
#include "game/CollapseBlockManager.h"
#include "game/SupRing.h"

CollapseCylinder::CollapseCylinder(std::uint16_t ringCount, std::uint16_t cellsPerRing, float ringRadius,
                                   float ringSpacing)
    : Cylinder(kBreakdownId, ringCount, cellsPerRing, ringRadius, ringSpacing, kBreakdownTiming),
      fallAway_(std::random_device{}()) {}

CollapseCylinder::~CollapseCylinder() {
  if (supply_ != nullptr) {
    supply_->Serve(nullptr);
    supply_->SetParent(nullptr);
  }
}

void CollapseCylinder::Link(CollapseBlockManager& rules) {
  rules_ = &rules;
  SetManager(&rules);
  rules.SetBoard(this);
}

void CollapseCylinder::AttachSupplyRing(SupRing& supply) {
  supply_ = &supply;
  supply.Serve(this);
  supply.SetParent(this);
  supply.transform[12] = 0.0f;
  supply.transform[13] = 0.0f;
  supply.transform[14] = RestingHeight(0) - kSupplyGap;
  supply.Clear();
}

void CollapseCylinder::Draw() {
  Cylinder::Draw();
  if (supply_ == nullptr) {
    return;
  }
  glPushMatrix();
  glMultMatrixf(transform);
  glCullFace(GL_FRONT);
  glEnable(GL_CULL_FACE);
  DrawBlocks(*supply_);
  // Even an empty supply ring takes a click that pushes the row, so it shows that it is pointed at.
  if (supply_->highlighted) {
    DrawCircles(*supply_);
  }
  glDisable(GL_CULL_FACE);
  DrawCursorOn(*supply_, BoardCursor::kSupplyPosition);
  glPopMatrix();
}

bool CollapseCylinder::HitTest(const OEvent& event) {
  if (!Cylinder::HitTest(event)) {
    return false;
  }
  // The pointer left the supply ring for the board: its circles go.
  if (supply_ != nullptr) {
    supply_->Unhighlight();
  }
  return true;
}

void CollapseCylinder::RotateAll(int direction) {
  Cylinder::RotateAll(direction);
  if (State() == BoardState::RotatingAll && supply_ != nullptr && supply_->TurnState() == RingTurn::Still) {
    supply_->StartTurning(direction, GetTiming().stepTime);
  }
}

void CollapseCylinder::StopAll() {
  Cylinder::StopAll();
  if (supply_ != nullptr && supply_->TurnState() == RingTurn::Turning) {
    supply_->SetTurnState(RingTurn::Stopping);
  }
}

void CollapseCylinder::Unlock() {
  Cylinder::Unlock();
  if (supply_ != nullptr) {
    supply_->Start();
  }
}

void CollapseCylinder::Lock() {
  Cylinder::Lock();
  if (supply_ != nullptr) {
    supply_->Stop();
  }
}

void CollapseCylinder::RaiseRings() {
  const int filled = RingCount() > kRingsLeftEmpty ? RingCount() - kRingsLeftEmpty : 0;
  for (int position = 0; position < RingCount(); ++position) {
    Ring& ring = RingAt(position);
    if (position < filled) {
      ring.transform[14] = kIntroHeight + static_cast<float>(position - (RingCount() - 1) / 2) * kIntroSpread;
    } else {
      // The upper rings wait empty at their places for the rows to come up.
      ring.transform[14] = RestingHeight(position);
      ring.Clear();
    }
  }
}

void CollapseCylinder::Update(std::uint32_t elapsed) {
  // The level's end runs on a locked board.
  switch (State()) {
    case BoardState::CountingUp:
      UpdateBlocks(elapsed);
      UpdateCountingUp(elapsed);
      return;
    case BoardState::LevelEnding:
      UpdateLevelEnding(elapsed);
      return;
    case BoardState::Smashing:
      UpdateBlocks(elapsed);
      UpdateSmashing(elapsed);
      return;
    default:
      break;
  }
  if (!Locked() && supply_ != nullptr) {
    supply_->Update(elapsed);
  }
  Cylinder::Update(elapsed);
  if (!Locked() && supply_ != nullptr) {
    supply_->Turn(elapsed);
  }
  if (rules_ != nullptr && rules_->LevelDone() && State() == BoardState::Idle) {
    BeginLevelEnd();
  }
}

void CollapseCylinder::BeginLevelEnd() {
  if (ActiveRing() != -1) {
    Ring& active = RingInSlot(ActiveRing());
    if (active.TurnState() == RingTurn::Turning) {
      active.SetTurnState(RingTurn::Stopping);
    }
    if (active.TurnState() != RingTurn::Still) {
      return;
    }
    ForgetActiveRing();
  }
  rules_->ClearHighlight();
  Lock();
  countClock_ = 0;
  SetState(BoardState::CountingUp);
}

void CollapseCylinder::UpdateCountingUp(std::uint32_t elapsed) {
  countClock_ += elapsed;
  if (countClock_ > kCountStepTime) {
    countClock_ = 0;
    rules_->CountStep();
  }
}

void CollapseCylinder::UpdateLevelEnding(std::uint32_t elapsed) {
  ForgetActiveRing();
  levelEndClock_ += elapsed;
  if (levelEndClock_ >= kLevelEndTime) {
    levelEndClock_ = 0;
    SetState(BoardState::Intro);
    rules_->FinishLevel();
    return;
  }
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  for (int slot = 0; slot < RingCount(); ++slot) {
    Ring& ring = RingInSlot(slot);
    for (std::uint16_t cell = 0; cell < ring.CellCount(); ++cell) {
      ring.BlockAt(cell).transform[14] -= static_cast<float>(elapsed) * (0.025f + 0.1f * unit(fallAway_));
    }
  }
}

void CollapseCylinder::UpdateSmashing(std::uint32_t elapsed) {
  ForgetActiveRing();
  if (smashed_ >= RingCount()) {
    return;
  }
  smashClock_ += elapsed;
  if (smashClock_ < kSmashTime) {
    RingInSlot(smashed_).Burst(elapsed);
    return;
  }
  smashClock_ = 0;
  ++smashed_;
  if (smashed_ < RingCount()) {
    if (BoardAudio* audio = Audio()) {
      audio->PlaySound(BoardAudio::kSmashRing);
    }
    return;
  }
  Notify(kGameFinished);
}
