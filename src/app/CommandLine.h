// What the player may ask of the game when starting it: "--deal N" opens it on
// Remover deal N, so that a board can be played again or passed on.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

class CommandLine {
 public:
  // The arguments after the program's name. Ones the game does not know are
  // left alone, as a desktop's launcher may add its own.
  explicit CommandLine(std::span<const char* const> arguments);

  // False when an argument the game knows is given wrongly; `Problem` says how.
  bool Valid() const { return problem_.empty(); }
  const std::string& Problem() const { return problem_; }
  std::optional<std::uint32_t> Deal() const { return deal_; }

 private:
  std::optional<std::uint32_t> deal_;
  std::string problem_;
};
