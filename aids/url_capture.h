// The Macro Editor's "&URL": the page a running browser shows, turned into
// a macro that starts "urlvane.exe" on it.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace aids {

// The browsers asked, in this order, and what they are asked.
inline constexpr std::string_view kBrowserServices[] = {"NETSCAPE", "Iexplore", "MOSAIC"};
inline constexpr std::string_view kWindowInfoTopic = "WWW_GetWindowInfo";
inline constexpr std::string_view kWindowInfoItem = "-1";
inline constexpr int kBrowserTimeout = 3000;  // milliseconds
inline constexpr size_t kBrowserAnswerMax = 300;

// The URL in a browser's answer: its first 300 bytes up to the first ",",
// the first and last double quote made blanks, trimmed.
std::string parse_browser_answer(std::string_view answer);

// The URL of the first browser that answers, nullopt when none does.
std::optional<std::string> capture_browser_url();

// The macro that starts "urlvane.exe" on the URL, in the form of the
// project's compiler.
std::string url_macro(std::string_view url, bool win95);

}  // namespace aids
