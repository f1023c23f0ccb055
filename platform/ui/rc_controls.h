// The control statements of a dialog body: which class each keyword makes,
// its default style and the order of its operands.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace ui::rc {

enum class OperandLayout {
  text_first,  // LTEXT "text", id, x, y, cx, cy[, style[, exstyle]]
  id_first,    // EDITTEXT id, x, y, cx, cy[, style[, exstyle]]
  icon,        // ICON name, id, x, y[, cx, cy[, style[, exstyle]]]
  control,     // CONTROL "text", id, class, style, x, y, cx, cy[, exstyle]
};

struct ControlKeyword {
  std::string_view keyword;       // upper case
  std::string_view window_class;  // "" for CONTROL (named by the statement)
  std::uint32_t style;            // besides WS_CHILD | WS_VISIBLE
  OperandLayout layout;
};

// The statement keyword (any case), or nullptr when it is not one.
const ControlKeyword* find_control_keyword(std::string_view keyword);

// The usual spelling of a predefined class written as a keyword or in any
// case ("BUTTON" -> "Button"); other names are returned unchanged.
std::string canonical_class(std::string_view name);
// The predefined class of an atom number (0x80 Button ... 0x85 ComboBox), "" when none.
std::string class_of_atom(std::int64_t atom);

}  // namespace ui::rc
