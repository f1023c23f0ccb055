#include "contents/outline_command.h"

#include "aids/aids_state.h"
#include "aids/keyword_commands.h"
#include "contents/outline_editor_dialog.h"
#include "contents/outline_file.h"
#include "core/messages.h"
#include "platform/ui/host.h"

namespace contents {

int EditOutline(aids::AidsState& state, std::int32_t window, std::string_view path) {
  const std::string source(path.empty() ? std::string_view(state.project_path) : path);
  if (source.empty()) return 1;
  aids::WarnIfIndexOutOfDate(state);
  OutlineEditorDialog dialog(state, outline_path(source), outline_settings_path(source));
  const ui::ScreenSize screen = ui::host().screen_size();
  const bool large = use_large_outline_layout(screen.width, screen.dialog_base_unit_x);
  ui::host().run_modal(core::authoring_module(), large ? "DLG_OUT_B" : "DLG_OUT", dialog,
                       core::dialog_owner(state, window));
  return 1;
}

int GetOutline(OutlineReader& reader, std::string_view project_path, std::string_view level, OutlineItem& item) {
  return get_outline(reader, outline_path(project_path), level == "1", item) == Delivery::end ? 0 : 1;
}

}  // namespace contents
