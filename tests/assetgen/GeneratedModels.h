// The models and their textures as the generator writes them, made once per
// test binary and kept by full archive name.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

using Members = std::map<std::string, std::vector<std::uint8_t>>;

const Members& GeneratedModels();
// A fresh run of the model generator.
Members GenerateModels();
