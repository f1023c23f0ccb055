// The project's "Buttons" section: one line per navigation button, the key
// being the button's alternate text, the value "%s %s %d %d %d %d" (graphic
// file, URL, button type, shown on TOC, index and body pages).
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wizard/project_settings.h"

namespace wizard {

// The section that holds the buttons.
inline constexpr std::string_view kButtonsSection = "Buttons";

// One button from its key and value; nothing when the value lacks the
// graphic, URL or type. Next and Previous get the automatic URL.
std::optional<NavButton> parse_button(std::string_view alt_text, std::string_view value);

// The stored value; Next and Previous are written with the URL "x".
std::string format_button_value(const NavButton& button);

// The keys the buttons are stored under, in order: each one usable as a key
// and different from the others, so no button overwrites another.
std::vector<std::string> button_keys(const std::vector<NavButton>& buttons);

// The buttons of file's "Buttons" section in display order (at most the
// first 16,000 characters of the section).
std::vector<NavButton> read_buttons(std::string_view file);

// Clears the section and writes the buttons anew.
bool write_buttons(const std::vector<NavButton>& buttons, std::string_view file);

}  // namespace wizard
