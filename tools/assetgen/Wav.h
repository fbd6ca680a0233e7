// RIFF WAVE files as the game's sound player reads them: 16-bit PCM, mono,
// with the plain 44-byte header and nothing else.
#pragma once

#include <cstdint>
#include <vector>

// Samples are in [-1, 1]; anything beyond is clipped rather than wrapped.
std::vector<std::uint8_t> EncodeWav(const std::vector<float>& samples, int sampleRate);
