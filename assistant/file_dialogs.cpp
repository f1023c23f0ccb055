#include "assistant/file_dialogs.h"

#include "assistant/messages.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/ui/host.h"

namespace assistant {

std::optional<std::string> choose_file(std::int32_t owner, FileChoice choice, std::string_view proposed) {
  ui::FileDialogRequest request;
  request.save = choice == FileChoice::save_data;
  request.title = request.save ? "Save As" : "Open";
  request.filter = choice == FileChoice::open_include ? "*.h" : "*.ptd";
  request.initial_dir = std::string(platform::directory_of(proposed));
  request.initial_file = std::string(platform::file_name_of(proposed));
  if (request.initial_file.empty()) request.initial_file = request.filter;
  std::optional<std::string> chosen = ui::host().file_dialog(owner, request);
  if (!chosen || chosen->empty()) return std::nullopt;
  std::string path = *chosen;
  if (choice != FileChoice::open_include && platform::extension_of(path).empty()) path += ".ptd";
  if (!request.save && !platform::file_exists(path)) {
    show_message(owner, "Cannot find " + path + ".", ui::kMbOk | ui::kMbIconStop);
    return std::nullopt;
  }
  if (request.save && platform::file_exists(path)) {
    std::string question = path + " already exists.\nDo you want to replace it?";
    if (show_message(owner, question, ui::kMbYesNo | ui::kMbIconExclamation) != ui::kIdYes) return std::nullopt;
  }
  return path;
}

}  // namespace assistant
