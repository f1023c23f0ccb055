// Small text helpers of the HTML export: escaping and attribute values.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace host::html_export {

// Line end of the exported HTML, as the word processor writes it.
inline constexpr std::string_view kLineEnd = "\r\n";

// Appends text with & < > " written as entities; other bytes (code page
// 1252) are kept as they are.
void append_escaped(std::string& out, std::string_view text);

// The HTML font size (1..7) nearest to a size in half-points.
int html_font_size(int half_points);

// "#RRGGBB" for a colour 0xRRGGBB.
std::string html_color(std::uint32_t rgb);

}  // namespace host::html_export
