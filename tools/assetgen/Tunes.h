// The game's three pieces of music, each with its instruments and every note.
#pragma once

#include "assetgen/TrackerSong.h"

// Remover, the strategy mode: thoughtful, in A minor, for four channels.
TrackerSong LefolyTune();
// Breakdown, the arcade mode: driving, in E minor, for four channels.
TrackerSong MagpotTune();
// The menus: calm, in D major, with pads and chimes over eight channels.
TrackerSong MenuTune();
