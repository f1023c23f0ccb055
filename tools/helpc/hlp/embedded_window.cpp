#include "tools/helpc/hlp/embedded_window.h"

#include "platform/text.h"
#include "tools/helpc/hlp/bytes.h"

namespace hlp {
namespace {

constexpr std::uint8_t kEmbeddedWindow = 0x05;

// The command word of brace text and what follows it, trimmed.
std::pair<std::string, std::string_view> split_command(std::string_view brace_text) {
  std::string_view s = text::trim(brace_text);
  const std::size_t blank = s.find_first_of(" \t");
  if (blank == std::string_view::npos) return {text::to_lower(s), {}};
  return {text::to_lower(s.substr(0, blank)), text::trim(s.substr(blank))};
}

}  // namespace

std::optional<EmbeddedWindow> embedded_window(std::string_view brace_text) {
  auto [word, rest] = split_command(brace_text);
  if (word == "button") {
    const std::size_t comma = rest.find(',');
    if (comma == std::string_view::npos) return std::nullopt;
    std::string_view macro = text::trim(rest.substr(comma + 1));
    if (macro.empty()) return std::nullopt;
    return EmbeddedWindow{PicturePlace::character,
                          "!" + std::string(text::trim(rest.substr(0, comma))) + "," + std::string(macro)};
  }
  if (word.size() != 3 || word.compare(0, 2, "ew") != 0 || rest.empty()) return std::nullopt;
  auto place = picture_place("bm" + word.substr(2));
  if (!place) return std::nullopt;
  // The library and class names lose the blanks authors put after commas.
  std::string stored;
  std::string_view left = rest;
  for (int field = 0; field < 2; ++field) {
    const std::size_t comma = left.find(',');
    if (comma == std::string_view::npos) break;
    stored += std::string(text::trim(left.substr(0, comma))) + ",";
    left = text::trim_left(left.substr(comma + 1));
  }
  stored += std::string(left);
  return EmbeddedWindow{*place, stored};
}

bool is_media_command(std::string_view brace_text) {
  auto [word, rest] = split_command(brace_text);
  return (word == "mci" || word == "mci_left" || word == "mci_right") && !rest.empty();
}

std::string embedded_window_command(const EmbeddedWindow& window) {
  Bytes out;
  out.u8(window.place == PicturePlace::left ? 0x87 : window.place == PicturePlace::right ? 0x88 : 0x86);
  out.u8(kEmbeddedWindow);
  out.packed_i32(static_cast<std::int32_t>(6 + window.text.size() + 1));
  out.u16(0);  // the viewer asks the window its size
  out.u16(0);
  out.u16(0);
  out.sz(window.text);
  return out.take();
}

}  // namespace hlp
