// Where the game's picture stands in a full-screen window: scaled to the
// largest area of its own shape that fits, centred, with bars round it.
#pragma once

#include <optional>

class PictureFit {
 public:
  // A place or an area in pixels, from the top left.
  struct Point {
    int x = 0;
    int y = 0;
  };
  struct Area {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
  };

  PictureFit(int pictureWidth, int pictureHeight, int windowWidth, int windowHeight);

  // The part of the window the picture covers.
  Area Shown() const { return shown_; }
  // The picture's point under a window point; nothing on a bar.
  std::optional<Point> ToPicture(Point window) const;
  // The nearest picture point, for a pointer that strays onto a bar.
  Point ToPictureEdge(Point window) const;

 private:
  int pictureWidth_;
  int pictureHeight_;
  Area shown_;
};
