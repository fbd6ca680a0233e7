// The worlds the app tests run in: controls and screens that write what is
// asked of them into one shared log, and a folder with the settings, the
// report and the message boxes for windows on the offscreen video driver.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/OConfig.h"
#include "core/OLog.h"
#include "app/ORenderWindow.h"
#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "platform/MessageBox.h"
#include "support/GLTestContext.h"
#include "support/OffscreenVideo.h"
#include "support/TestFiles.h"

using Log = std::vector<std::string>;

// The log so far, leaving it empty for the next step.
inline Log Take(Log& log) { return std::exchange(log, {}); }

// A control whose hit test and answer the test sets.
class FakeControl : public OControl {
 public:
  FakeControl(std::string name, bool canTakeFocus, Log& log)
      : OControl(0, canTakeFocus), name_(std::move(name)), log_(log) {}

  bool HandleEvent(const OEvent& event) override {
    return Write("event " + std::to_string(event.type), consumes);
  }
  void Draw() override { Write("draw"); }
  bool HitTest(const OEvent& /*event*/) override { return hit; }
  bool Init() override { return Write("init"); }
  void Highlight() override { OControl::Highlight(), Write("highlight"); }
  void Unhighlight() override { OControl::Unhighlight(), Write("unhighlight"); }

  bool hit = false;
  bool consumes = false;

 private:
  bool Write(const std::string& call, bool answer = true) {
    log_.push_back(name_ + " " + call);
    return answer;
  }
  std::string name_;
  Log& log_;
};

class FakeScreen : public ORenderWindow {
 public:
  FakeScreen(std::uint32_t identifier, Log& log) : ORenderWindow(identifier), log_(log) {}
  ~FakeScreen() override { Write("deleted"); }

  void OnShow() override { ORenderWindow::OnShow(), Write("show"); }
  void OnHide() override { ORenderWindow::OnHide(), Write("hide"); }
  bool CreateControls() override { return Write("create"), controlsMade; }

  bool controlsMade = true;

 private:
  void Write(const std::string& call) { log_.push_back(std::to_string(Identifier()) + " " + call); }
  Log& log_;
};

class FakeHost : public OScreenHost {
 public:
  OScreenList& Screens() override { return screens; }
  void PostQuit() override {}

  OScreenList screens{*this};
};

// Settings and report in a fresh folder; message boxes are collected, not shown.
class WindowWorld : public ::testing::Test {
 protected:
  void SetUp() override {
    previousBoxes_ = platform::SetMessageBoxHandler(
        [this](const std::string& caption, const std::string& text, platform::MessageBoxIcon) {
          boxes.push_back(caption + ": " + text);
        });
  }
  void TearDown() override { platform::SetMessageBoxHandler(previousBoxes_); }

  // The first three lines of a settings file; the rest keep their defaults.
  void SaveSettings(int displayMode, int colourDepth, bool fullScreen) {
    WriteText(config.fileName, std::to_string(displayMode) + "\n" + std::to_string(colourDepth) + "\n" +
                                   (fullScreen ? "1\n" : "0\n"));
  }
  std::string Report() const { return ReadText(folder / "Report.html"); }

  TempFolder folder;
  OConfig config{folder / "Data/Config.Cfg"};
  OLog log{folder / "Report.html"};
  std::vector<std::string> boxes;

 private:
  platform::MessageBoxHandler previousBoxes_;
};

// Real windows with real OpenGL on the offscreen video driver.
class OffscreenWorld : public WindowWorld {
 protected:
  void SetUp() override {
    USE_OFFSCREEN_VIDEO_OR_SKIP();
    KeepGLDriverLoaded();
    WindowWorld::SetUp();
  }
};
