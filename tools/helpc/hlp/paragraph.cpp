#include "tools/helpc/hlp/paragraph.h"

#include "tools/helpc/hlp/bytes.h"

#include <cstdint>
#include <utility>

namespace hlp {
namespace {

// Paragraph setting bits; each value bit is followed, in this order, by
// its packed value.
constexpr std::uint16_t kSpaceBefore = 0x0002;
constexpr std::uint16_t kSpaceAfter = 0x0004;
constexpr std::uint16_t kLeftIndent = 0x0010;
constexpr std::uint16_t kRightIndent = 0x0020;
constexpr std::uint16_t kFirstIndent = 0x0040;
constexpr std::uint16_t kAlignRight = 0x0400;
constexpr std::uint16_t kAlignCenter = 0x0800;

// The viewer measures indents and spacing in half points, ten twips.
// Worked in 64 bits: an RTF parameter may be as large as an int holds.
int in_viewer_units(int twips) {
  const std::int64_t t = twips;
  return static_cast<int>(t >= 0 ? (t + 5) / 10 : -((5 - t) / 10));
}

void settings(Bytes& out, const ParagraphSettings& p) {
  const std::pair<std::uint16_t, int> values[] = {{kSpaceBefore, p.space_before},
                                                  {kSpaceAfter, p.space_after},
                                                  {kLeftIndent, p.left_indent},
                                                  {kRightIndent, p.right_indent},
                                                  {kFirstIndent, p.first_indent}};
  std::uint16_t bits = p.alignment == ParagraphAlignment::center  ? kAlignCenter
                       : p.alignment == ParagraphAlignment::right ? kAlignRight
                                                                  : 0;
  for (const auto& [bit, value] : values) {
    if (in_viewer_units(value) != 0) bits |= bit;
  }
  out.u16(bits);
  for (const auto& [bit, value] : values) {
    if (in_viewer_units(value) != 0) out.packed_i16(in_viewer_units(value));
  }
}

}  // namespace

void Paragraph::text(std::string_view bytes) {
  std::string clean;
  for (char c : bytes) {
    if (c != '\0') clean += c;  // a zero would end the piece early
  }
  if (clean.empty()) return;
  if (!items_.empty() && !items_.back().is_command && !split_) {
    items_.back().bytes.append(clean);
  } else {
    items_.push_back(Item{false, std::move(clean)});
  }
  split_ = false;
  has_text_ = true;
}

namespace {

std::string font_command(int descriptor) {
  Bytes cmd;
  cmd.u8(kCmdFont);
  cmd.u16(static_cast<std::uint32_t>(descriptor));
  return cmd.take();
}

}  // namespace

void Paragraph::font(int descriptor) {
  command(font_command(descriptor));
  items_.back().font = descriptor;
}

void Paragraph::refont(std::size_t from, const std::function<int(int)>& change) {
  for (std::size_t i = from; i < items_.size(); ++i) {
    if (items_[i].font < 0) continue;
    items_[i].font = change(items_[i].font);
    items_[i].bytes = font_command(items_[i].font);
  }
}

void Paragraph::command(std::string bytes) {
  items_.push_back(Item{true, std::move(bytes)});
  has_text_ = true;
}

void Paragraph::hotspot(std::size_t at, std::string command_bytes) {
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), Item{true, std::move(command_bytes)});
  command({static_cast<char>(kCmdHotspotEnd)});
}

void Paragraph::drop_last(char c) {
  if (items_.empty() || items_.back().is_command) return;
  std::string& last = items_.back().bytes;
  if (!last.empty() && last.back() == c) last.pop_back();
  if (last.empty()) items_.pop_back();
}

Paragraph::Record Paragraph::render(const ParagraphSettings& paragraph) const {
  // Text and commands alternate: each command follows one (maybe empty)
  // piece of text.
  std::string text, commands;
  std::string piece;
  int in_force = -1;
  for (const auto& item : items_) {
    if (!item.is_command) {
      piece += item.bytes;
      continue;
    }
    if (item.font >= 0) {
      if (item.font == in_force) continue;  // a hotspot's font, once plain, may repeat the one before
      in_force = item.font;
    }
    text += piece;
    text += '\0';
    piece.clear();
    commands += item.bytes;
  }
  text += piece;
  text += '\0';
  commands += static_cast<char>(kCmdParagraphEnd);
  commands += static_cast<char>(kCmdEnd);

  Bytes out;
  out.packed_u32(static_cast<std::uint32_t>(text.size()));  // text size
  out.packed_u16(static_cast<std::uint32_t>(text.size()));  // characters counted
  out.u8(0);
  out.u8(0x80);
  out.u16(0);  // paragraph id
  settings(out, paragraph);
  out.raw(commands);
  return Record{out.take(), std::move(text)};
}

std::string jump_command(bool popup, std::int32_t hash) {
  Bytes out;
  out.u8(popup ? kCmdPopup : kCmdJump);
  out.i32(hash);
  return out.take();
}

std::string window_jump_command(std::int32_t hash, int window) {
  Bytes out;
  out.u8(kCmdJumpExternal);
  out.u16(6);
  out.u8(1);  // into a window of this file, by number
  out.i32(hash);
  out.u8(static_cast<std::uint32_t>(window));
  return out.take();
}

std::string external_jump_command(bool popup, std::int32_t hash, std::string_view file,
                                  std::string_view window) {
  Bytes body;
  body.u8(window.empty() || popup ? 4 : 6);
  body.i32(hash);
  if (!window.empty() && !popup) body.sz(window);
  body.sz(file);
  Bytes out;
  out.u8(popup ? kCmdPopupExternal : kCmdJumpExternal);
  out.u16(static_cast<std::uint32_t>(body.size()));
  out.raw(body.str());
  return out.take();
}

std::string macro_command(std::string_view macro) {
  Bytes out;
  out.u8(kCmdMacro);
  out.u16(static_cast<std::uint32_t>(macro.size() + 1));
  out.sz(macro);
  return out.take();
}

}  // namespace hlp
