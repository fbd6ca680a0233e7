// Between the menu and play: the player picks the strategy or the arcade
// game. This screen makes the game screen for the mode, and keeps the one game
// that exists at a time, so the other screens ask it whether a game is in
// progress and have it discard the game.
#pragma once

#include <cstdint>
#include <optional>
#include <random>

#include "screens/GameRenderWindow.h"

class CollapseWindow;
class RemoverWindow;

class GameTypeWindow : public GameRenderWindow {
 public:
  static constexpr std::uint32_t kIdentifier = 202;
  static constexpr std::uint32_t kBackToMenu = 2020;
  static constexpr std::uint32_t kRemover = 2021;
  static constexpr std::uint32_t kBreakdown = 2022;

  GameTypeWindow() : GameRenderWindow(kIdentifier), flicker_(std::random_device{}()) {}

  bool CreateControls() override;
  // The flickering hint, and the mode's caption while the pointer is over its button.
  void Draw() override;
  // Escape goes back to the menu.
  bool OnEscape() override;
  bool OnCommand(std::uint32_t command, std::uint32_t param) override;

  bool GameInProgress() const { return remover_ != nullptr || breakdown_ != nullptr; }
  // Unregisters and deletes the game screen, if there is one.
  void DiscardGame();
  // A Remover game on the deal of that number, in place of any game in progress.
  void StartRemoverDeal(std::uint32_t deal);
  RemoverWindow* RemoverGame() const { return remover_; }
  CollapseWindow* BreakdownGame() const { return breakdown_; }

 private:
  void StartGame(std::uint32_t mode, std::optional<std::uint32_t> deal = std::nullopt);
  void ShowMenu();

  OControl* removerButton_ = nullptr;    // owned by the screen's controls
  OControl* breakdownButton_ = nullptr;  // owned by the screen's controls
  // The game screen is registered with the application, which holds it; this
  // screen makes it and discards it.
  RemoverWindow* remover_ = nullptr;
  CollapseWindow* breakdown_ = nullptr;
  std::minstd_rand flicker_;
};
