#include "screens/BoardWindow.h"

#include <GL/gl.h>

#include <numbers>

#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "audio/GameSounds.h"
#include "audio/OMusicList.h"
#include "game/BlockManager.h"
#include "game/Cylinder.h"
#include "game/RingArrows.h"
#include "game/SkillRules.h"
#include "gfx/OCamera.h"
#include "gfx/OFont.h"
#include "gfx/Ortho2D.h"
#include "ui/OAction.h"
#include "ui/OBlendButton.h"
#include "ui/RotateButton.h"

namespace {

constexpr float kFieldOfView = 65.0f;
constexpr float kNearPlane = 1.0f;
constexpr float kCameraDistance = -64.0f;
constexpr float kBoardDistance = 30.0f;
constexpr float kRotateScale = 0.5f;
constexpr std::uint16_t kFieldWidth = 200;
constexpr std::uint16_t kFieldHeight = 16;
constexpr float kPausedSize = 2.5f;

}  // namespace

BoardWindow::BoardWindow(std::uint32_t identifier, const Layout& layout)
    : GameRenderWindow(identifier), layout_(layout) {}

BoardWindow::~BoardWindow() = default;

bool BoardWindow::CreateControls() {
  MakeCamera();
  audio_.SetHost(Application());
  score_ = MakeField(78, 480);
  skill_ = MakeField(10, 462);
  skill_->SetText(SkillRules::Current().name);
  MakeButtons();
  CreateModeControls();
  arrows_ = std::make_unique<RingArrows>(arrowClips_);
  floatingTexts_ = std::make_unique<SceneTextList>(SceneTextList::Kind::Floating, Font());
  longTexts_ = std::make_unique<SceneTextList>(SceneTextList::Kind::Long, Font());
  CreateRules();
  StartGame();
  return GameRenderWindow::CreateControls();
}

void BoardWindow::MakeCamera() {
  camera_ =
      std::make_unique<OCamera>(PixelWidth(), PixelHeight(), kFieldOfView, kNearPlane, layout_.farPlane);
  camera_->transform[14] = kCameraDistance;
  camera_->LookAt(0.0f, 0.0f, 0.0f);
  picker_.SetCamera(camera_.get());
  Attach(Application(), camera_.get(), Light());
}

void BoardWindow::MakeButtons() {
  OButton* menu = AddButton(std::make_unique<OBlendButton>(layout_.menuId, false), "menu.asvm", 450, 25);
  OButton* clockwise =
      AddButton(std::make_unique<RotateButton>(layout_.rotateClockwiseId), "rotate_cw.asvm", 90, 256);
  OButton* anticlockwise =
      AddButton(std::make_unique<RotateButton>(layout_.rotateAnticlockwiseId), "rotate_acw.asvm", 420, 256);
  clockwise->SetScale(kRotateScale, kRotateScale, kRotateScale);
  anticlockwise->SetScale(kRotateScale, kRotateScale, kRotateScale);
  buttons_.Set(menu, clockwise, anticlockwise);
}

OButton* BoardWindow::AddButton(std::unique_ptr<OButton> button, const char* model, float x, float y) {
  button->Load(model);
  button->PlaceAtDesignPoint(x, y, 0.0f, *camera_, kLayoutSize, kLayoutSize);
  OButton* added = button.get();
  AddControl(std::move(button));
  return added;
}

std::unique_ptr<OTextLabel> BoardWindow::MakeField(std::int16_t x, std::int16_t y) {
  auto field = std::make_unique<OTextLabel>(Font(), "");
  field->SetPosition(x, y);
  field->SetWidth(kFieldWidth, kFieldHeight);
  field->SetScale(kFieldSize);
  return field;
}

void BoardWindow::PlaceBoard(Cylinder& board) {
  cursor_.SetBoard(&board, SupplyRing() != nullptr);
  board.SetPicker(&cursor_);
  board.SetCursor(&cursor_);
  board.transform[14] = kBoardDistance;
  board.RotateLocalX(-std::numbers::pi_v<float> / 2.0f);
}

void BoardWindow::LinkRules(BlockManager& rules) {
  rules.SetAudio(&audio_);
  rules.SetButtons(&buttons_);
  rules.SetArrows(arrows_.get());
  rules.SetFloatingTexts(floatingTexts_.get());
  rules.SetLongTexts(longTexts_.get());
}

void BoardWindow::OnShow() {
  GameRenderWindow::OnShow();
  audio_.SwitchPlaylist(layout_.playlist);
  audio_.HushMusic(paused_);
}

void BoardWindow::OnHide() {
  // A turn key held while the screen goes is let go: its release comes to another screen.
  ReleaseTurnKey();
  GameRenderWindow::OnHide();
  audio_.HushMusic(false);
  audio_.SwitchPlaylist(OMusicList::Menu());
}

void BoardWindow::SetPaused(bool paused) {
  if (paused == paused_ || Board() == nullptr || !CanPause()) {
    return;
  }
  paused_ = paused;
  ReleaseTurnKey();
  // Hidden, the board and the supply ring take no clicks either.
  Board()->enabled = !paused;
  if (OControl* supply = SupplyRing()) {
    supply->enabled = !paused;
  }
  audio_.HushMusic(paused);
}

void BoardWindow::OnWindowInactive() { SetPaused(true); }

void BoardWindow::Update(std::uint32_t deltaMs) {
  if (paused_) {
    return;
  }
  if (Board() != nullptr) {
    Board()->Update(deltaMs);
    // Blocks fall and rings turn under a cursor that stays put: its group is looked up again.
    if (cursor_.Shown() && Board()->State() == BoardState::Idle && !turnPress_) {
      PointAtCursor(OEvent::Key(OEvent::kKeyDown, 0, 0));
    }
  }
  AfterBoardFrame();
  arrowClips_.UpdateAll(deltaMs);
  floatingTexts_->Update(deltaMs);
  longTexts_->Update(deltaMs);
  UpdateEffects(deltaMs);
}

void BoardWindow::Draw() {
  GameRenderWindow::Draw();
  if (!paused_) {
    arrowClips_.DrawAll(*camera_);
    DrawEffects();
    floatingTexts_->Draw();
    longTexts_->Draw();
  }
  OFont* font = Font();
  if (font == nullptr) {
    return;
  }
  SetOrtho2D(kLayoutSize, kLayoutSize);
  glEnable(GL_TEXTURE_2D);
  font->colour = OColor4(1.0f, 0.984f, 0.0f, 1.0f);
  DrawLabel(10, 480, "Score:");
  DrawModeLabels();
  font->colour = OColor4(1.0f, 1.0f, 1.0f, 1.0f);
  score_->Draw();
  skill_->Draw();
  DrawModeFields();
  if (paused_) {
    DrawPaused();
  }
}

void BoardWindow::DrawPaused() const {
  const char* const text = "Paused";
  glPushMatrix();
  glLoadIdentity();
  const float width = static_cast<float>(Font()->TextWidth(text)) * kPausedSize;
  Font()->DrawText((kLayoutSize - width) / 2.0f, kLayoutSize / 2.0f, text, true, kPausedSize);
  glPopMatrix();
}

void BoardWindow::DrawLabel(float x, float y, const char* text) const {
  glPushMatrix();
  glLoadIdentity();
  Font()->DrawText(x, y, text, false, kFieldSize);
  glPopMatrix();
}

bool BoardWindow::HandleEvent(const OEvent& event) {
  // A move by nothing (the desktop's way of saying where the pointer is) leaves the cursor.
  if (event.type == OEvent::kMouseMove && (event.dx != 0 || event.dy != 0)) {
    cursor_.Hide();
  }
  if (IsPress(event) && !paused_ && HandleModeAction(ActionOf(event))) {
    return true;
  }
  return HandlePauseKey(event) || HandleCursorAction(event) || GameRenderWindow::HandleEvent(event);
}

bool BoardWindow::HandlePauseKey(const OEvent& event) {
  if (ActionOf(event) != OAction::kPause || !CanPause()) {
    return false;
  }
  if (IsPress(event) && !pauseKeyHeld_) {
    SetPaused(!paused_);
  }
  pauseKeyHeld_ = IsPress(event);
  return true;
}

bool BoardWindow::HandleCursorAction(const OEvent& event) {
  if (Board() == nullptr || paused_) {
    return false;
  }
  // The held turn key's release stops the turn, whatever Shift or Ctrl did meanwhile.
  if (IsRelease(event) && turnPress_ && SameKeyOrButton(event, *turnPress_)) {
    ReleaseTurnKey();
    return true;
  }
  const bool down = IsPress(event);
  const OAction action = ActionOf(event);
  switch (action) {
    case OAction::kLeft:
    case OAction::kRight:
    case OAction::kUp:
    case OAction::kDown:
      if (down) {
        // The first press only shows the cursor where it starts.
        if (cursor_.Shown()) {
          cursor_.MoveAcross(action == OAction::kRight ? 1 : action == OAction::kLeft ? -1 : 0);
          cursor_.MoveUpDown(action == OAction::kUp ? 1 : action == OAction::kDown ? -1 : 0);
        }
        cursor_.Show();
        PointAtCursor(event);
      }
      return true;
    case OAction::kAct:
      if (down) {
        cursor_.Show();
        if (OControl* pointed = PointAtCursor(event)) {
          OEvent click = event;
          click.type = OEvent::kButtonDown;
          click.button = OEvent::kLeft;
          pointed->HandleEvent(click);
        }
      }
      return true;
    case OAction::kTurnLeft:
    case OAction::kTurnRight:
    case OAction::kTurnAllLeft:
    case OAction::kTurnAllRight:
      if (down) {
        PressTurnKey(event, action);
      }
      return true;
    default:
      return false;
  }
}

void BoardWindow::PressTurnKey(const OEvent& event, OAction turn) {
  // A held key repeats its press; the turn it started goes on until the release.
  if (turnPress_) {
    return;
  }
  // Left turns the way the left rotate arrow does.
  const int direction = turn == OAction::kTurnLeft || turn == OAction::kTurnAllLeft ? 1 : -1;
  turnPress_ = event;
  turnKeyTurnsAll_ = turn == OAction::kTurnAllLeft || turn == OAction::kTurnAllRight;
  if (turnKeyTurnsAll_) {
    RotatePressed(direction);
    return;
  }
  cursor_.Show();
  cursor_.SetTurnDirection(direction);
  if (PointAtCursor(event) == Board()) {
    OEvent press = event;
    press.type = OEvent::kButtonDown;
    press.button = OEvent::kRight;
    Board()->HandleEvent(press);
  }
}

void BoardWindow::ReleaseTurnKey() {
  if (!turnPress_ || Board() == nullptr) {
    return;
  }
  OEvent release = *turnPress_;
  turnPress_.reset();
  if (turnKeyTurnsAll_) {
    RotateReleased();
    return;
  }
  release.type = OEvent::kButtonUp;
  release.button = OEvent::kRight;
  Board()->HandleEvent(release);
}

OControl* BoardWindow::PointAtCursor(const OEvent& event) {
  OEvent move = event;
  move.type = OEvent::kMouseMove;
  move.dx = 0;
  move.dy = 0;
  // As the screen hands the pointer on: the board first, as it stands in front.
  OControl* pointed = nullptr;
  for (OControl* control : {static_cast<OControl*>(Board()), SupplyRing()}) {
    if (control == nullptr || pointed != nullptr) {
      continue;
    }
    if (!control->HitTest(move)) {
      if (control->highlighted && control != Board()) {
        control->Unhighlight();
      }
      continue;
    }
    pointed = control;
    control->Highlight();
    control->HandleEvent(move);
  }
  return pointed;
}

bool BoardWindow::OnEscape() {
  LeaveForMenu();
  return true;
}

bool BoardWindow::OnCommand(std::uint32_t command, std::uint32_t param) {
  if (command == layout_.rotateClockwiseId || command == layout_.rotateAnticlockwiseId) {
    if (param == OControl::kControlPressed) {
      RotatePressed(command == layout_.rotateClockwiseId ? 1 : -1);
    } else if (param == OControl::kControlReleased) {
      RotateReleased();
    }
    return true;
  }
  if (command == layout_.menuId) {
    LeaveForMenu();
    return true;
  }
  if (command == layout_.boardId) {
    if (param == OControl::kScoreChanged) {
      ShowScore();
    } else if (param == OControl::kGameFinished) {
      FinishGame();
    }
    return true;
  }
  return GameRenderWindow::OnCommand(command, param);
}

void BoardWindow::RotatePressed(int direction) {
  if (Board() != nullptr && Board()->State() == BoardState::Idle && !paused_) {
    Board()->RotateAll(direction);
  }
}

void BoardWindow::RotateReleased() {
  if (Board() != nullptr && Board()->State() == BoardState::RotatingAll) {
    Board()->StopAll();
  }
}

void BoardWindow::ShowScore() { score_->SetNumber(Rules().Score()); }

// Until the score screen takes the result, the finished game waits on its board.
void BoardWindow::FinishGame() {
  auto* scores = Application() != nullptr
                     ? dynamic_cast<ScoreWindow*>(Application()->Screens().FindWindow(kScoreScreen))
                     : nullptr;
  if (scores != nullptr) {
    HandOver(*scores);
  }
  if (Board() != nullptr) {
    Board()->SetState(BoardState::GameOver);
  }
  if (Application() != nullptr) {
    Application()->Screens().SetActiveWindow(kScoreScreen);
  }
}

// A full table makes room only for a result that is inserted, so the table is
// asked only when the result may enter.
void BoardWindow::HandOver(ScoreWindow& scores) {
  ScoreRecord& entry = scores.Pending();
  entry.skill = Rules().Skill().skill;
  entry.score = ScoreRecord::FileScore(Rules().Score());
  ScoreTable& table = scores.Table(layout_.scorePage);
  if (ResultMayEnter() && table.Qualifies(entry)) {
    scores.EnterName(table.Insert(entry));
  }
  scores.SetPage(layout_.scorePage);
}

void BoardWindow::LeaveForMenu() {
  audio_.PlaySound(GameSounds::kAction);
  if (Application() != nullptr) {
    Application()->Screens().SetActiveWindow(kMainMenu);
  }
}
