// The help screen: five pages on the rules, the two games, the goodies, the
// people behind the game and the keys and buttons that play it, turned with
// two arrows. The goodies page shows a
// model of each goody beside its description.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "screens/GameRenderWindow.h"

class Block;
class OButton;
struct HelpPage;

class OHelpWindow : public GameRenderWindow {
 public:
  static constexpr std::uint32_t kIdentifier = 206;
  static constexpr std::uint32_t kMenu = 2060;
  static constexpr std::uint32_t kNextPage = 2061;
  static constexpr std::uint32_t kPreviousPage = 2062;
  static constexpr std::uint32_t kOverviewPage = 20601;
  static constexpr std::uint32_t kGameTypesPage = 20602;
  static constexpr std::uint32_t kGoodiesPage = 20603;
  static constexpr std::uint32_t kCreditsPage = 20604;
  static constexpr std::uint32_t kControlsPage = 20605;
  static constexpr std::uint32_t kLastPage = kControlsPage;

  OHelpWindow();
  ~OHelpWindow() override;

  bool CreateControls() override;
  // An arrow that has no page to turn to ignores the pointer.
  void OnShow() override;
  void Draw() override;
  // Escape goes back to the menu and keeps the page for the next visit.
  bool OnEscape() override;
  bool OnCommand(std::uint32_t command, std::uint32_t param) override;
  // Left and Page Up turn back, Right and Page Down forward, as the arrows do.
  bool HandleEvent(const OEvent& event) override;

  std::uint32_t Page() const { return page_; }

 private:
  OButton* AddButton(std::unique_ptr<OButton> button, const char* model, float x);
  void MakeGoodies();
  void TurnTo(std::uint32_t page);
  void ShowMenu();
  void DrawGoodies() const;
  void DrawPage(const HelpPage& page) const;

  std::uint32_t page_ = kOverviewPage;
  OButton* next_ = nullptr;      // owned by the screen's controls
  OButton* previous_ = nullptr;  // owned by the screen's controls
  std::vector<std::unique_ptr<Block>> goodies_;
};
