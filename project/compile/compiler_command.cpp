#include "project/compile/compiler_command.h"

#include "platform/paths.h"
#include "platform/process.h"
#include "platform/text.h"

namespace project {

std::string compiler_program(std::string_view setting, std::string_view default_name) {
  std::string program = text::to_lower(setting);
  if (program.find(".exe") != std::string::npos) return program;
  if (!program.empty() && !platform::is_separator(program.back())) program += '\\';
  return program + std::string(default_name);
}

CompilerPrograms compiler_programs(const core::CompilerPaths& paths) {
  return CompilerPrograms{compiler_program(paths.hcw, "hc31.exe"), compiler_program(paths.hcp, "hcp.exe"),
                          compiler_program(paths.hc30, "hc.exe")};
}

CompilerChoice choose_compiler(int compiler_kind, bool win95_compiler) {
  if (compiler_kind == 2) return CompilerChoice::win30;
  return win95_compiler ? CompilerChoice::help_workshop : CompilerChoice::win31;
}

CompileCommand compile_command(CompilerChoice choice, const CompilerPrograms& programs,
                               bool new_shell, bool background, std::string_view project_path) {
  using platform::quote_argument;
  const std::string project = quote_argument(project_path);
  CompileCommand command;
  if (choice == CompilerChoice::help_workshop) {
    if (new_shell) {
      command.command_line = quote_argument(programs.hcw) + " /c/e " + project;
    } else {
      std::string folder(platform::directory_of(programs.hcw));
      std::string hcrtf = folder.empty() ? "hcrtf.exe" : folder + programs.hcw[folder.size()] + "hcrtf.exe";
      command.command_line = quote_argument(hcrtf) + " /x " + project;
    }
    return command;
  }
  const std::string& program = choice == CompilerChoice::win30 ? programs.hc30 : programs.hcp;
  command.command_line = quote_argument(program) + " " + project;
  command.background = background;
  command.show = background ? kShowMinimised : kShowRestored;
  return command;
}

bool compiler_exists(std::string_view program) {
  return !platform::find_program_path(program).empty();
}

}  // namespace project
