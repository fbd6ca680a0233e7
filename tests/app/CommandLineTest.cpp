// The game's command line: "--deal N" with N from 1 to the last deal, and
// arguments it does not know (a launcher's own) left alone.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "game/RemoverRules.h"

namespace {

TEST(CommandLine, DealNumbersAreTakenOnlyWithinTheDeals) {
  const std::string last = std::to_string(RemoverRules::kLastDeal);
  const std::string pastLast = std::to_string(RemoverRules::kLastDeal + 1);
  struct Case {
    std::vector<const char*> arguments;
    bool valid;
    std::optional<std::uint32_t> deal;
  };
  const Case cases[] = {
      {{}, true, std::nullopt},
      {{"--fullscreen", "x"}, true, std::nullopt},
      {{"%U", "--deal", "48213"}, true, 48213},
      {{"--deal", "1"}, true, 1},
      {{"--deal", last.c_str()}, true, RemoverRules::kLastDeal},
      {{"--deal", "0"}, false, std::nullopt},
      {{"--deal", pastLast.c_str()}, false, std::nullopt},
      {{"--deal", "12x"}, false, std::nullopt},
      {{"--deal", "-5"}, false, std::nullopt},
      {{"--deal"}, false, std::nullopt},
  };
  for (const Case& test : cases) {
    const CommandLine line(test.arguments);
    SCOPED_TRACE(test.arguments.empty() ? "" : test.arguments.back());
    EXPECT_EQ(line.Valid(), test.valid);
    EXPECT_EQ(line.Deal(), test.deal);
    EXPECT_EQ(line.Problem().empty(), test.valid);
  }
}

}  // namespace
