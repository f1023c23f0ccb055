#include "html/splitter/topic_splitter.h"

#include <optional>

#include "html/driver/conversion_run.h"
#include "html/text/html_text.h"
#include "html/splitter/line_cleanup.h"
#include "html/text/markup.h"
#include "html/analysis/marker_rewrite.h"
#include "html/splitter/page_markers.h"
#include "html/splitter/page_naming.h"
#include "html/splitter/split_options.h"
#include "html/splitter/word2000_filter.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"

namespace html {

namespace {

std::string stem_of(std::string_view path) {
  std::string_view name = platform::file_name_of(path);
  return std::string(name.substr(0, name.rfind('.')));
}

class TopicSplitter {
 public:
  TopicSplitter(ConversionRun& run, std::string_view input)
      : run_(run),
        options_(split_options(run)),
        input_(input),
        htb_(platform::replace_extension(input, ".htb")),
        base_(stem_of(input)),
        dir_(platform::directory_of(input)),
        word2000_(options_.keep_css, platform::replace_extension(input, ".css")) {}

  int split();

 private:
  bool open();
  std::optional<std::string> next_line();
  std::optional<std::string> next_buffer();
  void process(std::string buffer);
  void handle_page_marker(std::string& buffer);
  void start_page(const PageStart& start);
  void note_anchor(const std::string& context);
  bool open_page(const std::string& path);
  bool close_page();
  void write(std::string_view text);
  void finish();
  void remove_empty_stub();

  ConversionRun& run_;
  SplitOptions options_;
  std::string input_, htb_, base_, dir_;
  Word2000Filter word2000_;
  CleanupState cleanup_;
  platform::FileWriter page_;  // the stub, and the pages when they are not held
  bool held_ = false;          // the page being split goes to run_.held_pages
  std::string page_name_;
  int next_number_ = 2;
  bool first_page_ = true;
  int page_line_ = 0;
  bool failed_ = false;
  std::string charset_;  // the charset the export declared, else the project's
};

int TopicSplitter::split() {
  if (!open()) return 0;
  while (!failed_) {
    std::optional<std::string> buffer = next_buffer();
    if (!buffer) break;
    process(std::move(*buffer));
  }
  finish();
  return failed_ ? 0 : 1;
}

bool TopicSplitter::open() {
  if (!platform::file_exists(input_)) return false;
  platform::remove_file(htb_);
  if (!platform::rename_file(input_, htb_)) return false;
  if (page_.open(input_) && run_.line_reader.open(htb_)) {
    page_name_ = std::string(platform::file_name_of(input_));
    return true;
  }
  // Nothing written yet: the input goes back under its own name.
  page_.close();
  platform::remove_file(input_);
  platform::rename_file(htb_, input_);
  return false;
}

// The next line that is kept (Word 2000 XML and style blocks are dropped).
std::optional<std::string> TopicSplitter::next_line() {
  for (;;) {
    std::optional<std::string> line = run_.line_reader.read_line(kSplitLineBytes);
    if (!line) return std::nullopt;
    ++page_line_;
    if (!options_.word2000) return line;
    if (std::optional<std::string> kept = word2000_.filter(*line)) return kept;
  }
}

// A line with the lines a marker or style runs on to, up to 5,000 bytes.
std::optional<std::string> TopicSplitter::next_buffer() {
  std::optional<std::string> buffer = next_line();
  if (!buffer) return std::nullopt;
  bool strip = options_.word2000 && options_.strip_css;
  while (buffer->size() < kContinuationBytes &&
         marker_incomplete(*buffer, options_.auto_link, strip)) {
    std::optional<std::string> more = next_line();
    if (!more) break;
    *buffer += *more;
  }
  if (strip) strip_word2000_styles(*buffer);
  return buffer;
}

void TopicSplitter::process(std::string buffer) {
  if (first_page_ && charset_.empty()) charset_ = declared_charset(buffer);
  std::string early = clean_line(buffer, options_, run_.translations, cleanup_);
  if (cleanup_.has_keywords) run_.has_keywords = true;
  write(early);
  handle_page_marker(buffer);
  if (failed_) return;
  // Before the first page the text is the export's head, which is no page:
  // markers there name no page and are dropped.
  std::vector<std::string> sequences = take_browse_markers(buffer);
  std::vector<std::string> contexts = replace_anchor_markers(buffer);
  if (!first_page_) {
    for (const std::string& sequence : sequences) add_browse(run_, sequence + "=" + page_name_);
    for (const std::string& context : contexts) note_anchor(context);
  }
  write(buffer);
}

void TopicSplitter::handle_page_marker(std::string& buffer) {
  std::size_t pos = buffer.find(kPageMarker);
  if (pos == std::string::npos) return;
  // Two markers on one line: the first topic is empty.
  for (std::size_t next = buffer.find(kPageMarker, pos + kPageMarker.size());
       next != std::string::npos; next = buffer.find(kPageMarker, pos + kPageMarker.size()))
    buffer.erase(pos, next - pos);
  if (buffer.front() != '<') {
    // A continued line: its start stays with the topic it belongs to.
    write(std::string_view(buffer).substr(0, pos));
    buffer.replace(0, pos, "<h1>");
    pos = 4;
  }
  if (std::optional<PageStart> start = take_page_marker(buffer, pos)) start_page(*start);
}

void TopicSplitter::start_page(const PageStart& start) {
  std::string name = page_file_name(options_.naming, base_, next_number_, start.title,
                                    start.context, run_.page_list);
  std::string path = dir_.empty() ? name : platform::join_path(dir_, name);
  write("</BODY>\r\n</HTML>\r\n");
  if (!close_page()) {
    failed_ = true;
    return;
  }
  if (first_page_) {
    replace_page(run_, path, start.title);
  } else {
    add_page(run_, path, start.title);
  }
  first_page_ = false;
  ++next_number_;
  if (!open_page(path)) {
    failed_ = true;
    return;
  }
  page_name_ = name;
  page_line_ = 1;
  if (charset_.empty()) charset_ = options_.default_charset;
  if (run_.publish.page_charset.empty()) run_.publish.page_charset = charset_;
  write("<HTML>\r\n<HEAD>\r\n<TITLE>" + page_title(start.title) + "</TITLE>\r\n");
  write(charset_meta(charset_) + "\r\n");
  if (options_.word2000 && options_.keep_css && word2000_.stylesheet_made())
    write(stylesheet_link(word2000_.stylesheet_name()));
  write("\r\n" + std::string(kGeneratorMeta) + "\r\n</HEAD>\r\n<BODY>\r\n");
}

void TopicSplitter::note_anchor(const std::string& context) {
  add_context(run_, page_name_ + "#" + context + "#" + (page_line_ <= kTopLines ? "%" : ""));
  if (!options_.home_from_anchors) return;
  bool home = options_.contents_topic.empty() ? run_.splitting_first_file && !run_.home_anchor_taken
                                              : text::iequals(context, options_.contents_topic);
  if (run_.splitting_first_file) run_.home_anchor_taken = true;
  if (!home) return;
  run_.home_page = page_name_;
  for (wizard::NavButton& button : run_.settings.project.buttons)
    if (button.type == static_cast<int>(wizard::ButtonType::home)) button.url = page_name_;
}

bool TopicSplitter::open_page(const std::string& path) {
  held_ = run_.held_pages.holding();
  if (!held_) return page_.open(path);
  run_.held_pages.begin(path);
  return true;
}

bool TopicSplitter::close_page() {
  if (held_) return !failed_;
  return page_.close();
}

void TopicSplitter::write(std::string_view text) {
  if (text.empty()) return;
  if (held_) {
    if (!run_.held_pages.append(text)) failed_ = true;
  } else if (page_.is_open() && !page_.write(text)) {
    failed_ = true;
  }
}

void TopicSplitter::finish() {
  // A page that could not be written completely fails the pass.
  if (page_.is_open() && !page_.close()) failed_ = true;
  if (run_.line_reader.failed()) failed_ = true;
  run_.line_reader.close();
  // A pass cut short keeps its input, so nothing of it is lost.
  if (!failed_) platform::remove_file(htb_);
  if (!failed_ && !first_page_) remove_empty_stub();
}

// The stub left under the input's name (the export's head before the first
// page) is in no page list; without text of its own it goes.
void TopicSplitter::remove_empty_stub() {
  std::optional<std::string> stub = platform::read_file(input_);
  if (!stub) return;
  std::string body = *stub;
  std::size_t open = find_nocase(body, "<BODY");
  if (open != kNoPos) body.erase(0, open);
  erase_tags(body, "<");
  erase_all(body, "&nbsp;");
  if (body.find_first_not_of(" \t\r\n") == std::string::npos) platform::remove_file(input_);
}

}  // namespace

int split_topic_pages(ConversionRun& run, std::string_view input) {
  return TopicSplitter(run, input).split();
}

void add_page(ConversionRun& run, std::string_view path, std::string_view title) {
  run.page_list.insert_after(run.page_position, path, title);
  ++run.page_position;
}

bool replace_page(ConversionRun& run, std::string_view path, std::string_view title) {
  return run.page_list.replace(run.page_position, path, title);
}

void add_context(ConversionRun& run, std::string_view entry) { run.context_map.add(entry); }
void add_browse(ConversionRun& run, std::string_view entry) { run.browse_map.add(entry); }

std::string browse_next(ConversionRun& run, std::string_view page) {
  return run.browse_map.next(page);
}
std::string browse_previous(ConversionRun& run, std::string_view page) {
  return run.browse_map.previous(page);
}

}  // namespace html
