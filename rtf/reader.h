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

// Where, in the input, a control word lies; offset npos when there is none.
struct WordSpan {
  std::size_t offset = static_cast<std::size_t>(-1);
  std::size_t length = 0;
  bool operator==(const WordSpan&) const = default;
};

// Where the state in force now was set: the "{" of the innermost open group
// and the control words that last set underline and hidden text (for
// rewriters that change a construct where it stands).
struct FormatOrigin {
  std::size_t group_open = 0;
  WordSpan underline;
  WordSpan hidden;
};

// Receives what a Reader finds. Every method does nothing unless overridden.
class Sink {
 public:
  virtual ~Sink() = default;
  // Text in the document's code page (header().code_page, 1252 unless
  // \ansicpg says otherwise): hex escapes decoded, \emdash and the like as
  // bytes, text in a font of another charset converted. Plain text points
  // into the input; other text (escapes, converted bytes) does not.
  virtual void text(std::string_view bytes, const CharFormat& format) {}
  // A character (\uN, or a byte of a font of another charset) that the
  // document's code page cannot hold.
  virtual void unicode_char(std::uint32_t code_point, const CharFormat& format) {}
  // A control word or symbol the reader does not act on (\chftn and the like).
  virtual void other_word(const Token& word, const CharFormat& format) {}
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
  // A {\footnote ...} group starts; its text follows until footnote_end
  // (the group's "}", or a \page when that brace is missing).
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
  // The code page of a document that names none with \ansicpg (set before run).
  void assume_code_page(int code_page) { header_.code_page = code_page; }
  // Readers of topics (set before run): a \page inside a footnote means the
  // footnote's "}" is missing, and the footnote ends there instead of
  // swallowing every topic that follows. Rewriters that keep the input's
  // groups as they stand leave this off.
  void end_footnotes_at_page(bool on) { footnotes_end_at_page_ = on; }

  // The declarations read so far.
  const Header& header() const { return header_; }
  // The table row most recently defined (\trowd ... \cellxN).
  const RowFormat& row() const { return row_; }
  // The paragraph formatting in force now, list kind resolved.
  ParaFormat paragraph() const;
  // Position in the input of the token being handled (for messages).
  std::size_t offset() const { return offset_; }
  // The token being handled, with its position and length in the input.
  const Token& token() const { return token_; }
  // Where the current group and formatting began in the input.
  FormatOrigin origin() const;
  // The whole input.
  std::string_view input() const { return tokens_.input(); }
  // What was wrong with the input, by position.
  std::vector<Problem> problems() const;

 private:
  struct GroupState {
    CharFormat chars;
    ParaFormat para;
    bool footnote = false;
    std::size_t open_at = 0;
    WordSpan underline_word;
    WordSpan hidden_word;
  };

  void handle(const Token& token, Sink& sink);
  void open_group(std::size_t at);
  void close_group(Sink& sink);
  void drop_consumed_group();
  void end_unclosed_footnote(std::size_t at, Sink& sink);
  bool start_destination(const Token& word, Sink& sink);
  bool read_declaration(std::string_view name, GroupCursor& cursor);
  void control_word(const Token& word, Sink& sink);
  bool structure_word(const Token& word, Sink& sink);
  void text(const Token& token, Sink& sink);
  void text_in_font(std::string_view bytes, Sink& sink);
  void unicode_text(std::uint32_t code_point, Sink& sink);
  void note_origin(const Token& word);
  GroupState& state() { return stack_.back(); }

  Tokenizer tokens_;
  Header header_;
  RowFormat row_;
  std::vector<GroupState> stack_;
  std::size_t untracked_groups_ = 0;
  bool footnotes_end_at_page_ = false;
  bool group_start_ = false;     // the last token opened a group
  bool starred_ = false;         // ... and was followed by \*
  std::size_t group_offset_ = 0;
  std::size_t offset_ = 0;
  Token token_;
  std::vector<Problem> problems_;
};

}  // namespace rtf
