// The bitmap font every piece of lettering is drawn with: one texture of
// 32 x 32 glyph cells, each glyph's advance measured from the ink in its
// cell, and a string drawn as one array of glyph quads cut down to where
// they can show ink.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/OColor4.h"
#include "gfx/OTexture.h"

class OBaseImage;

class OFont {
 public:
  static constexpr int kCellSize = 32;
  // The first character with a cell; lower codes are control characters.
  static constexpr int kFirstCode = 32;
  // The last character with a cell; later ones are measured and drawn as the fallback.
  static constexpr int kLastCode = 159;
  static constexpr unsigned char kFallbackCode = '?';

  explicit OFont(std::string textureName);
  ~OFont();
  OFont(const OFont&) = delete;
  OFont& operator=(const OFont&) = delete;

  // Builds the texture; called again after the GL context is made anew.
  // Widths and ink are measured on the first load only. A missing texture
  // throws OFileNotFound; false when GL gives no texture.
  bool Load();
  // Frees the texture while its context still exists.
  void Unload();

  // The sum of the advances, each cut to whole pixels; at most 65535.
  std::uint16_t TextWidth(std::string_view text) const;
  // The character under horizontal position x (0 at the text's left edge),
  // or the length of the text when x lies past its end.
  std::size_t CharIndexAt(std::string_view text, int x) const;

  // Callers set the projection and enable texturing. The shadow is a black
  // copy one scale unit to the right and one down.
  void DrawText(float x, float y, std::string_view text, bool shadow, float scale) const;
  // The first `count` characters at the current position; a highlighted text
  // is red and has no shadow. The shadow takes the font colour's alpha.
  void DrawCounted(std::size_t count, std::string_view text, bool highlight, bool shadow, float scale) const;

  // The colour of the text itself; also the opacity of DrawCounted's shadow.
  OColor4 colour{1.0f, 1.0f, 1.0f, 1.0f};

 private:
  // The whole pixels the pen moves on after a character.
  int AdvanceOf(char character) const;
  // The part of a cell a glyph's quad keeps, in texels from the cell's bottom
  // left; empty where nothing can show.
  struct InkBox {
    int left = 0;
    int bottom = 0;
    int right = kCellSize;
    int top = kCellSize;
  };
  // Sampled at mip level `level` or finer, neighbours' ink included.
  static InkBox InkBoxOf(const OBaseImage& image, int left, int top, int level);

  void Measure(const OBaseImage& image);
  // The glyphs along the pen from the current position, in one draw.
  void DrawGlyphs(std::string_view text) const;
  void DrawString(float x, float y, std::string_view text, float scale) const;

  // One corner of a glyph quad: where it samples the sheet and where it stands.
  struct Corner {
    GLfloat s, t, x, y;
  };
  void AddGlyph(int cell, const InkBox& box, GLfloat pen) const;

  std::string name_;
  OTexture texture_;
  bool measured_ = false;
  // One advance and one box per cell, first code first.
  std::array<float, kLastCode - kFirstCode + 1> widths_;
  // Boxes for text sampled at mip level 0, 1 and 2.
  std::array<std::array<InkBox, kLastCode - kFirstCode + 1>, 3> inkBoxes_{};
  // Kept between strings so drawing one allocates nothing.
  mutable std::vector<Corner> corners_;
};
