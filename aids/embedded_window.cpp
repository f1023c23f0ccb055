#include "aids/embedded_window.h"

#include <algorithm>

#include "aids/macro_catalogue.h"
#include "core/help_commands.h"
#include "project/project_state.h"
#include "core/messages.h"
#include "project/topics/project_document.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace aids {

namespace {

constexpr std::string_view kWin31OnlyText =
    "This command is available only while using the Windows 3.1 Help Compilers.";

std::string trimmed(std::string_view s) { return std::string(text::trim(s)); }

constexpr size_t kNumberItemMax = 15;
constexpr size_t kTextItemMax = 255;

// "Title:s,Seconds:b": a type letter that is none of n, s, c, b reads as text.
std::vector<DataItem> parse_data_items(std::string_view list) {
  std::vector<DataItem> items;
  for (const std::string& piece : text::split(list, ',')) {
    const std::string_view entry = text::trim(piece);
    if (entry.empty()) continue;
    const size_t colon = entry.rfind(':');
    DataItem item;
    item.name = trimmed(entry.substr(0, colon));
    if (colon != std::string_view::npos) {
      const std::string type = text::to_lower(text::trim(entry.substr(colon + 1)));
      if (type == "n" || type == "c" || type == "b") item.type = type[0];
    }
    if (!item.name.empty()) items.push_back(std::move(item));
  }
  return items;
}

constexpr std::string_view kTypeWords[] = {"number", "text", "character", "yes/no"};
std::string_view type_word(char type) {
  return type == 'n' ? kTypeWords[0] : type == 'c' ? kTypeWords[2] : type == 'b' ? kTypeWords[3] : kTypeWords[1];
}

// A window's data split into the values of a class's items; what is left
// over stays in the last value, so nothing of the text is lost.
std::vector<std::string> split_values(std::string_view data, const WindowClass& c) {
  std::vector<std::string> values(c.items.size());
  if (data.empty() || values.empty()) return values;
  std::vector<std::string> parts = text::split(data, c.separator);
  for (size_t i = 0; i < parts.size(); ++i) {
    const size_t at = std::min(i, values.size() - 1);
    if (i >= values.size()) values[at] += c.separator;
    values[at] += parts[i];
  }
  return values;
}

}  // namespace

bool parse_embedded_window(std::string_view text, EmbeddedWindow& out) {
  text = text::trim(text);
  if (!text::istarts_with(text, "{ew") || text.size() < 4) return false;
  const char position = static_cast<char>(text[3] | 0x20);
  if (position != 'l' && position != 'r' && position != 'c') return false;
  std::string_view rest = text.substr(4);
  if (!rest.empty() && rest.back() == '}') rest.remove_suffix(1);
  const size_t first = rest.find(',');
  const size_t second = first == std::string_view::npos ? first : rest.find(',', first + 1);
  out.position = position;
  out.dll = trimmed(rest.substr(0, first));
  out.window_class = first == std::string_view::npos ? std::string() : trimmed(rest.substr(first + 1, second - first - 1));
  out.data = second == std::string_view::npos ? std::string() : std::string(rest.substr(second + 1));
  return true;
}

std::string embedded_window_text(const EmbeddedWindow& w) {
  std::string out = "{ew";
  out += w.position;
  out += ' ';
  out += w.dll;
  out += ',';
  out += w.window_class;
  out += ',';
  out += w.data;
  out += '}';
  return out;
}

// The declarations have the form of the custom macros' ("@DF" lines).
std::vector<WindowClass> parse_window_classes(std::string_view comment_lines) {
  std::string as_macros;
  size_t start = 0;
  while (start < comment_lines.size()) {
    size_t end = comment_lines.find('\n', start);
    if (end == std::string_view::npos) end = comment_lines.size();
    std::string line(comment_lines.substr(start, end - start));
    if (size_t mark = line.find("@DW"); mark != std::string::npos) {
      as_macros += "@DF";
      as_macros.append(line, mark + 3);
      as_macros += '\n';
    }
    start = end + 1;
  }
  std::vector<WindowClass> classes;
  for (const CustomMacro& m : parse_custom_macros(as_macros)) {
    std::string whole = m.library.empty() ? m.syntax : m.library + "." + m.syntax;
    WindowClass c;
    c.description = m.description;
    if (const size_t open = whole.find('('); open != std::string::npos) {
      const size_t close = whole.find(')', open);
      c.items = parse_data_items(whole.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
      if (close != std::string::npos && close + 1 < whole.size() && whole[close + 1] != ' ')
        c.separator = whole[close + 1];
      whole.erase(open);
    }
    // DLL names hold a "." themselves: the class is what follows the last one.
    const size_t dot = whole.rfind('.');
    c.name = trimmed(dot == std::string::npos ? whole : whole.substr(dot + 1));
    if (dot != std::string::npos) c.dll = trimmed(whole.substr(0, dot));
    classes.push_back(std::move(c));
  }
  return classes;
}

std::string data_item_prompt(const DataItem& item) {
  switch (item.type) {
    case 'n': return item.name + " (Enter a number)";
    case 'c': return item.name + " (Enter a single character)";
    case 'b': return item.name + " (Enter 1 = Yes, 0 = No)";
    default: return item.name + " (Enter text)";
  }
}

int refuse_data_item(const DataItem& item, std::string_view value) {
  if (item.type == 'b' && value != "0" && value != "1") return kMustBeBinaryText;
  if (item.type == 'n' && (value.size() > kNumberItemMax || value.find_first_not_of("0123456789-.") != std::string_view::npos))
    return kInvalidNumberText;
  return 0;
}

std::string fit_data_item(const DataItem& item, std::string_view value) {
  return text::cut(value, item.type == 'c' ? 1 : item.type == 's' ? kTextItemMax : value.size());
}

EmbeddedWindowDialog::EmbeddedWindowDialog(project::ProjectState& state, EmbeddedWindow window)
    : state_(state), window_(std::move(window)) {}

void EmbeddedWindowDialog::on_init(ui::Dialog& dialog) {
  classes_ = parse_window_classes(state_.data.project.window_comments);
  for (const WindowClass& c : classes_) dialog.add_item(kClass, c.name);
  dialog.set_text(kClass, window_.window_class);
  dialog.set_text(kDll, window_.dll);
  dialog.set_text(kData, window_.data);
  const int chosen = window_.position == 'r' ? 1 : window_.position == 'c' ? 2 : 0;
  for (int i = 0; i < 3; ++i) dialog.set_check(kLeft + i, i == chosen ? 1 : 0);
  show_class(dialog, window_.data);
}

const WindowClass* EmbeddedWindowDialog::declared(const std::string& name) const {
  for (const WindowClass& c : classes_)
    if (!c.items.empty() && text::iequals(c.name, name)) return &c;
  return nullptr;
}

// A declared class with data items gets the item list, any other class the
// free data field.
void EmbeddedWindowDialog::show_class(ui::Dialog& dialog, std::string_view data) {
  items_class_ = declared(trimmed(dialog.text(kClass)));
  const bool items = items_class_ != nullptr;
  dialog.show(kData, !items);
  for (int id : {kItems, kItemPrompt, kItemValue}) dialog.show(id, items);
  dialog.clear_items(kItems);
  item_ = -1;
  values_.clear();
  if (!items) return;
  values_ = split_values(data, *items_class_);
  for (size_t i = 0; i < values_.size(); ++i) dialog.add_item(kItems, item_row(i));
  show_item(dialog, 0);
}

std::string EmbeddedWindowDialog::item_row(size_t index) const {
  const DataItem& item = items_class_->items[index];
  return item.name + "\t" + std::string(type_word(item.type)) + "\t" + values_[index];
}

void EmbeddedWindowDialog::show_item(ui::Dialog& dialog, int index) {
  item_ = index;
  dialog.set_selection(kItems, index);
  const DataItem& item = items_class_->items[static_cast<size_t>(index)];
  dialog.set_text(kItemPrompt, data_item_prompt(item));
  dialog.set_text(kItemValue, values_[static_cast<size_t>(index)]);
}

// The value field back into its item; false (with the message) when the
// value does not suit the item.
bool EmbeddedWindowDialog::store_item(ui::Dialog& dialog) {
  if (!items_class_ || item_ < 0) return true;
  const DataItem& item = items_class_->items[static_cast<size_t>(item_)];
  const std::string value = fit_data_item(item, trimmed(dialog.text(kItemValue)));
  if (const int refusal = refuse_data_item(item, value); refusal != 0) {
    core::show_message(state_, core::resource_string(refusal), ui::kMbOk | ui::kMbIconExclamation);
    dialog.set_selection(kItems, item_);
    dialog.set_focus(kItemValue);
    return false;
  }
  values_[static_cast<size_t>(item_)] = value;
  dialog.delete_item(kItems, item_);
  dialog.insert_item(kItems, item_, item_row(static_cast<size_t>(item_)));
  return true;
}

void EmbeddedWindowDialog::choose_item(ui::Dialog& dialog) {
  const int chosen = dialog.selection(kItems);
  if (chosen < 0 || chosen == item_) return;
  if (!store_item(dialog)) return;
  show_item(dialog, chosen);
}

void EmbeddedWindowDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kClass && notify == ui::Notify::selection) {
    const int index = dialog.selection(kClass);
    if (index >= 0 && index < static_cast<int>(classes_.size())) {
      dialog.set_text(kDll, classes_[index].dll);
      dialog.set_text(kClass, classes_[index].name);
    }
    show_class(dialog, "");
    return;
  }
  if (id == kClass && notify == ui::Notify::changed) {
    // A typed class name switches between the item list and the free data.
    if (declared(trimmed(dialog.text(kClass))) != items_class_) show_class(dialog, "");
    return;
  }
  if (id == kItems && notify == ui::Notify::selection) return choose_item(dialog);
  if (id == kHelpButton) {
    core::ProductHelpContext(state_, dialog.handle(), kEmbeddedWindowHelp);
    return;
  }
  if (id == ui::kIdOk) return accept(dialog);
  ui::DialogProc::on_command(dialog, id, notify);
}

void EmbeddedWindowDialog::accept(ui::Dialog& dialog) {
  EmbeddedWindow w;
  w.dll = trimmed(dialog.text(kDll));
  w.window_class = trimmed(dialog.text(kClass));
  w.data = trimmed(dialog.text(kData));
  w.position = dialog.check(kLeft + 1) == 1 ? 'r' : dialog.check(kLeft + 2) == 1 ? 'c' : 'l';
  auto refuse = [&](int message, int field) {
    core::show_message(state_, core::resource_string(message), ui::kMbOk | ui::kMbIconExclamation);
    dialog.set_focus(field);
  };
  if (w.dll.empty()) return refuse(kNoDllText, kDll);
  if (w.window_class.empty()) return refuse(kNoClassText, kClass);
  if (items_class_) {
    if (!store_item(dialog)) return;
    w.data.clear();
    for (size_t i = 0; i < values_.size(); ++i) {
      if (values_[i].empty()) {
        show_item(dialog, static_cast<int>(i));
        return refuse(kMissingItemText, kItemValue);
      }
      if (i > 0) w.data += items_class_->separator;
      w.data += values_[i];
    }
  }
  if (w.data.empty()) return refuse(kNoWindowDataText, kData);
  window_ = w;
  dialog.end(1);
}

int InsertEmbWindow(project::ProjectState& state, std::int32_t window, std::string_view document,
                    std::string& text) {
  if (state.compiler_kind == 2) {
    core::show_message(state, kWin31OnlyText, ui::kMbOk | ui::kMbIconExclamation);
    return 0;
  }
  if (!document.empty() && !project::CheckProjectDocument(state, document)) return 0;
  EmbeddedWindow existing;
  parse_embedded_window(text, existing);
  EmbeddedWindowDialog dialog(state, existing);
  if (ui::host().run_modal(core::authoring_module(), "DLG_EMBWIN", dialog, core::dialog_owner(state, window)) != 1)
    return 0;
  text = embedded_window_text(dialog.window());
  return 1;
}

}  // namespace aids
