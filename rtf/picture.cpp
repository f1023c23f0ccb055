#include "rtf/picture.h"

#include <utility>

#include "rtf/tokenizer.h"

namespace rtf {

namespace {

constexpr std::pair<std::string_view, PictureFormat> kFormats[] = {
    {"wmetafile", PictureFormat::wmf}, {"emfblip", PictureFormat::emf},
    {"pngblip", PictureFormat::png},   {"jpegblip", PictureFormat::jpeg},
    {"dibitmap", PictureFormat::dib},  {"wbitmap", PictureFormat::bitmap},
    {"macpict", PictureFormat::mac}};

void apply_picture_word(const Token& token, Picture& picture) {
  for (const auto& [name, format] : kFormats) {
    if (token.text == name) picture.format = format;
  }
  int value = token.param;
  if (token.text == "picw") picture.width = value;
  if (token.text == "pich") picture.height = value;
  if (token.text == "picwgoal") picture.goal_width = value;
  if (token.text == "pichgoal") picture.goal_height = value;
  if (token.text == "picscalex") picture.scale_x = value;
  if (token.text == "picscaley") picture.scale_y = value;
}

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

Picture read_picture(GroupCursor& cursor, std::string_view input, std::size_t group_offset) {
  Picture picture;
  picture.offset = group_offset;
  Token token;
  while (cursor.next(token)) {
    if (token.kind == TokenKind::group_open) {
      cursor.skip_current_group();  // {\*\blipuid ...} and the like
    } else if (token.kind == TokenKind::control_word && cursor.depth() == 1) {
      apply_picture_word(token, picture);
    }
  }
  std::size_t end = cursor.position() < input.size() ? cursor.position() : input.size();
  picture.source = input.substr(group_offset, end - group_offset);
  return picture;
}

std::string decode_picture_data(const Picture& picture) {
  Tokenizer tokens(picture.source);
  Token token;
  std::string data;
  int high = -1;
  while (tokens.next(token)) {
    if (tokens.depth() != 1) continue;  // only the picture's own level carries data
    if (token.kind == TokenKind::binary) {
      data.append(token.text);
    } else if (token.kind == TokenKind::text) {
      for (char c : token.text) {
        int value = hex_digit(c);
        if (value < 0) continue;
        if (high < 0) {
          high = value;
        } else {
          data.push_back(static_cast<char>(high * 16 + value));
          high = -1;
        }
      }
    }
  }
  return data;
}

}  // namespace rtf
