#include "html/framing/page_framer.h"

#include "html/framing/button_bar.h"
#include "html/framing/contents_sidebar.h"
#include "html/driver/conversion_run.h"
#include "html/framing/frame_parts.h"
#include "html/text/markup.h"
#include "html/text/page_rewrite.h"
#include "html/pages/signature.h"
#include "platform/text.h"
#include "wizard/head_code.h"

namespace html {

namespace {

using wizard::PageKind;

// Layout elements "[" and "]" enclose navigation, which style sheets may
// place or leave out of print.
constexpr std::string_view kNavOpen = "<NAV CLASS=\"tw-nav\">\r\n";
constexpr std::string_view kNavClose = "</NAV>\r\n";

// Lines of a written page are read whole up to this length.
constexpr std::size_t kFrameLineBytes = LineReader::kWindowBytes;

class PageFramer {
 public:
  PageFramer(ConversionRun& run, std::string_view path, PageKind kind);
  // The framed text of a page.
  std::string frame(std::string text);

 private:
  void load_parts();
  void write_out(std::string_view text) { out_ += text; }
  // Returns false once the page's end has been written.
  bool process(std::string line);
  void body_start(std::string& line, std::size_t at);
  void body_end(std::string_view before);
  std::string items(std::string_view layout, bool top);
  const FrameFiles& parts() { return frame_files(run_); }
  std::string item(char c, bool top);

  ConversionRun& run_;
  const wizard::PageSettings& s_;
  std::string path_;
  std::string page_;
  PageKind kind_;
  std::string out_;
  std::string local_toc_;
  bool base_font_ = false;
  bool head_done_ = false, body_started_ = false, body_done_ = false;
};

PageFramer::PageFramer(ConversionRun& run, std::string_view path, PageKind kind)
    : run_(run),
      s_(run.settings.project.settings),
      path_(path),
      page_(page_name(path)),
      kind_(kind) {}

void PageFramer::load_parts() {
  if (s_.ltoc != 0)
    local_toc_ = run_.publish.local_toc ? *run_.publish.local_toc : take_local_toc(path_);
  // The newer export sets its fonts in style sheets.
  base_font_ = run_.settings.library.settings.w2kflag == 0 && !base_font_tag(s_).empty();
}

std::string PageFramer::frame(std::string text) {
  load_parts();
  out_.reserve(text.size() + 4096);
  TextLines lines(std::move(text));
  while (std::optional<std::string> line = lines.next_line(kFrameLineBytes)) {
    if (!process(std::move(*line))) break;
  }
  return std::move(out_);
}

bool PageFramer::process(std::string line) {
  std::size_t at;
  if (!head_done_ && (at = find_nocase(line, "</HEAD")) != kNoPos) {
    write_out(std::string_view(line).substr(0, at));
    write_out(parts().head_code);
    head_done_ = true;
    line.erase(0, at);
  }
  if (!body_started_ && (at = find_nocase(line, "<BODY")) != kNoPos) body_start(line, at);
  if (body_started_ && !body_done_ && (at = find_nocase(line, "</BODY")) != kNoPos) {
    body_end(std::string_view(line).substr(0, at));
    std::size_t end = tag_end(line, at);
    line.erase(0, end == kNoPos ? line.size() : end + 1);
    if (line == "\r\n" || line == "\n") line.clear();  // the tail ended its own line
  }
  if (contains_nocase(line, "</HTML")) {
    write_out("</HTML>\r\n");
    return false;
  }
  if ((at = line.find(kLocalTocMarker)) != kNoPos)
    line.replace(at, kLocalTocMarker.size(), local_toc_);
  write_out(line);
  return true;
}

void PageFramer::body_start(std::string& line, std::size_t at) {
  std::size_t end = tag_end(line, at);
  if (end == kNoPos) return;
  write_out(std::string_view(line).substr(0, at));
  std::string tag = body_tag(s_, kind_);
  std::string own_tag = line.substr(at, end + 1 - at);
  line.erase(0, end + 1);
  // The tag's own line end goes with it; a replacement tag brings its own.
  std::size_t line_end = line.starts_with("\r\n") ? 2 : line.starts_with("\n") ? 1 : 0;
  if (tag.empty()) tag = own_tag + line.substr(0, line_end);
  line.erase(0, line_end);
  write_out(tag);
  if (base_font_) write_out(base_font_tag(s_));
  write_out(items(s_.hlo, true));
  body_started_ = true;
}

void PageFramer::body_end(std::string_view before) {
  std::string_view trimmed = text::trim_right(before);
  bool layout_open = trimmed.size() >= kLayoutTableClose.size() &&
                     trimmed.substr(trimmed.size() - kLayoutTableClose.size()) == kLayoutTableClose;
  if (layout_open) before = trimmed.substr(0, trimmed.size() - kLayoutTableClose.size());
  write_out(before);
  std::string tail = "\r\n" + std::string(kBodyEndMark) + "\r\n";
  if (layout_open) tail += std::string(kLayoutTableClose) + "\r\n";
  tail += items(s_.flo, false);
  if (base_font_) tail += "\r\n</FONT>";
  tail += "\r\n</BODY>\r\n";
  write_out(tail);
  body_done_ = true;
}

std::string PageFramer::items(std::string_view layout, bool top) {
  std::string out;
  bool after_empty_item = false;
  std::size_t nav_start = kNoPos;  // where the open "[" block began
  for (char c : layout) {
    if (c == '[') nav_start = out.size();
    // A navigation block with nothing in it is left out whole.
    if (c == ']' && nav_start != kNoPos && out.size() == nav_start + kNavOpen.size()) {
      out.resize(nav_start);
      nav_start = kNoPos;
      continue;
    }
    if (c == '-') {
      if (!after_empty_item) out += layout_rule(s_.rule0);
      after_empty_item = false;
      continue;
    }
    std::string text = item(c, top);
    after_empty_item = text.empty();
    out += text;
  }
  return out;
}

std::string PageFramer::item(char c, bool top) {
  std::size_t k = wizard::kind_index(kind_);
  std::string out;
  switch (c) {
    case 'H':
      return s_.hv.on != 0 && s_.hv.kinds[k] != 0 ? parts().header : std::string();
    case 'F':
      return s_.fv.on != 0 && s_.fv.kinds[k] != 0 ? parts().footer : std::string();
    case 'S':
      if (s_.sigv.kinds[k] != 0) write_signature(out, s_);
      return out;
    case 'T':
      if (kind_ == PageKind::body && !run_.publish.local_toc_at_heading) return local_toc_;
      return {};
    case 'C':
      // The contents page is the contents already.
      return kind_ == PageKind::toc ? std::string() : contents_sidebar(run_, page_);
    case '[':
      return std::string(kNavOpen);
    case ']':
      return std::string(kNavClose);
    case 'B': {
      const wizard::ButtonRow& row = top ? s_.navbuts.top : s_.navbuts.bottom;
      if (row.on != 0)
        write_button_bar(run_, out, kind_, top ? BarPosition::top : BarPosition::bottom, page_);
      return out;
    }
    default:
      return {};
  }
}

}  // namespace

const FrameFiles& frame_files(ConversionRun& run) {
  std::optional<FrameFiles>& files = run.publish.frame_files;
  if (files) return *files;
  const wizard::PageSettings& s = run.settings.project.settings;
  files.emplace();
  if (s.headcode != 0) files->head_code = wizard::read_head_code(run.settings.location.project_file);
  if (s.hv.on != 0) files->header = page_part_file(s.hd);
  if (s.fv.on != 0) files->footer = page_part_file(s.ft);
  return *files;
}

std::string frame_page_text(ConversionRun& run, std::string_view path, PageKind kind,
                            std::string text) {
  return PageFramer(run, path, kind).frame(std::move(text));
}

int frame_page(ConversionRun& run, std::string_view path, PageKind kind) {
  PageRewrite rewrite(path);
  if (!rewrite.ok()) return 0;
  rewrite.write_moved(frame_page_text(run, path, kind, rewrite.take_old()));
  return rewrite.finish() ? 1 : 0;
}

}  // namespace html
