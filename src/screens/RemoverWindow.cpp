#include "screens/RemoverWindow.h"

#include <random>
#include <string>

#include "audio/OMusicList.h"
#include "game/BlockRandom.h"
#include "game/Cylinder.h"
#include "game/RingArrows.h"
#include "game/TextList.h"
#include "ui/OBlendButton.h"

namespace {

constexpr std::uint16_t kRings = 10;
constexpr std::uint16_t kCellsPerRing = 20;
constexpr float kRingRadius = 24.0f;
constexpr float kRingSpacing = 6.8f;

std::unique_ptr<OButton> ModeButton(std::uint32_t id, bool greyWhenDisabled) {
  auto button = std::make_unique<OBlendButton>(id, false);
  button->greyWhenDisabled = greyWhenDisabled;
  return button;
}

// A deal of its own for each new game, wherever the colour generator stands.
std::uint32_t NewDeal() {
  static std::mt19937 numbers{std::random_device{}()};
  return std::uniform_int_distribution<std::uint32_t>(1, RemoverRules::kLastDeal)(numbers);
}

}  // namespace

RemoverWindow::RemoverWindow(std::optional<std::uint32_t> deal)
    : BoardWindow(kIdentifier, {Cylinder::kRemoverId, 2030, 2032, 2033, 300.0f, OMusicList::Remover(),
                                ScoreWindow::kRemoverPage}),
      nextDeal_(deal) {}

RemoverWindow::~RemoverWindow() { DiscardBoard(); }

void RemoverWindow::CreateModeControls() {
  dealLabel_ = MakeField(10, 444);
  // Beside the menu button; undo and redo are greyed while they can do nothing.
  AddButton(ModeButton(kReplay, false), "replay.asvm", 225, 25);
  undo_ = AddButton(ModeButton(kUndo, true), "undo.asvm", 300, 25);
  redo_ = AddButton(ModeButton(kRedo, true), "redo.asvm", 375, 25);
}

void RemoverWindow::StartGame() {
  Arrows().Clear();
  LongTexts().Clear();
  DiscardBoard();
  deal_ = nextDeal_.value_or(NewDeal());
  nextDeal_.reset();
  auto board =
      std::make_unique<Cylinder>(Cylinder::kRemoverId, kRings, kCellsPerRing, kRingRadius, kRingSpacing);
  board_ = board.get();
  board_->SetManager(&rules_);
  rules_.SetBoard(board_);
  PlaceBoard(*board_);
  // The skill sets how many colours the generator deals; the deal's number starts it.
  rules_.Init(0);
  BlockRandom::Instance().Seed(deal_);
  AddControl(std::move(board));
  board_->RaiseRings();
  dealLabel_->SetText("Game " + std::to_string(deal_));
  ShowScore();
  ApplicationAudio::RestartPlaylist(OMusicList::Remover());
}

void RemoverWindow::ReplayDeal() {
  nextDeal_ = deal_;
  StartGame();
}

bool RemoverWindow::Undo() {
  const bool undone = rules_.Undo();
  AfterUndoOrRedo();
  return undone;
}

bool RemoverWindow::Redo() {
  const bool redone = rules_.Redo();
  AfterUndoOrRedo();
  return redone;
}

void RemoverWindow::AfterUndoOrRedo() {
  ShowScore();
  RefreshMoveButtons();
}

void RemoverWindow::RefreshMoveButtons() {
  undo_->disabled = !rules_.CanUndo();
  redo_->disabled = !rules_.CanRedo();
}

void RemoverWindow::Update(std::uint32_t deltaMs) {
  BoardWindow::Update(deltaMs);
  // A move that ends as the frames go makes one more to take back.
  RefreshMoveButtons();
}

namespace {

// The action each of the screen's own buttons stands for.
OAction ActionOfButton(std::uint32_t command) {
  switch (command) {
    case RemoverWindow::kUndo:
      return OAction::kUndo;
    case RemoverWindow::kRedo:
      return OAction::kRedo;
    case RemoverWindow::kReplay:
      return OAction::kReplay;
    default:
      return OAction::kNone;
  }
}

}  // namespace

bool RemoverWindow::OnCommand(std::uint32_t command, std::uint32_t param) {
  // The buttons do what their keys do.
  if (param == OControl::kClicked && HandleModeAction(ActionOfButton(command))) {
    return true;
  }
  return BoardWindow::OnCommand(command, param);
}

bool RemoverWindow::HandleModeAction(OAction action) {
  switch (action) {
    case OAction::kUndo:
      Undo();
      return true;
    case OAction::kRedo:
      Redo();
      return true;
    case OAction::kReplay:
      ReplayDeal();
      return true;
    default:
      return false;
  }
}

void RemoverWindow::DrawModeFields() { dealLabel_->Draw(); }

void RemoverWindow::DiscardBoard() {
  RemoveControl(board_);
  board_ = nullptr;
  rules_.SetBoard(nullptr);
}
