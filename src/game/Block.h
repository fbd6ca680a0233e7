// One cell of the board. Every cell keeps a block object for the life of the
// board; an empty cell is a block of colour 0, so moves only change colours,
// states and transforms, or swap in a copy.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "game/BoardTypes.h"
#include "gfx/OModel.h"
#include "gfx/OTexture.h"

class Cylinder;

class Block : public OModel {
 public:
  static constexpr std::uint32_t kVanishTime = 300;

  // No model is loaded here: a block draws nothing until its template loads one.
  explicit Block(std::string blockName = "Block", std::uint32_t clickSoundGroup = 0);
  Block(const Block& other) = default;
  Block& operator=(const Block&) = delete;

  // The picture every block and goody is cut from. One for the whole program,
  // so that the options screen changes every board at once.
  static OTexture& Skin();
  // Loads the skin the settings name.
  static void LoadSkin();

  // A vanishing block is see-through, so it must not hide what is behind it
  // from the depth buffer; blocks drawn after it still show through.
  void Draw() override;
  // Runs the removal animation: the block doubles in size while it fades out.
  void Update(std::uint32_t elapsed) override;
  // One step of the group search from this cell. Goodies change how they join.
  virtual bool Collect(std::uint16_t slot, std::uint16_t cell, BlockColour groupColour, std::uint16_t group,
                       Cylinder& board);
  virtual std::unique_ptr<Block> Clone() const;

  std::string name;
  BlockState state = BlockState::Resting;
  bool visited = false;
  BlockColour colour = kEmpty;
  std::uint32_t soundGroup;
  std::uint32_t clock = 0;
};
