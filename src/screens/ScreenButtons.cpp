#include "screens/ScreenButtons.h"

#include "ui/OButton.h"

void ScreenButtons::Set(OButton* menu, OButton* rotateClockwise, OButton* rotateAnticlockwise) {
  menu_ = menu;
  rotateClockwise_ = rotateClockwise;
  rotateAnticlockwise_ = rotateAnticlockwise;
}

void ScreenButtons::EnableRotateButtons(bool enable) {
  for (OButton* button : {rotateClockwise_, rotateAnticlockwise_}) {
    if (button != nullptr) {
      button->disabled = !enable;
    }
  }
}

void ScreenButtons::EnableMenuButton(bool enable) {
  if (menu_ != nullptr) {
    menu_->disabled = !enable;
  }
}
