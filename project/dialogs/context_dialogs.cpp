#include "project/dialogs/context_dialogs.h"

#include <algorithm>
#include <memory>

#include "project/project_state.h"
#include "core/messages.h"
#include "project/topics/project_document.h"
#include "platform/files.h"
#include "platform/text.h"
#include "project/files/context_map.h"
#include "project/files/context_rules.h"
#include "project/topics/topic_table.h"
#include "resources/trvwck32/project.h"

namespace project {
namespace {

constexpr int kContextList = IDC_CX_CONTEXT_LIST;
constexpr std::string_view kNoFileText = "Enter the name of the file to import.";
constexpr const char* kCannotOpenText = "Unable to open %s.";
constexpr const char* kImportedText = "%d topics were added and %d updated from %s.";

// The list shows itself; closing it is all it does.
class ContextListProc : public ui::DialogProc {
 public:
  explicit ContextListProc(const ProjectState& state) : state_(state) {}
  void on_init(ui::Dialog& dialog) override {
    std::vector<std::string> lines;
    for (const auto& t : state_.data.topics) {
      if (t.live())
        lines.push_back(
            text::format("%s\t%ld", std::string(t.name()).c_str(), static_cast<long>(t.number)));
    }
    std::sort(lines.begin(), lines.end(), [](const std::string& a, const std::string& b) {
      return text::to_lower(a) < text::to_lower(b);
    });
    for (const auto& l : lines) dialog.add_item(kContextList, l);
    // The search, window and macro controls serve the Hotspot Editor's companion.
    for (int id : {IDC_CX_SEARCH, IDC_CX_FIND, IDC_CX_WINDOW, IDC_CX_MACRO}) dialog.show(id, false);
  }
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == ui::kIdOk || id == ui::kIdCancel) dialog.end(0);
  }

 private:
  const ProjectState& state_;
};

std::optional<std::string> read_import(ProjectState& state, std::string_view path) {
  auto bytes = platform::read_file(path);
  if (!bytes) {
    core::show_message(state, text::format(kCannotOpenText, std::string(path).c_str()),
                       ui::kMbOk | ui::kMbIconStop);
  }
  return bytes;
}

bool import_numbers(ProjectState& state, ui::Dialog&, std::string_view path) {
  if (ImportContextNumbers(state, path) == 1) return true;
  core::show_message(state, text::format(kCannotOpenText, std::string(path).c_str()),
                     ui::kMbOk | ui::kMbIconStop);
  return false;
}

// The header's number when it is valid and no other topic has it, else the
// next free one.
std::int32_t number_for(TopicTable& table, const ContextDefinition& def, int except) {
  if (valid_context_number(def.number) && !table.number_in_use(def.number, except)) {
    table.raise_next_number(def.number);
    return def.number;
  }
  return table.take_next_number();
}

bool import_topics(ProjectState& state, ui::Dialog& dialog, std::string_view path) {
  auto bytes = read_import(state, path);
  if (!bytes) return false;
  const bool replace = dialog.check(ImportFileDialog::kReplaceNumbers) == 1;
  TopicTable& table = state.data.topics;
  int added = 0, updated = 0;
  for (const auto& def : parse_context_numbers(*bytes)) {
    if (!valid_context_chars(def.name)) continue;
    int index = table.find(def.name);
    if (index >= 0) {
      if (!replace) continue;
      table[index].number = number_for(table, def, index);
      ++updated;
    } else {
      index = AddOrUpdateTopic(table, {def.name, "", state.current_file, false});
      if (index < 0) break;
      table[index].number = number_for(table, def, index);
      ++added;
    }
  }
  if (added + updated > 0) state.data_dirty = true;
  core::show_message(state, text::format(kImportedText, added, updated, std::string(path).c_str()),
                     ui::kMbOk | ui::kMbIconInformation);
  return true;
}

int run_import(ProjectState& state, std::int32_t window, std::string_view document,
               const char* dialog_name, ImportFileDialog::Import import) {
  if (!project::CheckProjectDocument(state, document)) return 0;
  ImportFileDialog proc(state, import);
  int result = ui::host().run_modal(core::authoring_module(), dialog_name, proc,
                                    core::dialog_owner(state, window));
  return result == 1 ? 1 : 0;
}

}  // namespace

void ImportFileDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kBrowse) {
    ui::FileDialogRequest request;
    request.filter = "*.h";
    request.title = "Import";
    if (auto path = ui::host().file_dialog(dialog.handle(), request)) dialog.set_text(kFile, *path);
    return;
  }
  if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
  std::string path(text::trim(dialog.text(kFile)));
  if (path.empty()) {
    core::show_message(state_, kNoFileText, ui::kMbOk | ui::kMbIconExclamation);
    dialog.set_focus(kFile);
    return;
  }
  if (import_(state_, dialog, path)) dialog.end(1);
}

int CxList(ProjectState& state, std::int32_t window) {
  auto& host = ui::host();
  if (ui::Handle open = host.find_window("DLG_CX")) host.destroy_window(open);
  ui::Handle list =
      host.create_modeless(core::authoring_module(), "DLG_CX", std::make_unique<ContextListProc>(state),
                           core::dialog_owner(state, window));
  return list != 0 ? 1 : 0;
}

int Import_IDS(ProjectState& state, std::int32_t window, std::string_view document) {
  return run_import(state, window, document, "DLG_IMPORT_IDS", import_numbers);
}

int TWImport1(ProjectState& state, std::int32_t window, std::string_view document) {
  return run_import(state, window, document, "DLG_IMPORT1", import_topics);
}

}  // namespace project
