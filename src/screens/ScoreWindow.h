// The top-ten tables: one mode's table at a time, paging to the other,
// clearing the shown one after a question, and the name of a new entry typed
// on its row. A finished game leaves its result here and is discarded once
// the player moves on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "screens/GameRenderWindow.h"
#include "screens/ScoreRecord.h"
#include "screens/ScoreRow.h"
#include "screens/ScoreTable.h"

class OTextField;

class ScoreWindow : public GameRenderWindow {
 public:
  static constexpr std::uint32_t kIdentifier = 209;
  static constexpr std::uint32_t kBackToMenu = 701;
  static constexpr std::uint32_t kNameField = 702;
  static constexpr std::uint32_t kRightArrow = 703;
  static constexpr std::uint32_t kLeftArrow = 704;
  static constexpr std::uint32_t kClear = 705;
  static constexpr std::size_t kNameLength = 16;

  enum Page : std::uint32_t { kRemoverPage = 0, kBreakdownPage = 1 };

  // The tables' files lie in `folder`, which ends in a slash.
  explicit ScoreWindow(const std::string& folder = "Data/");
  ~ScoreWindow() override;

  // The buttons, the tables read from their files, and the rows.
  bool CreateControls() override;
  // Shows the page's table; a new entry gets its name field.
  void OnShow() override;
  // An unconfirmed name is dropped, and a finished game is discarded.
  void OnHide() override;
  void Update(std::uint32_t deltaMs) override;
  void Draw() override;
  // Escape, when no control takes it, goes back to the menu.
  bool OnEscape() override;
  bool OnCommand(std::uint32_t command, std::uint32_t param) override;

  ScoreTable& Table(Page page) { return page == kBreakdownPage ? breakdown_ : remover_; }
  // The table the screen shows; it follows the page.
  ScoreTable& ShownTable() { return *shown_; }
  void SetPage(Page page);
  Page CurrentPage() const { return page_; }
  // What a finished game leaves: its skill and score, and the last name typed.
  ScoreRecord& Pending() { return pending_; }
  // The next showing asks for a name on that row of the shown table.
  void EnterName(std::size_t row);
  bool Entering() const { return entering_; }

  const std::string& Title() const { return title_; }
  const ScoreRow& Row(std::size_t index) const { return rows_[index]; }
  // Null while no name is asked for.
  OTextField* NameField() const { return nameField_; }

 private:
  void MakeButtons();
  void ShowRows();
  void OfferPageButtons(bool offered);
  void MakeNameField();
  void StoreName();
  void DiscardFinishedGame();
  void Show(std::uint32_t identifier, std::int32_t sound);
  void DrawLines() const;

  ScoreTable remover_;
  ScoreTable breakdown_;
  ScoreTable* shown_ = &remover_;
  Page page_ = kRemoverPage;
  std::string title_;
  ScoreRecord pending_;
  bool entering_ = false;
  std::size_t newRow_ = 0;
  std::vector<ScoreRow> rows_;
  std::vector<OControl*> pageButtons_;  // owned by the screen's controls
  OTextField* nameField_ = nullptr;     // owned by the screen's controls while a name is asked for
  // The field that was taken out may still be on the stack that reported its Enter; it goes with the next
  // frame.
  std::unique_ptr<OControl> retiredField_;
};
