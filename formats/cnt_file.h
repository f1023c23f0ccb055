// The contents file (".cnt"): header lines and entries, read and written by
// the contents editor, the outline import and the HTML table of contents.
//
// In memory an entry's title and target are separated by a TAB; on disk by
// the first "=" of the line. Levels run 1-16; any other level becomes 1.
// Nothing is capped: a file of any number of entries, lines of any length and
// any number of index and link items read and write whole.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace formats {

inline constexpr int cnt_max_level = 16;

// A level as stored: 1-16 stay, anything else becomes 1.
int cnt_level(long level);

struct CntEntry {
  int level = 1;
  // Book: the title. Topic: title, TAB, target. Include: the whole header
  // line as it stood (":include more.cnt"); an include always has level 1.
  std::string text;
  bool include = false;

  bool is_book() const;
  bool is_topic() const;
  // A topic whose target is a help macro ("!").
  bool is_macro() const;
  std::string_view title() const;
  // "" for a book; the context string with "@file" and ">window" for a topic.
  std::string_view target() const;
  // The entry as the editor holds it: "N text" ("1 :include x.cnt").
  std::string line() const;
};

struct CntFile {
  std::string base;            // help file name of ":Base"
  std::string default_window;  // after ">" on the ":Base" line
  std::string title;           // ":Title"
  // ":Index title=file" items (with "=") and ":Link file" items (without).
  std::vector<std::string> index_links;
  // Header lines of other kinds (":Tab", ":Nofind", ...), kept as they stood.
  std::vector<std::string> other_headers;
  std::vector<CntEntry> entries;
  // A file without a ":Base" or ":Title" line is written back without one;
  // a new contents file has both.
  bool base_line = true;
  bool title_line = true;
  std::string line_end = "\r\n";
  bool byte_order_mark = false;  // the file began with a UTF-8 mark
};

// The header keyword of a line starting with ":" ("Title", "include", ...).
std::string_view cnt_command(std::string_view line);
// True for a header line that includes another contents file, in any case.
bool is_cnt_include(std::string_view line);

// An entry from an entry line (not a header line): the leading number is the
// level, the first "=" becomes a TAB. A line without a level reads at level 1
// with its whole text as the title.
CntEntry parse_cnt_entry(std::string_view line);

// Reads a whole file. Lines end at CR LF, LF or a lone CR; lines holding
// only blanks are skipped. The first line end found is the file's.
CntFile read_cnt(std::string_view bytes);
// The file's bytes: ":Base", ":Title", the index and link items, the other
// header lines, then the entries (includes without their level), each line
// ended with the file's line end.
std::string write_cnt(const CntFile& file);

}  // namespace formats
