#include "gfx/OFont.h"

#include <algorithm>
#include <cmath>
#include <tuple>
#include <utility>

#include "gfx/OBaseImage.h"

namespace {

constexpr int kColumns = 16;
constexpr int kRows = 8;
constexpr int kMeasuredCells = kColumns * kRows;
static_assert(kMeasuredCells == OFont::kLastCode - OFont::kFirstCode + 1, "a cell for every drawn code");
constexpr float kUnmeasuredWidth = 10.0f;
constexpr float kBlankCellWidth = 12.0f;
// A glyph's quad is one unit short of its cell, so neighbouring cells never
// bleed into it.
constexpr GLfloat kQuadSize = OFont::kCellSize - 1;
constexpr GLfloat kCellS = 1.0f / kColumns;
constexpr GLfloat kCellT = 1.0f / kRows;
constexpr GLfloat kUnitsPerTexel = kQuadSize / OFont::kCellSize;

// A glyph's quad is cut to where its ink can show. That depends on the
// coarsest mip level the text is sampled at: level k averages blocks of 2^k
// texels a side, and filtering blends a block into the half block before it
// and the block after it. The cut stops at level 2; text drawn smaller keeps
// whole quads.
constexpr int kCutLevels = 3;
constexpr int kWholeQuads = kCutLevels;
// How far past a cell's edge a neighbour's ink can still reach into it.
constexpr int kNeighbourMargin = 2 << (kCutLevels - 1);

// The alpha of the texel at (x, y) counted from the picture's top left. The
// files keep their bottom row first. A picture without alpha, or a texel
// outside it, has no ink.
std::uint8_t AlphaAt(const OBaseImage& image, int x, int y) {
  const std::uint8_t* pixels = image.Pixels();
  if (pixels == nullptr || image.Format() != GL_RGBA || x >= image.Width() || y >= image.Height()) {
    return 0;
  }
  const std::size_t row = static_cast<std::size_t>(image.Height() - 1 - y);
  return pixels[(row * image.Width() + x) * 4 + 3];
}

bool ColumnHasInk(const OBaseImage& image, int x, int top) {
  for (int y = top; y < top + OFont::kCellSize; ++y) {
    if (AlphaAt(image, x, y) != 0) {
      return true;
    }
  }
  return false;
}

// The sheet repeats, so filtering at a cell's edge reads the far side.
std::uint8_t WrappedAlphaAt(const OBaseImage& image, int x, int y) {
  const int width = image.Width();
  const int height = image.Height();
  return AlphaAt(image, (x % width + width) % width, (y % height + height) % height);
}

// The texels, from `first` up to before `last`, that a texel of ink can tint
// when sampled at mip level `level` or finer; one texel more on each side
// allows for the rounding of texture coordinates.
struct Reach {
  int first;
  int last;
};
Reach ReachOf(int texel, int level) {
  const int block = 1 << level;
  const int start = texel - (texel % block + block) % block;
  return {start - block / 2 - 1, start + block + block / 2 + 1};
}

// The glyph advances up to and including its rightmost inked column.
float CellWidth(const OBaseImage& image, int left, int top) {
  for (int column = OFont::kCellSize - 1; column >= 0; --column) {
    if (ColumnHasInk(image, left + column, top)) {
      return static_cast<float>(column + 1);
    }
  }
  return kBlankCellWidth;
}

// The code whose cell draws a character, 0 for none. Control characters have
// no cell. Codes past the last cell (a name from a file typed elsewhere)
// would wrap round to the top rows and show another letter, so they show as
// the fallback instead.
unsigned char GlyphCode(char character) {
  const auto code = static_cast<unsigned char>(character);
  if (code < OFont::kFirstCode) {
    return 0;
  }
  return code > OFont::kLastCode ? OFont::kFallbackCode : code;
}

// The coarsest mip level the current transform samples the glyphs at, or
// kWholeQuads when that is past the cut levels or unknown (text in
// perspective). The renderer picks the level from the longer texel step per
// pixel along the screen's axes; a tenth more allows for its approximations.
int CoarsestLevelSampled() {
  GLfloat model[16];
  GLfloat projection[16];
  GLint viewport[4];
  glGetFloatv(GL_MODELVIEW_MATRIX, model);
  glGetFloatv(GL_PROJECTION_MATRIX, projection);
  glGetIntegerv(GL_VIEWPORT, viewport);
  // Element (row, column) of projection x model; matrices are column-major.
  const auto clip = [&](int row, int column) {
    float sum = 0.0f;
    for (int k = 0; k < 4; ++k) {
      sum += projection[k * 4 + row] * model[column * 4 + k];
    }
    return sum;
  };
  const float w = clip(3, 3);
  if (clip(3, 0) != 0.0f || clip(3, 1) != 0.0f || w == 0.0f) {
    return kWholeQuads;
  }
  // Pixels per glyph unit: along the screen's x (xx, xy) and y (yx, yy).
  const float halfWidth = static_cast<float>(viewport[2]) / (2.0f * w);
  const float halfHeight = static_cast<float>(viewport[3]) / (2.0f * w);
  const float xx = clip(0, 0) * halfWidth;
  const float xy = clip(0, 1) * halfWidth;
  const float yx = clip(1, 0) * halfHeight;
  const float yy = clip(1, 1) * halfHeight;
  const float area = std::fabs(xx * yy - xy * yx);
  if (area == 0.0f) {
    return kWholeQuads;
  }
  // The columns of the inverse: glyph units per pixel along each screen axis.
  const float unitsPerPixel = std::max(std::hypot(yy, yx), std::hypot(xy, xx)) / area;
  const float texelsPerPixel = 1.1f * unitsPerPixel / kUnitsPerTexel;
  for (int level = 0; level < kCutLevels; ++level) {
    if (texelsPerPixel <= static_cast<float>(1 << level)) {
      return level;
    }
  }
  return kWholeQuads;
}

}  // namespace

OFont::OFont(std::string textureName) : name_(std::move(textureName)) { widths_.fill(kUnmeasuredWidth); }

OFont::~OFont() { Unload(); }

bool OFont::Load() {
  // On a reload the old texture went with the old context.
  texture_.Clear();
  texture_.Set(name_);
  if (!measured_) {
    Measure(*texture_.Image());
    measured_ = true;
  }
  return texture_.Image()->TextureName() != 0;
}

void OFont::Unload() { texture_.Clear(); }

void OFont::Measure(const OBaseImage& image) {
  // Without the alpha of every texel nothing is known to be blank.
  const bool inkKnown = image.Pixels() != nullptr && image.Format() == GL_RGBA;
  static_assert(std::tuple_size_v<decltype(inkBoxes_)> == kCutLevels, "a box for every cut level");
  for (int cell = 0; cell < kMeasuredCells; ++cell) {
    const int left = cell % kColumns * kCellSize;
    const int top = cell / kColumns * kCellSize;
    widths_[cell] = CellWidth(image, left, top);
    for (int level = 0; level < kCutLevels; ++level) {
      inkBoxes_[level][cell] = inkKnown ? InkBoxOf(image, left, top, level) : InkBox{};
    }
  }
}

OFont::InkBox OFont::InkBoxOf(const OBaseImage& image, int left, int top, int level) {
  // Columns from the cell's left and rows from its top; empty until ink is found.
  int minX = kCellSize;
  int maxX = 0;
  int minRow = kCellSize;
  int maxRow = 0;
  for (int row = -kNeighbourMargin; row < kCellSize + kNeighbourMargin; ++row) {
    const Reach down = ReachOf(row, level);
    for (int x = -kNeighbourMargin; x < kCellSize + kNeighbourMargin; ++x) {
      const Reach across = ReachOf(x, level);
      const bool reachesCell =
          across.last > 0 && across.first < kCellSize && down.last > 0 && down.first < kCellSize;
      if (reachesCell && WrappedAlphaAt(image, left + x, top + row) != 0) {
        minX = std::min(minX, across.first);
        maxX = std::max(maxX, across.last);
        minRow = std::min(minRow, down.first);
        maxRow = std::max(maxRow, down.last);
      }
    }
  }
  const auto inCell = [](int texel) { return std::clamp(texel, 0, kCellSize); };
  return {inCell(minX), kCellSize - inCell(maxRow), inCell(maxX), kCellSize - inCell(minRow)};
}

int OFont::AdvanceOf(char character) const {
  const int code = GlyphCode(character);
  return code == 0 ? 0 : static_cast<int>(widths_[code - kFirstCode]);
}

std::uint16_t OFont::TextWidth(std::string_view text) const {
  int width = 0;
  for (const char character : text) {
    width += AdvanceOf(character);
  }
  return static_cast<std::uint16_t>(std::min(width, 0xFFFF));
}

std::size_t OFont::CharIndexAt(std::string_view text, int x) const {
  int width = 0;
  for (std::size_t index = 0; index < text.size(); ++index) {
    width += AdvanceOf(text[index]);
    if (width > x) {
      return index;
    }
  }
  return text.size();
}

void OFont::AddGlyph(int cell, const InkBox& box, GLfloat pen) const {
  if (box.left >= box.right || box.bottom >= box.top) {
    return;
  }
  // The quad keeps the whole cell's mapping of texels to units, cut to the box.
  const GLfloat s = static_cast<GLfloat>(cell % kColumns) * kCellS;
  const GLfloat t = 1.0f - static_cast<GLfloat>(cell / kColumns) * kCellT - kCellT;
  const auto sAt = [&](int texel) { return s + static_cast<GLfloat>(texel) * (kCellS / kCellSize); };
  const auto tAt = [&](int texel) { return t + static_cast<GLfloat>(texel) * (kCellT / kCellSize); };
  const auto unitsAt = [](int texel) { return static_cast<GLfloat>(texel) * kUnitsPerTexel; };
  const GLfloat left = pen + unitsAt(box.left);
  const GLfloat right = pen + unitsAt(box.right);
  corners_.push_back({sAt(box.left), tAt(box.bottom), left, unitsAt(box.bottom)});
  corners_.push_back({sAt(box.right), tAt(box.bottom), right, unitsAt(box.bottom)});
  corners_.push_back({sAt(box.right), tAt(box.top), right, unitsAt(box.top)});
  corners_.push_back({sAt(box.left), tAt(box.top), left, unitsAt(box.top)});
}

void OFont::DrawGlyphs(std::string_view text) const {
  // Without its texture the font would paint blank quads.
  if (texture_.Empty()) {
    return;
  }
  static constexpr InkBox kWholeCell{};
  const int level = CoarsestLevelSampled();
  corners_.clear();
  GLfloat pen = 0.0f;
  for (const char character : text) {
    const unsigned char code = GlyphCode(character);
    if (code == 0) {
      continue;
    }
    const int cell = code - kFirstCode;
    AddGlyph(cell, level < kCutLevels ? inkBoxes_[level][cell] : kWholeCell, pen);
    pen += widths_[cell];
  }
  if (corners_.empty()) {
    return;
  }
  // The pen lives in the corners, not in the matrix: a matrix change per glyph
  // costs the driver far more than drawing the glyph.
  glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
  glEnableClientState(GL_TEXTURE_COORD_ARRAY);
  glEnableClientState(GL_VERTEX_ARRAY);
  glTexCoordPointer(2, GL_FLOAT, sizeof(Corner), &corners_.front().s);
  glVertexPointer(2, GL_FLOAT, sizeof(Corner), &corners_.front().x);
  glDrawArrays(GL_QUADS, 0, static_cast<GLsizei>(corners_.size()));
  glPopClientAttrib();
}

void OFont::DrawString(float x, float y, std::string_view text, float scale) const {
  glPushMatrix();
  glTranslated(x, y, 0.0);
  glPushMatrix();
  glScalef(scale, scale, scale);
  DrawGlyphs(text);
  glPopMatrix();
  glPopMatrix();
}

void OFont::DrawText(float x, float y, std::string_view text, bool shadow, float scale) const {
  texture_.Bind();
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  if (shadow) {
    glDisable(GL_ALPHA_TEST);
    glEnable(GL_BLEND);
    glColor4f(0.0f, 0.0f, 0.0f, 1.0f);
    DrawString(x + scale, y - scale, text, scale);
  }
  glEnable(GL_BLEND);
  colour.Apply();
  DrawString(x, y, text, scale);
  glDisable(GL_BLEND);
  glDisable(GL_ALPHA_TEST);
}

void OFont::DrawCounted(std::size_t count, std::string_view text, bool highlight, bool shadow,
                        float scale) const {
  const std::string_view shown = text.substr(0, count);
  texture_.Bind();
  glDisable(GL_ALPHA_TEST);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  if (highlight) {
    glPushMatrix();
    glScalef(scale, scale, scale);
    glColor4f(1.0f, 0.0f, 0.0f, 1.0f);
    DrawGlyphs(shown);
    colour.Apply();
    glPopMatrix();
  } else {
    if (shadow) {
      glColor4f(0.0f, 0.0f, 0.0f, colour.a);
      glPushMatrix();
      glTranslatef(scale, -scale, 0.0f);
      glScalef(scale, scale, scale);
      DrawGlyphs(shown);
      glPopMatrix();
    }
    glPushMatrix();
    glScalef(scale, scale, scale);
    colour.Apply();
    DrawGlyphs(shown);
    glPopMatrix();
  }
  glDisable(GL_BLEND);
}
