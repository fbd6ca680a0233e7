#include "screens/ScoreWindow.h"

#include <GL/gl.h>

#include <algorithm>

#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "game/Cylinder.h"
#include "gfx/OFont.h"
#include "gfx/Ortho2D.h"
#include "screens/CollapseWindow.h"
#include "screens/GameTypeWindow.h"
#include "screens/OMenuWindow.h"
#include "screens/PlaceOnLayout.h"
#include "screens/RemoverWindow.h"
#include "ui/OButton.h"
#include "ui/OTextField.h"
#include "ui/PressBlendButton.h"

namespace {

constexpr std::uint32_t kConfirmClear = 212;
constexpr float kButtonY = 46.0f;
constexpr float kClearScale = 0.5f;
constexpr float kTitleY = 425.0f;
constexpr float kLinesLeft = 68.0f;
constexpr float kLinesRight = 442.0f;
constexpr float kTopLineY = 394.0f;
// A field draws its text a little left of and below its box, so the box is
// moved to put the typed name exactly where the row's name stands, and made
// shorter than a row so that its caret spans the letters only.
constexpr std::int16_t kFieldLeft = ScoreRow::kNameColumn - 1;
constexpr std::int16_t kFieldRise = 6;
constexpr std::uint16_t kFieldHeight = 24;

bool IsGameOver(const BoardWindow* game) {
  return game != nullptr && game->Board() != nullptr && game->Board()->State() == BoardState::GameOver;
}

}  // namespace

ScoreWindow::ScoreWindow(const std::string& folder)
    : GameRenderWindow(kIdentifier), remover_(folder + "rScore.dat"), breakdown_(folder + "cScore.dat") {
  pending_.name = "NoName";
}

ScoreWindow::~ScoreWindow() = default;

bool ScoreWindow::CreateControls() {
  MakeButtons();
  breakdown_.Load();
  remover_.Load();
  rows_.reserve(ScoreTable::kCapacity);
  for (std::size_t i = 0; i < ScoreTable::kCapacity; ++i) {
    rows_.emplace_back(Font(), i);
  }
  return GameRenderWindow::CreateControls();
}

void ScoreWindow::MakeButtons() {
  struct Plan {
    std::unique_ptr<OButton> button;
    const char* model;
    float x;
    float scale;
  };
  Plan plans[] = {
      {std::make_unique<OButton>(kBackToMenu, false), "menu.asvm", 256.0f, 1.0f},
      {std::make_unique<PressBlendButton>(kRightArrow), "rightarrow.asvm", 307.0f, 1.0f},
      {std::make_unique<PressBlendButton>(kLeftArrow), "leftarrow.asvm", 205.0f, 1.0f},
      {std::make_unique<OButton>(kClear, false), "clear.asvm", 430.0f, kClearScale},
  };
  for (Plan& plan : plans) {
    pageButtons_.push_back(plan.button.get());
    AddControl(PlaceOnLayout(std::move(plan.button), plan.model, plan.x, kButtonY, plan.scale, Camera()));
  }
}

void ScoreWindow::SetPage(Page page) {
  page_ = page;
  shown_ = &Table(page);
}

void ScoreWindow::EnterName(std::size_t row) {
  entering_ = true;
  newRow_ = row;
}

void ScoreWindow::OnShow() {
  GameRenderWindow::OnShow();
  SetPage(page_);
  title_ = page_ == kBreakdownPage ? "Breakdown" : "Remover";
  ShowRows();
  entering_ = entering_ && newRow_ < shown_->Size();
  OfferPageButtons(!entering_);
  // The window stays put while the name is typed.
  DisableWindowButtons(entering_);
  if (entering_) {
    MakeNameField();
  }
}

void ScoreWindow::ShowRows() {
  const std::size_t shown = std::min(shown_->Size(), rows_.size());
  for (std::size_t i = 0; i < shown; ++i) {
    rows_[i].Show(shown_->At(i));
  }
}

void ScoreWindow::OfferPageButtons(bool offered) {
  for (OControl* button : pageButtons_) {
    button->enabled = offered;
  }
}

void ScoreWindow::MakeNameField() {
  ScoreRow& row = rows_[newRow_];
  auto field = std::make_unique<OTextField>(Font(), row.NameText(), kNameField, true);
  field->SetSize(ScoreRow::kNameWidth, kFieldHeight);
  field->SetPosition(static_cast<std::int16_t>(row.X() + kFieldLeft),
                     static_cast<std::int16_t>(row.Y() + kFieldRise));
  field->SetDrawBackground(false);
  field->SetDrawBorder(false);
  field->SetMaxLength(kNameLength);
  nameField_ = field.get();
  AddControl(std::move(field));
  SetFocus(*nameField_);
  row.BlankName();
}

void ScoreWindow::OnHide() {
  GameRenderWindow::OnHide();
  if (entering_) {
    retiredField_ = RemoveControl(nameField_);
    nameField_ = nullptr;
    entering_ = false;
  }
  DiscardFinishedGame();
}

// The game stays over until the player has seen its result; then it is gone
// and the menu no longer offers to continue it.
void ScoreWindow::DiscardFinishedGame() {
  if (Application() == nullptr) {
    return;
  }
  auto* gameType =
      dynamic_cast<GameTypeWindow*>(Application()->Screens().FindWindow(GameTypeWindow::kIdentifier));
  if (gameType != nullptr && (IsGameOver(gameType->BreakdownGame()) || IsGameOver(gameType->RemoverGame()))) {
    gameType->DiscardGame();
  }
}

void ScoreWindow::Update(std::uint32_t deltaMs) {
  retiredField_.reset();
  GameRenderWindow::Update(deltaMs);
}

void ScoreWindow::Draw() {
  GameRenderWindow::Draw();
  OFont* font = Font();
  SetOrtho2D(kLayoutSize, kLayoutSize);
  if (font != nullptr) {
    glEnable(GL_TEXTURE_2D);
    font->colour = OColor4(171.0f / 255.0f, 176.0f / 255.0f, 183.0f / 255.0f, 1.0f);
    const std::size_t shown = std::min(shown_->Size(), rows_.size());
    for (std::size_t i = 0; i < shown; ++i) {
      rows_[i].Draw();
    }
    font->colour = OColor4(1.0f, 1.0f, 1.0f, 1.0f);
    font->DrawText(256.0f - font->TextWidth(title_) / 2.0f, kTitleY, title_, true, 1.0f);
  }
  DrawLines();
}

void ScoreWindow::DrawLines() const {
  glDisable(GL_TEXTURE_2D);
  glColor3f(166.0f / 255.0f, 144.0f / 255.0f, 196.0f / 255.0f);
  glLineWidth(1.0f);
  glBegin(GL_LINES);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const float y = kTopLineY - static_cast<float>(ScoreRow::kHeight * i);
    glVertex2f(kLinesLeft, y);
    glVertex2f(kLinesRight, y);
  }
  glEnd();
  glColor3f(1.0f, 1.0f, 1.0f);
  glEnable(GL_TEXTURE_2D);
}

bool ScoreWindow::OnEscape() {
  Show(OMenuWindow::kIdentifier, GameSounds::kAction);
  return true;
}

bool ScoreWindow::OnCommand(std::uint32_t command, std::uint32_t param) {
  switch (command) {
    case kBackToMenu:
      Show(OMenuWindow::kIdentifier, GameSounds::kClick);
      return true;
    case kNameField:
      if (param == OControl::kEnter && nameField_ != nullptr) {
        StoreName();
      }
      return true;
    case kRightArrow:
    case kLeftArrow:
      SetPage(page_ == kRemoverPage ? kBreakdownPage : kRemoverPage);
      Show(kIdentifier, GameSounds::kAction);
      return true;
    case kClear:
      if (shown_->Size() > 0) {
        Show(kConfirmClear, GameSounds::kAction);
      } else if (Application() != nullptr) {
        Application()->PlaySound(GameSounds::kAction);
      }
      return true;
    default:
      return GameRenderWindow::OnCommand(command, param);
  }
}

// The name is kept for the next entry of this run, then the screen shows itself again without the field.
void ScoreWindow::StoreName() {
  pending_.name = nameField_->Text();
  shown_->SetName(newRow_, pending_);
  if (Application() != nullptr) {
    Application()->Screens().SetActiveWindow(kIdentifier);
  }
}

void ScoreWindow::Show(std::uint32_t identifier, std::int32_t sound) {
  if (Application() != nullptr) {
    Application()->PlaySound(sound);
    Application()->Screens().SetActiveWindow(identifier);
  }
}
