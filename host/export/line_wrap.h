// Breaks long HTML lines the way the word processor's export does, at blanks,
// but never inside a tag or a conversion marker.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "host/export/marker_tracker.h"

namespace host::html_export {

// Lines are broken once they pass this many bytes, where a blank allows it.
constexpr std::size_t kWrapColumn = 78;

// line with some of its blanks replaced by line ends so that lines stay near
// width bytes. No break falls inside a tag or a kept span; spans separated by
// nothing but blanks and tags are kept together as one.
std::string wrap_line(std::string_view line, std::vector<Span> keep_whole,
                      std::size_t width = kWrapColumn);

}  // namespace host::html_export
