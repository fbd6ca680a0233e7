// What the two game screens share: their own camera, the board seen through
// it, the menu and rotate buttons, the score line, the rings' arrows and the
// texts standing in the scene, the commands of the buttons and the board, and
// the music of the mode while the screen is shown. A mode adds its board and
// rules and the way a game starts.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "game/BoardCursor.h"
#include "game/RayCellPicker.h"
#include "game/SceneTextList.h"
#include "gfx/OClipList.h"
#include "screens/ApplicationAudio.h"
#include "screens/GameRenderWindow.h"
#include "screens/ScoreWindow.h"
#include "screens/ScreenButtons.h"
#include "ui/OAction.h"
#include "ui/OEvent.h"
#include "ui/OTextLabel.h"

class BlockManager;
class Cylinder;
class OButton;
class OCamera;
class OMusicList;
class RingArrows;

class BoardWindow : public GameRenderWindow {
 public:
  static constexpr std::uint32_t kMainMenu = 201;
  static constexpr std::uint32_t kScoreScreen = 209;
  static constexpr float kFieldSize = 0.8f;

  struct Layout {
    std::uint32_t boardId;
    std::uint32_t menuId;
    std::uint32_t rotateClockwiseId;
    std::uint32_t rotateAnticlockwiseId;
    float farPlane;
    OMusicList& playlist;
    // The top-ten table the mode's results go to.
    ScoreWindow::Page scorePage;
  };

  BoardWindow(std::uint32_t identifier, const Layout& layout);
  ~BoardWindow() override;

  // The mode's music takes over from the menu's while the game is shown.
  void OnShow() override;
  void OnHide() override;
  void Draw() override;
  // One frame of the board and of everything that moves over it.
  void Update(std::uint32_t deltaMs) override;
  bool CreateControls() override;
  // Escape (or a controller's B or Start) leaves for the menu; the game stays as it is.
  bool OnEscape() override;
  bool OnMenuButton() override { return OnEscape(); }
  // The cursor's keys play the board; the pointer moving hides the cursor; P pauses.
  bool HandleEvent(const OEvent& event) override;
  const BoardCursor& Cursor() const { return cursor_; }

  // A game that can pause (Breakdown) stops for the player: nothing moves, no
  // clock runs, the board hides behind "Paused" and the music is hushed until
  // the player resumes. Leaving for the menu and coming back keeps it paused.
  void SetPaused(bool paused);
  bool Paused() const { return paused_; }
  // Away from the window, the player cannot be playing: a game that can pause does.
  void OnWindowInactive() override;
  bool OnCommand(std::uint32_t command, std::uint32_t param) override;

  // Null between games.
  virtual Cylinder* Board() const = 0;
  virtual BlockManager& Rules() = 0;
  // Empties the lists and starts the mode's game from the beginning.
  virtual void StartGame() = 0;

  const std::string& ScoreText() const { return score_->Text(); }
  const std::string& SkillText() const { return skill_->Text(); }
  SceneTextList& FloatingTexts() { return *floatingTexts_; }
  SceneTextList& LongTexts() { return *longTexts_; }
  const OClipList& ArrowClips() const { return arrowClips_; }

 protected:
  // The arrows and Tab are the board cursor's, not the buttons'.
  bool MovesKeyFocus() const override { return false; }
  // The mode's controls that come before the rules object (the supply ring).
  virtual void CreateModeControls() {}
  // The ring under the board that takes clicks too; null for none.
  virtual OControl* SupplyRing() { return nullptr; }
  virtual void CreateRules() = 0;
  // What runs once the board's frame is done (the next Breakdown level).
  virtual void AfterBoardFrame() {}
  virtual void UpdateEffects(std::uint32_t /*deltaMs*/) {}
  virtual void DrawEffects() {}
  // The mode's labels and fields besides the score; the projection is the layout's.
  virtual void DrawModeLabels() {}
  virtual void DrawModeFields() {}
  // Whether the finished game may take a place in the top ten at all.
  virtual bool ResultMayEnter() const { return true; }
  // Only a race against the clock pauses.
  virtual bool CanPause() const { return false; }
  // A key or button of the mode's own (Remover's undo); false when it is not one.
  virtual bool HandleModeAction(OAction /*action*/) { return false; }

  // Gives the board the screen's picker and places it where the camera sees it whole.
  void PlaceBoard(Cylinder& board);
  // Links the rules with the screen's sounds, buttons, arrows and texts.
  void LinkRules(BlockManager& rules);
  std::unique_ptr<OTextLabel> MakeField(std::int16_t x, std::int16_t y);
  void DrawLabel(float x, float y, const char* text) const;
  void ShowScore();
  RingArrows& Arrows() { return *arrows_; }
  // A button of the board's screen, its model placed at a point of the layout.
  OButton* AddButton(std::unique_ptr<OButton> button, const char* model, float x, float y);

 private:
  void MakeCamera();
  void MakeButtons();
  void RotatePressed(int direction);
  void RotateReleased();
  // Arrows move the cursor, Space and Enter click under it, Z and X turn its
  // ring (with Shift every ring) while they are held, and a controller's
  // buttons do the same. False for other keys and buttons.
  bool HandleCursorAction(const OEvent& event);
  // Points the board, or the supply ring under it, at the cursor's cell as a
  // pointer moved there would; the one that takes the pointer, null when
  // neither does just now.
  OControl* PointAtCursor(const OEvent& event);
  void PressTurnKey(const OEvent& event, OAction turn);
  // The turn key held down is let go: the turn stops at the next column.
  void ReleaseTurnKey();
  // A press of P, not its repeats, pauses or resumes.
  bool HandlePauseKey(const OEvent& event);
  void DrawPaused() const;
  void FinishGame();
  void HandOver(ScoreWindow& scores);
  void LeaveForMenu();

  Layout layout_;
  std::unique_ptr<OCamera> camera_;
  RayCellPicker picker_;
  BoardCursor cursor_{picker_};
  // The press of the turn key or button held down, and whether it turns every ring.
  std::optional<OEvent> turnPress_;
  bool turnKeyTurnsAll_ = false;
  bool paused_ = false;
  bool pauseKeyHeld_ = false;
  ApplicationAudio audio_;
  ScreenButtons buttons_;
  OClipList arrowClips_;
  std::unique_ptr<RingArrows> arrows_;
  std::unique_ptr<SceneTextList> floatingTexts_;
  std::unique_ptr<SceneTextList> longTexts_;
  std::unique_ptr<OTextLabel> score_;
  std::unique_ptr<OTextLabel> skill_;
};
