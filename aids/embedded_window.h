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
inline constexpr int kEmbeddedWindowHelp = 1068;

struct EmbeddedWindow {
  char position = 'l';  // l left margin, r right margin, c at the insertion point
  std::string dll, window_class, data;
};

// Reads an existing text ("{ew" + position + " " + DLL "," CLASS "," DATA "}");
// false when the text is not one.
bool parse_embedded_window(std::string_view text, EmbeddedWindow& out);
std::string embedded_window_text(const EmbeddedWindow& window);

// A class the project declares.
struct WindowClass {
  std::string dll, name, description;
};
std::vector<WindowClass> parse_window_classes(std::string_view comment_lines);

class EmbeddedWindowDialog : public ui::DialogProc {
 public:
  static constexpr int kClass = IDC_EMBWIN_CLASS;
  static constexpr int kData = IDC_EMBWIN_DATA;
  static constexpr int kDll = IDC_EMBWIN_DLL;
  static constexpr int kLeft = IDC_EMBWIN_LEFT;  // then right margin, insertion point
  static constexpr int kHelpButton = IDC_EMBWIN_HELP_BUTTON;

  EmbeddedWindowDialog(project::ProjectState& state, EmbeddedWindow window);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  const EmbeddedWindow& window() const { return window_; }

 private:
  void accept(ui::Dialog& dialog);
  project::ProjectState& state_;
  EmbeddedWindow window_;
  std::vector<WindowClass> classes_;
};

// InsertEmbWindow: 1 with the embedded-window text in text, 0 otherwise.
int InsertEmbWindow(project::ProjectState& state, std::int32_t window, std::string_view document,
                    std::string& text);

}  // namespace aids
