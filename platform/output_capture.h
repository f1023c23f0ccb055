// What a piece of work prints: the caller's window shows it in its log pane.
#pragma once
#include <functional>
#include <string>

namespace platform {

// Runs body with the process's standard output and error going to a
// temporary file, and returns what was written there (both streams, in order).
std::string capture_output(const std::function<void()>& body);

}  // namespace platform
