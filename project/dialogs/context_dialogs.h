// The context-ID commands with dialogs: the context-string list (CxList),
// importing context numbers (Import_IDS) and importing a context map's names
// as topics of the current document (TWImport1).
#pragma once
#include <cstdint>
#include <string_view>

#include "platform/ui/dialog.h"

namespace project {
struct ProjectState;
}

namespace project {

// Opens the modeless list "DLG_CX" of every live context string with its
// number (an open list is rebuilt); 1, or 0 when it cannot be shown.
int CxList(ProjectState& state, std::int32_t window);
// "DLG_IMPORT_IDS": reads context numbers from a header or text file into
// the topics it names. 1 after OK, 0 on Cancel or a failed document check.
int Import_IDS(ProjectState& state, std::int32_t window, std::string_view document);
// "DLG_IMPORT1": every name a context-map header defines becomes a topic of
// the current document, with the header's number when it is a valid and
// unused one. 1 after OK, 0 on Cancel or a failed document check.
int TWImport1(ProjectState& state, std::int32_t window, std::string_view document);

// The file field, browse button and (DLG_IMPORT1) replace box of both imports.
class ImportFileDialog : public ui::DialogProc {
 public:
  static constexpr int kFile = 101;
  static constexpr int kBrowse = 102;
  static constexpr int kReplaceNumbers = 103;

  // Runs the import on OK; returns false (dialog stays) when it failed.
  using Import = bool (*)(ProjectState&, ui::Dialog&, std::string_view path);
  ImportFileDialog(ProjectState& state, Import import) : state_(state), import_(import) {}
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  ProjectState& state_;
  Import import_;
};

}  // namespace project
