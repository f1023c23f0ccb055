// InsertMacro: a hotspot whose click runs help macros, composed in the
// Macro Editor ("DLG_INS_MACRO" "Insert Hotspot Macro").
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"

namespace project {
struct ProjectState;
}

namespace aids {

inline constexpr int kSelectClickText = 10004;
// Longest hotspot text taken from the selection.
inline constexpr size_t kMacroHotspotMax = 648;

class InsertMacroDialog : public ui::DialogProc {
 public:
  // macro: "!" and the macros, with an optional "%" or "*" in front, or empty.
  InsertMacroDialog(project::ProjectState& state, std::string click_text, std::string macro, int colour);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

  // After OK: the hotspot macro with its appearance prefix, the format text
  // ("0" and the colour index) and the scope code.
  const std::string& macro() const { return result_; }
  const std::string& format() const { return format_; }
  int scope() const { return scope_; }

 private:
  void show_custom(ui::Dialog& dialog);
  void show_scope(ui::Dialog& dialog);
  void edit_macro(ui::Dialog& dialog);
  void accept(ui::Dialog& dialog);

  project::ProjectState& state_;
  std::string click_text_;
  std::string macros_;   // "!" and the macros, without prefix
  char prefix_ = 0;      // '%', '*' or none
  bool editing_ = false; // an existing hotspot macro came in
  int colour_ = 0;
  std::string result_, format_;
  int scope_ = 0;
};

// InsertMacro: the scope code after OK with macro and format filled, else 0
// with them untouched.
int InsertMacro(project::ProjectState& state, std::int32_t window, std::string_view document,
                std::string_view click_text, std::string& macro, std::string& format);

}  // namespace aids
