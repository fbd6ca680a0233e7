// The cell the pointer picks must be the block the player sees under it. Every
// block is drawn in a flat colour of its own through the board's own drawing,
// and the picture is compared with the pick over a grid of pointer positions.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <optional>
#include <sstream>

#include "BoardScene.h"

namespace {

constexpr int kGridStep = 3;  // pixels between pointer positions
// Near a block's edge either answer will do. The pick tests boxes and the
// blocks have rounded edges and sides, so a box reaches a little past its
// block: up to three pixels where a ring curves away from the camera, four
// where a hole lays a block's side open. The ray also runs through the corner
// of the pointer's pixel, not its centre.
constexpr int kEdgeSlack = 2;   // pixels from any edge in the picture
constexpr int kBevelSlack = 4;  // pixels from where the picture shows the pick's answer

// What is under one pixel: nothing, or a ring slot and a storage index.
struct Cell {
  int slot = -1;
  int cell = -1;
  bool operator==(const Cell&) const = default;
};

// A block that draws in its own colour, whatever the light and the skin: fog
// so thick that only the fog colour is left.
class FlatBlock : public Block {
 public:
  FlatBlock(const Block& block, int id) : Block(block), id_(id) {}
  void Draw() override {
    const float fog[4] = {static_cast<float>(id_) / 255.0f, 1.0f, 0.0f, 1.0f};
    glFogfv(GL_FOG_COLOR, fog);
    Block::Draw();
  }

 private:
  int id_;
};

int IdOf(int slot, int cell) { return slot * 20 + cell + 1; }

void PaintBlocksFlat(Cylinder& board) {
  for (int slot = 0; slot < board.RingCount(); ++slot) {
    Ring& ring = board.RingInSlot(slot);
    for (std::uint16_t cell = 0; cell < ring.CellCount(); ++cell) {
      auto flat = std::make_unique<FlatBlock>(ring.BlockAt(cell), IdOf(slot, cell));
      ring.ReplaceBlock(cell, std::move(flat));
    }
  }
}

// The board as the player sees it, one cell per pixel, rows from the top.
std::vector<Cell> DrawCells(BoardScene& scene) {
  scene.BeginFrame(0.0f, 0.0f, 0.0f);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_FOG);
  glFogi(GL_FOG_MODE, GL_EXP);
  glFogf(GL_FOG_DENSITY, 1000.0f);
  scene.Harness().Board().Draw();
  glDisable(GL_FOG);
  const std::vector<std::uint8_t> pixels = scene.Context().ReadPixels();
  std::vector<Cell> cells(BoardScene::kWidth * BoardScene::kHeight);
  for (int y = 0; y < BoardScene::kHeight; ++y) {
    for (int x = 0; x < BoardScene::kWidth; ++x) {
      const std::uint8_t* p = &pixels[((BoardScene::kHeight - 1 - y) * BoardScene::kWidth + x) * 4];
      if (p[0] != 0 && p[1] == 255) {
        cells[y * BoardScene::kWidth + x] = {(p[0] - 1) / 20, (p[0] - 1) % 20};
      }
    }
  }
  return cells;
}

// What the board makes of the pointer there: the ring it is over and that
// ring's cell, and whether that cell holds a block.
struct Answer {
  Cell cell;
  bool block = false;
};

Answer Ask(Cylinder& board, const OEvent& pointer) {
  board.HitTest(pointer);
  const int slot = board.ActiveRing();
  if (slot < 0) {
    return {};
  }
  return {{slot, board.RingInSlot(slot).HoveredCell()}, board.HoveredRing() == slot};
}

// Over a block the picture must show that block. Over an empty cell the ring
// takes the pointer, so the picture may show a block of another ring through
// the hole, or the vanishing block itself, but never a block of the same ring.
bool Agrees(BoardScene& scene, const OEvent& pointer, const Answer& answer, const Cell& seen) {
  const Cylinder& board = scene.Harness().Board();
  if (answer.cell.slot < 0) {
    return seen.slot < 0;
  }
  if (seen.slot >= 0) {
    const Block& shown = board.RingInSlot(seen.slot).BlockAt(static_cast<std::uint16_t>(seen.cell));
    // A fading block writes no depth, so whether it covers the block behind it
    // depends only on which of the two is drawn first.
    if (shown.state == BlockState::Vanishing && scene.Picker().Hits(shown, pointer) &&
        answer.cell.slot >= 0) {
      return true;
    }
  }
  if (answer.block) {
    return seen == answer.cell;
  }
  return seen.slot != answer.cell.slot || seen == answer.cell ||
         board.RingInSlot(seen.slot).BlockAt(static_cast<std::uint16_t>(seen.cell)).colour == kEmpty;
}

// Pointer positions where the pick and the picture disagree further than the slack from any edge.
std::string Disagreements(BoardScene& scene, const std::vector<Cell>& seen, int& compared, int& overBlocks) {
  Cylinder& board = scene.Harness().Board();
  // Away from the board the picture is empty and so is the pick; a margin
  // round the drawn board is enough to see a pick that reaches too far.
  constexpr int kMargin = 24;
  int left = BoardScene::kWidth;
  int right = 0;
  int top = BoardScene::kHeight;
  int bottom = 0;
  for (int y = 0; y < BoardScene::kHeight; ++y) {
    for (int x = 0; x < BoardScene::kWidth; ++x) {
      if (seen[y * BoardScene::kWidth + x].slot >= 0) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  left = std::max(kBevelSlack, left - kMargin);
  right = std::min(BoardScene::kWidth - kBevelSlack - 1, right + kMargin);
  top = std::max(kBevelSlack, top - kMargin);
  bottom = std::min(BoardScene::kHeight - kBevelSlack - 1, bottom + kMargin);

  std::ostringstream faults;
  int count = 0;
  for (int y = top; y <= bottom; y += kGridStep) {
    for (int x = left; x <= right; x += kGridStep) {
      const OEvent pointer = BoardScene::Pointer(x, y);
      const Answer answer = Ask(board, pointer);
      ++compared;
      overBlocks += answer.block ? 1 : 0;
      if (Agrees(scene, pointer, answer, seen[y * BoardScene::kWidth + x])) {
        continue;
      }
      const Cell& here = seen[y * BoardScene::kWidth + x];
      bool nearEdge = false;
      bool answerNearby = false;
      for (int dy = -kBevelSlack; dy <= kBevelSlack; ++dy) {
        for (int dx = -kBevelSlack; dx <= kBevelSlack; ++dx) {
          const Cell& there = seen[(y + dy) * BoardScene::kWidth + x + dx];
          if (std::abs(dx) <= kEdgeSlack && std::abs(dy) <= kEdgeSlack && !(there == here)) {
            nearEdge = true;
          }
          answerNearby = answerNearby || Agrees(scene, pointer, answer, there);
        }
      }
      if (!nearEdge && !answerNearby && ++count <= 10) {
        const Cell& cell = seen[y * BoardScene::kWidth + x];
        faults << "  at (" << x << ", " << y << ") the pick says slot " << answer.cell.slot << " cell "
               << answer.cell.cell << (answer.block ? " (block)" : " (empty)") << ", the picture shows slot "
               << cell.slot << " cell " << cell.cell << "\n";
      }
    }
  }
  if (count > 0) {
    faults << count << " disagreements\n";
  }
  return faults.str();
}

class BoardPickTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(scene_.Context().Ok()) << scene_.Context().Error(); }

  // The picture, one cell per pixel, for checks of its own.
  std::vector<Cell> ExpectPickMatchesPicture() {
    PaintBlocksFlat(scene_.Harness().Board());
    const std::vector<Cell> seen = DrawCells(scene_);
    int compared = 0;
    int overBlocks = 0;
    EXPECT_EQ(Disagreements(scene_, seen, compared, overBlocks), "");
    // A board that missed the window entirely would agree everywhere.
    EXPECT_GT(overBlocks, compared / 3);
    return seen;
  }

  BoardScene scene_;
};

TEST_F(BoardPickTest, AFullBoard) {
  scene_.Deal(BoardScene::FullBoard());
  ExpectPickMatchesPicture();
}

TEST_F(BoardPickTest, TurnedRings) {
  Cylinder& board = scene_.Deal(BoardScene::FullBoard()).Board();
  const float step = 2.0f * std::numbers::pi_v<float> / 20.0f;
  // Whole steps, as a ring ends a turn, and one caught half-way through a step.
  board.RingAt(2).RotateLocalZ(3.0f * step);
  board.RingAt(2).SetOffset(3);
  board.RingAt(6).RotateLocalZ(-7.0f * step);
  board.RingAt(6).SetOffset(-7);
  board.RingAt(4).RotateLocalZ(0.4f * step);
  ExpectPickMatchesPicture();
}

TEST_F(BoardPickTest, EmptyCellsShowWhatIsBehindThem) {
  std::vector<std::string> picture = BoardScene::FullBoard();
  // Holes at the front of some rings, the back of others, one whole ring gone
  // and a ring with a single block.
  picture[1] = "....................";
  picture[2] = "..Y.................";
  for (const int row : {3, 5, 7}) {
    picture[row].replace(0, 3, "...");
    picture[row].replace(17, 3, "...");
  }
  for (const int row : {4, 8}) {
    picture[row].replace(6, 8, "........");
  }
  picture[9].replace(8, 4, "....");
  scene_.Deal(picture);
  ExpectPickMatchesPicture();
}

TEST_F(BoardPickTest, AVanishingBlockHidesNothing) {
  Cylinder& board = scene_.Deal(BoardScene::FullBoard()).Board();
  for (const int position : {4, 5}) {
    for (const int column : {0, 1, 19}) {
      Block& block = board.RingAt(position).BlockAtColumn(column);
      block.colour = kEmpty;
      block.state = BlockState::Vanishing;
      block.SetAlpha(1.0f);  // the first frame of its fade, so the picture shows it in its own colour
    }
  }
  const std::vector<Cell> seen = ExpectPickMatchesPicture();
  // The middle ring's front block is the first one drawn; through its middle
  // the ring's back block shows, since the fading block left no depth behind.
  const Cylinder& shown = scene_.Harness().Board();
  const int middle = BoardScene::kHeight / 2 * BoardScene::kWidth + BoardScene::kWidth / 2;
  EXPECT_EQ(seen[middle], (Cell{shown.SlotOf(shown.RingAt(4)), 10}));
}

}  // namespace
