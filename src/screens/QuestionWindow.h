// A yes-or-no question in a frame, with ok and cancel under it: the screens
// that ask before something is lost.
#pragma once

#include <cstdint>

#include "screens/GameRenderWindow.h"
#include "screens/LayoutFrame.h"

class QuestionWindow : public GameRenderWindow {
 public:
  // A line of the question, its baseline's left end in the 512 x 512 layout.
  struct Line {
    float x;
    float y;
    const char* text;
  };
  struct Question {
    std::uint32_t okId;
    std::uint32_t cancelId;
    LayoutFrame frame;
    Line first;
    Line second;
  };

  QuestionWindow(std::uint32_t identifier, const Question& question)
      : GameRenderWindow(identifier), question_(question) {}

  bool CreateControls() override;
  // The question in its frame.
  void Draw() override;
  bool OnCommand(std::uint32_t command, std::uint32_t param) override;

 protected:
  virtual void OnOk() = 0;
  virtual void OnCancel() = 0;

 private:
  Question question_;
};
