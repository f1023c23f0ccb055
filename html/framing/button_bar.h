// The navigation button bars at the top and bottom of a page.
#pragma once
#include <string>
#include <string_view>

#include "wizard/project_settings.h"

namespace html {

struct ConversionRun;

// Which of the two bars ("navbuts" keeps settings for each).
enum class BarPosition { top, bottom };

// Appends the bar for a page of the given kind (page: its file name, used to
// find its Next and Previous pages). Returns whether a button was written;
// a bar without buttons is not written at all.
bool write_button_bar(ConversionRun& run, std::string& out, wizard::PageKind kind,
                      BarPosition where, std::string_view page);

}  // namespace html
