// The texts of a topic file that name something else: hotspot targets in
// hidden text, bitmap references, context strings.
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace helpc {

enum class HotspotKind { jump, popup, macro };

// A hotspot's hidden text, taken apart: "context>window@file.hlp", with
// WinHelp's "%" and "*" display prefixes dropped. A text holding "!" runs a
// macro and names no topic.
struct HotspotTarget {
  bool macro = false;
  std::string context;
  std::string window;     // after ">", "" when none
  std::string help_file;  // after "@": a topic of another help file
};

HotspotTarget parse_hotspot_target(std::string_view hidden_text);

// The file a bitmap reference names: "bmc name", "bml name", "bmr name" and
// their "t" (transparent) and "wd" forms, the text between the braces;
// nullopt for any other brace text.
std::optional<std::string> bitmap_reference(std::string_view brace_text);

// The macro of a button in the text, "button label,macro"; nullopt for any
// other brace text.
std::optional<std::string> button_macro(std::string_view brace_text);

// True when a context string holds only letters, digits, periods,
// underscores, hyphens and blanks (and is not empty): what the compilers
// compile and WinHelp links.
bool valid_context_string(std::string_view context);

}  // namespace helpc
