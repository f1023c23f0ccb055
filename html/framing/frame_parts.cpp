#include "html/framing/frame_parts.h"

#include "html/text/markup.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

namespace {

using wizard::kind_index;
using wizard::PageKind;

const wizard::Background& background_of(const wizard::PageSettings& s, PageKind kind) {
  switch (kind) {
    case PageKind::toc:
      return s.bg_toc;
    case PageKind::index:
      return s.bg_ix;
    case PageKind::body:
      break;
  }
  return s.bg;
}

}  // namespace

std::string body_content(std::string_view html) {
  std::size_t body = find_nocase(html, "<BODY");
  std::size_t start = 0;
  if (body != kNoPos) {
    std::size_t end = tag_end(html, body);
    start = end == kNoPos ? html.size() : end + 1;
  }
  std::size_t stop = find_nocase(html, "</BODY", start);
  std::string_view content = html.substr(start, stop == kNoPos ? kNoPos : stop - start);
  return std::string(content.substr(0, kBodyContentBytes));
}

std::string page_part_file(std::string_view path) {
  if (path.empty()) return {};
  std::optional<std::string> text = platform::read_file(path);
  return text ? body_content(*text) : std::string();
}

std::string body_tag(const wizard::PageSettings& s, PageKind kind) {
  PageKind colours = s.allsame != 0 ? PageKind::body : kind;
  std::size_t k = kind_index(colours);
  const wizard::Background& bg = background_of(s, colours);
  bool text_colours = s.ctclr[k] != 0;
  bool style = s.stylecode != 0 && !s.bodystyle.empty();
  if (bg.mode <= 0 && !text_colours && !style) return {};
  std::string tag = "\r\n<BODY";
  if (text_colours) {
    tag += " TEXT=\"" + html_colour(s.tn[k]) + "\" LINK=\"" + html_colour(s.tl[k]) + "\" ALINK=\"" +
           html_colour(s.ta[k]) + "\" VLINK=\"" + html_colour(s.tv[k]) + "\"";
  }
  if (bg.mode > 0) tag += " BGCOLOR=\"" + html_colour(s.bc[k]) + "\"";
  if (bg.mode == 2)
    tag += " BACKGROUND=\"" + std::string(platform::file_name_of(bg.graphic)) + "\"";
  if (style) tag += " " + s.bodystyle;
  return tag + ">\r\n";
}

std::string base_font_tag(const wizard::PageSettings& s) {
  std::string_view face = text::trim(s.base.face);
  if (face.empty()) return {};
  return "<BASEFONT FACE=\"" + std::string(face) + "\">\r\n";
}

std::string layout_rule(const wizard::RuleOptions& rule) {
  if (rule.use_graphic != 0 && !rule.graphic.empty()) {
    return "\r\n<P><CENTER><IMG SRC=\"" + std::string(platform::file_name_of(rule.graphic)) +
           "\" BORDER=0></CENTER>\r\n";
  }
  return text::format("\r\n<P><HR ALIGN=%s SIZE=%d WIDTH=%s>\r\n", rule.alignment.c_str(),
                      rule.height, rule.width.c_str());
}

std::string local_toc_path(std::string_view page) {
  return platform::replace_extension(page, ".toc");
}

std::string take_local_toc(std::string_view page) {
  std::string path = local_toc_path(page);
  std::optional<std::string> text = platform::read_file(path);
  if (!text) return {};
  platform::remove_file(path);
  std::size_t done = text->find(kLocalTocDone);
  std::size_t end = text->size();
  if (done != std::string::npos) {
    std::size_t lf = text->rfind('\n', done);
    end = lf == std::string::npos ? 0 : lf + 1;  // the lines before the one with the mark
  }
  std::string toc = text->substr(0, end);
  return toc.find("HREF") == std::string::npos ? std::string() : toc;
}

}  // namespace html
