// The main menu: the hub every side screen returns to. New game, continue the
// game in progress, options, top-ten tables, help, and the way out.
#pragma once

#include <cstdint>

#include "screens/GameRenderWindow.h"

class GameTypeWindow;

class OMenuWindow : public GameRenderWindow {
 public:
  static constexpr std::uint32_t kIdentifier = 201;
  static constexpr std::uint32_t kNewGame = 2010;
  static constexpr std::uint32_t kOptions = 2011;
  static constexpr std::uint32_t kHelp = 2012;
  static constexpr std::uint32_t kTopTen = 2014;
  static constexpr std::uint32_t kExit = 2015;
  static constexpr std::uint32_t kContinue = 2016;

  OMenuWindow() : GameRenderWindow(kIdentifier) {}

  bool CreateControls() override;
  // The continue button comes and goes with the game in progress.
  void OnShow() override;
  void Draw() override;
  // Escape, when no control takes it, ends the game as the exit button does.
  bool OnEscape() override;
  // A controller's Start continues the game in progress.
  bool OnMenuButton() override;
  bool OnCommand(std::uint32_t command, std::uint32_t param) override;

  bool HasContinueButton() const { return continue_ != nullptr; }

 private:
  GameTypeWindow* GameType() const;
  void Resume();
  void Quit();
  void Show(std::uint32_t identifier);

  OControl* continue_ = nullptr;  // owned by the screen's controls while shown
};
