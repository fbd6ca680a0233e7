// Writes a top-ten file through the game's own table, so the end-to-end tests
// start with records on the screen:
//   score_writer FILE [NAME SKILL SCORE]...
#include <cstdio>
#include <cstdlib>

#include "screens/ScoreTable.h"

int main(int argc, char** argv) {
  if (argc < 2 || (argc - 2) % 3 != 0) {
    std::fputs("usage: score_writer FILE [NAME SKILL SCORE]...\n", stderr);
    return 2;
  }
  ScoreTable table(argv[1]);
  for (int i = 2; i < argc; i += 3) {
    table.Insert(ScoreRecord{std::atoi(argv[i + 1]), argv[i], std::atoi(argv[i + 2])});
  }
  return table.Save() ? 0 : 1;
}
