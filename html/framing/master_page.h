// The master page: an HTML file whose text before its "[lfc]" tag goes
// before every page's body content and whose text after it goes after.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace html {

class LineReader;

// The tag that splits a master page.
inline constexpr std::string_view kMasterSplitTag = "[lfc]";

struct MasterPage {
  std::string head;  // up to the tag (the whole file when it has none)
  std::string foot;  // after the tag
};

// Reads a master page; nothing when it cannot be opened.
std::optional<MasterPage> read_master_page(std::string_view path, LineReader& reader);

// The head part with its TITLE element naming a page's title.
std::string master_head(const MasterPage& master, std::string_view title);

// Rewrites a page as the master's head, the page's body content and the
// master's foot. Returns 1, or 0 when the page cannot be rewritten (it is
// then left as it was).
int apply_master_page(const MasterPage& master, std::string_view page, std::string_view title);

}  // namespace html
