#include "rtf/header_parsers.h"

#include <algorithm>

namespace rtf {

namespace {

bool is_word(const Token& token, std::string_view name) {
  return token.kind == TokenKind::control_word && token.text == name;
}

bool is_star(const Token& token) {
  return token.kind == TokenKind::control_symbol && token.text == "*";
}

// Appends a token's text up to the first ";"; returns true when the ";" came.
bool append_until_semicolon(const Token& token, std::string& out) {
  if (token.kind == TokenKind::text) {
    std::size_t semicolon = token.text.find(';');
    Token part = token;
    part.text = token.text.substr(0, semicolon);
    append_token_text(part, out, kMaxHeaderText);
    return semicolon != std::string_view::npos;
  }
  append_token_text(token, out, kMaxHeaderText);
  return false;
}

}  // namespace

void read_font_table(GroupCursor& cursor, Header& header) {
  int number = -1;
  Font font;
  bool name_done = false;
  auto store = [&] {
    if (number >= 0) header.fonts[number] = Font{trimmed(font.name), font.charset};
  };
  Token token;
  while (cursor.next(token)) {
    if (is_star(token) && cursor.depth() >= 2) {
      cursor.skip_current_group();  // \panose, \falt and the like
    } else if (token.kind == TokenKind::group_close && cursor.depth() == 1) {
      store();
      number = -1;
    } else if (is_word(token, "f") && token.has_param) {
      store();  // old tables list entries without groups
      number = token.param;
      font = Font{};
      name_done = false;
    } else if (is_word(token, "fcharset")) {
      font.charset = token.param;
    } else if (number >= 0 && !name_done) {
      name_done = append_until_semicolon(token, font.name);
    }
  }
  store();
}

void read_color_table(GroupCursor& cursor, Header& header) {
  std::uint32_t rgb = 0;
  bool any = false;
  Token token;
  while (cursor.next(token)) {
    if (token.kind == TokenKind::control_word && token.has_param) {
      std::uint32_t value = static_cast<std::uint32_t>(std::clamp(token.param, 0, 255));
      if (token.text == "red") rgb = (rgb & 0x00FFFF) | (value << 16), any = true;
      if (token.text == "green") rgb = (rgb & 0xFF00FF) | (value << 8), any = true;
      if (token.text == "blue") rgb = (rgb & 0xFFFF00) | value, any = true;
    } else if (token.kind == TokenKind::text) {
      for (char c : token.text) {
        if (c != ';') continue;
        if (header.colors.size() < kMaxColors) {
          header.colors.push_back(any ? std::optional<std::uint32_t>(rgb) : std::nullopt);
        }
        rgb = 0;
        any = false;
      }
    }
  }
}

void read_style_sheet(GroupCursor& cursor, Header& header) {
  int number = 0;
  bool paragraph_style = true;
  bool name_done = false;
  Style style;
  Token token;
  while (cursor.next(token)) {
    int depth = cursor.depth();
    if (token.kind == TokenKind::group_open && depth == 2) {
      number = 0;
      paragraph_style = true;
      name_done = false;
      style = Style{};
    } else if (token.kind == TokenKind::group_close && depth == 1) {
      if (paragraph_style) header.styles[number] = Style{trimmed(style.name), style.outline_level};
    } else if (is_star(token) && depth >= 3) {
      cursor.skip_current_group();
    } else if (depth != 2) {
      continue;
    } else if (is_word(token, "s")) {
      number = token.param;
    } else if (is_word(token, "cs") || is_word(token, "ds") || is_word(token, "ts")) {
      paragraph_style = false;
    } else if (is_word(token, "outlinelevel")) {
      style.outline_level = token.param;
    } else if (!name_done) {
      name_done = append_until_semicolon(token, style.name);
    }
  }
}

void read_info(GroupCursor& cursor, Header& header) {
  int title_depth = 0;
  bool group_start = false;
  std::string title;
  Token token;
  while (cursor.next(token)) {
    if (token.kind == TokenKind::group_open) {
      group_start = true;
      continue;
    }
    if (group_start && is_word(token, "title")) title_depth = cursor.depth();
    group_start = false;
    if (title_depth > 0 && cursor.depth() < title_depth) title_depth = 0;
    if (title_depth > 0 && cursor.depth() >= title_depth) append_token_text(token, title, kMaxHeaderText);
  }
  title = trimmed(std::move(title));
  if (!title.empty()) header.title = title;
}

void read_list_table(GroupCursor& cursor, Header& header) {
  bool group_start = false;
  int list_id = 0;
  std::vector<int> formats;
  Token token;
  while (cursor.next(token)) {
    int depth = cursor.depth();
    if (token.kind == TokenKind::group_open) {
      group_start = true;
      continue;
    }
    if (group_start && depth == 2 && is_word(token, "list")) {
      list_id = 0;
      formats.clear();
    } else if (group_start && depth == 3 && is_word(token, "listlevel")) {
      if (formats.size() < 9) formats.push_back(0);
    } else if (depth == 3 && (is_word(token, "levelnfc") || is_word(token, "levelnfcn"))) {
      if (!formats.empty()) formats.back() = token.param;
    } else if (depth == 2 && is_word(token, "listid")) {
      list_id = token.param;
    } else if (token.kind == TokenKind::group_close && depth == 1) {
      if (!formats.empty()) header.list_formats[list_id] = formats;
    }
    group_start = false;
  }
}

void read_list_overrides(GroupCursor& cursor, Header& header) {
  int list_id = 0;
  int override_number = 0;
  Token token;
  while (cursor.next(token)) {
    int depth = cursor.depth();
    if (token.kind == TokenKind::group_open && depth == 2) {
      list_id = 0;
      override_number = 0;
    } else if (depth == 2 && is_word(token, "listid")) {
      list_id = token.param;
    } else if (depth == 2 && is_word(token, "ls")) {
      override_number = token.param;
    } else if (token.kind == TokenKind::group_close && depth == 1 && override_number > 0) {
      header.list_overrides[override_number] = list_id;
    }
  }
}

void read_paragraph_numbering(GroupCursor& cursor, ParaFormat& para) {
  static constexpr std::string_view kNumberFormats[] = {
      "pndec", "pnucltr", "pnucrm", "pnlcltr", "pnlcrm", "pnord", "pncard", "pnordt"};
  enum class Level { none, bullet, body, outline, continuation } level = Level::none;
  bool numbered = false;
  Token token;
  while (cursor.next(token)) {
    if (token.kind == TokenKind::group_open) {
      cursor.skip_current_group();  // {\pntxtb ...} and {\pntxta ...}
    } else if (is_word(token, "pnlvlblt")) {
      level = Level::bullet;
    } else if (is_word(token, "pnlvlbody")) {
      level = Level::body;
    } else if (is_word(token, "pnlvlcont")) {
      level = Level::continuation;
    } else if (is_word(token, "pnlvl") && token.has_param) {
      level = Level::outline;
      para.pn_level = std::clamp(token.param - 1, 0, 8);
    } else if (token.kind == TokenKind::control_word) {
      for (std::string_view format : kNumberFormats) numbered = numbered || token.text == format;
    }
  }
  if (level == Level::bullet) para.pn_level = 0;
  if (level == Level::body) para.pn_level = 0;
  para.pn_kind = level == Level::none || level == Level::continuation ? ListKind::none
                 : level == Level::bullet                             ? ListKind::bullet
                 : level == Level::body || numbered                   ? ListKind::numbered
                                                                      : ListKind::bullet;
}

}  // namespace rtf
