#include "app/CommandLine.h"

#include <charconv>
#include <cstring>

#include "game/RemoverRules.h"

namespace {

std::optional<std::uint32_t> DealNumber(const char* text) {
  std::uint32_t number = 0;
  const char* end = text + std::strlen(text);
  const auto [stop, error] = std::from_chars(text, end, number);
  if (error != std::errc() || stop != end || number < 1 || number > RemoverRules::kLastDeal) {
    return std::nullopt;
  }
  return number;
}

}  // namespace

CommandLine::CommandLine(std::span<const char* const> arguments) {
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    if (std::strcmp(arguments[i], "--deal") != 0) {
      continue;
    }
    deal_ = i + 1 < arguments.size() ? DealNumber(arguments[++i]) : std::nullopt;
    if (!deal_) {
      problem_ = "--deal takes a game number from 1 to " + std::to_string(RemoverRules::kLastDeal);
      return;
    }
  }
}
