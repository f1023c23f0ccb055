// Reads a whole RTF document and reports its content, in order, to a Sink:
// text with its character formatting, paragraph, cell and row ends with their
// formatting, page breaks, footnotes and pictures. It keeps the group stack,
// skips destinations that carry no document text (headers, field instructions,
// bookmarks, list text, unknown {\*\...} groups), and reads the font table,
// colour table, style sheet, list tables and title into header().
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "rtf/formatting.h"
#include "rtf/header.h"
#include "rtf/picture.h"
#include "rtf/tokenizer.h"

namespace rtf {

// Groups nested deeper than this still balance, but share their parent's state.
constexpr std::size_t kMaxGroupDepth = 1024;

// Receives what a Reader finds. Every method does nothing unless overridden.
class Sink {
 public:
  virtual ~Sink() = default;
  // Code page 1252 text (hex escapes decoded, \emdash and the like as bytes).
  virtual void text(std::string_view bytes, const CharFormat& format) {}
  // A \uN character that code page 1252 cannot hold.
  virtual void unicode_char(std::uint32_t code_point, const CharFormat& format) {}
  // \line.
  virtual void line_break(const CharFormat& format) {}
  // \par (or \sect): the paragraph that ends here, list kind resolved.
  virtual void paragraph_end(const ParaFormat& para) {}
  // \cell: ends the cell's last paragraph as well as the cell.
  virtual void cell_end(const ParaFormat& para) {}
  // \row, with the row's definition.
  virtual void row_end(const RowFormat& row) {}
  // \page: in WinHelp files, the end of a topic.
  virtual void page_break() {}
  // A {\footnote ...} group starts; its text follows until footnote_end.
  virtual void footnote_begin() {}
  virtual void footnote_end() {}
  // A {\pict ...} group (the data can be decoded with decode_picture_data).
  virtual void picture(const Picture& picture) {}
};

class Reader {
 public:
  // The text must outlive the reader (tokens and pictures point into it).
  explicit Reader(std::string_view rtf);

  // Reads the document through to its end, reporting to sink.
  void run(Sink& sink);

  // The declarations read so far.
  const Header& header() const { return header_; }
  // The table row most recently defined (\trowd ... \cellxN).
  const RowFormat& row() const { return row_; }
  // The paragraph formatting in force now, list kind resolved.
  ParaFormat paragraph() const;
  // Position in the input of the token being handled (for messages).
  std::size_t offset() const { return offset_; }
  // What was wrong with the input, by position.
  std::vector<Problem> problems() const;

 private:
  struct GroupState {
    CharFormat chars;
    ParaFormat para;
    bool footnote = false;
  };

  void handle(const Token& token, Sink& sink);
  void open_group(std::size_t at);
  void close_group(Sink& sink);
  void drop_consumed_group();
  bool start_destination(const Token& word, Sink& sink);
  bool read_declaration(std::string_view name, GroupCursor& cursor);
  void control_word(const Token& word, Sink& sink);
  bool structure_word(const Token& word, Sink& sink);
  void text(const Token& token, Sink& sink);
  GroupState& state() { return stack_.back(); }

  Tokenizer tokens_;
  Header header_;
  RowFormat row_;
  std::vector<GroupState> stack_;
  std::size_t untracked_groups_ = 0;
  bool group_start_ = false;     // the last token opened a group
  bool starred_ = false;         // ... and was followed by \*
  std::size_t group_offset_ = 0;
  std::size_t offset_ = 0;
  std::vector<Problem> problems_;
};

}  // namespace rtf
