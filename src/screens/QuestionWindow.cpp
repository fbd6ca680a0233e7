#include "screens/QuestionWindow.h"

#include <memory>

#include "gfx/OFont.h"
#include "gfx/Ortho2D.h"
#include "screens/PlaceOnLayout.h"
#include "ui/OButton.h"

namespace {

constexpr float kButtonY = 50.0f;
const OColor4 kQuestionGrey{171.0f / 255.0f, 176.0f / 255.0f, 183.0f / 255.0f, 1.0f};
const OColor4 kWhite{1.0f, 1.0f, 1.0f, 1.0f};

}  // namespace

bool QuestionWindow::CreateControls() {
  AddControl(PlaceOnLayout(std::make_unique<OButton>(question_.okId, false), "ok.asvm", 180.0f, kButtonY,
                           1.0f, Camera()));
  AddControl(PlaceOnLayout(std::make_unique<OButton>(question_.cancelId, false), "cancel.asvm", 300.0f,
                           kButtonY, 1.0f, Camera()));
  return GameRenderWindow::CreateControls();
}

void QuestionWindow::Draw() {
  GameRenderWindow::Draw();
  SetOrtho2D(kLayoutSize, kLayoutSize);
  question_.frame.Draw();
  OFont* font = Font();
  if (font == nullptr) {
    return;
  }
  font->colour = kQuestionGrey;
  for (const Line& line : {question_.first, question_.second}) {
    font->DrawText(line.x, line.y, line.text, false, 1.0f);
  }
  font->colour = kWhite;
}

bool QuestionWindow::OnCommand(std::uint32_t command, std::uint32_t param) {
  if (command == question_.okId) {
    OnOk();
    return true;
  }
  if (command == question_.cancelId) {
    OnCancel();
    return true;
  }
  return GameRenderWindow::OnCommand(command, param);
}
