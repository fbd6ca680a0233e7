// Impulse Tracker modules, the format of the menu's music: more channels than a
// ProTracker module, panning, 16-bit samples at any rate.
#pragma once

#include <cstdint>
#include <vector>

#include "assetgen/TrackerSong.h"

// Written in sample mode: notes name samples directly, with no instrument layer.
// Throws std::invalid_argument for more than 64 channels or patterns over 200 rows.
std::vector<std::uint8_t> EncodeIt(const TrackerSong& song);
