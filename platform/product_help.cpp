// The product's own help: pages of a published site found through its
// context index.
#include "platform/product_help.h"

#include "platform/browser_launch.h"
#include "platform/files.h"
#include "platform/internal.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "platform/winhelp.h"

namespace platform {
namespace {

constexpr std::string_view kDefaultHelpFiles = "trvwck.hlp";
constexpr int kValueSize = 1024;

std::string index_value(const std::string& folder, std::string_view section, std::string_view key) {
  return get_profile_string(section, key, "", kValueSize, folder + "/" + std::string(kContextIndexFile));
}

std::optional<std::string> page_path(const std::string& folder, const std::string& page) {
  if (page.empty()) return std::nullopt;
  return folder + "/" + page;
}

std::optional<std::string> start_page(const std::string& folder) {
  return page_path(folder, index_value(folder, "Publication", "start"));
}

// The second argument of a jump macro by context string, quotes dropped:
// JI("file>window","topic"), JumpId(`file',`topic').
std::optional<std::string> jump_macro_topic(std::string_view macro) {
  macro = text::trim(macro);
  const std::size_t open = macro.find('(');
  if (open == std::string_view::npos) return std::nullopt;
  const std::string_view name = text::trim(macro.substr(0, open));
  if (!text::iequals(name, "JI") && !text::iequals(name, "JumpId")) return std::nullopt;
  std::string_view args = macro.substr(open + 1);
  const std::size_t close = args.rfind(')');
  if (close == std::string_view::npos) return std::nullopt;
  auto parts = text::split(args.substr(0, close), ',');
  if (parts.size() != 2) return std::nullopt;
  std::string topic;
  for (char c : text::trim(parts[1])) {
    if (c != '"' && c != '`' && c != '\'') topic += c;
  }
  if (topic.empty()) return std::nullopt;
  return topic;
}

}  // namespace

std::optional<std::string> product_help_folder(std::string_view file) {
  const std::string folder = get_profile_string("Platform", "product help", "", kValueSize, "win.ini");
  if (folder.empty()) return std::nullopt;
  const std::string_view name = file_name_of(file.substr(0, file.find('>')));
  std::string names = get_profile_string("Platform", "product help files", "", kValueSize, "win.ini");
  if (names.empty()) names = std::string(kDefaultHelpFiles);
  bool ours = false;
  for (const std::string& known : text::split(names, ' ')) ours = ours || (!known.empty() && text::iequals(known, name));
  if (!ours || !file_exists(folder + "/" + std::string(kContextIndexFile))) return std::nullopt;
  return folder;
}

std::optional<std::string> product_topic_page(const std::string& folder, std::string_view context) {
  if (context.empty()) return std::nullopt;
  return page_path(folder, index_value(folder, "Topics", context));
}

std::optional<std::string> product_keyword_page(const std::string& folder, std::string_view keyword) {
  keyword = text::trim(keyword);
  if (keyword.empty() || keyword.find('=') != std::string_view::npos) return std::nullopt;
  return page_path(folder, index_value(folder, "Keywords", keyword));
}

std::optional<std::string> product_help_page(const std::string& folder, int command, std::uint32_t data) {
  if (command == kHelpContents || command == kHelpFinder) return start_page(folder);
  if (command != kHelpContext && command != kHelpContextPopup) return std::nullopt;
  const std::string context = index_value(folder, "Map", std::to_string(data));
  if (auto page = product_topic_page(folder, context)) return page;
  return start_page(folder);
}

std::optional<std::string> product_help_page(const std::string& folder, int command, std::string_view data) {
  if (command == kHelpKey || command == kHelpPartialKey) {
    if (auto page = product_keyword_page(folder, data)) return page;
    return start_page(folder);
  }
  if (command != kHelpCommand) return std::nullopt;
  std::optional<std::string> topic = jump_macro_topic(data);
  if (!topic) return std::nullopt;
  return product_topic_page(folder, *topic);
}

std::optional<int> start_product_help_viewer(std::string_view command_line) {
  constexpr int kStarted = 33;
  auto args = split_command_line(command_line);
  if (args.size() < 2) return std::nullopt;
  const std::string_view program = file_name_of(args[0]);
  if (!text::iequals(program, "winhlp32.exe") && !text::iequals(program, "winhlp32")) return std::nullopt;
  std::uint32_t number = 0;
  bool numbered = false;
  for (std::size_t i = 1; i + 1 < args.size(); ++i) {
    if (!text::iequals(args[i], "-N")) continue;
    number = static_cast<std::uint32_t>(text::parse_int(args[i + 1]));
    numbered = true;
  }
  auto folder = product_help_folder(args.back());
  if (!folder) return std::nullopt;
  auto page = product_help_page(*folder, numbered ? kHelpContext : kHelpContents, number);
  if (!page) return std::nullopt;
  show_product_help_page(*page);
  return kStarted;
}

int show_product_help_page(const std::string& page) {
  internal::note(text::format("helppage \"%s\"", page.c_str()));
  if (ui::headless() == nullptr) open_host_file(page);
  return 1;
}

}  // namespace platform
