#include "aids/document_import.h"

#include "aids/aids_state.h"
#include "core/messages.h"
#include "project/topics/project_document.h"
#include "core/settings.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/trvwck32/jumps.h"

namespace aids {
namespace {

constexpr int kDocument = IDC_IMPORT_DOC_DOCUMENT;
constexpr int kBrowse = IDC_IMPORT_DOC_BROWSE;
constexpr int kStyle = IDC_IMPORT_DOC_STYLE;
constexpr int kFirstChoice = IDC_IMPORT_DOC_FIRST_CHOICE;
constexpr const char* kCannotOpenText = "Unable to open %s.";
constexpr std::string_view kNoDocumentText = "Enter the name of the document to import.";
// Topics from titles get context strings and keywords; no browse sequence;
// page breaks between topics.
constexpr std::string_view kStandardChoices = "1101";

class ImportDialog : public ui::DialogProc {
 public:
  ImportDialog(const AidsState& state, ImportRequest& request) : state_(state), request_(request) {}

  void on_init(ui::Dialog& dialog) override {
    dialog.set_text(kDocument, request_.document);
    for (const char* style : {"Heading 1", "Heading 2", "Heading 3"}) dialog.add_item(kStyle, style);
    dialog.set_selection(kStyle, 0);
    for (int i = 0; i < kImportChoices; ++i) dialog.set_check(kFirstChoice + i, kStandardChoices[i] == '1');
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == kBrowse) {
      ui::FileDialogRequest ask;
      ask.filter = "*.doc;*.rtf";
      ask.title = "Import Document";
      if (auto path = ui::host().file_dialog(dialog.handle(), ask)) dialog.set_text(kDocument, *path);
      return;
    }
    if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
    if (accept(dialog)) dialog.end(1);
  }

 private:
  bool accept(ui::Dialog& dialog) {
    const std::string document(text::trim(dialog.text(kDocument)));
    std::string problem;
    if (document.empty()) problem = kNoDocumentText;
    else if (!platform::file_exists(document)) problem = text::format(kCannotOpenText, document.c_str());
    if (!problem.empty()) {
      core::show_message(state_, problem, ui::kMbOk | ui::kMbIconStop);
      dialog.set_focus(kDocument);
      return false;
    }
    request_.document = document;
    request_.style = std::string(text::trim(dialog.text(kStyle)));
    if (request_.style.empty()) request_.style = "Heading 1";
    request_.choices.clear();
    for (int i = 0; i < kImportChoices; ++i) request_.choices += dialog.check(kFirstChoice + i) == 1 ? '1' : '0';
    return true;
  }

  const AidsState& state_;
  ImportRequest& request_;
};

// The project knows a topic file by its RTF copy.
std::string rtf_copy(std::string path) {
  if (size_t dot = path.rfind('.'); dot != std::string::npos && path.find('\\', dot) == std::string::npos)
    path.erase(dot);
  return path + ".rtf";
}

}  // namespace

int ImportDocumentCommand(AidsState& state, std::int32_t window, ImportRequest& request) {
  ImportRequest chosen;
  chosen.document = std::string(text::trim(request.document));
  ImportDialog dialog(state, chosen);
  if (ui::host().run_modal(core::authoring_module(), "DLG_IMPORT_DOC", dialog, core::dialog_owner(state, window)) != 1)
    return 0;
  // While the flag is set, the project-document check adds without asking.
  state.import_flag = true;
  if (!project::CheckProjectDocument(state, rtf_copy(chosen.document))) return 0;
  state.options.invalid_index = true;
  core::SaveProjectOptions(state);
  request = chosen;
  return 1;
}

}  // namespace aids
