// The words of the help screen's five pages and where each line goes. Bytes
// are Windows-1252, as the font draws them.
#pragma once

#include <span>

struct HelpLine {
  enum Kind { kBody, kHeading };

  int index;  // lines down from the top of the page, from 0
  Kind kind;
  const char* text;
};

struct HelpPage {
  const char* title;
  const char* subtitle;  // null when the page has none
  float topMargin;
  float column;
  bool bodyShadow;
  bool headingShadow;
  std::span<const HelpLine> lines;
};

// Overview, game types, goodies, credits and controls, in the order the arrows turn them.
std::span<const HelpPage> HelpPages();
