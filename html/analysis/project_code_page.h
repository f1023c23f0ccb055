// The code page of a help project's text when a topic file does not name its
// own: the one of the project's language ([OPTIONS] LCID), else 1252.
#pragma once
#include <string_view>

namespace html {

int project_code_page(std::string_view hpj_path);

}  // namespace html
