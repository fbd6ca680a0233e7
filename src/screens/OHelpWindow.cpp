#include "screens/OHelpWindow.h"

#include <GL/gl.h>

#include <algorithm>
#include <array>
#include <numbers>

#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "game/Block.h"
#include "game/GoodyTemplates.h"
#include "gfx/OCamera.h"
#include "gfx/OFont.h"
#include "gfx/Ortho2D.h"
#include "screens/HelpPages.h"
#include "screens/OMenuWindow.h"
#include "screens/PlaceOnLayout.h"
#include "ui/OAction.h"
#include "ui/PressBlendButton.h"

namespace {

constexpr float kButtonY = 46.0f;
constexpr float kButtonScale = 0.5f;
constexpr float kTextScale = 0.6f;
constexpr float kLinePitch = 24.0f * kTextScale;
constexpr float kTitleY = 425.0f;
constexpr float kSubtitleY = 405.0f;

const OColor4 kWhite{1.0f, 1.0f, 1.0f, 1.0f};
const OColor4 kLightGrey{214.0f / 255.0f, 216.0f / 255.0f, 220.0f / 255.0f, 1.0f};

struct GoodyPlace {
  const char* name;
  int line;
  float x;
  float z;
};

// The four colour bombs share one description; they stand in a row, each a
// little nearer the viewer than the one to its right, so that they overlap
// like a fanned hand of cards.
constexpr std::array<GoodyPlace, 9> kGoodyPlaces{{
    {"BombBonus", 2, 65.0f, 0.0f},
    {"RedBombBonus", 7, 45.0f, -6.0f},
    {"GreenBombBonus", 7, 55.0f, -4.0f},
    {"YellowBombBonus", 7, 65.0f, -2.0f},
    {"BlueBombBonus", 7, 75.0f, 0.0f},
    {"GroupDemolishBonus", 11, 65.0f, 0.0f},
    {"HLDemolishBonus", 14, 65.0f, 0.0f},
    {"VLDemolishBonus", 17, 65.0f, 0.0f},
    {"CrossBonus", 21, 65.0f, 0.0f},
}};
// The models are centred on their lines counted from this margin, a little
// higher than the goodies page's text, so that each sits level with its words.
constexpr float kGoodyTopMargin = 100.0f;

float LineY(float topMargin, int line) { return ORenderWindow::kLayoutSize - topMargin - kLinePitch * line; }

void DrawCentred(const OFont& font, const char* text, float y) {
  const float left = ORenderWindow::kLayoutSize / 2.0f - font.TextWidth(text) / 2.0f;
  font.DrawText(left, y, text, true, 1.0f);
}

}  // namespace

OHelpWindow::OHelpWindow() : GameRenderWindow(kIdentifier) {}

OHelpWindow::~OHelpWindow() = default;

bool OHelpWindow::CreateControls() {
  AddButton(std::make_unique<OButton>(kMenu, false), "menu.asvm", 256.0f);
  next_ = AddButton(std::make_unique<PressBlendButton>(kNextPage), "rightarrow.asvm", 307.0f);
  previous_ = AddButton(std::make_unique<PressBlendButton>(kPreviousPage), "leftarrow.asvm", 205.0f);
  MakeGoodies();
  return GameRenderWindow::CreateControls();
}

OButton* OHelpWindow::AddButton(std::unique_ptr<OButton> button, const char* model, float x) {
  button = PlaceOnLayout(std::move(button), model, x, kButtonY, kButtonScale, Camera());
  // A fresh model shows all its objects; the arrows would glow with both faces at once.
  button->SetVisible(0, true);
  OButton* added = button.get();
  AddControl(std::move(button));
  return added;
}

void OHelpWindow::MakeGoodies() {
  goodies_.clear();
  for (const GoodyPlace& place : kGoodyPlaces) {
    const Bonus* goody = GoodyTemplates::Instance().Find(place.name);
    if (goody == nullptr || Camera() == nullptr) {
      continue;
    }
    std::unique_ptr<Block> model = goody->Clone();
    model->PlaceAtDesignPoint(place.x, LineY(kGoodyTopMargin, place.line), place.z, *Camera(), kLayoutSize,
                              kLayoutSize);
    model->RotateLocalZ(std::numbers::pi_v<float> / 2.0f);
    goodies_.push_back(std::move(model));
  }
}

void OHelpWindow::OnShow() {
  GameRenderWindow::OnShow();
  if (next_ != nullptr && previous_ != nullptr) {
    previous_->disabled = page_ == kOverviewPage;
    next_->disabled = page_ == kLastPage;
  }
}

void OHelpWindow::Draw() {
  GameRenderWindow::Draw();
  if (page_ == kGoodiesPage) {
    DrawGoodies();
  }
  SetOrtho2D(kLayoutSize, kLayoutSize);
  glEnable(GL_TEXTURE_2D);
  DrawPage(HelpPages()[page_ - kOverviewPage]);
}

void OHelpWindow::DrawGoodies() const {
  glEnable(GL_TEXTURE_2D);
  for (const auto& goody : goodies_) {
    goody->Draw();
  }
}

void OHelpWindow::DrawPage(const HelpPage& page) const {
  OFont* font = Font();
  if (font == nullptr) {
    return;
  }
  font->colour = kWhite;
  DrawCentred(*font, page.title, kTitleY);
  if (page.subtitle != nullptr) {
    DrawCentred(*font, page.subtitle, kSubtitleY);
  }
  for (const HelpLine& line : page.lines) {
    const bool heading = line.kind == HelpLine::kHeading;
    font->colour = heading ? kWhite : kLightGrey;
    font->DrawText(page.column, LineY(page.topMargin, line.index), line.text,
                   heading ? page.headingShadow : page.bodyShadow, kTextScale);
  }
}

bool OHelpWindow::OnEscape() {
  if (Application() == nullptr) {
    return false;
  }
  Application()->Screens().SetActiveWindow(OMenuWindow::kIdentifier);
  return true;
}

bool OHelpWindow::OnCommand(std::uint32_t command, std::uint32_t param) {
  switch (command) {
    case kNextPage:
      TurnTo(std::min(page_ + 1, kLastPage));
      return true;
    case kPreviousPage:
      TurnTo(std::max(page_ - 1, kOverviewPage));
      return true;
    case kMenu:
      ShowMenu();
      return true;
    default:
      return GameRenderWindow::OnCommand(command, param);
  }
}

bool OHelpWindow::HandleEvent(const OEvent& event) {
  if (IsPress(event)) {
    const OAction action = ActionOf(event);
    const bool back = action == OAction::kLeft || action == OAction::kPageBack;
    const bool forward = action == OAction::kRight || action == OAction::kPageOn;
    // Past the first or the last page a key does nothing, as the arrow there does.
    if (back || forward) {
      if (back && page_ > kOverviewPage) {
        OnCommand(kPreviousPage, OControl::kClicked);
      } else if (forward && page_ < kLastPage) {
        OnCommand(kNextPage, OControl::kClicked);
      }
      return true;
    }
  }
  return GameRenderWindow::HandleEvent(event);
}

void OHelpWindow::TurnTo(std::uint32_t page) {
  if (Application() == nullptr) {
    return;
  }
  Application()->PlaySound(GameSounds::kAction);
  page_ = page;
  // Shown again, the screen sets its arrows for the new page.
  Application()->Screens().SetActiveWindow(kIdentifier);
}

void OHelpWindow::ShowMenu() {
  if (Application() == nullptr) {
    return;
  }
  Application()->PlaySound(GameSounds::kAction);
  page_ = kOverviewPage;
  Application()->Screens().SetActiveWindow(OMenuWindow::kIdentifier);
}
