// Stand-ins that write down what a screen or the screen list asks of them, in
// one shared log, so tests can check the order of the calls.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "app/ORenderWindow.h"
#include "app/OScreenHost.h"
#include "app/OScreenList.h"
#include "ui/OControl.h"
#include "ui/OEvent.h"

using CallLog = std::vector<std::string>;

// A control whose hit test and answer the test sets.
class FakeControl : public OControl {
 public:
  FakeControl(std::string name, bool canTakeFocus, CallLog& log)
      : OControl(0, canTakeFocus), name_(std::move(name)), log_(log) {}
  ~FakeControl() override { log_.push_back(name_ + " deleted"); }

  bool HandleEvent(const OEvent& event) override {
    log_.push_back(name_ + " event " + std::to_string(event.type));
    return consumes;
  }
  void Draw() override { log_.push_back(name_ + " draw"); }
  bool HitTest(const OEvent& /*event*/) override { return hit; }
  bool Init() override {
    log_.push_back(name_ + " init");
    return true;
  }
  void Highlight() override {
    OControl::Highlight();
    log_.push_back(name_ + " highlight");
  }
  void Unhighlight() override {
    OControl::Unhighlight();
    log_.push_back(name_ + " unhighlight");
  }

  bool hit = false;
  bool consumes = false;

 private:
  std::string name_;
  CallLog& log_;
};

class FakeScreen : public ORenderWindow {
 public:
  FakeScreen(std::uint32_t identifier, CallLog& log) : ORenderWindow(identifier), log_(log) {}
  ~FakeScreen() override { log_.push_back(Name() + " deleted"); }

  void OnShow() override {
    ORenderWindow::OnShow();
    log_.push_back(Name() + " show");
  }
  void OnHide() override {
    ORenderWindow::OnHide();
    log_.push_back(Name() + " hide");
  }
  bool CreateControls() override {
    log_.push_back(Name() + " create");
    return controlsMade;
  }

  bool controlsMade = true;

 private:
  std::string Name() const { return std::to_string(Identifier()); }
  CallLog& log_;
};

class FakeHost : public OScreenHost {
 public:
  OScreenList& Screens() override { return screens; }
  void PostQuit() override {}

  OScreenList screens{*this};
};

inline OEvent EventOf(std::uint32_t type, std::uint16_t key = 0) {
  OEvent event;
  event.type = type;
  event.key = key;
  return event;
}

// The log so far, leaving it empty for the next step.
inline CallLog Take(CallLog& log) { return std::exchange(log, {}); }
