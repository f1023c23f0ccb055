// Windows a topic's text embeds: "{button label, macro}" (a push button
// that runs the macro) and "{ewc dll, class, data}" with its left and
// right forms (a window another library draws). Both are stored as an
// embedded-window command naming what the viewer creates; a button's
// text starts with "!".
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "tools/helpc/hlp/picture_file.h"

namespace hlp {

struct EmbeddedWindow {
  PicturePlace place = PicturePlace::character;
  std::string text;  // "!label,macro" or "dll,class,data"
};

// nullopt for other brace text, and for a button without a macro.
std::optional<EmbeddedWindow> embedded_window(std::string_view brace_text);

// "{mci ...}", "{mci_left ...}", "{mci_right ...}" naming a clip: media
// the help file cannot hold. Without a clip it is text.
bool is_media_command(std::string_view brace_text);

std::string embedded_window_command(const EmbeddedWindow& window);

}  // namespace hlp
