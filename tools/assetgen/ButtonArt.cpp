#include "assetgen/ButtonArt.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "assetgen/Coverage.h"
#include "assetgen/TextRaster.h"

namespace ButtonArt {

namespace {

struct Colour {
  float r, g, b;
};

struct FaceStyle {
  Colour panel;
  float panelAlpha;
  Colour border;
  float borderAlpha;
  Colour glow;
  float glowStrength;
  Colour ink;
};

// The buttons' palette: warm gold light on deep violet glass.
constexpr FaceStyle kLabelNormal{{18, 16, 46},   0.62f, {150, 135, 215}, 0.85f,
                                 {255, 140, 20}, 0.45f, {255, 228, 130}};
constexpr FaceStyle kLabelLit{{46, 32, 100},  0.74f, {255, 214, 110}, 1.0f,
                              {255, 196, 70}, 0.95f, {255, 255, 240}};
constexpr FaceStyle kRedNormal{{0, 0, 0}, 0.0f, {0, 0, 0}, 0.0f, {255, 50, 20}, 0.5f, {225, 38, 28}};
constexpr FaceStyle kRedLit{{0, 0, 0}, 0.0f, {0, 0, 0}, 0.0f, {255, 120, 40}, 1.0f, {255, 120, 90}};

// Lays a colour through a stencil over premultiplied pixels.
void Paint(RgbaImage& image, int top, const Coverage& stencil, Colour colour, float strength) {
  for (int y = 0; y < stencil.Height(); ++y) {
    for (int x = 0; x < stencil.Width(); ++x) {
      const float a = std::clamp(stencil.At(x, y) * strength, 0.0f, 1.0f);
      if (a <= 0.0f) {
        continue;
      }
      Rgba& pixel = image.At(x, top + y);
      const float rgb[3] = {colour.r, colour.g, colour.b};
      for (int channel = 0; channel < 3; ++channel) {
        pixel[channel] =
            static_cast<std::uint8_t>(std::lround(rgb[channel] * a + pixel[channel] * (1.0f - a)));
      }
      pixel[3] = static_cast<std::uint8_t>(std::lround(255.0f * a + pixel[3] * (1.0f - a)));
    }
  }
}

// One face: an optional panel, then a dark halo and a glow round the ink,
// then the ink. The halo keeps the ink readable on a busy background.
void PaintFace(RgbaImage& image, int top, const Coverage& ink, bool panel, const FaceStyle& style) {
  const int w = ink.Width();
  const int h = ink.Height();
  if (panel) {
    const float radius = std::min(w, h) * 0.2f;
    Coverage body(w, h);
    body.AddShape([&](float x, float y) {
      return Distance::RoundedBox(x, y, w / 2.0f, h / 2.0f, w / 2.0f - 1.0f, h / 2.0f - 1.0f, radius);
    });
    Paint(image, top, body, style.panel, style.panelAlpha);
    // A faint sheen on the upper half, as on glass.
    Coverage sheen(w, h);
    sheen.AddShape([&](float x, float y) {
      return Distance::RoundedBox(x, y, w / 2.0f, h * 0.3f, w / 2.0f - 4.0f, h * 0.22f, radius * 0.6f);
    });
    Paint(image, top, sheen, {255, 255, 255}, 0.07f);
    Coverage border(w, h);
    border.AddShape([&](float x, float y) {
      return std::fabs(
                 Distance::RoundedBox(x, y, w / 2.0f, h / 2.0f, w / 2.0f - 2.5f, h / 2.0f - 2.5f, radius)) -
             1.2f;
    });
    Paint(image, top, border, style.border, style.borderAlpha);
  } else {
    Paint(image, top, ink.Blurred(2, 2).Scaled(2.5f), {0, 0, 0}, 0.6f);
  }
  Paint(image, top, ink.Blurred(std::max(2, h / 14), 3).Scaled(2.2f), style.glow, style.glowStrength);
  Paint(image, top, ink, style.ink, 1.0f);
}

using Point = std::array<float, 2>;

// An arrowhead whose tip is at `tip`, pointing along the unit vector (dx, dy).
std::vector<Point> ArrowHead(Point tip, float dx, float dy, float length, float halfWidth) {
  const Point base{tip[0] - dx * length, tip[1] - dy * length};
  return {tip,
          {base[0] - dy * halfWidth, base[1] + dx * halfWidth},
          {base[0] + dy * halfWidth, base[1] - dx * halfWidth}};
}

Coverage IconInk(Icon icon, int w, int h) {
  Coverage ink(w, h);
  const float s = static_cast<float>(std::min(w, h));
  const float cx = w / 2.0f;
  const float cy = h / 2.0f;
  const bool mirrored = icon == Icon::TurnAnticlockwise || icon == Icon::PageLeft;
  // Shapes are drawn pointing one way and mirrored for the other.
  auto flip = [&](float x) { return mirrored ? static_cast<float>(w) - x : x; };
  switch (icon) {
    case Icon::Minimise:
      ink.AddShape([&](float x, float y) {
        return Distance::Segment(x, y, cx - 0.24f * s, cy + 0.2f * s, cx + 0.24f * s, cy + 0.2f * s,
                                 0.07f * s);
      });
      break;
    case Icon::Maximise:
      ink.AddShape([&](float x, float y) {
        const float frame =
            std::fabs(Distance::RoundedBox(x, y, cx, cy, 0.24f * s, 0.22f * s, 0.03f * s)) - 0.045f * s;
        const float titleBar =
            Distance::RoundedBox(x, y, cx, cy - 0.17f * s, 0.24f * s, 0.06f * s, 0.03f * s);
        return std::min(frame, titleBar);
      });
      break;
    case Icon::Close:
      ink.AddShape([&](float x, float y) {
        const float d = 0.22f * s;
        return std::min(Distance::Segment(x, y, cx - d, cy - d, cx + d, cy + d, 0.065f * s),
                        Distance::Segment(x, y, cx - d, cy + d, cx + d, cy - d, 0.065f * s));
      });
      break;
    case Icon::TurnClockwise:
    case Icon::TurnAnticlockwise: {
      // Round from the lower right, under and over the top, to a head at the
      // upper right that points on round the circle, clockwise.
      const float radius = 0.3f * s;
      const float head = 62.0f * std::numbers::pi_v<float> / 180.0f;
      const float tail = 300.0f * std::numbers::pi_v<float> / 180.0f;
      const float stem = head - 0.05f;
      const Point base{cx + radius * std::cos(head), cy - radius * std::sin(head)};
      // Clockwise along the circle, with the picture's y running down.
      const float dx = std::sin(head);
      const float dy = std::cos(head);
      const float length = 0.24f * s;
      std::vector<Point> arrow =
          ArrowHead({base[0] + dx * length, base[1] + dy * length}, dx, dy, length, 0.15f * s);
      for (Point& p : arrow) {
        p[0] = flip(p[0]);
      }
      ink.AddShape([&](float x, float y) {
        return Distance::Arc(flip(x), y, cx, cy, radius, 0.065f * s, stem, tail);
      });
      ink.AddShape([&](float x, float y) { return Distance::Polygon(x, y, arrow); });
      break;
    }
    case Icon::PageRight:
    case Icon::PageLeft: {
      std::vector<Point> arrow = ArrowHead({cx + 0.3f * w, cy}, 1.0f, 0.0f, 0.28f * w, 0.36f * h);
      for (Point& p : arrow) {
        p[0] = flip(p[0]);
      }
      ink.AddShape([&](float x, float y) { return Distance::Polygon(x, y, arrow); });
      ink.AddShape([&](float x, float y) {
        return Distance::Segment(flip(x), y, cx - 0.3f * w, cy, cx + 0.05f * w, cy, 0.12f * h);
      });
      break;
    }
  }
  return ink;
}

// A picture of two faces, one above the other.
RgbaImage TwoFaces(const Coverage& ink, bool panel, const FaceStyle& normal, const FaceStyle& lit) {
  RgbaImage image(ink.Width(), ink.Height() * 2);
  PaintFace(image, 0, ink, panel, normal);
  PaintFace(image, ink.Height(), ink, panel, lit);
  return image;
}

constexpr int kControlsSize = 128;

// Pixel rectangles {x0, y0, x1, y1} of the controls picture's parts.
std::array<int, 4> ControlPixels(ControlPart part) {
  switch (part) {
    case ControlPart::Box:
      return {0, 0, 64, 64};
    case ControlPart::Radio:
      return {64, 0, 128, 64};
    case ControlPart::Mark:
      return {0, 64, 32, 96};
    case ControlPart::Dot:
      return {32, 64, 64, 96};
    case ControlPart::Rail:
      return {64, 64, 128, 96};
    case ControlPart::Thumb:
      return {0, 96, 128, 128};
  }
  return {0, 0, 1, 1};
}

void FillRegion(RgbaImage& image, std::array<int, 4> r, const std::function<Rgba(float u, float v)>& shade) {
  for (int y = r[1]; y < r[3]; ++y) {
    for (int x = r[0]; x < r[2]; ++x) {
      const float u = (x - r[0] + 0.5f) / static_cast<float>(r[2] - r[0]);
      const float v = (y - r[1] + 0.5f) / static_cast<float>(r[3] - r[1]);
      image.At(x, y) = shade(u, v);
    }
  }
}

Rgba Mix(Rgba a, Rgba b, float t) {
  t = std::clamp(t, 0.0f, 1.0f);
  Rgba out;
  for (int i = 0; i < 4; ++i) {
    out[i] = static_cast<std::uint8_t>(std::lround(a[i] + (b[i] - a[i]) * t));
  }
  return out;
}

}  // namespace

RgbaImage LabelFaces(const std::string& text, int width, int height) {
  // The largest bold size whose text fits inside the panel's border.
  int size = height * 6 / 10;
  for (; size > 8; --size) {
    if (TextRaster(size, TextRaster::Weight::Bold).TextWidth(text) <= width - height / 2) {
      break;
    }
  }
  const TextRaster raster(size, TextRaster::Weight::Bold);
  const int capHeight = raster.Render('H').top;
  Coverage ink(width, height);
  ink.AddText(raster, (width - raster.TextWidth(text)) / 2, (height + capHeight) / 2, text);
  return TwoFaces(ink, true, kLabelNormal, kLabelLit);
}

RgbaImage IconFaces(Icon icon, int width, int height) {
  const Coverage ink = IconInk(icon, width, height);
  const bool windowButton = icon == Icon::Minimise || icon == Icon::Maximise || icon == Icon::Close;
  if (windowButton) {
    return TwoFaces(ink, true, kLabelNormal, kLabelLit);
  }
  return TwoFaces(ink, false, kRedNormal, kRedLit);
}

RgbaImage ControlsPicture() {
  RgbaImage image(kControlsSize, kControlsSize, {0, 0, 0, 255});
  const Rgba frameLight{214, 210, 236, 255};
  const Rgba frameDark{120, 108, 170, 255};
  const Rgba well{26, 24, 52, 255};
  // The box: a light frame, lit from the top left, round a dark well.
  FillRegion(image, ControlPixels(ControlPart::Box), [&](float u, float v) {
    const float edge = std::min(std::min(u, 1.0f - u), std::min(v, 1.0f - v));
    if (edge > 0.16f) {
      return Mix(well, Rgba{46, 42, 88, 255}, 1.0f - v);
    }
    return Mix(frameDark, frameLight, (2.0f - u - v) / 2.0f);
  });
  FillRegion(image, ControlPixels(ControlPart::Radio), [&](float u, float v) {
    const float r = std::hypot(u - 0.5f, v - 0.5f);
    if (r < 0.33f) {
      return Mix(well, Rgba{46, 42, 88, 255}, 1.0f - v);
    }
    return Mix(frameDark, frameLight, (2.0f - u - v) / 2.0f);
  });
  FillRegion(image, ControlPixels(ControlPart::Mark), [&](float, float v) {
    return Mix(Rgba{70, 190, 60, 255}, Rgba{170, 255, 120, 255}, 1.0f - v);
  });
  FillRegion(image, ControlPixels(ControlPart::Dot), [&](float, float v) {
    return Mix(Rgba{235, 150, 30, 255}, Rgba{255, 235, 120, 255}, 1.0f - v);
  });
  FillRegion(image, ControlPixels(ControlPart::Rail), [&](float, float v) {
    return Mix(Rgba{60, 52, 110, 255}, Rgba{150, 140, 200, 255}, 1.0f - v);
  });
  FillRegion(image, ControlPixels(ControlPart::Thumb), [&](float u, float v) {
    const float ridge = 0.5f + 0.5f * std::cos(u * 6.0f * std::numbers::pi_v<float>);
    return Mix(Mix(Rgba{200, 150, 60, 255}, Rgba{255, 225, 140, 255}, 1.0f - v), Rgba{255, 245, 200, 255},
               ridge * 0.25f);
  });
  return image;
}

std::array<float, 4> ControlRect(ControlPart part) {
  const std::array<int, 4> r = ControlPixels(part);
  const float size = kControlsSize;
  const float inset = 1.0f;
  return {(r[0] + inset) / size, 1.0f - (r[3] - inset) / size, (r[2] - inset) / size,
          1.0f - (r[1] + inset) / size};
}

std::array<float, 4> FaceRect(bool highlighted, int width, int height) {
  // The normal face is the picture's top half, which a TGA puts at the top of t.
  const float halfTexelS = 0.5f / width;
  const float halfTexelT = 0.5f / (2.0f * height);
  const float t0 = highlighted ? 0.0f : 0.5f;
  return {halfTexelS, t0 + halfTexelT, 1.0f - halfTexelS, t0 + 0.5f - halfTexelT};
}

}  // namespace ButtonArt
