// The entry editors: "DLG_CNTED" for a topic or book entry and "DLG_CNTMAC"
// for a macro entry. They split the entry into its fields and, on OK, put
// the entry text (title, TAB, target) back together.
#pragma once
#include <string>

#include "contents/entry_fields.h"
#include "platform/ui/dialog.h"
#include "resources/trvwck32/contents.h"

namespace project {
struct ProjectState;
}

namespace contents {

enum class EntryKind { topic, book, macro, new_macro };

class EntryEditor : public ui::DialogProc {
 public:
  static constexpr int kTitle = IDC_CNTED_TITLE;
  static constexpr int kTarget = IDC_CNTED_TARGET;
  static constexpr int kFile = IDC_CNTED_FILE;
  static constexpr int kEditMacro = IDC_CNTED_EDIT_MACRO;
  static constexpr int kWindow = IDC_CNTED_WINDOW;
  static constexpr int kExternal = IDC_CNTED_EXTERNAL;

  // text: the entry's text without its level ("" for a new macro entry).
  EntryEditor(project::ProjectState& state, EntryKind kind, std::string text);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

  // After OK: the new entry text.
  const std::string& result() const { return result_; }

 private:
  bool macro() const { return kind_ == EntryKind::macro || kind_ == EntryKind::new_macro; }
  void edit_macro(ui::Dialog& dialog);
  void accept(ui::Dialog& dialog);

  project::ProjectState& state_;
  EntryKind kind_;
  EntryFields fields_;
  std::string result_;
};

// The template an entry is edited with, and the kind of editing.
const char* entry_template(EntryKind kind);
EntryKind entry_kind(const CntEntry& entry);

// Runs the editor over the dialog owner; the new text, or "" when cancelled.
std::string edit_entry(project::ProjectState& state, ui::Handle owner, EntryKind kind, std::string text);

}  // namespace contents
