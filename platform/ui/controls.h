// The state of one control of a running headless dialog: its text, check
// state, items and meter, with the list and combo box rules.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"
#include "platform/ui/resources.h"

namespace ui::detail {

// What a control does, from its class and style.
enum class ControlKind {
  static_text, edit, push_button, check_box, radio_button, group_box,
  list_box, combo_box, tab_strip, progress, scroll_bar, other,
};

ControlKind classify(const ControlTemplate& t);

struct Item {
  std::string text;
  std::int32_t data = 0;
  bool selected = false;  // multi-selection list boxes
};

class ControlState {
 public:
  explicit ControlState(ControlTemplate t);

  const ControlTemplate& source() const { return template_; }
  int id() const { return template_.id; }
  ControlKind kind() const { return kind_; }
  bool has_style(std::uint32_t bits) const { return (template_.style & bits) == bits; }
  // Check boxes and radio buttons that change state when clicked.
  bool automatic() const;
  bool three_state() const;
  bool multi_select() const;
  // Lists that keep their items sorted (LBS_SORT, CBS_SORT).
  bool sorted() const;
  // Controls that have items: list and combo boxes, tab strips.
  bool has_items() const;

  std::string text;
  int check = 0;
  bool enabled = true;
  bool visible = true;
  int progress_position = 0;
  int progress_range = 0;
  WindowRect rect;  // pixels within the dialog
  int drop_index = -1;  // while a dropped line is reported: where it was dropped

  // Sets the text; a tab strip takes "A;B;C" as its tabs.
  void set_text(std::string_view value);

  const std::vector<Item>& items() const { return items_; }
  int selection() const { return selection_; }
  bool valid(int index) const { return index >= 0 && index < static_cast<int>(items_.size()); }
  void clear_items();
  int add_item(std::string_view value);  // sorted lists insert in order
  int insert_item(int index, std::string_view value);  // -1 appends; -1 when out of range
  void delete_item(int index);
  void set_item_data(int index, std::int32_t data);
  // Selects index (-1 or out of range clears); a combo box takes the item's text.
  void set_selection(int index);
  // Multi-selection lists: one item on or off (single-selection lists move the selection).
  void select_item(int index, bool on);
  int find_item(std::string_view value) const;          // ignoring case
  int find_exact_item(std::string_view value) const;    // case and all

 private:
  ControlTemplate template_;
  ControlKind kind_;
  std::vector<Item> items_;
  int selection_ = -1;
};

}  // namespace ui::detail
