#include "tools/helpc/messages.h"

#include <array>

namespace helpc {
namespace {

// Message numbers. An unresolved jump carries each family's own number
// (4113 for the Windows 3.x compilers, 3025 for Help Workshop), so the
// message viewer's help on that message finds its topic. The other checks
// have numbers of their own from 6001 up, the same in both families:
//   60xx the project file, 61xx topic files, 62xx context strings and
//   topics, 63xx bitmaps, 64xx the [MAP] section, 65xx windows, 66xx the
//   [ALIAS] section, 67xx macros of [CONFIG], buttons, macro hotspots and
//   contents entries, 68xx the contents file.
// Texts carry no colon, so that the viewer's "text after the last colon"
// is the whole text.
constexpr std::array kProblems{
    ProblemInfo{6001, 6001, Severity::error, "The project file %s cannot be read"},
    ProblemInfo{6002, 6002, Severity::error, "The file %s is not a help project file"},
    ProblemInfo{6101, 6101, Severity::error, "Topic file %s was not found"},
    ProblemInfo{6102, 6102, Severity::error, "Topic file %s is not an RTF file"},
    ProblemInfo{6103, 6103, Severity::warning, "The RTF of this file is damaged (%s)"},
    ProblemInfo{6201, 6201, Severity::warning, "Topic %s has no context string"},
    ProblemInfo{6202, 6202, Severity::error, "Context string %s is already used"},
    ProblemInfo{6203, 6203, Severity::error,
                "Context string %s may hold only letters, digits, periods, underscores, "
                "hyphens and blanks"},
    ProblemInfo{6204, 6204, Severity::warning, "The contents topic %s is not defined"},
    ProblemInfo{4113, 3025, Severity::warning, "Jump or pop-up to undefined context string %s"},
    ProblemInfo{6301, 6301, Severity::warning, "Bitmap %s was not found"},
    ProblemInfo{6401, 6401, Severity::warning, "[MAP] entry %s names no topic"},
    ProblemInfo{6402, 6402, Severity::error, "Map file %s was not found"},
    ProblemInfo{6403, 6403, Severity::warning,
                "[MAP] entry %s has the same number as an earlier entry"},
    ProblemInfo{6501, 6501, Severity::warning, "Window %s is not defined in [WINDOWS]"},
    ProblemInfo{6601, 6601, Severity::error, "[ALIAS] entry %s names another alias"},
    ProblemInfo{6602, 6602, Severity::warning, "[ALIAS] entry %s names no topic"},
    ProblemInfo{6603, 6603, Severity::error, "Alias file %s was not found"},
    ProblemInfo{6701, 6701, Severity::warning, "Jump macro to undefined context string %s"},
    ProblemInfo{6801, 6801, Severity::warning, "Contents file %s was not found"},
    ProblemInfo{6802, 6802, Severity::warning, "Included contents file %s was not found"},
    ProblemInfo{6803, 6803, Severity::warning, "Contents entry to undefined context string %s"},
    ProblemInfo{6804, 6804, Severity::warning,
                "Contents file %s was not read, its includes are nested too deeply"},
    ProblemInfo{6205, 6205, Severity::error, "Project %s has no topics to compile"},
    ProblemInfo{6702, 6702, Severity::warning, "%s cannot be written into the help file and is left out"},
};
static_assert(kProblems.size() == static_cast<size_t>(Problem::command_left_out) + 1,
              "one entry per problem");

}  // namespace

const ProblemInfo& problem_info(Problem problem) {
  return kProblems[static_cast<size_t>(problem)];
}

int message_number(Problem problem, Family family) {
  const ProblemInfo& info = problem_info(problem);
  return family == Family::win95 ? info.win95_number : info.win31_number;
}

}  // namespace helpc
