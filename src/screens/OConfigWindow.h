// The options screen: every setting of the game in two framed groups. Sound,
// music, the volumes and the skin are heard or seen at once; the rest waits
// for ok, which applies and saves everything. Cancel and Escape put back every
// control and every live effect.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <utility>

#include "screens/GameRenderWindow.h"
#include "ui/ORadioGroup.h"

class OApplication;
class OCheckBox;
class ORadioButton;
class OSlider;
class OTextStack;
class SkinButton;

class OConfigWindow : public GameRenderWindow {
 public:
  static constexpr std::uint32_t kIdentifier = 205;
  static constexpr std::uint32_t kOk = 2051;
  static constexpr std::uint32_t kCancel = 2052;
  static constexpr std::uint32_t kResolution = 2053;
  static constexpr std::uint32_t kColourDepth = 2057;
  static constexpr std::uint32_t kSound = 2058;
  static constexpr std::uint32_t kMusic = 2059;
  static constexpr std::uint32_t kModelDetail = 2060;
  static constexpr std::uint32_t kTextureQuality = 2061;
  static constexpr std::uint32_t kSoundVolume = 2062;
  static constexpr std::uint32_t kMusicVolume = 2063;
  static constexpr std::uint32_t kEasy = 2064;
  static constexpr std::uint32_t kNormal = 2065;
  static constexpr std::uint32_t kFullScreen = 2067;
  static constexpr std::uint32_t kShowGroups = 2068;
  static constexpr std::uint32_t kSkin = 2069;
  static constexpr std::uint32_t kFirstStartLevel = 2076;
  static constexpr std::uint32_t kLastStartLevel = 2085;
  // The resolution stack's values.
  static constexpr std::int32_t k800x600 = 2055;
  static constexpr std::int32_t k1024x768 = 2056;
  // A window size the stack does not offer.
  static constexpr std::int32_t kOtherSize = 0;
  static constexpr std::int32_t kSkinWea = 2070;
  static constexpr std::int32_t kSkinScr = 2071;
  static constexpr std::int32_t kSkinDom = 2073;
  static constexpr std::int32_t kSkinCol = 2074;
  static constexpr std::int32_t kSkinTex = 2075;

  // What the player sees on the screen (pending) and what is in force (committed).
  struct Settings {
    std::int32_t resolution = kOtherSize;
    std::int32_t colourDepth = 32;
    bool fullScreen = false;
    std::int32_t modelDetail = 1;
    std::int32_t textureQuality = 10;
    bool soundOn = false;
    bool musicOn = false;
    std::int32_t soundVolume = 0;
    std::int32_t musicVolume = 0;
    std::int32_t skill = 0;
    bool showGroups = true;
    std::int32_t startLevel = 1;
    std::int32_t skin = -1;
  };

  OConfigWindow() : GameRenderWindow(kIdentifier) {}

  bool CreateControls() override;
  // Every control shows the pending values; the skin button keeps what it wears.
  void OnShow() override;
  void Draw() override;
  // Escape, when no control takes it, cancels.
  bool OnEscape() override;
  bool OnCommand(std::uint32_t command, std::uint32_t param) override;

  // The confirmation screen's cancel: the skill in force is chosen again.
  void KeepCommittedSkill();

  const Settings& Pending() const { return pending_; }
  const Settings& Committed() const { return committed_; }

 private:
  template <typename Control>
  Control* Keep(std::unique_ptr<Control> control) {
    Control* kept = control.get();
    AddControl(std::move(control));
    return kept;
  }

  OApplication* App() const;
  void ReadSettingsInForce();
  void ReadDisplayInForce();
  void MakeSystemControls();
  void MakeGameControls();
  void MakeSkinButton();

  void SetSound(bool on);
  void SetMusic(bool on);
  void SetSoundVolume(std::int32_t volume);
  void SetMusicVolume(std::int32_t volume);
  void ChooseSkill(std::int32_t skill);
  void WearSkin(std::int32_t skin);
  void ShowSettings();
  void SelectStartLevel(std::int32_t level);

  void Apply();
  void ApplyDisplay();
  void ApplySkill();
  void Revert();
  void Leave();

  void DrawFrames() const;
  void DrawLabels() const;

  Settings committed_;
  Settings pending_;

  // The controls are owned by the screen.
  OTextStack* resolution_ = nullptr;
  OTextStack* colourDepth_ = nullptr;
  OTextStack* modelDetail_ = nullptr;
  OCheckBox* fullScreen_ = nullptr;
  OCheckBox* sound_ = nullptr;
  OCheckBox* music_ = nullptr;
  OCheckBox* showGroups_ = nullptr;
  OSlider* textureQuality_ = nullptr;
  OSlider* soundVolume_ = nullptr;
  OSlider* musicVolume_ = nullptr;
  ORadioGroup skillGroup_;
  std::array<ORadioButton*, 2> skillRadios_{};
  ORadioGroup startLevelGroup_;
  std::array<ORadioButton*, 10> startLevelRadios_{};
  SkinButton* skin_ = nullptr;
};
