// Counts, in a help project's RTF topic files, what publishing must carry
// over: topic titles ($), keywords (K), defined context strings (#) and
// hotspots (underlined text directly followed by hidden text). It reads the
// RTF with rtf::Reader on its own, independently of the marker passes, and
// gives every text as UTF-8.
#pragma once
#include <set>
#include <string>
#include <vector>

namespace tw_test {

struct RtfCensus {
  std::vector<std::string> titles;
  std::vector<std::string> keywords;  // each keyword of each K footnote, trimmed
  std::set<std::string> contexts;     // context strings of # footnotes
  std::vector<std::string> jumps;     // hotspot targets that are no macros, cut at ">"
};

// Adds what the RTF document holds to census.
void count_rtf(const std::string& rtf, RtfCensus& census);

// The text of HTML bytes as UTF-8: character references decoded, bytes
// read in the page's declared code page (1252 when it declares none).
std::string html_text_as_utf8(const std::string& html, int code_page);

// The code page an HTML page declares in its Content-Type, 1252 when none.
int declared_code_page(const std::string& html);

}  // namespace tw_test
