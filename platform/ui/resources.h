// Resource scripts: the subset of the usual .rc syntax we use (STRINGTABLE,
// DIALOG / DIALOGEX with the common control statements, BITMAP). Each binary
// embeds its scripts and registers them as a module at load time.
#pragma once
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

// One control of a dialog template. `kind` is the statement keyword in upper
// case (EDITTEXT, LTEXT, CTEXT, RTEXT, PUSHBUTTON, DEFPUSHBUTTON, CHECKBOX,
// AUTOCHECKBOX, RADIOBUTTON, AUTORADIOBUTTON, LISTBOX, COMBOBOX, GROUPBOX,
// SCROLLBAR, ICON, CONTROL); `window_class` is the class ("Edit", "Button",
// "ListBox", "ComboBox", "Static", "TWTab", "ProgMeter", ...).
struct ControlTemplate {
  std::string kind;
  std::string window_class;
  std::string text;
  int id = -1;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::uint32_t style = 0;
};

struct DialogTemplate {
  std::string name;  // "DLG_START", or "" when the dialog has a number
  int number = -1;   // 21000, or -1 when the dialog has a name
  std::string caption;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::uint32_t style = 0;
  std::string font;
  std::vector<ControlTemplate> controls;

  const ControlTemplate* control(int id) const;
};

// A parsed resource script. Symbolic ids are resolved through #define lines.
class ResourceSet {
 public:
  // Parses script text; problems are appended to errors as "line N: message"
  // and the rest of the script is still read.
  static ResourceSet parse(std::string_view script, std::vector<std::string>* errors = nullptr);

  const std::string* string(int id) const;
  // By name ("DLG_START", case-insensitive) or by number written as text ("21000").
  const DialogTemplate* dialog(std::string_view name_or_number) const;
  const DialogTemplate* dialog(int number) const;
  // The file a BITMAP statement names, or nullptr.
  const std::string* bitmap(std::string_view name) const;

  void add_string(int id, std::string value) { strings_[id] = std::move(value); }
  void add_dialog(DialogTemplate d) { dialogs_.push_back(std::move(d)); }
  void add_bitmap(std::string name, std::string file);

 private:
  std::map<int, std::string> strings_;
  std::vector<DialogTemplate> dialogs_;
  std::map<std::string, std::string> bitmaps_;  // upper-cased name -> file
};

// Module handles: every binary registers its resources once and keeps the
// handle (the module handle of GetInst). Handles are small positive numbers.
std::int32_t register_module(std::string_view name, std::string_view script);
const ResourceSet& module_resources(std::int32_t module);
// LoadString: the text of a string resource, "" when missing.
std::string load_string(std::int32_t module, int id);

}  // namespace ui
