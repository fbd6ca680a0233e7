#include "screens/RemoverWindow.h"

#include "audio/OMusicList.h"
#include "game/Cylinder.h"
#include "game/RingArrows.h"

namespace {

constexpr std::uint16_t kRings = 10;
constexpr std::uint16_t kCellsPerRing = 20;
constexpr float kRingRadius = 24.0f;
constexpr float kRingSpacing = 6.8f;

}  // namespace

RemoverWindow::RemoverWindow()
    : BoardWindow(kIdentifier, {Cylinder::kRemoverId, 2030, 2032, 2033, 300.0f, OMusicList::Remover(),
                                ScoreWindow::kRemoverPage}) {}

RemoverWindow::~RemoverWindow() { DiscardBoard(); }

void RemoverWindow::StartGame() {
  Arrows().Clear();
  LongTexts().Clear();
  DiscardBoard();
  auto board =
      std::make_unique<Cylinder>(Cylinder::kRemoverId, kRings, kCellsPerRing, kRingRadius, kRingSpacing);
  board_ = board.get();
  board_->SetManager(&rules_);
  rules_.SetBoard(board_);
  PlaceBoard(*board_);
  rules_.Init(0);
  AddControl(std::move(board));
  board_->RaiseRings();
  ShowScore();
  ApplicationAudio::RestartPlaylist(OMusicList::Remover());
}

void RemoverWindow::DiscardBoard() {
  RemoveControl(board_);
  board_ = nullptr;
  rules_.SetBoard(nullptr);
}
