#include "project/compile/error_help.h"

#include <array>

#include "project/project_state.h"
#include "platform/paths.h"
#include "platform/winhelp.h"
#include "project/compile/compiler_command.h"
#include "project/compile/compiler_log.h"

namespace project {
namespace {

// The context every message's help starts from, and the file the jump macro names.
constexpr int kErrorOverviewContext = 1277;
constexpr std::string_view kProductHelpFile = "trvwck.hlp";

struct HelpEntry {
  std::string_view number;
  std::string_view topic;
};

constexpr std::array<HelpEntry, 7> kHelpWorkshopTopics{{
    {"3110", "idx_4251_help"}, {"3106", "idx_4251_help"}, {"3108", "idx_4251_help"},
    {"3107", "idx_4251_help"}, {"1011", "IDH_error_4652"}, {"1012", "IDH_error_4652"},
    {"3025", "IDH_error_4113"}}};

constexpr std::array<HelpEntry, 12> kWin31Topics{{
    {"1079", "idx_1079_help"}, {"5059", "idx_5059_help"}, {"1100", "idx_1100_help"},
    {"2550", "idx_2550_help"}, {"1230", "idx_1230_help"}, {"4616", "idx_1230_help"},
    {"4639", "idx_1230_help"}, {"4251", "idx_4251_help"}, {"4331", "idx_4251_help"},
    {"4551", "idx_4251_help"}, {"4372", "idx_4251_help"}, {"4312", "idx_4251_help"}}};

template <std::size_t N>
std::string_view lookup(const std::array<HelpEntry, N>& table, std::string_view number) {
  for (const auto& entry : table) {
    if (entry.number == number) return entry.topic;
  }
  return {};
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
    std::string_view topic = lookup(kHelpWorkshopTopics, number);
    target.source = topic.empty() ? ErrorHelpTarget::Source::help_workshop : ErrorHelpTarget::Source::product;
    target.topic = topic.empty() ? "HC" + std::string(number) : std::string(topic);
    return target;
  }
  std::string_view topic = lookup(kWin31Topics, number);
  target.source = ErrorHelpTarget::Source::product;
  target.topic = topic.empty() ? "IDH_error_" + std::string(number) : std::string(topic);
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
