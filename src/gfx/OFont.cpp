#include "gfx/OFont.h"

#include <algorithm>
#include <utility>

#include "gfx/OBaseImage.h"

namespace {

constexpr int kColumns = 16;
constexpr int kRows = 8;
constexpr int kMeasuredCells = kColumns * kRows;
constexpr float kUnmeasuredWidth = 10.0f;
constexpr float kBlankCellWidth = 12.0f;
// A glyph's quad is one unit short of its cell, so neighbouring cells never
// bleed into it.
constexpr GLfloat kQuadSize = OFont::kCellSize - 1;
constexpr GLfloat kCellS = 1.0f / kColumns;
constexpr GLfloat kCellT = 1.0f / kRows;

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
// no cell: calling their lists would run display lists that belong to
// something else. Codes past the last cell (a name from a file typed
// elsewhere) would wrap round to the top rows and show another letter, so
// they show as the fallback instead.
unsigned char GlyphCode(char character) {
  const auto code = static_cast<unsigned char>(character);
  if (code < OFont::kFirstCode) {
    return 0;
  }
  return code > OFont::kLastCode ? OFont::kFallbackCode : code;
}

std::string Drawable(std::string_view text) {
  std::string codes;
  for (const char character : text) {
    if (const unsigned char code = GlyphCode(character)) {
      codes.push_back(static_cast<char>(code));
    }
  }
  return codes;
}

}  // namespace

OFont::OFont(std::string textureName) : name_(std::move(textureName)) { widths_.fill(kUnmeasuredWidth); }

OFont::~OFont() { Unload(); }

bool OFont::Load() {
  // On a reload the old lists went with the old context.
  texture_.Clear();
  listBase_ = 0;
  texture_.Set(name_);
  if (!measured_) {
    MeasureWidths(*texture_.Image());
    measured_ = true;
  }
  listBase_ = glGenLists(kListCount);
  if (listBase_ == 0) {
    return false;
  }
  CompileLists();
  return true;
}

void OFont::Unload() {
  if (listBase_ != 0) {
    glDeleteLists(listBase_, kListCount);
    listBase_ = 0;
  }
  texture_.Clear();
}

void OFont::MeasureWidths(const OBaseImage& image) {
  for (int cell = 0; cell < kMeasuredCells; ++cell) {
    widths_[cell] = CellWidth(image, cell % kColumns * kCellSize, cell / kColumns * kCellSize);
  }
}

void OFont::CompileLists() {
  // Lists past the eighth row wrap round to the top of the texture and keep
  // the fixed advance.
  for (int list = 0; list < kListCount; ++list) {
    const GLfloat s = static_cast<GLfloat>(list % kColumns) * kCellS;
    const GLfloat t = static_cast<GLfloat>(list / kColumns) * kCellT;
    glNewList(listBase_ + list, GL_COMPILE);
    glBegin(GL_QUADS);
    glTexCoord2f(s, 1.0f - t - kCellT);
    glVertex2f(0.0f, 0.0f);
    glTexCoord2f(s + kCellS, 1.0f - t - kCellT);
    glVertex2f(kQuadSize, 0.0f);
    glTexCoord2f(s + kCellS, 1.0f - t);
    glVertex2f(kQuadSize, kQuadSize);
    glTexCoord2f(s, 1.0f - t);
    glVertex2f(0.0f, kQuadSize);
    glEnd();
    glTranslated(widths_[list], 0.0, 0.0);
    glEndList();
  }
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

void OFont::CallLists(std::string_view text) const {
  // Without lists of its own the font would call whatever lists hold those numbers.
  if (listBase_ == 0) {
    return;
  }
  const std::string codes = Drawable(text);
  glListBase(listBase_ - kFirstCode);
  glCallLists(static_cast<GLsizei>(codes.size()), GL_UNSIGNED_BYTE, codes.data());
}

void OFont::DrawString(float x, float y, std::string_view text, float scale) const {
  glPushMatrix();
  glTranslated(x, y, 0.0);
  glPushMatrix();
  glScalef(scale, scale, scale);
  CallLists(text);
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
    CallLists(shown);
    colour.Apply();
    glPopMatrix();
  } else {
    if (shadow) {
      glColor4f(0.0f, 0.0f, 0.0f, colour.a);
      glPushMatrix();
      glTranslatef(scale, -scale, 0.0f);
      glScalef(scale, scale, scale);
      CallLists(shown);
      glPopMatrix();
    }
    glPushMatrix();
    glScalef(scale, scale, scale);
    colour.Apply();
    CallLists(shown);
    glPopMatrix();
  }
  glDisable(GL_BLEND);
}
