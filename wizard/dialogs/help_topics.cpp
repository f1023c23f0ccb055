#include "wizard/dialogs/help_topics.h"

#include "platform/winhelp.h"

namespace wizard {

void show_help_topic(const LibrarySettings& library, std::int32_t owner, int topic) {
  const std::string& file = library.locations.help_file;
  if (file.empty() || topic == 0) return;
  platform::win_help(owner, file, platform::kHelpContext, static_cast<std::uint32_t>(topic));
}

}  // namespace wizard
