// The program's entry: the game is made, started and run, and the two
// failures that make it unusable end it with a message and their code.
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <span>

#include "app/CommandLine.h"
#include "app/DEraviriv.h"
#include "core/OConfig.h"
#include "core/OException.h"
#include "core/OLog.h"
#include "platform/MessageBox.h"

namespace {

constexpr const char* kNoHardwareGL = "We are handle exception! No hardware OpenGL device!";
constexpr const char* kFilesBroken = "We are handle exception! Game files are missing or corrupted!";

// Ends the game at once: its destructors would only touch what failed. The
// report is still closed, so that it ends with its error total like any other.
[[noreturn]] void Fail(DEraviriv& game, const char* text, std::uint32_t code) {
  game.RestoreDesktop();
  platform::ShowMessageBox("Error", text, platform::MessageBoxIcon::Error);
  OLog::Instance().Close();
  std::_Exit(static_cast<int>(code));
}

std::terminate_handler standardTerminate = nullptr;

// A failure nobody catches ends the program without its destructors as well;
// the standard handler still says what it was.
[[noreturn]] void CloseLogAndTerminate() {
  OLog::Instance().Close();
  if (standardTerminate != nullptr) {
    standardTerminate();
  }
  std::abort();
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine arguments(std::span<const char* const>(argv + 1, argc > 0 ? argc - 1 : 0));
  if (!arguments.Valid()) {
    std::fprintf(stderr, "tornet3d: %s\n", arguments.Problem().c_str());
    return 2;
  }
  standardTerminate = std::set_terminate(CloseLogAndTerminate);
  auto game = std::make_unique<DEraviriv>(OConfig::Instance(), OLog::Instance());
  try {
    // Without a window and its GL context the game has nowhere to draw; the
    // window has already said why.
    if (!game->Create("3D", "Tornet 3D", 800, 600, 1)) {
      game.reset();
      OLog::Instance().Close();
      return 1;
    }
  } catch (const OSoftwareGL& failure) {
    Fail(*game, kNoHardwareGL, failure.code);
  }
  try {
    game->Init();
  } catch (const OFileNotFound& failure) {
    Fail(*game, kFilesBroken, failure.code);
  }
  if (arguments.Deal()) {
    game->PlayDeal(*arguments.Deal());
  }
  int result = 0;
  try {
    result = game->Run();
  } catch (const OFileNotFound& failure) {
    Fail(*game, kFilesBroken, failure.code);
  } catch (const OSoftwareGL& failure) {
    // A display-mode change can meet a software-only OpenGL as well.
    Fail(*game, kNoHardwareGL, failure.code);
  }
  game.reset();
  return result;
}
