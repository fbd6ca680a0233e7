#include "screens/CollapseWindow.h"

#include <algorithm>

#include "core/OConfig.h"
#include "audio/OMusicList.h"
#include "game/CollapseCylinder.h"
#include "game/EffectList.h"
#include "game/RingArrows.h"
#include "game/SupRing.h"

namespace {

constexpr std::int32_t kFirstLevel = 1;
constexpr std::int32_t kLastStartLevel = 10;

}  // namespace

CollapseWindow::CollapseWindow()
    : BoardWindow(kIdentifier, {CollapseCylinder::kBreakdownId, 2040, 2042, 2043, 200.0f,
                                OMusicList::Breakdown(), ScoreWindow::kBreakdownPage}) {}

CollapseWindow::~CollapseWindow() { DiscardBoard(); }

Cylinder* CollapseWindow::Board() const { return board_; }

OControl* CollapseWindow::SupplyRing() { return supply_; }

void CollapseWindow::CreateModeControls() {
  level_ = MakeField(71, 40);
  rowsLeft_ = MakeField(110, 20);
  auto supply = std::make_unique<SupRing>();
  supply_ = supply.get();
  AddControl(std::move(supply));
  supply_->Stop();
}

// A settings file edited by hand may name a level the table does not start at.
void CollapseWindow::CreateRules() {
  const std::int32_t startLevel = std::clamp(OConfig::Instance().startLevel, kFirstLevel, kLastStartLevel);
  rules_ = std::make_unique<CollapseBlockManager>(static_cast<std::uint16_t>(startLevel));
  rules_->SetDisplay(this);
  LinkRules(*rules_);
}

void CollapseWindow::StartGame() {
  supply_->Stop();
  Arrows().Clear();
  FloatingTexts().Clear();
  SetUpLevel();
  ShowScore();
  ApplicationAudio::RestartPlaylist(OMusicList::Breakdown());
}

void CollapseWindow::SetUpLevel() {
  // The old board lets go of the supply ring before the new one takes it.
  DiscardBoard();
  auto board = std::make_unique<CollapseCylinder>();
  board_ = board.get();
  PlaceBoard(*board_);
  rules_->StartLevel(*board_, *supply_);
  AddControl(std::move(board));
  board_->RaiseRings();
}

void CollapseWindow::DiscardBoard() {
  RemoveControl(board_);
  board_ = nullptr;
}

void CollapseWindow::AfterBoardFrame() {
  if (rules_->LevelSetupDue()) {
    Arrows().Clear();
    SetUpLevel();
  }
}

void CollapseWindow::UpdateEffects(std::uint32_t deltaMs) { EffectList::Instance().UpdateAll(deltaMs); }

void CollapseWindow::DrawEffects() { EffectList::Instance().DrawAll(); }

void CollapseWindow::DrawModeLabels() {
  DrawLabel(10, 40, "Level:");
  DrawLabel(10, 20, "LinesLeft:");
}

void CollapseWindow::DrawModeFields() {
  level_->Draw();
  rowsLeft_->Draw();
}
