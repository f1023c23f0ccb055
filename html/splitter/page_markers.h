// The markers the splitter turns into pages and anchors: the page marker
// with its title, the browse marker and the anchor marker.
#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace html {

// What a page marker says about the page it starts.
struct PageStart {
  std::string title;
  std::string context;  // the context string of the page's first anchor marker
};

// Removes the page marker at pos ("~~~pg" with its title marker "~" title
// "!~" when one follows). nullopt when the marker has neither title nor
// anchor: it is then removed and starts no page.
std::optional<PageStart> take_page_marker(std::string& buffer, std::size_t pos);

// A page title made from a context string: "IDH_" (or else "idx_") removed,
// "_" made blank.
std::string title_from_context(std::string_view context);

// Removes every complete browse marker "!tzbrs" sequence "!~"; returns the
// sequences (line breaks removed).
std::vector<std::string> take_browse_markers(std::string& buffer);

// Turns every complete anchor marker "!!b" context "!" into an anchor
// "<A NAME="context">"; returns the contexts (trailing blanks cut) in order.
std::vector<std::string> replace_anchor_markers(std::string& buffer);

// True when the buffer ends inside a marker or tag the splitter must see
// whole (a title, anchor, browse or web-link marker, a Word 2000 style).
bool marker_incomplete(std::string_view buffer, bool web_links, bool word2000_styles);

}  // namespace html
