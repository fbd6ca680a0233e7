// The bitmap font every piece of lettering is drawn with: one texture of
// 32 x 32 glyph cells, one display list per cell, and each glyph's advance
// measured from the ink in its cell.
#pragma once

#include <GL/gl.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "gfx/OColor4.h"
#include "gfx/OTexture.h"

class OBaseImage;

class OFont {
 public:
  static constexpr int kCellSize = 32;
  static constexpr int kListCount = 256;
  // The first character with a cell; lower codes are control characters.
  static constexpr int kFirstCode = 32;
  // The last character with a cell; later ones are measured and drawn as the fallback.
  static constexpr int kLastCode = 159;
  static constexpr unsigned char kFallbackCode = '?';

  explicit OFont(std::string textureName);
  ~OFont();
  OFont(const OFont&) = delete;
  OFont& operator=(const OFont&) = delete;

  // Builds the texture and the lists; called again after the GL context is
  // made anew. Widths are measured on the first load only. A missing texture
  // throws OFileNotFound; false when GL gives no lists.
  bool Load();
  // Frees the lists and the texture while their context still exists.
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
  void MeasureWidths(const OBaseImage& image);
  void CompileLists();
  void CallLists(std::string_view text) const;
  void DrawString(float x, float y, std::string_view text, float scale) const;

  std::string name_;
  OTexture texture_;
  GLuint listBase_ = 0;
  bool measured_ = false;
  // One advance per list; lists past the measured cells keep the fixed advance.
  std::array<float, kListCount> widths_;
};
