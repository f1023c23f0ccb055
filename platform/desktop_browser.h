// The desktop's default web browser, read from the desktop's MIME
// application lists (mimeapps.list and its kin) without starting a program.
#pragma once
#include <string>

namespace platform {

// The program of the desktop entry that the user's, then the system's, lists
// name for web links ("x-scheme-handler/http", then "text/html"): a full
// path when it is found on PATH, else as the entry writes it; "" when no
// list names a browser whose entry can be read.
std::string desktop_default_browser();

}  // namespace platform
