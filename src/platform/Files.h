// File services that need more than the standard library gives: replacing a
// saved file without ever leaving a half-written one behind.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Writes `bytes` to a new temporary file of a fresh name beside `path`,
// flushes it to the disk and renames it over `path`, with the permissions
// 0644 less the umask. Creates the folder of `path` when it is missing. Never
// writes through a link. On any failure the old file is left as it was, no
// temporary stays behind, and false is returned.
bool ReplaceFileContents(const std::string& path, std::string_view bytes);

}  // namespace platform
