#include "html/framing/contents_outline.h"

#include <algorithm>

#include "html/text/markup.h"
#include "platform/text.h"

namespace html {

namespace {

// The page an entry links, lower-case; "" for a book without a page.
std::string linked_page(std::string_view line) {
  std::size_t at = find_nocase(line, "HREF=\"");
  if (at == kNoPos) return {};
  at += 6;
  std::size_t end = line.find('"', at);
  if (end == kNoPos) return {};
  return text::to_lower(page_of_target(line.substr(at, end - at)));
}

}  // namespace

ContentsOutline::ContentsOutline(std::string entries) : text_(std::move(entries)) {
  nodes_.emplace_back();
  std::size_t list = 0, last = kNone;
  bool outer_open = false;
  std::size_t at = 0;
  while (at < text_.size()) {
    std::size_t end = text_.find('\n', at);
    if (end == std::string::npos) end = text_.size();
    std::string_view line = std::string_view(text_).substr(at, end - at);
    if (line.ends_with('\r')) line.remove_suffix(1);
    read(line, at, list, last, outer_open);
    at = end + 1;
  }
}

// A "<UL>" opens the entries of the entry before it (or of an entry-less
// list when levels are skipped); a "</UL>" returns to the list around.
void ContentsOutline::read(std::string_view line, std::size_t at, std::size_t& list,
                           std::size_t& last, bool& outer_open) {
  std::string_view trimmed = text::trim(line);
  if (trimmed.empty()) return;
  if (text::iequals(trimmed, "<UL>")) {
    if (!outer_open && list == 0 && nodes_[0].children.empty()) {
      outer_open = true;
      return;
    }
    list = last != kNone ? last : add(list, at, 0);
    last = kNone;
    return;
  }
  if (text::iequals(trimmed, "</UL>")) {
    if (list == 0) return;
    last = list;
    list = nodes_[list].parent;
    return;
  }
  last = add(list, at, line.size());
  ++entries_;
  std::string page = linked_page(line);
  if (!page.empty()) by_page_.try_emplace(std::move(page), last);
}

std::size_t ContentsOutline::add(std::size_t parent, std::size_t at, std::size_t size) {
  Node node;
  node.at = at;
  node.size = size;
  node.parent = parent;
  nodes_.push_back(std::move(node));
  std::size_t id = nodes_.size() - 1;
  nodes_[parent].children.push_back(id);
  return id;
}

std::string ContentsOutline::path_to(std::string_view page, std::string_view whole_page) const {
  auto found = by_page_.find(text::to_lower(page));
  if (found == by_page_.end()) found = by_page_.find(text::to_lower(escape_html(page)));
  // The way from the outermost list down to the page's entry.
  std::vector<std::size_t> path;
  for (std::size_t n = found == by_page_.end() ? kNone : found->second; n != kNone && n != 0;
       n = nodes_[n].parent)
    path.push_back(n);
  std::reverse(path.begin(), path.end());
  std::string more = "<LI CLASS=\"tw-more\"><A HREF=\"" + escape_html(whole_page) + "\">...</A></LI>\r\n";
  std::string out;
  write_list(out, 0, path, 0, more);
  return out;
}

void ContentsOutline::write_list(std::string& out, std::size_t list,
                                 const std::vector<std::size_t>& path, std::size_t depth,
                                 std::string_view more) const {
  const std::vector<std::size_t>& kids = nodes_[list].children;
  const bool open_here = depth < path.size();
  std::size_t open = 0;
  if (open_here) open = static_cast<std::size_t>(std::find(kids.begin(), kids.end(), path[depth]) - kids.begin());
  std::size_t from = open_here && open > kNeighboursShown ? open - kNeighboursShown : 0;
  std::size_t to = std::min(kids.size(), (open_here ? open : 0) + kNeighboursShown + 1);
  if (!open_here) to = std::min(kids.size(), 2 * kNeighboursShown + 1);
  out += "<UL>\r\n";
  if (from > 0) out += more;
  for (std::size_t i = from; i < to; ++i) {
    const Node& node = nodes_[kids[i]];
    const bool on_path = open_here && i == open;
    if (node.size > 0) {
      out.append(text_, node.at, node.size);
      out += "\r\n";
    }
    // Books off the way stay closed; the page's own book shows its entries.
    if (on_path && !node.children.empty())
      write_list(out, kids[i], path, depth + 1, more);
  }
  if (to < kids.size()) out += more;
  out += "</UL>\r\n";
}

}  // namespace html
