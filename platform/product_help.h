// The product's own help as the help viewer stand-in finds it: a published
// site (pages and their context index, contexts.ini) in the folder that
// win.ini [Platform] "product help" names. The help files it stands for are
// named by "product help files" (blank-separated names, any case; default
// "trvwck.hlp"). A call for one of them opens the page of the asked topic.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

inline constexpr std::string_view kContextIndexFile = "contexts.ini";

// The published folder (host form) when file (any folder, ">window" allowed)
// is one of the product's help files and the folder holds a context index.
std::optional<std::string> product_help_folder(std::string_view file);

// The page (host path, "#anchor" kept) for a viewer command with a number:
// HELP_CONTEXT and HELP_CONTEXTPOPUP through the index's [Map] and
// [Topics]; the contents and
// finder commands, and a number the index does not know, give the start page.
// nullopt for other commands and when the index names no page.
std::optional<std::string> product_help_page(const std::string& folder, int command, std::uint32_t data);

// The page for a viewer command with a text: a jump macro (JI, JumpId by
// context string) gives its topic's page; a keyword (HELP_KEY,
// HELP_PARTIALKEY) the page of its first topic through the index's
// [Keywords], or the start page when no topic has it; nullopt otherwise.
std::optional<std::string> product_help_page(const std::string& folder, int command, std::string_view data);

// The page of a K keyword (any case), nullopt when the index does not know it.
std::optional<std::string> product_keyword_page(const std::string& folder, std::string_view keyword);

// The page of a context string, nullopt when the index does not know it.
std::optional<std::string> product_topic_page(const std::string& folder, std::string_view context);

// A viewer command line "winhlp32.exe [-W WINDOW] -N NUMBER FILE" for one of
// the product's help files: shows the page of the number and returns a start
// code (>= 32); nullopt for any other command line.
std::optional<int> start_product_help_viewer(std::string_view command_line);

// Notes the page in the transcript as
//   helppage "PAGE"
// and, unless the headless host runs, opens it in the desktop's browser.
// Returns 1 as the viewer does.
int show_product_help_page(const std::string& page);

}  // namespace platform
