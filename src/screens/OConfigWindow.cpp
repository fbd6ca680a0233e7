#include "screens/OConfigWindow.h"

#include <GL/gl.h>

#include <algorithm>
#include <string>

#include "app/OApplication.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "core/OConfig.h"
#include "game/Block.h"
#include "game/SkillRules.h"
#include "gfx/OCamera.h"
#include "gfx/OFont.h"
#include "gfx/OLight.h"
#include "gfx/OModelManager.h"
#include "gfx/OTextureManager.h"
#include "gfx/Ortho2D.h"
#include "screens/GameTypeWindow.h"
#include "screens/LayoutFrame.h"
#include "screens/OMenuWindow.h"
#include "screens/PlaceOnLayout.h"
#include "ui/OButton.h"
#include "ui/OCheckBox.h"
#include "ui/ORadioButton.h"
#include "ui/OSlider.h"
#include "ui/OTextStack.h"
#include "ui/SkinButton.h"

namespace {

constexpr std::uint32_t kConfirmScreen = 210;

// Row k has its label at 452 - 20 k; a model control is centred 13 higher,
// since models stand on their middle and text on its baseline.
constexpr float kLabelX = 80.0f;
constexpr float kControlX = 275.0f;
constexpr float kSliderX = 345.0f;
constexpr float kSmallBoxX = 175.0f;
constexpr float kFullScreenBoxX = 295.0f;
constexpr float kShowGroupsY = 180.0f;
constexpr float kSkinY = 105.0f;
constexpr float kButtonY = 50.0f;
constexpr float kOkX = 180.0f;
constexpr float kCancelX = 300.0f;
constexpr float kLabelScale = 0.8f;
constexpr float kStackScale = 0.75f;
constexpr float kOptionScale = 3.5f;
constexpr float kSkinScale = 0.3f;

constexpr float LabelY(int row) { return 452.0f - 20.0f * static_cast<float>(row); }
constexpr float ModelY(int row) { return LabelY(row) + 13.0f; }

struct Label {
  const char* text;
  float x;
  float y;
};

constexpr Label kLabels[] = {
    {"Resolution", kLabelX, LabelY(2)},
    {"Color Depth", kLabelX, LabelY(3)},
    {"Full Screen", kLabelX, LabelY(4)},
    {"Model details", kLabelX, LabelY(5)},
    {"Texture quality", kLabelX, LabelY(6)},
    {"Sound", kLabelX, LabelY(7)},
    {"Music", kLabelX, LabelY(8)},
    {"Skill level:", kLabelX, LabelY(12)},
    {"Easy", 230.0f, LabelY(12)},
    {"Normal", 312.0f, LabelY(12)},
    {"Show groups", kLabelX, 165.0f},
    {"Start from:", kLabelX, 128.0f},
    {"Select skin", kLabelX, 95.0f},
};

constexpr float kSkillRadioY = 205.0f;
constexpr float kEasyRadioX = 255.0f;
constexpr float kNormalRadioX = 348.0f;
constexpr float kStartLevelRadioY = 141.0f;
constexpr float kDigitsY = 148.0f;
constexpr float kDigitScale = 0.5f;
constexpr std::array<float, 10> kStartLevelRadioX{229, 248, 270, 292, 313, 336, 357, 379, 401, 426};

constexpr LayoutFrame kFrames[] = {
    {70, 285, 440, 440},  // system options
    {70, 82, 440, 246},   // game options
    {75, 190, 435, 240},  // skill
    {75, 126, 435, 166},  // start level
};

struct Skin {
  const char* texture;
  std::int32_t number;
};

// Offered in this order; the button keeps them by number.
constexpr Skin kSkins[] = {
    {"col.tga", OConfigWindow::kSkinCol}, {"scr.tga", OConfigWindow::kSkinScr},
    {"wea.tga", OConfigWindow::kSkinWea}, {"dom.tga", OConfigWindow::kSkinDom},
    {"tex.tga", OConfigWindow::kSkinTex},
};

constexpr std::uint8_t kMode800x600 = 1;
constexpr std::uint8_t kMode1024x768 = 2;
constexpr std::int32_t kLoudest = 65535;

std::unique_ptr<OSlider> Slider(std::uint32_t command, float minimum, float maximum, float step, int row,
                                const OCamera* camera) {
  auto slider = std::make_unique<OSlider>(command, minimum, maximum, step);
  slider->Thumb().Load("BSliderStem.Asvm");
  return PlaceOnLayout(std::move(slider), "Slider.Asvm", kSliderX, ModelY(row), 1.0f, camera);
}

std::int32_t ResolutionOf(int width, int height) {
  if (width == 800 && height == 600) {
    return OConfigWindow::k800x600;
  }
  if (width == 1024 && height == 768) {
    return OConfigWindow::k1024x768;
  }
  return OConfigWindow::kOtherSize;
}

// True when the value changed, which then is in force.
template <typename T>
bool Commit(T& committed, const T& pending) {
  if (committed == pending) {
    return false;
  }
  committed = pending;
  return true;
}

}  // namespace

OApplication* OConfigWindow::App() const { return dynamic_cast<OApplication*>(Application()); }

bool OConfigWindow::CreateControls() {
  MakeSystemControls();
  MakeGameControls();
  MakeSkinButton();
  Keep(PlaceOnLayout(std::make_unique<OButton>(kOk, false), "ok.asvm", kOkX, kButtonY, 1.0f, Camera()));
  Keep(PlaceOnLayout(std::make_unique<OButton>(kCancel, false), "cancel.asvm", kCancelX, kButtonY, 1.0f,
                     Camera()));
  ReadSettingsInForce();
  pending_ = committed_;
  return GameRenderWindow::CreateControls();
}

void OConfigWindow::MakeSystemControls() {
  auto stack = [this](std::uint32_t command, int row) {
    auto made = std::make_unique<OTextStack>(Font(), command, false, kStackScale);
    made->SetPosition(static_cast<std::int16_t>(kControlX), static_cast<std::int16_t>(LabelY(row)));
    return made;
  };
  auto resolution = stack(kResolution, 2);
  resolution->AddEntry("800 x 600", k800x600);
  resolution->AddEntry("1024 x 768", k1024x768);
  resolution_ = Keep(std::move(resolution));
  auto colourDepth = stack(kColourDepth, 3);
  colourDepth->AddEntry("16 Bit", 16);
  colourDepth->AddEntry("32 Bit", 32);
  colourDepth_ = Keep(std::move(colourDepth));
  fullScreen_ = Keep(PlaceOnLayout(std::make_unique<OCheckBox>(kFullScreen), "CheckBox.Asvm", kFullScreenBoxX,
                                   ModelY(4), kOptionScale, Camera()));
  auto modelDetail = stack(kModelDetail, 5);
  modelDetail->AddEntry("Hight", OModelManager::kHighDetail);
  modelDetail->AddEntry("Low", OModelManager::kLowDetail);
  modelDetail_ = Keep(std::move(modelDetail));
  textureQuality_ = Keep(Slider(kTextureQuality, 4.0f, 10.0f, 1.0f, 6, Camera()));
  sound_ = Keep(PlaceOnLayout(std::make_unique<OCheckBox>(kSound), "CheckBox.Asvm", kSmallBoxX, ModelY(7),
                              kOptionScale, Camera()));
  soundVolume_ = Keep(Slider(kSoundVolume, 4096.0f, static_cast<float>(kLoudest), 4096.0f, 7, Camera()));
  music_ = Keep(PlaceOnLayout(std::make_unique<OCheckBox>(kMusic), "CheckBox.Asvm", kSmallBoxX, ModelY(8),
                              kOptionScale, Camera()));
  musicVolume_ = Keep(Slider(kMusicVolume, 10.0f, 100.0f, 1.0f, 8, Camera()));
}

void OConfigWindow::MakeGameControls() {
  const float radioX[] = {kEasyRadioX, kNormalRadioX};
  for (std::size_t skill = 0; skill < skillRadios_.size(); ++skill) {
    skillRadios_[skill] = Keep(
        PlaceOnLayout(std::make_unique<ORadioButton>(kEasy + static_cast<std::uint32_t>(skill), &skillGroup_),
                      "PARadio.asvm", radioX[skill], kSkillRadioY, kOptionScale, Camera()));
  }
  showGroups_ = Keep(PlaceOnLayout(std::make_unique<OCheckBox>(kShowGroups), "CheckBox.Asvm", kControlX,
                                   kShowGroupsY, kOptionScale, Camera()));
  for (std::size_t level = 0; level < startLevelRadios_.size(); ++level) {
    startLevelRadios_[level] = Keep(
        PlaceOnLayout(std::make_unique<ORadioButton>(kFirstStartLevel + static_cast<std::uint32_t>(level),
                                                     &startLevelGroup_),
                      "PARadio.asvm", kStartLevelRadioX[level], kStartLevelRadioY, kOptionScale, Camera()));
  }
}

void OConfigWindow::MakeSkinButton() {
  auto skin = PlaceOnLayout(std::make_unique<SkinButton>(kSkin, false), "skin.asvm", kControlX, kSkinY,
                            kSkinScale, Camera());
  for (const Skin& offered : kSkins) {
    skin->AddSkin(offered.texture, offered.number);
  }
  skin_ = Keep(std::move(skin));
  // A name that is none of ours keeps -1 in force, so the settings file keeps
  // it until the player picks a skin; the blocks meanwhile wear the first one.
  committed_.skin = App() != nullptr ? skin_->FindSkin(App()->Config().skin) : -1;
  WearSkin(committed_.skin);
}

void OConfigWindow::ReadSettingsInForce() {
  OApplication* app = App();
  if (app == nullptr) {
    return;
  }
  ReadDisplayInForce();
  committed_.modelDetail = OModelManager::Instance().Detail();
  committed_.textureQuality = static_cast<std::int32_t>(OTextureManager::Instance().FilterMode());
  committed_.soundOn = app->SoundAvailable() && app->Sound().effectsEnabled;
  committed_.soundVolume = app->SoundAvailable() ? static_cast<std::int32_t>(app->Sound().Volume()) : 0;
  committed_.musicOn = app->Config().musicOn;
  committed_.musicVolume = app->Music().GetVolume();
  const OConfig& rules = OConfig::Instance();
  // A skill number the game does not know shows the skill it plays, and stays
  // in the settings file unless the player picks another.
  committed_.skill = SkillRules::Current().skill;
  committed_.showGroups = rules.showGroups;
  committed_.startLevel = rules.startLevel;
}

void OConfigWindow::ReadDisplayInForce() {
  const OApplication* app = App();
  if (app == nullptr) {
    return;
  }
  // A choice the player has made here stays; an untouched one follows the display.
  const auto follow = [](auto& pending, auto& committed, auto inForce) {
    if (pending == committed) {
      pending = inForce;
    }
    committed = inForce;
  };
  follow(pending_.resolution, committed_.resolution, ResolutionOf(app->ClientWidth(), app->ClientHeight()));
  follow(pending_.colourDepth, committed_.colourDepth, static_cast<std::int32_t>(app->ColourBits()));
  follow(pending_.fullScreen, committed_.fullScreen, app->FullScreen() != 0);
}

void OConfigWindow::OnShow() {
  GameRenderWindow::OnShow();
  // The full-screen window button changes the display behind this screen's
  // back, here or on the skill question.
  ReadDisplayInForce();
  ShowSettings();
}

void OConfigWindow::ShowSettings() {
  // A size the stack does not offer shows its first entry, "800 x 600".
  resolution_->Select(pending_.resolution);
  colourDepth_->Select(pending_.colourDepth);
  modelDetail_->Select(pending_.modelDetail);
  fullScreen_->SetChecked(pending_.fullScreen);
  sound_->SetChecked(pending_.soundOn);
  music_->SetChecked(pending_.musicOn);
  showGroups_->SetChecked(pending_.showGroups);
  textureQuality_->SetValue(static_cast<float>(pending_.textureQuality));
  soundVolume_->SetValue(static_cast<float>(pending_.soundVolume));
  musicVolume_->SetValue(static_cast<float>(pending_.musicVolume));
  skillGroup_.Select(skillRadios_[pending_.skill == 0 ? 0 : 1]);
  SelectStartLevel(pending_.startLevel);
}

void OConfigWindow::SelectStartLevel(std::int32_t level) {
  const std::int32_t index = std::clamp(level, 1, static_cast<std::int32_t>(startLevelRadios_.size())) - 1;
  startLevelGroup_.Select(startLevelRadios_[static_cast<std::size_t>(index)]);
}

bool OConfigWindow::OnEscape() {
  if (Application() == nullptr) {
    return false;
  }
  Application()->PlaySound(GameSounds::kAction);
  Revert();
  Leave();
  return true;
}

bool OConfigWindow::OnCommand(std::uint32_t command, std::uint32_t param) {
  if (App() == nullptr) {
    return GameRenderWindow::OnCommand(command, param);
  }
  // Sliders talk on every step of a drag; they stay silent.
  switch (command) {
    case kTextureQuality:
      pending_.textureQuality = static_cast<std::int32_t>(textureQuality_->Value());
      return true;
    case kSoundVolume:
      SetSoundVolume(static_cast<std::int32_t>(soundVolume_->Value()));
      return true;
    case kMusicVolume:
      SetMusicVolume(static_cast<std::int32_t>(musicVolume_->Value()));
      return true;
    case kQuitCommand:
      return GameRenderWindow::OnCommand(command, param);
    default:
      break;
  }
  App()->PlaySound(GameSounds::kAction);
  switch (command) {
    case kResolution:
      pending_.resolution = resolution_->CurrentKey();
      return true;
    case kColourDepth:
      pending_.colourDepth = colourDepth_->CurrentKey();
      return true;
    case kFullScreen:
      pending_.fullScreen = fullScreen_->Checked();
      return true;
    case kModelDetail:
      pending_.modelDetail = modelDetail_->CurrentKey();
      return true;
    case kSound:
      SetSound(param == OControl::kClicked);
      return true;
    case kMusic:
      SetMusic(param == OControl::kClicked);
      return true;
    case kEasy:
    case kNormal:
      ChooseSkill(static_cast<std::int32_t>(command - kEasy));
      return true;
    case kShowGroups:
      pending_.showGroups = showGroups_->Checked();
      return true;
    case kSkin:
      WearSkin(skin_->CurrentSkinNumber());
      return true;
    case kOk:
      Apply();
      Leave();
      return true;
    case kCancel:
      Revert();
      Leave();
      return true;
    default:
      break;
  }
  if (command >= kFirstStartLevel && command <= kLastStartLevel) {
    pending_.startLevel = static_cast<std::int32_t>(command - kFirstStartLevel) + 1;
    return true;
  }
  return GameRenderWindow::OnCommand(command, param);
}

void OConfigWindow::SetSound(bool on) {
  const bool available = App()->SoundAvailable();
  pending_.soundOn = on && available;
  if (!available) {
    sound_->SetChecked(false);
    return;
  }
  App()->Sound().effectsEnabled = on;
}

void OConfigWindow::SetMusic(bool on) {
  pending_.musicOn = on;
  OMusic& music = App()->Music();
  if (on) {
    music.Start();
  } else {
    music.SavePosition();
    music.Stop();
  }
}

void OConfigWindow::SetSoundVolume(std::int32_t volume) {
  if (!App()->SoundAvailable()) {
    return;
  }
  // The slider's last step lands one past the loudest volume.
  pending_.soundVolume = std::min(volume, kLoudest);
  App()->Sound().SetVolume(static_cast<std::uint32_t>(pending_.soundVolume));
}

void OConfigWindow::SetMusicVolume(std::int32_t volume) {
  pending_.musicVolume = volume;
  App()->Music().SetVolume(volume);
}

void OConfigWindow::ChooseSkill(std::int32_t skill) {
  pending_.skill = skill;
  // Groups are shown whenever the skill is chosen, so a new skill is learnt with them.
  pending_.showGroups = true;
  showGroups_->SetChecked(true);
  const auto* gameType =
      dynamic_cast<const GameTypeWindow*>(Application()->Screens().FindWindow(GameTypeWindow::kIdentifier));
  if (pending_.skill != committed_.skill && gameType != nullptr && gameType->GameInProgress()) {
    Application()->Screens().SetActiveWindow(kConfirmScreen);
  }
}

void OConfigWindow::KeepCommittedSkill() {
  pending_.skill = committed_.skill;
  skillGroup_.Select(skillRadios_[pending_.skill == 0 ? 0 : 1]);
}

void OConfigWindow::WearSkin(std::int32_t skin) {
  pending_.skin = skin;
  skin_->SelectSkin(skin);
  // The blocks share the button's picture, so every board shows it at once.
  Block::Skin() = skin_->Texture();
}

void OConfigWindow::Apply() {
  OConfig& config = App()->Config();
  ApplyDisplay();
  if (Commit(committed_.modelDetail, pending_.modelDetail)) {
    OModelManager::Instance().SetDetail(committed_.modelDetail);
    OModelManager::Instance().ReloadDetailModels();
    config.modelDetail = committed_.modelDetail;
  }
  if (Commit(committed_.textureQuality, pending_.textureQuality)) {
    const auto mode = static_cast<std::uint32_t>(committed_.textureQuality);
    OTextureManager::Instance().SetFilterMode(mode);
    OTextureManager::Instance().ReapplyFilter(mode);
    config.textureQuality = committed_.textureQuality;
  }
  // Sound and music were switched, and the volumes set, as the player chose them.
  if (Commit(committed_.soundOn, pending_.soundOn)) {
    config.soundOn = committed_.soundOn;
  }
  if (Commit(committed_.musicOn, pending_.musicOn)) {
    config.musicOn = committed_.musicOn;
  }
  if (Commit(committed_.soundVolume, pending_.soundVolume)) {
    config.soundVolume = committed_.soundVolume;
  }
  if (Commit(committed_.musicVolume, pending_.musicVolume)) {
    config.musicVolume = committed_.musicVolume;
  }
  ApplySkill();
  if (Commit(committed_.showGroups, pending_.showGroups)) {
    OConfig::Instance().showGroups = committed_.showGroups;
    config.showGroups = committed_.showGroups;
  }
  if (Commit(committed_.startLevel, pending_.startLevel)) {
    OConfig::Instance().startLevel = committed_.startLevel;
    config.startLevel = committed_.startLevel;
  }
  if (Commit(committed_.skin, pending_.skin)) {
    config.skin = skin_->CurrentSkinName();
  }
  config.Save();
}

void OConfigWindow::ApplyDisplay() {
  const bool changed = committed_.resolution != pending_.resolution ||
                       committed_.colourDepth != pending_.colourDepth ||
                       committed_.fullScreen != pending_.fullScreen;
  if (!changed) {
    return;
  }
  committed_.resolution = pending_.resolution;
  committed_.colourDepth = pending_.colourDepth;
  committed_.fullScreen = pending_.fullScreen;
  OApplication& app = *App();
  std::uint8_t mode = app.ModeIndex();
  if (committed_.resolution == k800x600) {
    mode = kMode800x600;
  } else if (committed_.resolution == k1024x768) {
    mode = kMode1024x768;
  }
  app.SetColourBits(static_cast<std::int8_t>(committed_.colourDepth));
  app.SetFullScreen(committed_.fullScreen ? 1 : 0);
  app.ChangeResolution(mode);
  if (app.Light() != nullptr) {
    app.Light()->Apply();
  }
  OConfig& config = app.Config();
  config.displayMode = mode;
  config.colourDepth = committed_.colourDepth;
  config.fullScreen = committed_.fullScreen;
}

void OConfigWindow::ApplySkill() {
  if (!Commit(committed_.skill, pending_.skill)) {
    return;
  }
  OConfig::Instance().skill = committed_.skill;
  App()->Config().skill = committed_.skill;
  // The game in progress was dealt for the other skill.
  if (auto* gameType =
          dynamic_cast<GameTypeWindow*>(Application()->Screens().FindWindow(GameTypeWindow::kIdentifier))) {
    gameType->DiscardGame();
  }
}

void OConfigWindow::Revert() {
  const Settings chosen = pending_;
  pending_ = committed_;
  if (App() != nullptr) {
    OApplication& app = *App();
    if (app.SoundAvailable()) {
      app.Sound().effectsEnabled = committed_.soundOn;
    }
    if (chosen.musicOn != committed_.musicOn) {
      SetMusic(committed_.musicOn);
    }
    if (app.SoundAvailable()) {
      app.Sound().SetVolume(static_cast<std::uint32_t>(committed_.soundVolume));
    }
    app.Music().SetVolume(committed_.musicVolume);
  }
  WearSkin(committed_.skin);
  ShowSettings();
}

void OConfigWindow::Leave() { Application()->Screens().SetActiveWindow(OMenuWindow::kIdentifier); }

void OConfigWindow::Draw() {
  OFont* font = Font();
  // The stacks draw their text in the font's colour, white like the headings.
  if (font != nullptr) {
    font->colour = OColor4(1.0f, 1.0f, 1.0f, 1.0f);
  }
  GameRenderWindow::Draw();
  SetOrtho2D(kLayoutSize, kLayoutSize);
  DrawFrames();
  DrawLabels();
}

void OConfigWindow::DrawFrames() const {
  for (const LayoutFrame& frame : kFrames) {
    frame.Draw();
  }
}

void OConfigWindow::DrawLabels() const {
  OFont* font = Font();
  if (font == nullptr) {
    return;
  }
  font->colour = OColor4(1.0f, 1.0f, 1.0f, 1.0f);
  font->DrawText(160.0f, 440.0f, "SYSTEM OPTIONS", true, 1.0f);
  font->DrawText(174.0f, 250.0f, "GAME OPTIONS", true, 1.0f);
  font->colour = OColor4(0.671f, 0.690f, 0.718f, 1.0f);
  for (const Label& label : kLabels) {
    font->DrawText(label.x, label.y, label.text, true, kLabelScale);
  }
  // Each number stands over its own button: a line of digits spaced with
  // blanks drifts away from the buttons in a font whose digits are narrower.
  for (std::size_t level = 0; level < kStartLevelRadioX.size(); ++level) {
    const std::string number = std::to_string(level + 1);
    const float halfWidth = font->TextWidth(number) * kDigitScale / 2.0f;
    font->DrawText(kStartLevelRadioX[level] - halfWidth, kDigitsY, number, true, kDigitScale);
  }
}
