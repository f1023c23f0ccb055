#include "html/framing/master_page.h"

#include "html/framing/frame_parts.h"
#include "html/text/line_reader.h"
#include "html/text/markup.h"
#include "html/text/page_rewrite.h"

namespace html {

std::optional<MasterPage> read_master_page(std::string_view path, LineReader& reader) {
  if (path.empty() || !reader.open(path)) return std::nullopt;
  MasterPage master;
  bool in_foot = false;
  while (std::optional<std::string> line = reader.read_line(LineReader::kWindowBytes)) {
    if (in_foot) {
      master.foot += *line;
      continue;
    }
    std::size_t tag = line->find("[lfc]");
    if (tag == std::string::npos) tag = line->find("[LFC]");
    if (tag == std::string::npos) {
      master.head += *line;
      continue;
    }
    master.head += line->substr(0, tag);
    master.foot += line->substr(tag + kMasterSplitTag.size());
    in_foot = true;
  }
  reader.close();
  return master;
}

std::string master_head(const MasterPage& master, std::string_view title) {
  std::string head = master.head;
  std::size_t at = find_nocase(head, "<TITLE");
  if (at == kNoPos) return head;
  std::size_t close = find_nocase(head, "</TITLE", at);
  std::size_t end = close == kNoPos ? kNoPos : tag_end(head, close);
  if (end == kNoPos) return head;
  head.replace(at, end + 1 - at, "<TITLE>" + std::string(title) + "</TITLE>");
  return head;
}

int apply_master_page(const MasterPage& master, std::string_view page, std::string_view title) {
  PageRewrite rewrite(page);
  if (!rewrite.ok()) return 0;
  rewrite.write(master_head(master, title));
  // The body content streams through, so a long page is never cut.
  bool in_body = false;
  std::string pending;  // the text before "<BODY" may end in a tag cut by the line end
  while (std::optional<std::string> line = rewrite.next_line(LineReader::kWindowBytes)) {
    std::string text = std::move(*line);
    if (!in_body) {
      pending += text;
      std::size_t at = find_nocase(pending, "<BODY");
      std::size_t end = at == kNoPos ? kNoPos : tag_end(pending, at);
      // A page without a BODY tag is all content.
      if (end == kNoPos && pending.size() < kBodyContentBytes) continue;
      text = end == kNoPos ? std::move(pending) : pending.substr(end + 1);
      pending.clear();
      in_body = true;
    }
    std::size_t stop = find_nocase(text, "</BODY");
    rewrite.write(std::string_view(text).substr(0, stop));
    if (stop != kNoPos) break;
  }
  if (!in_body) rewrite.write(pending);
  rewrite.write(master.foot);
  return rewrite.finish() ? 1 : 0;
}

}  // namespace html
