// Message boxes: a modal box on the desktop, or standard error when there is
// no display. Tests replace the handler to see what would have been shown.
#pragma once

#include <functional>
#include <string>

namespace platform {

enum class MessageBoxIcon { Error, Warning, Information };

void ShowMessageBox(const std::string& caption, const std::string& text, MessageBoxIcon icon);

using MessageBoxHandler =
    std::function<void(const std::string& caption, const std::string& text, MessageBoxIcon)>;

// Replaces the handler that ShowMessageBox calls; an empty handler restores the real box.
// Returns the handler that was in place.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace platform
