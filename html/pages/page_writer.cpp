#include "html/pages/page_writer.h"

#include "html/driver/conversion_run.h"
#include "html/pages/heading_step.h"
#include "html/pages/hotspot_step.h"
#include "html/pages/keyword_step.h"
#include "html/text/markup.h"
#include "html/framing/page_framer.h"
#include "html/text/page_rewrite.h"
#include "html/framing/run_pages.h"
#include "html/pages/table_step.h"
#include "html/pictures/bitmap_step.h"
#include "html/pictures/caption_step.h"
#include "platform/text.h"

namespace html {

namespace {

constexpr std::string_view kBodyReplacement = "<BODY>\r\n\r\n<A NAME=\"topofpage\"></A>\r\n";

// Removes WinHelp references that mean nothing on the web ("{button ...}",
// "{ew ...}"), each up to its "}".
void remove_winhelp_references(std::string& buffer) {
  for (std::string_view opener : {std::string_view("{button"), std::string_view("{ew")}) {
    for (std::size_t at = find_nocase(buffer, opener); at != kNoPos;
         at = find_nocase(buffer, opener, at)) {
      std::size_t end = buffer.find('}', at);
      if (end == std::string::npos) break;
      buffer.erase(at, end + 1 - at);
    }
  }
}

// Drops a line end left alone at the start of text.
std::string_view after_line_end(std::string_view text) {
  if (text.starts_with("\r\n")) return text.substr(2);
  if (text.starts_with("\n")) return text.substr(1);
  return text;
}

class PageWriter : public ReadOn {
 public:
  PageWriter(ConversionRun& run, std::string_view path, std::string_view title);
  // held: the page's split text when the splitter held it back (the page
  // is then created here), else the page is rewritten where it lies.
  int write(std::optional<std::string> held);
  bool append_line(std::string& buffer) override;

 private:
  bool process(std::string buffer);
  void title_step(std::string& buffer);
  void body_step(std::string& buffer);

  ConversionRun& run_;
  const wizard::PageSettings& s_;
  std::string path_;
  std::string title_;
  HotspotPage page_;
  PageRewrite* rewrite_ = nullptr;
  TableStep tables_;
  HeadingStep headings_;
  bool layout_closed_ = false;
};

PageWriter::PageWriter(ConversionRun& run, std::string_view path, std::string_view title)
    : run_(run),
      s_(run.settings.project.settings),
      path_(path),
      title_(title),
      page_{page_name(path), is_toc_page(run, page_name(path))},
      tables_(s_),
      headings_(s_, run.settings.derived.long_document) {}

bool PageWriter::append_line(std::string& buffer) {
  std::optional<std::string> line = rewrite_->next_line();
  if (!line) return false;
  buffer += *line;
  return true;
}

int PageWriter::write(std::optional<std::string> held) {
  PageRewrite rewrite = held ? PageRewrite(path_, std::move(*held)) : PageRewrite(path_);
  if (!rewrite.ok()) return 0;
  rewrite_ = &rewrite;
  while (std::optional<std::string> line = rewrite.next_line()) {
    if (!process(std::move(*line))) break;
  }
  // The written page goes on to the framer in memory, and its local TOC
  // with it, so the page is read and written once.
  run_.publish.local_toc = s_.ltoc != 0 ? headings_.headings().text(s_.ltmin, s_.ltmax) : "";
  run_.publish.local_toc_at_heading = headings_.marker_placed();
  std::string framed =
      frame_page_text(run_, path_, page_.is_toc ? wizard::PageKind::toc : wizard::PageKind::body,
                      rewrite.take_text());
  run_.publish.local_toc.reset();
  run_.publish.local_toc_at_heading = false;
  rewrite.write(framed);
  if (!rewrite.finish()) return 0;
  ++run_.publish.counts.pages;
  return 1;
}

void PageWriter::title_step(std::string& buffer) {
  std::size_t at = find_nocase(buffer, "<TITLE");
  if (at == kNoPos) return;
  std::size_t close = read_on_until(*this, buffer, at, "</TITLE");
  std::size_t end = close == kNoPos ? kNoPos : tag_end(buffer, close);
  if (end == kNoPos) return;
  buffer = buffer.substr(0, at) + "<TITLE>" + title_ + "</TITLE>\r\n" +
           std::string(after_line_end(std::string_view(buffer).substr(end + 1)));
}

void PageWriter::body_step(std::string& buffer) {
  std::size_t at = find_nocase(buffer, "<BODY");
  if (at != kNoPos) {
    std::size_t end = tag_end(buffer, at);
    if (end != kNoPos) {
      std::string rest(after_line_end(std::string_view(buffer).substr(end + 1)));
      buffer = buffer.substr(0, at) + std::string(kBodyReplacement) + rest;
    }
  }
  at = find_nocase(buffer, "</BODY");
  if (at != kNoPos && headings_.layout_open() && !layout_closed_) {
    buffer.insert(at, kLayoutTableClose);
    layout_closed_ = true;
  }
}

// The per-line steps in order; false once the page's last line is written.
bool PageWriter::process(std::string buffer) {
  std::size_t html_end = find_nocase(buffer, "</HTML");
  bool last = html_end != kNoPos;
  if (last) buffer.erase(html_end);
  title_step(buffer);
  if (contains_nocase(buffer, "<META") && contains_nocase(buffer, "GENER"))
    buffer = std::string(kWriterGenerator) + "\r\n";
  body_step(buffer);
  if (s_.lnkcaps != 0) link_captions(buffer, *this);
  if (s_.dothmb != 0) link_thumbnails(buffer, *this);
  tables_.apply(buffer, *this);
  headings_.apply(buffer, *this);
  remove_winhelp_references(buffer);
  convert_keywords(buffer, page_.name, run_.publish.index, run_.publish.index_anchor, *this);
  convert_bitmap_references(run_, buffer, *this);
  if (s_.xref.convert != 0) convert_hotspots(run_, page_, buffer, *this);
  rewrite_->write(buffer);
  if (last) rewrite_->write("</HTML>\r\n");
  return !last;
}

}  // namespace

void prepare_page_writing(ConversionRun& run) {
  run.publish.contexts.clear();
  for (const std::string& entry : run.context_map.entries()) run.publish.contexts.add(entry);
  run.publish.names.rebuild(run.page_list);
  run.publish.index_anchor = 1;
}

bool is_toc_page(const ConversionRun& run, std::string_view page_name) {
  return !run.publish.toc_from_cnt && text::iequals(page_name, run.home_page);
}

int write_topic_page(ConversionRun& run, std::size_t position) {
  if (position >= run.page_list.size()) return 0;
  const PageEntry& page = run.page_list.at(position);
  write_run_pages(run, position);
  return PageWriter(run, page.path, page.title).write(run.held_pages.take(page.path));
}

int write_topic_page(ConversionRun& run, std::string_view path) {
  std::optional<std::size_t> position = run.publish.names.position_of(page_name(path));
  if (!position) return 0;
  return write_topic_page(run, *position);
}

}  // namespace html
