// File services that need more than the standard library gives: replacing a
// saved file without ever leaving a half-written one behind.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk and
// renames it over `path`. Creates the folder of `path` when it is missing.
// On any failure the old file is left as it was and false is returned.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace platform
