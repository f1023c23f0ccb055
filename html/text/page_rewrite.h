// Rewriting a page the run itself wrote, as every pass after the splitter
// does: the page is read whole through one open file, the pass writes its
// new text into memory, and finish() puts that text in place of the old in
// the same open file. The pages are the run's own fresh output, so no
// working copy is made; a pass that cannot finish leaves the page as it was.
#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "html/text/text_lines.h"
#include "platform/files.h"

namespace html {

// The longest piece of a line the rewriting passes read at once.
inline constexpr std::size_t kRewriteLineBytes = 7999;

class PageRewrite {
 public:
  // Opens and reads the page; check ok().
  explicit PageRewrite(std::string_view page);
  // A page not yet written: its text is given, and finish() creates the
  // page, so that it is written once.
  PageRewrite(std::string_view page, std::string text);
  PageRewrite(const PageRewrite&) = delete;
  PageRewrite& operator=(const PageRewrite&) = delete;

  bool ok() const { return file_ != nullptr || !new_page_.empty(); }
  // The next line of the old page with its line end, nothing at its end.
  std::optional<std::string> next_line(std::size_t max_bytes = kRewriteLineBytes);
  void write(std::string_view text) { out_ += text; }
  // The same for a whole new text: taken over, not copied, when it is the first.
  void write_moved(std::string text) {
    if (out_.empty()) out_ = std::move(text);
    else out_ += text;
  }
  // Copies the rest of the old page unchanged.
  void copy_rest();
  // The rest of the old page, taken out unread (for a pass in memory).
  std::string take_old();
  // The new text so far, taken out (for a following pass in memory).
  std::string take_text() { return std::move(out_); }
  // Puts the new text in place of the page; false when it cannot be written.
  bool finish();

 private:
  std::unique_ptr<platform::ExclusiveFile> file_;
  std::string new_page_;  // the page finish() creates ("" when it rewrites file_)
  TextLines old_;
  std::string out_;
};

}  // namespace html
