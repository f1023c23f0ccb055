// Control statement table of the resource-script reader.
#include "platform/ui/rc_controls.h"

#include <array>

#include "platform/text.h"

namespace ui::rc {

namespace {

constexpr std::uint32_t kGroup = 0x00020000;    // WS_GROUP
constexpr std::uint32_t kTabStop = 0x00010000;  // WS_TABSTOP
constexpr std::uint32_t kBorder = 0x00800000;   // WS_BORDER

constexpr std::array kKeywords = std::to_array<ControlKeyword>({
    {"LTEXT", "Static", 0x0 | kGroup, OperandLayout::text_first},
    {"RTEXT", "Static", 0x2 | kGroup, OperandLayout::text_first},
    {"CTEXT", "Static", 0x1 | kGroup, OperandLayout::text_first},
    {"PUSHBUTTON", "Button", 0x0 | kTabStop, OperandLayout::text_first},
    {"DEFPUSHBUTTON", "Button", 0x1 | kTabStop, OperandLayout::text_first},
    {"CHECKBOX", "Button", 0x2 | kTabStop, OperandLayout::text_first},
    {"AUTOCHECKBOX", "Button", 0x3 | kTabStop, OperandLayout::text_first},
    {"RADIOBUTTON", "Button", 0x4, OperandLayout::text_first},
    {"STATE3", "Button", 0x5 | kTabStop, OperandLayout::text_first},
    {"AUTO3STATE", "Button", 0x6 | kTabStop, OperandLayout::text_first},
    {"GROUPBOX", "Button", 0x7, OperandLayout::text_first},
    {"AUTORADIOBUTTON", "Button", 0x9, OperandLayout::text_first},
    {"PUSHBOX", "Button", 0xA | kTabStop, OperandLayout::text_first},
    {"EDITTEXT", "Edit", kBorder | kTabStop, OperandLayout::id_first},
    {"LISTBOX", "ListBox", 0x1 | kBorder, OperandLayout::id_first},   // LBS_NOTIFY
    {"COMBOBOX", "ComboBox", 0x1 | kTabStop, OperandLayout::id_first},  // CBS_SIMPLE
    {"SCROLLBAR", "ScrollBar", 0x0, OperandLayout::id_first},
    {"ICON", "Static", 0x3, OperandLayout::icon},  // SS_ICON
    {"CONTROL", "", 0x0, OperandLayout::control},
});

constexpr std::array<std::string_view, 6> kPredefined = {"Button", "Edit",      "Static",
                                                         "ListBox", "ScrollBar", "ComboBox"};

}  // namespace

const ControlKeyword* find_control_keyword(std::string_view keyword) {
  for (const ControlKeyword& k : kKeywords)
    if (text::iequals(k.keyword, keyword)) return &k;
  return nullptr;
}

std::string canonical_class(std::string_view name) {
  for (std::string_view c : kPredefined)
    if (text::iequals(c, name)) return std::string(c);
  return std::string(name);
}

std::string class_of_atom(std::int64_t atom) {
  // The atoms are in the order Button, Edit, Static, ListBox, ScrollBar, ComboBox.
  if (atom < 0x80 || atom > 0x85) return {};
  return std::string(kPredefined[static_cast<size_t>(atom - 0x80)]);
}

}  // namespace ui::rc
