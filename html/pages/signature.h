// The signature block of a page: the author's lines, today's date in place
// of "<<TODAY>>", and an e-mail link for a text in square brackets.
#pragma once
#include <string>
#include <string_view>

#include "wizard/project_settings.h"

namespace html {

// The placeholder replaced by the date.
inline constexpr std::string_view kTodayPlaceholder = "<<TODAY>>";

// Appends the signature with the given date text; returns 0 when no
// signature text is set (nothing is appended), else 1.
int write_signature(std::string& out, const wizard::PageSettings& s, std::string_view today);

// The same with today's date in the long-date picture ("December 6, 2026").
int write_signature(std::string& out, const wizard::PageSettings& s);

}  // namespace html
