// One paragraph of topic text as the help file stores it: the visible text
// as zero-terminated pieces, and between the pieces the formatting
// commands (font changes, tabs, line breaks, hotspot starts and ends).
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace hlp {

// Formatting command bytes.
inline constexpr std::uint8_t kCmdFont = 0x80;
inline constexpr std::uint8_t kCmdLineBreak = 0x81;
inline constexpr std::uint8_t kCmdParagraphEnd = 0x82;
inline constexpr std::uint8_t kCmdTab = 0x83;
inline constexpr std::uint8_t kCmdHotspotEnd = 0x89;
inline constexpr std::uint8_t kCmdMacro = 0xC8;
inline constexpr std::uint8_t kCmdPopup = 0xE2;
inline constexpr std::uint8_t kCmdJump = 0xE3;
inline constexpr std::uint8_t kCmdPopupExternal = 0xEA;
inline constexpr std::uint8_t kCmdJumpExternal = 0xEB;
inline constexpr std::uint8_t kCmdEnd = 0xFF;

enum class ParagraphAlignment { left, center, right };

// How a paragraph is set; indents and spacing in twips (stored in the
// viewer's unit, ten twips).
struct ParagraphSettings {
  ParagraphAlignment alignment = ParagraphAlignment::left;
  int space_before = 0;
  int space_after = 0;
  int left_indent = 0;
  int right_indent = 0;
  int first_indent = 0;  // from the left indent; negative hangs
};

class Paragraph {
 public:
  void text(std::string_view bytes);
  void font(int descriptor);
  void tab() { command({static_cast<char>(kCmdTab)}); }
  void line_break() { command({static_cast<char>(kCmdLineBreak)}); }
  // A picture shown in the text or at a margin.
  void picture(std::string command_bytes) { command(std::move(command_bytes)); }
  // Where a hotspot may start: its command is inserted here later, so the
  // text that follows starts a piece of its own.
  std::size_t mark() {
    split_ = true;
    return items_.size();
  }
  // Puts a hotspot command before the item at mark and ends the hotspot here.
  void hotspot(std::size_t at, std::string command_bytes);
  // Font changes from item `from` on take the descriptor `change` gives.
  void refont(std::size_t from, const std::function<int(int)>& change);
  std::size_t size() const { return items_.size(); }
  // Drops the last character of the text when it is c (a footnote's mark).
  void drop_last(char c);
  bool empty() const { return !has_text_; }
  // The record's text and formatting data: the formatting part starts with
  // the paragraph's settings, the text part is the pieces.
  struct Record {
    std::string formatting;
    std::string text;
  };
  Record render(const ParagraphSettings& settings) const;

 private:
  struct Item {
    bool is_command = false;
    std::string bytes;
    int font = -1;  // the descriptor of a font change
  };
  void command(std::string bytes);
  std::vector<Item> items_;
  bool has_text_ = false;
  bool split_ = false;  // the next text starts a new item
};

// Hotspot commands.
std::string jump_command(bool popup, std::int32_t hash);
std::string window_jump_command(std::int32_t hash, int window);
std::string external_jump_command(bool popup, std::int32_t hash, std::string_view file,
                                  std::string_view window);
std::string macro_command(std::string_view macro);

}  // namespace hlp
