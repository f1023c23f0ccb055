// The keyword sitemap (".hhk") of an HTML Help publication.
#pragma once
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "html/index/index_entries.h"

namespace html {

// The title of a page given its file name ("" when unknown).
using PageTitleLookup = std::function<std::string(std::string_view page_name)>;

// The sitemap for sorted entries: one object per first-level keyword with a
// name and local pair for each distinct page that carries it; second levels
// in a nested list under their first level. frame_name names the window
// pages open in ("" without frames).
std::string hhk_sitemap(const std::vector<IndexEntry>& sorted, std::string_view frame_name,
                        const PageTitleLookup& title_of);

}  // namespace html
