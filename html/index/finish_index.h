// FinishIndex: the index of a run written once all pages are: the A-Z page,
// or for HTML Help the index control page and the keyword sitemap.
#pragma once
#include <string>
#include <string_view>

namespace html {

struct ConversionRun;

// Stores one index entry (AddIndexEntry): the cleaned keyword, " =" and the
// target. False when the entry table is full.
bool add_index_entry(ConversionRun& run, std::string_view keyword, std::string_view target);

// The index page: the output directory and the index page name.
std::string index_page_path(const ConversionRun& run);

// Sorts and writes the entries, frees them and frames the index page; the
// page's path is kept for the master page. Returns 1, or 0 when the index
// page could not be created (nothing is then remembered).
int finish_index(ConversionRun& run);

// FinishIndex as the caller calls it: the wizard settings are loaded first
// when no conversion has loaded them.
int finish_index_for_caller(ConversionRun& run);

}  // namespace html
