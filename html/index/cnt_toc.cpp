#include "html/index/cnt_toc.h"

#include "formats/cnt_file.h"
#include "html/driver/conversion_run.h"
#include "html/pages/context_resolver.h"
#include "html/text/markup.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

namespace {

// One line of the contents file.
struct CntEntry {
  int level = 1;
  std::string title;
  bool is_topic = false;
  std::string context;  // topics: cut at ">"
};

// The level and the title/target split come from the shared contents reader.
CntEntry toc_entry(const formats::CntEntry& entry) {
  CntEntry e;
  e.level = entry.level;
  e.title = std::string(entry.title());
  e.is_topic = entry.is_topic();
  if (!e.is_topic) return e;
  std::string_view context = text::trim_left(entry.target());
  e.context = std::string(context.substr(0, context.find('>')));
  return e;
}

// Opens and closes the nested lists as the levels change.
class Nesting {
 public:
  explicit Nesting(std::string& out) : out_(out) {}

  void enter(int level, bool heading) {
    if (open_ == 0) {
      out_ += "<UL>\r\n";
      open_ = 1;
    } else if (level > current_) {
      for (int i = current_; i < level; ++i) out_ += "<UL>\r\n";
      open_ += level - current_;
    } else if (level < current_ && heading_seen_) {
      // The outermost list stays open until the end.
      int close = std::min(current_ - level, open_ - 1);
      for (int i = 0; i < close; ++i) out_ += "</UL>\r\n";
      open_ -= close;
    }
    current_ = level;
    if (heading) heading_seen_ = true;
  }

  void close_all() {
    for (int i = 0; i < open_; ++i) out_ += "</UL>\r\n";
    open_ = 0;
  }

 private:
  std::string& out_;
  int open_ = 0;
  int current_ = 0;
  bool heading_seen_ = false;
};

class TocWriter {
 public:
  TocWriter(std::string& out, const CntTocOptions& options, const ContextResolver& contexts)
      : out_(out), o_(options), contexts_(contexts), nesting_(out) {}

  void head();
  void entry(const formats::CntEntry& entry);
  void tail();

 private:
  void command(std::string_view line);
  void heading(const CntEntry& e);
  void topic(const CntEntry& e);
  void other_file_topic(const CntEntry& e, std::size_t at);
  void sitemap_object(std::string_view name, std::string_view local);
  std::string opening() const;
  std::string closing() const;

  std::string& out_;
  const CntTocOptions& o_;
  const ContextResolver& contexts_;
  Nesting nesting_;
};

void TocWriter::head() {
  if (o_.html_help) {
    out_ +=
        "<HTML>\r\n<BODY>\r\n<!-- Sitemap 1.0 -->\r\n<OBJECT type=\"text/site properties\">\r\n";
    if (!o_.frame_name.empty())
      out_ += "<param name = \"FrameName\" value=\"" + o_.frame_name + "\">\r\n";
    out_ += "</OBJECT>\r\n\r\n";
    return;
  }
  out_ += "<HTML>\r\n<HEAD>\r\n<TITLE>" + o_.title + "</TITLE>\r\n</HEAD>\r\n<BODY>\r\n";
  if (o_.show_title) out_ += "<P><H1>" + o_.title + "</H1>\r\n";
}

void TocWriter::tail() {
  nesting_.close_all();
  out_ += o_.html_help ? "\r\n</HTML>\r\n" : "\r\n</BODY>\r\n</HTML>\r\n";
}

void TocWriter::entry(const formats::CntEntry& entry) {
  if (entry.include) {
    command(entry.text);
    return;
  }
  CntEntry e = toc_entry(entry);
  if (e.is_topic) {
    topic(e);
  } else {
    heading(e);
  }
}

// Only HTML Help uses a command: ":include" merges another file's contents.
void TocWriter::command(std::string_view line) {
  if (!o_.html_help) return;
  const bool include = formats::is_cnt_include(line);
  std::size_t blank = line.find(' ');
  if (!include || blank == std::string_view::npos) return;
  std::string_view file = text::trim(line.substr(blank + 1));
  std::string stem(file.substr(0, file.size() - platform::extension_of(file).size()));
  out_ += "\r\n<OBJECT type=\"text/sitemap\">\r\n<param name=\"Merge\" value=\"" + stem +
          ".chm::/" + stem + ".hhc\">\r\n</OBJECT>\r\n";
}

std::string TocWriter::opening() const {
  std::string out = o_.size_step < 0 ? text::format("<FONT SIZE=%d>", o_.size_step)
                                     : text::format("<FONT SIZE=+%d>", o_.size_step);
  if (o_.bold) out += "<B>";
  if (o_.italic) out += "<I>";
  return out;
}

std::string TocWriter::closing() const {
  std::string out;
  if (o_.italic) out += "</I>";
  if (o_.bold) out += "</B>";
  return out + "</FONT>";
}

void TocWriter::sitemap_object(std::string_view name, std::string_view local) {
  out_ += "<LI> <OBJECT type=\"text/sitemap\">\r\n";
  out_ += "<param name = \"Name\" value=\"" + escape_html(name) + "\">\r\n";
  if (!local.empty()) out_ += "<param name = \"Local\" value=\"" + std::string(local) + "\">\r\n";
  out_ += "</OBJECT>\r\n";
}

void TocWriter::heading(const CntEntry& e) {
  nesting_.enter(e.level, true);
  if (o_.html_help) {
    sitemap_object(e.title, {});
    return;
  }
  const char* tag = o_.bullets ? "LI" : "P";
  out_ += text::format("<%s>%s%s%s</%s>\r\n", tag, opening().c_str(), escape_html(e.title).c_str(),
                       closing().c_str(), tag);
}

void TocWriter::other_file_topic(const CntEntry& e, std::size_t at) {
  if (!o_.html_help) return;  // a web TOC cannot reach another help file
  nesting_.enter(e.level, false);
  std::string_view file = std::string_view(e.context).substr(at + 1);
  std::string chm = platform::replace_extension(file, ".chm");
  std::string context = e.context.substr(0, at);
  sitemap_object(e.title, "ms-its:" + chm + "::/" + context + o_.page_extension);
}

void TocWriter::topic(const CntEntry& e) {
  std::size_t at = e.context.find('@');
  if (at != std::string::npos) {
    other_file_topic(e, at);
    return;
  }
  std::string key = context_key(e.context);
  if (!contexts_.knows(key)) return;  // the topic is in no converted page
  std::string target = contexts_.resolve(key);
  nesting_.enter(e.level, false);
  if (o_.html_help) {
    sitemap_object(e.title, target);
    return;
  }
  const char* tag = o_.bullets ? "LI" : "P";
  out_ += text::format("<%s>%s<A HREF=\"%s\"%s>%s</A>%s</%s>\r\n", tag, opening().c_str(),
                       target.c_str(), o_.frame_target.c_str(), escape_html(e.title).c_str(),
                       closing().c_str(), tag);
}

}  // namespace

std::string contents_from_cnt(std::string_view cnt, const CntTocOptions& options,
                              const ContextResolver& contexts) {
  std::string out;
  TocWriter writer(out, options, contexts);
  writer.head();
  // Header lines other than includes have no place in the TOC.
  for (const formats::CntEntry& entry : formats::read_cnt(cnt).entries) writer.entry(entry);
  writer.tail();
  return out;
}

CntTocOptions cnt_toc_options(const ConversionRun& run) {
  const wizard::ProjectSettings& p = run.settings.project;
  const wizard::PageSettings& s = p.settings;
  CntTocOptions o;
  o.html_help = p.htmlhelp.use_htmlhelp != 0;
  o.title = s.tct;
  o.show_title = s.tocset.toc_title != 0;
  o.bullets = s.tocbuls != 0;
  o.size_step = s.tocset.size_change[1];
  o.bold = s.tocset.bold[1] != 0;
  o.italic = s.tocset.italic[1] != 0;
  if (s.frm.in_frame != 0) {
    o.frame_target = std::string(wizard::kMainFrameTarget);
    o.frame_name = std::string(wizard::kHtmlHelpMainFrame);
  }
  o.page_extension = s.fnames.extension;
  return o;
}

std::string cnt_toc_path(const ConversionRun& run) {
  if (run.settings.project.htmlhelp.use_htmlhelp != 0)
    return platform::replace_extension(run.settings.location.project_file, ".hhc");
  return platform::join_path(run.settings.derived.output_directory,
                             run.settings.derived.toc_page_name);
}

int write_cnt_toc(ConversionRun& run, std::string_view cnt_path) {
  const std::optional<std::string> cnt = platform::read_file(cnt_path);
  if (!cnt) return 0;
  std::string toc = contents_from_cnt(*cnt, cnt_toc_options(run), run.publish.contexts);
  return platform::write_file(cnt_toc_path(run), toc) ? 1 : 0;
}

}  // namespace html
