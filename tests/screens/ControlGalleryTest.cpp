// Every control of the game on one screen, from the generated models, drawn by
// the real application: something to look at, and a check that each control
// shows where it is placed. Set TORNET_GALLERY_SHOT to a file name to keep the
// picture; run the test with SDL_VIDEODRIVER=x11 under xvfb-run to draw on a
// real X server instead of the offscreen driver.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "GameScreenFixture.h"
#include "app/OApplication.h"
#include "app/OConfig.h"
#include "app/OLog.h"
#include "assetgen/AssetSink.h"
#include "assetgen/Buttons.h"
#include "assetgen/Textures.h"
#include "gfx/OCamera.h"
#include "gfx/OLight.h"
#include "gfx/Ortho2D.h"
#include "screens/GameRenderWindow.h"
#include "support/GLTestContext.h"
#include "support/OffscreenVideo.h"
#include "support/TestArchive.h"
#include "support/TestFiles.h"
#include "ui/OBlendButton.h"
#include "ui/OButton.h"
#include "ui/OCheckBox.h"
#include "ui/ORadioButton.h"
#include "ui/ORadioGroup.h"
#include "ui/OSlider.h"
#include "ui/OTextField.h"
#include "ui/OTextLabel.h"
#include "ui/OTextStack.h"
#include "ui/PressBlendButton.h"
#include "ui/RotateButton.h"
#include "ui/SkinButton.h"

namespace {

using Pixels = std::vector<std::uint8_t>;

void KeepGLDriverLoaded() { static const GLTestContext keeper(1, 1); }

const TestArchive::Members& Assets() {
  static const TestArchive::Members members = [] {
    const TempFolder folder;
    AssetSink sink(folder.Path());
    Buttons::Write(sink);
    WriteTextures(sink);
    return TestArchive::MembersUnder(folder / "archive");
  }();
  return members;
}

// A point of the 512 x 512 layout, origin bottom left.
struct Spot {
  float x;
  float y;
};

class GalleryScreen : public GameRenderWindow {
 public:
  static constexpr float kOptionScale = 3.5f;

  GalleryScreen() : GameRenderWindow(206) {}

  bool CreateControls() override {
    AddModel(std::make_unique<OButton>(1, false), "ok.asvm", {80, 440});
    AddModel(std::make_unique<OBlendButton>(2, false), "newgame.asvm", {80, 380}).Highlight();
    AddModel(std::make_unique<PressBlendButton>(3), "menu.asvm", {80, 320});
    AddModel(std::make_unique<RotateButton>(4), "rotate_cw.asvm", {80, 240}).SetScale(0.5f, 0.5f, 0.5f);
    auto skins = std::make_unique<SkinButton>(5, false);
    skins->AddSkin("scr.tga", 0);
    skins->AddSkin("col.tga", 1);
    skins->SelectSkin(0);
    AddModel(std::move(skins), "skin.asvm", {80, 150});

    // Option controls are small models, scaled up as the options screen does.
    OCheckBox& checked = AddModel(std::make_unique<OCheckBox>(6), "CheckBox.Asvm", {250, 440});
    checked.SetChecked(true);
    checked.SetScale(kOptionScale, kOptionScale, kOptionScale);
    AddModel(std::make_unique<OCheckBox>(7), "CheckBox.Asvm", {250, 400})
        .SetScale(kOptionScale, kOptionScale, kOptionScale);
    ORadioButton* first = nullptr;
    for (int k = 0; k < 2; ++k) {
      ORadioButton& radio = AddModel(std::make_unique<ORadioButton>(8 + k, &radios_), "PARadio.asvm",
                                     {250.0f, 350.0f - 40.0f * k});
      radio.SetScale(kOptionScale, kOptionScale, kOptionScale);
      radios_.Add(&radio);
      first = first != nullptr ? first : &radio;
    }
    radios_.Select(first);
    auto slider = std::make_unique<OSlider>(10, 0.0f, 10.0f, 1.0f);
    slider->Thumb().Load("BSliderStem.Asvm");
    AddModel(std::move(slider), "Slider.Asvm", {350, 230}).SetValue(3.0f);

    auto field = std::make_unique<OTextField>(Font(), "Player", 11, true);
    field->SetPosition(300, 150);
    AddControl(std::move(field));
    auto stack = std::make_unique<OTextStack>(Font(), 12, false, 1.0f);
    stack->SetPosition(300, 100);
    stack->AddEntry("640 x 480", 0);
    stack->AddEntry("800 x 600", 1);
    AddControl(std::move(stack));
    label_ = std::make_unique<OTextLabel>(Font(), "Every control");
    label_->SetPosition(300, 60);
    label_->SetWidth(200, 20);
    return GameRenderWindow::CreateControls();
  }

  // A label is no control: the screen draws it in its flat overlay.
  void Draw() override {
    GameRenderWindow::Draw();
    SetOrtho2D(kLayoutSize, kLayoutSize);
    glEnable(GL_TEXTURE_2D);
    label_->Draw();
  }

  static constexpr Spot kSpots[] = {{80, 440},  {80, 380},  {80, 320},  {80, 240},  {80, 150},
                                    {250, 440}, {250, 400}, {250, 350}, {250, 310}, {350, 230}};

 private:
  template <typename Control>
  Control& AddModel(std::unique_ptr<Control> control, const char* model, Spot spot) {
    control->Load(model);
    control->PlaceAtDesignPoint(spot.x, spot.y, 0.0f, *Camera(), kLayoutSize, kLayoutSize);
    Control& added = *control;
    AddControl(std::move(control));
    return added;
  }
  ORadioGroup radios_;
  std::unique_ptr<OTextLabel> label_;
};

// Keeps the picture just before it is shown.
class PictureApplication : public OApplication {
 public:
  using OApplication::OApplication;

  void Flip() override {
    picture.assign(static_cast<std::size_t>(ClientWidth()) * ClientHeight() * 4, 0);
    glReadPixels(0, 0, ClientWidth(), ClientHeight(), GL_RGBA, GL_UNSIGNED_BYTE, picture.data());
    OApplication::Flip();
  }

  Pixels picture;
};

TEST(ControlGalleryTest, EveryControlShowsWhereItIsPlaced) {
  // Under xvfb-run, SDL_VIDEODRIVER=x11 draws on the X server instead.
  setenv("SDL_VIDEODRIVER", "offscreen", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  if (std::string_view(std::getenv("SDL_VIDEODRIVER")) == "offscreen") {
    KeepGLDriverLoaded();
  }
  TempFolder folder;
  OConfig config(folder / "Data/Config.Cfg");
  // 800 x 600: the size the window is first made in; the offscreen driver does not resize its surface.
  config.displayMode = 1;
  config.colourDepth = 32;
  config.fullScreen = false;
  config.Save();
  OLog log(folder / "Report.html");
  TestArchive archive(Assets());
  PictureApplication application(config, log);
  application.Create("3D", "Tornet 3D", 800, 600, 0);
  ASSERT_TRUE(application.HasRenderingContext());
  application.Init();
  application.Camera()->transform[14] = -64.0f;
  application.Camera()->LookAt(0.0f, 0.0f, 0.0f);
  application.Light()->Apply();

  auto plain = std::make_unique<ORenderWindow>(205);
  plain->SetBackground("nongameback.jpg");
  application.Screens().AddWindow(std::move(plain));
  auto gallery = std::make_unique<GalleryScreen>();
  gallery->SetBackground("nongameback.jpg");
  application.Screens().AddWindow(std::move(gallery));

  application.Screens().SetActiveWindow(205);
  application.Frame(16);
  const Pixels background = application.picture;
  application.Screens().SetActiveWindow(206);
  application.Frame(16);
  const Pixels controls = application.picture;
  ASSERT_EQ(controls.size(), background.size());

  if (const char* shot = std::getenv("TORNET_GALLERY_SHOT")) {
    SavePicture(controls, shot);
  }
  for (const Spot& spot : GalleryScreen::kSpots) {
    SCOPED_TRACE(testing::Message() << "the control at " << spot.x << ", " << spot.y);
    EXPECT_GT(ChangedAround(controls, background, spot.x, spot.y, 8.0f), 30);
  }
  EXPECT_GT(ChangedAround(controls, background, 330, 160, 10.0f), 30) << "the text field";
  EXPECT_GT(ChangedAround(controls, background, 330, 110, 10.0f), 30) << "the text stack";
  EXPECT_GT(ChangedAround(controls, background, 330, 68, 8.0f), 30) << "the label";
  EXPECT_GT(ChangedAround(controls, background, 459, 485, 6.0f), 30) << "the window buttons";
}

}  // namespace
