// The failures that make the game unusable. They travel to the entry function,
// which shows a message box and ends the game with the failure's code.
#pragma once

#include <cstdint>
#include <string>

struct OException {
  std::uint32_t code;
  std::string message;
};

// A texture, model or other data file that the archive cannot give whole.
struct OFileNotFound : OException {
  OFileNotFound() : OException{3, "Required file missing. Please reinstall the game."} {}
};

// The only OpenGL on offer is not hardware accelerated.
struct OSoftwareGL : OException {
  OSoftwareGL() : OException{1, "Аппаратная поддержка OpenGL отсутсвует."} {}
};
