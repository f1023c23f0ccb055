#include "core/help_commands.h"

#include "core/core_state.h"
#include "core/messages.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/winhelp.h"

namespace core {

int RunHelp(CoreState& state, std::int32_t window) {
  if (window == 0) window = state.owner_window;
  const std::string& path = state.project_path;
  if (platform::extension_of(path).empty()) return 0;
  std::string help = platform::replace_extension(path, ".hlp");
  bool has_contents = platform::file_exists(platform::replace_extension(path, ".cnt"));
  return platform::win_help(window, help, has_contents ? platform::kHelpFinder : platform::kHelpContents,
                            0);
}

int TWHelp(CoreState& state, std::int32_t window) {
  return platform::win_help(dialog_owner(state, window), state.settings.help_file,
                            platform::kHelpFinder, 0);
}

int ProductHelpContext(CoreState& state, std::int32_t window, int context) {
  return platform::win_help(window, state.settings.help_file, platform::kHelpContext,
                            static_cast<std::uint32_t>(context));
}

}  // namespace core
