#include "html/splitter/line_cleanup.h"

#include "html/text/html_text.h"

namespace html {

namespace {

constexpr std::string_view kNbsp = "&nbsp;";
constexpr char kBullet = static_cast<char>(149);

void remove_formatting(std::string& line, const SplitOptions& o) {
  if (o.remove_font) {
    erase_tags(line, "<FONT");
    erase_tags(line, "<font");
    erase_all(line, "</FONT>");
    erase_all(line, "</font>");
  }
  if (o.fix_bold) replace_all(line, "</B>", "</B></B>");
  if (o.remove_bold)
    for (std::string_view tag : {"<B>", "<b>", "</B>", "</b>"}) erase_all(line, tag);
  if (o.remove_italic)
    for (std::string_view tag : {"<I>", "<i>", "</I>", "</i>"}) erase_all(line, tag);
}

}  // namespace

void fix_footnote_links(std::string& line, std::string_view footnote_page) {
  if (footnote_page.empty()) return;
  for (std::size_t p = line.find(footnote_page); p != std::string::npos;
       p = line.find(footnote_page, p + footnote_page.size())) {
    std::size_t scheme = line.rfind("file://", p);
    if (scheme == std::string::npos) continue;
    // Only a path within the same attribute value.
    if (line.find('"', scheme) < p) continue;
    line.erase(scheme, p - scheme);
    p = scheme;
  }
}

void fix_lower_case(std::string& line, bool word97) {
  std::string_view word = word97 ? "=\"Image" : "=\"IMG";
  for (std::size_t p = line.find(word); p != std::string::npos; p = line.find(word, p + 1)) {
    if (word97)
      line[p + 2] = 'i';
    else
      line.replace(p + 2, 3, "img");
    std::size_t gif = line.find(".GIF", p);
    if (gif != std::string::npos) line.replace(gif, 4, ".gif");
  }
}

void collapse_spaces(std::string& line) {
  std::string run;
  for (int i = 0; i < 8; ++i) run += kNbsp;
  for (std::size_t p = line.find(run); p != std::string::npos; p = line.find(run))
    line.erase(p, 2 * kNbsp.size());
  for (std::size_t p = line.find(kNbsp); p != std::string::npos; p = line.find(kNbsp, p + 1)) {
    std::size_t after = p + kNbsp.size();
    if (after < line.size() && line[after] == '&') continue;
    line.replace(p, kNbsp.size(), " ");
  }
}

void remove_export_anchors(std::string& line) {
  constexpr std::string_view opener = "<A NAME=\"_";
  for (std::size_t p = line.find(opener); p != std::string::npos; p = line.find(opener, p)) {
    std::size_t end = line.find('>', p);
    if (end == std::string::npos) break;
    line.erase(p, end + 1 - p);
    std::size_t close = line.find("</A>", p);
    if (close != std::string::npos) line.erase(close, 4);
  }
  replace_all(line, "</A></A>", "</A>");
}

std::string clean_line(std::string& line, const SplitOptions& o,
                       const std::vector<Translation>& translations, CleanupState& state) {
  fix_footnote_links(line, o.footnote_page);
  remove_formatting(line, o);
  std::string early = apply_translations(line, translations, o.word2000);
  if (line.find("!tzky") != std::string::npos || early.find("!tzky") != std::string::npos)
    state.has_keywords = true;
  replace_all(line, "&#61623;", std::string_view(&kBullet, 1));
  if (o.remove_br) erase_all(line, "<BR>");
  if (o.lower_case) fix_lower_case(line, o.word97);
  collapse_spaces(line);
  remove_export_anchors(line);
  if (o.word97) clean_word97_lists(line, o, state);
  if (o.auto_link) apply_web_links(line, o.link_target);
  return early;
}

}  // namespace html
