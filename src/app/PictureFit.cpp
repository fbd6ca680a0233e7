#include "app/PictureFit.h"

#include <algorithm>

namespace {

// The picture's coordinate under a window coordinate along one axis, rounded
// down; may fall outside the picture.
int Scale(int window, int shownStart, int shownLength, int pictureLength) {
  const long long offset = static_cast<long long>(window) - shownStart;
  const long long scaled = offset * pictureLength;
  return static_cast<int>(scaled >= 0 ? scaled / shownLength : (scaled - shownLength + 1) / shownLength);
}

}  // namespace

PictureFit::PictureFit(int pictureWidth, int pictureHeight, int windowWidth, int windowHeight)
    : pictureWidth_(std::max(pictureWidth, 1)), pictureHeight_(std::max(pictureHeight, 1)) {
  // Whichever side the window is shorter on, relative to the picture, sets the scale.
  const long long wide = static_cast<long long>(windowWidth) * pictureHeight_;
  const long long tall = static_cast<long long>(windowHeight) * pictureWidth_;
  if (wide >= tall) {
    shown_.height = windowHeight;
    shown_.width = static_cast<int>(tall / pictureHeight_);
  } else {
    shown_.width = windowWidth;
    shown_.height = static_cast<int>(wide / pictureWidth_);
  }
  shown_.width = std::max(shown_.width, 1);
  shown_.height = std::max(shown_.height, 1);
  shown_.x = (windowWidth - shown_.width) / 2;
  shown_.y = (windowHeight - shown_.height) / 2;
}

std::optional<PictureFit::Point> PictureFit::ToPicture(Point window) const {
  const Point point{Scale(window.x, shown_.x, shown_.width, pictureWidth_),
                    Scale(window.y, shown_.y, shown_.height, pictureHeight_)};
  if (point.x < 0 || point.x >= pictureWidth_ || point.y < 0 || point.y >= pictureHeight_) {
    return std::nullopt;
  }
  return point;
}

PictureFit::Point PictureFit::ToPictureEdge(Point window) const {
  return {std::clamp(Scale(window.x, shown_.x, shown_.width, pictureWidth_), 0, pictureWidth_ - 1),
          std::clamp(Scale(window.y, shown_.y, shown_.height, pictureHeight_), 0, pictureHeight_ - 1)};
}
