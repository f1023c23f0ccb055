#include "tools/helpc/references.h"

#include <algorithm>

#include "platform/text.h"

namespace helpc {
namespace {

bool is_letter_or_digit(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The text up to the first of the stop characters.
std::string_view up_to(std::string_view s, std::string_view stops) {
  return s.substr(0, std::min(s.size(), s.find_first_of(stops)));
}

}  // namespace

HotspotTarget parse_hotspot_target(std::string_view hidden_text) {
  HotspotTarget target;
  std::string_view s = text::trim(hidden_text);
  if (s.find('!') != std::string_view::npos) {
    target.macro = true;
    return target;
  }
  while (!s.empty() && (s.front() == '%' || s.front() == '*')) s.remove_prefix(1);
  target.context = std::string(text::trim(up_to(s, ">@")));
  if (auto gt = s.find('>'); gt != std::string_view::npos) {
    target.window = std::string(text::trim(up_to(s.substr(gt + 1), "@")));
  }
  if (auto at = s.find('@'); at != std::string_view::npos) {
    target.help_file = std::string(text::trim(up_to(s.substr(at + 1), ">")));
  }
  return target;
}

std::optional<std::string> bitmap_reference(std::string_view brace_text) {
  std::string_view s = text::trim(brace_text);
  if (s.size() < 4 || !text::istarts_with(s, "bm")) return std::nullopt;
  char side = static_cast<char>(s[2] | 0x20);
  if (side != 'c' && side != 'l' && side != 'r') return std::nullopt;
  std::string_view rest = s.substr(3);
  auto blank = rest.find_first_of(" \t");
  if (blank == std::string_view::npos) return std::nullopt;
  std::string_view variant = rest.substr(0, blank);
  if (!variant.empty() && !text::iequals(variant, "t") && !text::iequals(variant, "wd")) {
    return std::nullopt;
  }
  std::string_view name = text::trim(rest.substr(blank));
  if (name.empty()) return std::nullopt;
  return std::string(name);
}

std::optional<std::string> button_macro(std::string_view brace_text) {
  std::string_view s = text::trim(brace_text);
  constexpr std::string_view kButton = "button";
  if (!text::istarts_with(s, kButton) || s.size() == kButton.size() ||
      (s[kButton.size()] != ' ' && s[kButton.size()] != '\t')) {
    return std::nullopt;
  }
  auto comma = s.find(',');
  if (comma == std::string_view::npos) return std::nullopt;
  return std::string(text::trim(s.substr(comma + 1)));
}

bool valid_context_string(std::string_view context) {
  return !context.empty() && std::all_of(context.begin(), context.end(), [](char c) {
    return is_letter_or_digit(c) || c == '.' || c == '_' || c == '-' || c == ' ';
  });
}

}  // namespace helpc
