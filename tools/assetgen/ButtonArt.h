// The pictures on button and control faces. A button's picture holds its
// normal face in the top half and its highlighted face in the bottom half.
// Colours are stored already multiplied by alpha, because a blended button
// first darkens what lies behind it by the alpha and then adds the colour:
// a clear pixel must add nothing.
#pragma once

#include <array>
#include <string>

#include "assetgen/RgbaImage.h"

namespace ButtonArt {

// A glowing label on a dark, see-through panel, the text as large as fits.
RgbaImage LabelFaces(const std::string& text, int width, int height);

enum class Icon { Minimise, Maximise, Close, TurnClockwise, TurnAnticlockwise, PageRight, PageLeft };
RgbaImage IconFaces(Icon icon, int width, int height);

// The one picture the lit controls share, opaque, with a region for each part.
RgbaImage ControlsPicture();
enum class ControlPart { Box, Radio, Mark, Dot, Rail, Thumb };
// The part's region as texture coordinates {s0, t0, s1, t1} of ControlsPicture().
std::array<float, 4> ControlRect(ControlPart part);

// The texture rectangle of a face half, drawn in by half a texel so that
// filtering never reaches the other face.
std::array<float, 4> FaceRect(bool highlighted, int width, int height);

}  // namespace ButtonArt
