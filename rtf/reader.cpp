#include "rtf/reader.h"

#include <array>
#include <string>

#include "rtf/code_page.h"
#include "rtf/control_words.h"
#include "rtf/destinations.h"
#include "rtf/group_cursor.h"
#include "rtf/header_parsers.h"

namespace rtf {

namespace {

// At most this many cells are kept per row definition.
constexpr std::size_t kMaxCells = 256;

// Every byte value once, so that a converted byte can be handed out as a view.
std::string_view byte_text(unsigned char byte) {
  static const std::array<char, 256> all = [] {
    std::array<char, 256> table{};
    for (int i = 0; i < 256; ++i) table[static_cast<std::size_t>(i)] = static_cast<char>(i);
    return table;
  }();
  return std::string_view(&all[byte], 1);
}

}  // namespace

Reader::Reader(std::string_view rtf) : tokens_(rtf) { stack_.emplace_back(); }

FormatOrigin Reader::origin() const {
  const GroupState& now = stack_.back();
  return {now.open_at, now.underline_word, now.hidden_word};
}

ParaFormat Reader::paragraph() const {
  ParaFormat para = stack_.back().para;
  para.list = header_.list_kind(para);
  para.list_level = para.list == ListKind::none ? 0
                    : para.list_override > 0   ? para.list_override_level
                                               : para.pn_level;
  return para;
}

std::vector<Problem> Reader::problems() const {
  std::vector<Problem> all = tokens_.problems();
  all.insert(all.end(), problems_.begin(), problems_.end());
  return all;
}

void Reader::run(Sink& sink) {
  Token token;
  while (tokens_.next(token)) {
    offset_ = token.offset;
    token_ = token;
    handle(token, sink);
  }
}

void Reader::handle(const Token& token, Sink& sink) {
  bool at_group_start = group_start_;
  group_start_ = false;
  switch (token.kind) {
    case TokenKind::group_open:
      open_group(token.offset);
      break;
    case TokenKind::group_close:
      close_group(sink);
      break;
    case TokenKind::control_word:
      if (at_group_start && start_destination(token, sink)) break;
      control_word(token, sink);
      break;
    case TokenKind::control_symbol:
      if (at_group_start && token.text == "*") {
        starred_ = true;
        group_start_ = true;  // the destination word comes next
      } else if (auto special = special_text(token)) {
        if (!special->empty()) sink.text(*special, state().chars);
      } else {
        sink.other_word(token, state().chars);
      }
      break;
    case TokenKind::text:
    case TokenKind::unicode:
      text(token, sink);
      break;
    case TokenKind::binary:
      break;  // data outside a picture carries no text
  }
}

void Reader::open_group(std::size_t at) {
  group_start_ = true;
  starred_ = false;
  group_offset_ = at;
  if (stack_.size() < kMaxGroupDepth) {
    stack_.push_back(stack_.back());
    stack_.back().open_at = at;
    return;
  }
  if (untracked_groups_++ == 0) problems_.push_back({at, "groups nested too deeply"});
}

void Reader::close_group(Sink& sink) {
  if (untracked_groups_ > 0) {
    --untracked_groups_;
    return;
  }
  if (stack_.size() <= 1) return;  // an unmatched "}" (the tokenizer lists it)
  bool was_footnote = state().footnote;
  stack_.pop_back();
  if (was_footnote && !state().footnote) sink.footnote_end();
}

// Footnotes never hold a page break, so a \page inside one means the
// footnote's "}" is missing: the footnote ends here instead of swallowing
// every topic that follows. Its groups stay open for the braces to come.
void Reader::end_unclosed_footnote(std::size_t at, Sink& sink) {
  for (GroupState& group : stack_) group.footnote = false;
  problems_.push_back({at, "footnote not closed before \\page"});
  sink.footnote_end();
}

// A destination reader consumed the group through its "}".
void Reader::drop_consumed_group() {
  if (untracked_groups_ > 0) {
    --untracked_groups_;
  } else if (stack_.size() > 1) {
    stack_.pop_back();
  }
}

bool Reader::start_destination(const Token& word, Sink& sink) {
  std::string_view name = word.text;
  if (name == "footnote") {
    if (!state().footnote) sink.footnote_begin();
    state().footnote = true;
    return true;
  }
  if (is_transparent_destination(name)) return true;
  GroupCursor cursor(tokens_);
  if (name == "pict") {
    Picture picture = read_picture(cursor, tokens_.input(), group_offset_);
    drop_consumed_group();
    sink.picture(picture);
    return true;
  }
  if (name == "pn") {
    ParaFormat numbering;
    read_paragraph_numbering(cursor, numbering);
    drop_consumed_group();  // the numbering belongs to the enclosing paragraph
    state().para.pn_kind = numbering.pn_kind;
    state().para.pn_level = numbering.pn_level;
    return true;
  }
  if (read_declaration(name, cursor) || starred_ || is_skipped_destination(name)) {
    cursor.skip_rest();
    drop_consumed_group();
    return true;
  }
  return false;
}

bool Reader::read_declaration(std::string_view name, GroupCursor& cursor) {
  if (name == "fonttbl") {
    read_font_table(cursor, header_);
  } else if (name == "colortbl") {
    read_color_table(cursor, header_);
  } else if (name == "stylesheet") {
    read_style_sheet(cursor, header_);
  } else if (name == "info") {
    read_info(cursor, header_);
  } else if (name == "listtable") {
    read_list_table(cursor, header_);
  } else if (name == "listoverridetable") {
    read_list_overrides(cursor, header_);
  } else {
    return false;
  }
  return true;
}

void Reader::control_word(const Token& word, Sink& sink) {
  if (structure_word(word, sink)) return;
  if (apply_char_word(word, state().chars)) {
    note_origin(word);
    return;
  }
  if (apply_para_word(word, state().para)) return;
  if (auto special = special_text(word)) {
    if (!special->empty()) sink.text(*special, state().chars);
  } else if (word.text == "plain") {
    state().chars = CharFormat{};
    state().chars.font = header_.default_font;
    note_origin(word);
  } else if (word.text == "ansicpg") {
    if (word.param > 0) header_.code_page = word.param;
    header_.code_page_named = true;
  } else if (word.text == "pard") {
    state().para = ParaFormat{};
  } else if (word.text == "deff") {
    header_.default_font = word.param;
    state().chars.font = word.param;
  } else if (word.text == "trowd") {
    row_ = RowFormat{};
  } else if (word.text == "trleft") {
    row_.left = word.param;
  } else if (word.text == "cellx" && row_.cell_right.size() < kMaxCells) {
    row_.cell_right.push_back(word.param);
  } else if (word.text != "cellx") {
    sink.other_word(word, state().chars);
  }
}

// Notes the word that set underline or hidden text in the current group.
void Reader::note_origin(const Token& word) {
  WordSpan span{word.offset, word.length};
  std::string_view name = word.text;
  bool plain = name == "plain";
  if (plain || name.starts_with("ul") || name == "strike" || name == "striked")
    state().underline_word = span;
  if (plain || name == "v") state().hidden_word = span;
}

// The words that end or break something: paragraphs, cells, rows, lines, pages.
bool Reader::structure_word(const Token& word, Sink& sink) {
  std::string_view name = word.text;
  if (name == "par" || name == "sect") {
    sink.paragraph_end(paragraph());
  } else if (name == "cell" || name == "nestcell") {
    ParaFormat para = paragraph();
    para.in_table = true;
    sink.cell_end(para);
  } else if (name == "row") {
    sink.row_end(row_);
  } else if (name == "line") {
    sink.line_break(state().chars);
  } else if (name == "page") {
    if (state().footnote && footnotes_end_at_page_) end_unclosed_footnote(word.offset, sink);
    sink.page_break();
  } else {
    return false;
  }
  return true;
}

void Reader::text(const Token& token, Sink& sink) {
  if (token.kind == TokenKind::text) {
    if (token.text.empty()) return;
    if (header_.font_code_page(state().chars.font) == header_.code_page) {
      sink.text(token.text, state().chars);
    } else {
      text_in_font(token.text, sink);
    }
    return;
  }
  unicode_text(static_cast<std::uint32_t>(token.param), sink);
}

// A character as document text: its byte when the code page has one.
void Reader::unicode_text(std::uint32_t code_point, Sink& sink) {
  if (auto byte = byte_from_unicode(code_point, header_.code_page)) {
    sink.text(byte_text(*byte), state().chars);
  } else {
    sink.unicode_char(code_point, state().chars);
  }
}

// Bytes of a font whose charset is not the document's: each 8-bit byte is
// read in the font's code page and given in the document's.
void Reader::text_in_font(std::string_view bytes, Sink& sink) {
  int font_page = header_.font_code_page(state().chars.font);
  std::size_t plain = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    auto byte = static_cast<unsigned char>(bytes[i]);
    if (byte < 0x80) continue;
    if (i > plain) sink.text(bytes.substr(plain, i - plain), state().chars);
    unicode_text(unicode_from_byte(byte, font_page), sink);
    plain = i + 1;
  }
  if (plain < bytes.size()) sink.text(bytes.substr(plain), state().chars);
}

}  // namespace rtf
