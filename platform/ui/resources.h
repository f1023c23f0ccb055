// Resource scripts: the subset of the usual .rc syntax we use (STRINGTABLE,
// DIALOG / DIALOGEX with the common control statements, BITMAP). Each binary
// embeds its scripts and registers them as a module at load time.
#pragma once
#include <cstdint>
#include <functional>
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
  std::uint32_t exstyle = 0;  // WS_EX_* bits
};

// A DIALOG or DIALOGEX statement. A dialog named by a #defined symbol has
// both its name and the symbol's number.
struct DialogTemplate {
  std::string name;  // "DLG_START", or "" when the dialog has a number
  int number = -1;   // 21000, or -1 when the dialog has a name
  std::string caption;
  int x = 0, y = 0, cx = 0, cy = 0;
  std::uint32_t style = 0;
  std::string font;  // the FONT typeface, "" when none
  std::vector<ControlTemplate> controls;

  const ControlTemplate* control(int id) const;
  // The name, or the number as text when the dialog has no name.
  std::string identifier() const;

  std::uint32_t exstyle = 0;   // EXSTYLE
  int font_size = 0;           // FONT point size, 0 when none
  std::string window_class;    // CLASS, "" when none
  std::string menu;            // MENU, "" when none
};

// The files a script may #include, by path: "trvwck32/project.h" is the
// header beside "trvwck32/project.rc". Returns nullopt for a file that is not
// there. The reader asks with the path already made relative to the top of
// the set ('/' separators, no "." or ".." left).
using IncludeFiles = std::function<std::optional<std::string>(std::string_view path)>;

// A parsed resource script. Symbolic ids are resolved through #define lines.
class ResourceSet {
 public:
  // Parses script text; problems are appended to errors as "line N: message"
  // and the rest of the script is still read. `#include "file"` reads the
  // file from `files`, relative to the including script: the top script is
  // named by `#line N "path"` lines (the build writes one before each
  // embedded script), "" before the first. `#include <file>` names a system
  // header, whose constants the reader knows already.
  static ResourceSet parse(std::string_view script, std::vector<std::string>* errors = nullptr,
                           const IncludeFiles& files = {});

  const std::string* string(int id) const;
  // By name ("DLG_START", case-insensitive) or by number written as text ("21000").
  const DialogTemplate* dialog(std::string_view name_or_number) const;
  const DialogTemplate* dialog(int number) const;
  // The file a BITMAP statement names, or nullptr.
  const std::string* bitmap(std::string_view name) const;
  // The picture's bytes when the file was embedded beside the script, or nullptr.
  const std::string* bitmap_data(std::string_view name) const;
  // Every name a BITMAP statement gave (upper-cased), numbers included.
  std::vector<std::string> bitmap_names() const;

  void add_string(int id, std::string value) { strings_[id] = std::move(value); }
  void add_dialog(DialogTemplate d) { dialogs_.push_back(std::move(d)); }
  void add_bitmap(std::string name, std::string file);
  void add_bitmap_data(std::string name, std::string bytes);

  // The value of a #define of the script (case-sensitive), or nullopt.
  std::optional<std::int64_t> symbol(std::string_view name) const;
  void add_symbol(std::string name, std::int64_t value) { symbols_[std::move(name)] = value; }
  // Every string and every dialog, in id and script order.
  const std::map<int, std::string>& strings() const { return strings_; }
  const std::vector<DialogTemplate>& dialogs() const { return dialogs_; }

 private:
  std::map<int, std::string> strings_;
  std::vector<DialogTemplate> dialogs_;
  std::map<std::string, std::string> bitmaps_;  // upper-cased name -> file
  std::map<std::string, std::string> bitmap_data_;  // upper-cased name -> bytes
  std::map<std::string, std::int64_t, std::less<>> symbols_;
};

// Module handles: every binary registers its resources once and keeps the
// handle (the module handle of GetInst). Handles are small positive numbers.
// Registering the same name with the same script again returns the same
// handle; a different script gets a new handle (earlier sets stay valid).
// `files` are the headers the scripts include, embedded with them: name and
// text pairs ("trvwck32/project.h", "#define ..."), ended by a null pointer.
std::int32_t register_module(std::string_view name, std::string_view script,
                             const char* const* files = nullptr);
// The module's resources; an empty set for an unknown handle.
const ResourceSet& module_resources(std::int32_t module);
// What the reader could not read in the module's script ("line N: message").
std::vector<std::string> module_errors(std::int32_t module);
// The handle of the newest module registered under name, 0 when none.
std::int32_t find_module(std::string_view name);
// LoadString: the text of a string resource, "" when missing.
std::string load_string(std::int32_t module, int id);

}  // namespace ui
