// ProTracker modules ("M.K.", four channels, 31 samples), the format the game's
// in-play music comes in.
#pragma once

#include <cstdint>
#include <vector>

#include "assetgen/TrackerSong.h"

// The rate at which ProTracker plays a sample for C-3, its highest C. Samples for a
// module are made at this rate, recording their root note, so that the root lands
// on C-3 and the two octaves below it are in reach too.
constexpr double kModSampleRate = 3546895.0 / 214.0;

// Throws std::invalid_argument for what the format can't hold: notes outside the
// three octaves, more than 64 rows, samples over 128 KiB, a volume and an effect in
// the same cell.
std::vector<std::uint8_t> EncodeMod(const TrackerSong& song);
