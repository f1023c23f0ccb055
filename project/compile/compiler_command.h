// The help compiler a project is built with, and the command line that
// starts it.
#pragma once
#include <string>
#include <string_view>

#include "core/settings.h"

namespace project {

// Show states the compile starts the compiler with.
inline constexpr int kShowMinimised = 6;
inline constexpr int kShowRestored = 9;

// The program a COMPILERS setting names: the setting lowered; one without
// ".exe" is a folder, which gets a backslash (when it has none) and
// default_name.
std::string compiler_program(std::string_view setting, std::string_view default_name);

// The three compiler programs, by the rule above: a folder in `hcw` means
// "hc31.exe", in `hcp` "hcp.exe", in `hc30` "hc.exe".
struct CompilerPrograms {
  std::string hcw, hcp, hc30;
};
CompilerPrograms compiler_programs(const core::CompilerPaths& paths);

enum class CompilerChoice {
  help_workshop,  // the Windows 95 compiler
  win31,          // HCP.EXE
  win30,          // HC.EXE (compiler kind 2)
};
CompilerChoice choose_compiler(int compiler_kind, bool win95_compiler);

struct CompileCommand {
  std::string command_line;
  bool background = false;  // watched by the compile-progress window
  int show = kShowRestored;
};

// The command line: Help Workshop with "/c/e" on the new shell, otherwise
// its command-line compiler "hcrtf.exe /x" from Help Workshop's folder (and
// never in the background); the Windows 3.x compilers with the project
// path. Paths holding blanks are quoted so that they stay one argument.
CompileCommand compile_command(CompilerChoice choice, const CompilerPrograms& programs,
                               bool new_shell, bool background, std::string_view project_path);

// True when a compiler program can be started: the one search a start
// makes (the path itself, also without ".exe"; a bare name also in the
// Windows directory, the installation's program folders and the search path).
bool compiler_exists(std::string_view program);

}  // namespace project
