// The code page of a help project's text when a topic file does not name its
// own: the one of the project's language ([OPTIONS] LCID), else 1252.
#pragma once
#include <string_view>

namespace html {

// From the LCID value as the project file gives it ("0x419 0x0 0x0": the
// first number is the locale); "" gives the default.
int project_code_page(std::string_view lcid);

}  // namespace html
