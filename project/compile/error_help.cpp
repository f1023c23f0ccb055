#include "project/compile/error_help.h"

#include <array>

#include "formats/help_contexts.h"
#include "project/project_state.h"
#include "platform/paths.h"
#include "platform/winhelp.h"
#include "project/compile/compiler_command.h"
#include "project/compile/compiler_log.h"

namespace project {
namespace {

// The context every message's help starts from, and the file the jump macro names.
constexpr int kErrorOverviewContext = help_contexts::kMessageOverview;
constexpr std::string_view kProductHelpFile = help_contexts::kProductHelpFile;

template <std::size_t N>
std::string_view lookup(const std::array<help_contexts::MessageTopic, N>& table, std::string_view number) {
  for (const auto& entry : table) {
    if (entry.number == number) return entry.topic;
  }
  return {};
}

// The compiler stand-in's own checks: Help Workshop's help knows nothing of
// them, the product's help explains them for both families.
bool is_checker_message(std::string_view number) {
  int value = 0;
  for (char c : number) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
    if (value > help_contexts::kCheckerMessageLast) return false;
  }
  return value >= help_contexts::kCheckerMessageFirst;
}

// Help Workshop's help file, in the folder of the hcw program.
std::string help_workshop_file(const ProjectState& state) {
  std::string program = compiler_program(state.settings.compilers.hcw, "hc31.exe");
  std::string folder(platform::directory_of(program));
  return folder.empty() ? "hcw.hlp" : folder + program[folder.size()] + "hcw.hlp";
}

}  // namespace

ErrorHelpTarget error_help_target(std::string_view number, bool help_workshop) {
  ErrorHelpTarget target;
  if (number.empty()) return target;
  if (help_workshop) {
    std::string_view topic = lookup(help_contexts::kHelpWorkshopMessageTopics, number);
    if (topic.empty() && !is_checker_message(number)) {
      target.source = ErrorHelpTarget::Source::help_workshop;
      target.topic = "HC" + std::string(number);
      return target;
    }
    target.source = ErrorHelpTarget::Source::product;
    target.topic = topic.empty() ? std::string(help_contexts::kUnlistedMessagePrefix) + std::string(number)
                                 : std::string(topic);
    return target;
  }
  std::string_view topic = lookup(help_contexts::kWin31MessageTopics, number);
  target.source = ErrorHelpTarget::Source::product;
  target.topic = topic.empty() ? std::string(help_contexts::kUnlistedMessagePrefix) + std::string(number)
                               : std::string(topic);
  return target;
}

void ShowErrorWindow(const ProjectState& state, std::int32_t window, int context) {
  platform::win_help(window, state.settings.help_file + ">error", platform::kHelpContext,
                     static_cast<std::uint32_t>(context));
}

void ShowErrorHelp(const ProjectState& state, std::int32_t window, std::string_view list_line) {
  if (!is_message_line(list_line)) return;
  const bool help_workshop = state.win95_compiler != 0;
  ErrorHelpTarget target = error_help_target(message_number(list_line, help_workshop), help_workshop);
  if (target.source == ErrorHelpTarget::Source::help_workshop) {
    platform::win_help_text(window, help_workshop_file(state), platform::kHelpPartialKey, target.topic);
  } else if (target.source == ErrorHelpTarget::Source::product) {
    ShowErrorWindow(state, window, kErrorOverviewContext);
    std::string macro = "JI(\"" + std::string(kProductHelpFile) + ">error\",\"" + target.topic + "\")";
    platform::win_help_text(window, state.settings.help_file, platform::kHelpCommand, macro);
  }
}

}  // namespace project
