#include "rtf/code_page.h"

#include <array>
#include <string_view>
#include <utility>

#include "platform/code_pages.h"

namespace rtf {

namespace {

// Windows charset numbers and their code pages.
constexpr std::pair<int, int> kCharsets[] = {
    {0, 1252},   {238, 1250}, {204, 1251}, {161, 1253}, {162, 1254},
    {177, 1255}, {178, 1256}, {186, 1257}, {163, 1258}, {222, 874}};

// Primary language ids (low ten bits of an LCID) by code page.
constexpr std::pair<int, int> kLanguages[] = {
    {0x05, 1250}, {0x0E, 1250}, {0x15, 1250}, {0x18, 1250}, {0x1A, 1250}, {0x1B, 1250},
    {0x1C, 1250}, {0x24, 1250}, {0x02, 1251}, {0x19, 1251}, {0x22, 1251}, {0x23, 1251},
    {0x2F, 1251}, {0x08, 1253}, {0x1F, 1254}, {0x25, 1257}, {0x26, 1257}, {0x27, 1257}};

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool same_name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (lower(a[i]) != lower(b[i])) return false;
  return true;
}

}  // namespace

std::optional<unsigned char> cp1252_from_unicode(std::uint32_t code_point) {
  return byte_from_unicode(code_point, 1252);
}

std::uint32_t unicode_from_cp1252(unsigned char byte) { return unicode_from_byte(byte, 1252); }

bool is_known_code_page(int code_page) { return platform::known_code_page(code_page); }

std::uint32_t unicode_from_byte(unsigned char byte, int code_page) {
  if (byte < 0x80) return byte;
  if (!is_known_code_page(code_page)) code_page = kDefaultCodePage;
  return platform::unicode_of_byte(byte, code_page).value_or(byte);
}

std::optional<unsigned char> byte_from_unicode(std::uint32_t code_point, int code_page) {
  if (code_point < 0x80) return static_cast<unsigned char>(code_point);
  if (!is_known_code_page(code_page)) code_page = kDefaultCodePage;
  if (auto byte = platform::byte_in_code_page(code_point, code_page)) return byte;
  // An unassigned byte reads as itself, and so is written back.
  if (code_point <= 0xFF && !platform::unicode_of_byte(static_cast<unsigned char>(code_point), code_page))
    return static_cast<unsigned char>(code_point);
  return std::nullopt;
}

int code_page_of_charset(int charset) {
  for (auto [set, page] : kCharsets)
    if (set == charset) return page;
  return 0;
}

int code_page_of_lcid(int lcid) {
  int language = lcid & 0x3FF;
  for (auto [id, page] : kLanguages)
    if (id == language) return page;
  return kDefaultCodePage;
}

std::string charset_name(int code_page) {
  return "windows-" + std::to_string(is_known_code_page(code_page) ? code_page : kDefaultCodePage);
}

int code_page_of_charset_name(std::string_view name) {
  for (int page : {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258})
    if (same_name(name, charset_name(page))) return page;
  if (same_name(name, "iso-8859-1") || same_name(name, "us-ascii")) return 1252;
  return 0;
}

}  // namespace rtf
