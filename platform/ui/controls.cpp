// Control state of the headless host: the rules of list boxes, combo boxes,
// tab strips and buttons that procedures rely on.
#include "platform/ui/controls.h"

#include "platform/text.h"

namespace ui::detail {

namespace {

constexpr std::uint32_t kButtonType = 0xF;  // BS_TYPEMASK

ControlKind classify_button(std::uint32_t style) {
  switch (style & kButtonType) {
    case 0x2: case 0x3: case 0x5: case 0x6: return ControlKind::check_box;
    case 0x4: case 0x9: return ControlKind::radio_button;
    case 0x7: return ControlKind::group_box;
    default: return ControlKind::push_button;
  }
}

}  // namespace

ControlKind classify(const ControlTemplate& t) {
  const std::string& c = t.window_class;
  if (text::iequals(c, "Button")) return classify_button(t.style);
  if (text::iequals(c, "Edit")) return ControlKind::edit;
  if (text::iequals(c, "Static") || text::iequals(c, "BitStat")) return ControlKind::static_text;
  if (text::iequals(c, "ListBox")) return ControlKind::list_box;
  if (text::iequals(c, "ComboBox")) return ControlKind::combo_box;
  if (text::iequals(c, "TWTab")) return ControlKind::tab_strip;
  if (text::iequals(c, "ProgMeter") || text::iequals(c, "msctls_progress32")) return ControlKind::progress;
  if (text::iequals(c, "ScrollBar")) return ControlKind::scroll_bar;
  return ControlKind::other;
}

ControlState::ControlState(ControlTemplate t) : template_(std::move(t)), kind_(classify(template_)) {
  enabled = !has_style(0x08000000);  // WS_DISABLED
  visible = has_style(0x10000000);   // WS_VISIBLE
  set_text(template_.text);
}

bool ControlState::automatic() const {
  std::uint32_t type = template_.style & kButtonType;
  return (kind_ == ControlKind::check_box || kind_ == ControlKind::radio_button) &&
         (type == 0x3 || type == 0x6 || type == 0x9);
}

bool ControlState::three_state() const {
  std::uint32_t type = template_.style & kButtonType;
  return kind_ == ControlKind::check_box && (type == 0x5 || type == 0x6);
}

bool ControlState::multi_select() const {
  return kind_ == ControlKind::list_box && (template_.style & (0x8 | 0x800)) != 0;
}

bool ControlState::sorted() const {
  if (kind_ == ControlKind::list_box) return has_style(0x2);
  if (kind_ == ControlKind::combo_box) return has_style(0x100);
  return false;
}

bool ControlState::has_items() const {
  return kind_ == ControlKind::list_box || kind_ == ControlKind::combo_box ||
         kind_ == ControlKind::tab_strip || !items_.empty();
}

void ControlState::set_text(std::string_view value) {
  text = std::string(value);
  if (kind_ != ControlKind::tab_strip) return;
  clear_items();
  if (value.empty()) return;
  for (std::string& label : text::split(value, ';'))
    if (!label.empty()) items_.push_back(Item{std::move(label)});
  if (!items_.empty()) selection_ = 0;
}

void ControlState::clear_items() {
  items_.clear();
  selection_ = -1;
  if (kind_ == ControlKind::combo_box) text.clear();  // resetting a combo box empties its edit field
}

int ControlState::add_item(std::string_view value) {
  if (!sorted()) return insert_item(-1, value);
  std::string lower = text::to_lower(value);
  int index = 0;
  while (index < static_cast<int>(items_.size()) && text::to_lower(items_[index].text) <= lower) ++index;
  return insert_item(index, value);
}

int ControlState::insert_item(int index, std::string_view value) {
  int count = static_cast<int>(items_.size());
  if (index == -1) index = count;
  if (index < 0 || index > count) return -1;
  items_.insert(items_.begin() + index, Item{std::string(value)});
  if (selection_ >= index) ++selection_;
  return index;
}

void ControlState::delete_item(int index) {
  if (!valid(index)) return;
  items_.erase(items_.begin() + index);
  if (selection_ == index) selection_ = -1;
  else if (selection_ > index) --selection_;
}

void ControlState::set_item_data(int index, std::int32_t data) {
  if (valid(index)) items_[index].data = data;
}

void ControlState::set_selection(int index) {
  selection_ = valid(index) ? index : -1;
  if (multi_select()) {
    for (Item& item : items_) item.selected = false;
    if (selection_ >= 0) items_[selection_].selected = true;
  }
  if (kind_ == ControlKind::combo_box) text = selection_ >= 0 ? items_[selection_].text : std::string();
}

void ControlState::select_item(int index, bool on) {
  if (!valid(index)) return;
  if (!multi_select()) {
    if (on) set_selection(index);
    else if (selection_ == index) set_selection(-1);
    return;
  }
  items_[index].selected = on;
  if (on) selection_ = index;  // the caret follows the last item picked
}

int ControlState::find_item(std::string_view value) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (text::iequals(items_[i].text, value)) return static_cast<int>(i);
  return -1;
}

int ControlState::find_exact_item(std::string_view value) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i].text == value) return static_cast<int>(i);
  return -1;
}

}  // namespace ui::detail
