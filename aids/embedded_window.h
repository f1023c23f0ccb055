// Embedded windows: the "{ewl DLL,CLASS,DATA}" texts of a topic and the
// dialog "DLG_EMBWIN" that writes them. Classes the project declares in its
// "@DW" comment lines ([DLL.CLASS]{description}<help file>;) are offered.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"
#include "resources/trvwck32/macros.h"
#include "formats/help_contexts.h"

namespace project {
struct ProjectState;
}

namespace aids {

inline constexpr int kMustBeBinaryText = 10071;
inline constexpr int kInvalidNumberText = 10072;
inline constexpr int kNoDllText = 10073;
inline constexpr int kNoClassText = 10074;
inline constexpr int kMissingItemText = 10075;
inline constexpr int kNoWindowDataText = 10076;
inline constexpr int kEmbeddedWindowHelp = help_contexts::kEmbeddedWindow;

struct EmbeddedWindow {
  char position = 'l';  // l left margin, r right margin, c at the insertion point
  std::string dll, window_class, data;
};

// Reads an existing text ("{ew" + position + " " + DLL "," CLASS "," DATA "}");
// false when the text is not one.
bool parse_embedded_window(std::string_view text, EmbeddedWindow& out);
std::string embedded_window_text(const EmbeddedWindow& window);

// One data item a declared class takes: its name and type (n number, s text,
// c one character, b 1 or 0).
struct DataItem {
  std::string name;
  char type = 's';
};

// A class the project declares. Its data items follow the class name in
// parentheses, each NAME:TYPE, and the character after the parentheses
// joins their values in the window text (default ","):
//   ;@DW [clock.dll.Clock(Title:s,Seconds:b,Size:n)|]{A clock}<clock.hlp>;
struct WindowClass {
  std::string dll, name, description;
  std::vector<DataItem> items;
  char separator = ',';
};
std::vector<WindowClass> parse_window_classes(std::string_view comment_lines);

// The prompt shown while an item is edited: its name and what it takes.
std::string data_item_prompt(const DataItem& item);
// 0 when the value suits the item, else the message that refuses it
// (10071 for yes/no items, 10072 for numbers).
int refuse_data_item(const DataItem& item, std::string_view value);
// A value as the item's field takes it: text up to 255 characters, one
// character, a number up to 15.
std::string fit_data_item(const DataItem& item, std::string_view value);

class EmbeddedWindowDialog : public ui::DialogProc {
 public:
  static constexpr int kClass = IDC_EMBWIN_CLASS;
  static constexpr int kData = IDC_EMBWIN_DATA;
  static constexpr int kDll = IDC_EMBWIN_DLL;
  static constexpr int kLeft = IDC_EMBWIN_LEFT;  // then right margin, insertion point
  static constexpr int kItems = IDC_EMBWIN_ITEMS;
  static constexpr int kItemPrompt = IDC_EMBWIN_ITEM_PROMPT;
  static constexpr int kItemValue = IDC_EMBWIN_ITEM_VALUE;
  static constexpr int kHelpButton = IDC_EMBWIN_HELP_BUTTON;

  EmbeddedWindowDialog(project::ProjectState& state, EmbeddedWindow window);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  const EmbeddedWindow& window() const { return window_; }

 private:
  void accept(ui::Dialog& dialog);
  const WindowClass* declared(const std::string& name) const;
  void show_class(ui::Dialog& dialog, std::string_view data);
  void show_item(ui::Dialog& dialog, int index);
  bool store_item(ui::Dialog& dialog);
  void choose_item(ui::Dialog& dialog);
  std::string item_row(size_t index) const;

  project::ProjectState& state_;
  EmbeddedWindow window_;
  std::vector<WindowClass> classes_;
  const WindowClass* items_class_ = nullptr;  // the declared class whose items show
  std::vector<std::string> values_;
  int item_ = -1;                             // the item in the value field
};

// InsertEmbWindow: 1 with the embedded-window text in text, 0 otherwise.
int InsertEmbWindow(project::ProjectState& state, std::int32_t window, std::string_view document,
                    std::string& text);

}  // namespace aids
