// Controls, screens and an application that write what is asked of them into
// one shared log, so tests can check the order of the calls.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "app/ORenderWindow.h"
#include "app/OScreenHost.h"
#include "app/OScreenList.h"

using Log = std::vector<std::string>;

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

// The log so far, leaving it empty for the next step.
inline Log Take(Log& log) { return std::exchange(log, {}); }
