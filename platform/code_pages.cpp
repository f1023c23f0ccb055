#include "platform/code_pages.h"

#include <iconv.h>

#include <array>
#include <map>
#include <string>
#include <unordered_map>

namespace platform {
namespace {

// One code page's 256 bytes as Unicode (0 where the byte is unassigned), and
// the way back.
struct CodePageTable {
  bool known = false;
  std::array<std::uint32_t, 256> to_unicode{};
  std::unordered_map<std::uint32_t, unsigned char> from_unicode;
};

bool single_byte_windows_code_page(int code_page) {
  return code_page == 874 || (code_page >= 1250 && code_page <= 1258);
}

// The Unicode character of one byte through iconv; 0 when it has none.
std::uint32_t decode_byte(iconv_t cd, unsigned char byte) {
  char in[1] = {static_cast<char>(byte)};
  unsigned char out[8] = {};
  char* in_ptr = in;
  char* out_ptr = reinterpret_cast<char*>(out);
  size_t in_left = 1, out_left = sizeof out;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<size_t>(-1)) return 0;
  if (sizeof out - out_left != 4) return 0;
  return out[0] | (out[1] << 8) | (out[2] << 16) | (static_cast<std::uint32_t>(out[3]) << 24);
}

CodePageTable build_table(int code_page) {
  CodePageTable table;
  if (!single_byte_windows_code_page(code_page)) return table;
  std::string name = "CP" + std::to_string(code_page);
  iconv_t cd = iconv_open("UTF-32LE", name.c_str());
  if (cd == reinterpret_cast<iconv_t>(-1)) return table;
  for (int byte = 0; byte < 256; ++byte) {
    std::uint32_t code_point = decode_byte(cd, static_cast<unsigned char>(byte));
    table.to_unicode[byte] = code_point;
    if (code_point != 0) table.from_unicode.emplace(code_point, static_cast<unsigned char>(byte));
  }
  iconv_close(cd);
  table.known = true;
  return table;
}

// Tables are built once per code page and kept: they never change.
const CodePageTable& table_of(int code_page) {
  static std::map<int, CodePageTable> tables;
  auto it = tables.find(code_page);
  if (it == tables.end()) it = tables.emplace(code_page, build_table(code_page)).first;
  return it->second;
}

}  // namespace

std::optional<unsigned char> byte_in_code_page(std::uint32_t code_point, int code_page) {
  if (code_point == 0) return 0;
  const CodePageTable& table = table_of(code_page);
  auto it = table.from_unicode.find(code_point);
  if (it == table.from_unicode.end()) return std::nullopt;
  return it->second;
}

std::optional<std::uint32_t> unicode_of_byte(unsigned char byte, int code_page) {
  if (byte == 0) return 0;
  const CodePageTable& table = table_of(code_page);
  if (!table.known || table.to_unicode[byte] == 0) return std::nullopt;
  return table.to_unicode[byte];
}

bool known_code_page(int code_page) { return table_of(code_page).known; }

void append_utf8(std::string& out, std::uint32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}


}  // namespace platform
