// Rewriting a page in place, as every pass after the splitter does: the page
// is renamed to ".htb", read line by line from there and written anew under
// its own name; the ".htb" goes only when the new page is complete, and a
// page that cannot be rewritten gets its old content back.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "html/line_reader.h"
#include "platform/files.h"

namespace html {

// The longest piece of a line the rewriting passes read at once.
inline constexpr std::size_t kRewriteLineBytes = 7999;

class PageRewrite {
 public:
  // Renames the page and opens both files; check ok().
  PageRewrite(std::string_view page, LineReader& reader);
  // Restores the old page unless finish() succeeded.
  ~PageRewrite();
  PageRewrite(const PageRewrite&) = delete;
  PageRewrite& operator=(const PageRewrite&) = delete;

  bool ok() const { return ok_; }
  // The next line of the old page with its line end, nothing at its end.
  std::optional<std::string> next_line(std::size_t max_bytes = kRewriteLineBytes);
  void write(std::string_view text) {
    if (ok_) out_.write(text);
  }
  // Copies the rest of the old page unchanged.
  void copy_rest();
  // Completes the new page and removes the ".htb"; false (and the old page
  // restored) when the old page could not be read or the new one written.
  bool finish();

 private:
  void restore();

  std::string page_;
  std::string htb_;
  LineReader& reader_;
  platform::FileWriter out_;
  bool renamed_ = false;  // the old page is now the working copy
  bool ok_ = false;
  bool done_ = false;
};

// The path of a page's working copy: the page with extension ".htb".
std::string working_copy_path(std::string_view page);

}  // namespace html
