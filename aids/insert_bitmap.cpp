#include "aids/insert_bitmap.h"

#include "aids/aids_state.h"
#include "aids/graphic_dialog.h"
#include "core/messages.h"
#include "core/settings.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "project/project_state.h"
#include "project/topics/project_document.h"

namespace aids {

namespace {

// The preference that puts test buttons after jumps (TRVWCK6.INI).
constexpr std::string_view kTestButtonsKey = "Test Buttons";

}  // namespace

std::string display_path_of(std::string_view picture_path) {
  std::string path(picture_path);
  if (text::iends_with(path, ".shg") || text::iends_with(path, ".mrb"))
    path = platform::replace_extension(path, ".bmp");
  if (path.empty() || !platform::file_exists(path)) return {};
  // The folders' own spelling: a path given in another case still shows
  // the folders as they are on disk.
  return platform::to_host_path(path);
}

int InsertBitmap(AidsState& state, std::int32_t window, std::string_view document,
                 std::string_view graphic_file, std::string_view target, InsertBitmapResult& out) {
  if (!document.empty() && !project::CheckProjectDocument(state, document)) return 0;
  std::string hotspot_target(text::trim(target));
  if (hotspot_target.find('!') == std::string::npos)
    hotspot_target = hotspot_target.substr(0, hotspot_target.find(' '));
  GraphicDialog dialog(state, platform::lower_unless_host_path(text::trim(graphic_file)), hotspot_target);
  if (ui::host().run_modal(core::authoring_module(), "DLG_GRAPHIC", dialog,
                           core::dialog_owner(state, window)) != 1)
    return 0;
  const std::string path = picture_path(state, dialog.file(), dialog.stock());
  out.graphic_file = dialog.stock() && state.options.wys_picts ? platform::lower_unless_host_path(path) : dialog.file();
  out.display_path = state.options.wys_picts ? display_path_of(path) : std::string();
  out.target = dialog.target();
  out.alignment = std::to_string(dialog.position() + (dialog.transparent() ? 10 : 0));
  const bool other_file = out.target.find('@') != std::string::npos;
  const bool test_buttons = core::read_setting_int(kTestButtonsKey, 0) != 0 && !other_file;
  out.test_flag = std::string(1, dialog.kind() != kPicturePlain && test_buttons ? '1' : '0');
  return dialog.kind();
}

}  // namespace aids
