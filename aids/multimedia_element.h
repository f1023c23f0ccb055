// The WinHelp text of a multimedia element: "{mci...}" for the Windows 95
// compiler, the emulation library's embedded window "{ew? twzmm.dll,TWMCI,...}"
// otherwise.
#pragma once
#include <string>
#include <string_view>

namespace aids {

enum class ElementPosition { left = 0, right = 1, insertion_point = 2 };

struct MultimediaElement {
  std::string file;
  ElementPosition position = ElementPosition::insertion_point;
  bool playbar = true;
  bool menu = true;     // Windows 95 compiler only
  bool baggage = true;  // inside the help file; Windows 95 compiler only
  bool autoplay = false;
  bool loop = false;
};

// The options an existing element's text holds (an empty text: the
// defaults). The file is the text after the last "," (Windows 95) or "|"
// up to "}".
MultimediaElement parse_multimedia_element(std::string_view text, bool win95);

// The element's text. Menu and baggage, which only the Windows 95 compiler
// offers, are left out of the other form.
std::string multimedia_element_text(const MultimediaElement& element, bool win95);

}  // namespace aids
