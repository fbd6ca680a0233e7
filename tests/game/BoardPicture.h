// Boards as text pictures: one row per ring, top ring first and bottom ring
// last, one letter per column. Y G R B are the colours, M a marker, . an empty
// cell; the goodies are S (super bomb), H (ring bomb), V (column bomb),
// C (cluster bomb), X (cross) and r y g b (colour bombs). Spaces are only for the eye.
#pragma once

#include <string>
#include <vector>

class Cylinder;

namespace BoardPicture {

// Lays the picture onto the board's rings; goodies are cloned from their templates.
void Paint(Cylinder& board, const std::vector<std::string>& picture);
std::string Of(const Cylinder& board);
// A picture in the layout Of() gives, for comparing.
std::string Tidy(const std::vector<std::string>& picture);
int CellsOf(const std::vector<std::string>& picture);

}  // namespace BoardPicture
