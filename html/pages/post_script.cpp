#include "html/pages/post_script.h"

#include "html/driver/conversion_run.h"
#include "html/driver/messages.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/process.h"
#include "platform/winhelp.h"

namespace html {

namespace {

constexpr std::string_view kNoAssociationText =
    "Cannot run post conversion script. An association is not setup for the specified file. "
    "Click OK to see information on how to solve this problem.";
constexpr std::string_view kCannotRunText = "Cannot locate or run post conversion script.";

// Opens a document with a parameter. A document this system can start
// itself (an executable script) is started with the page; one it cannot
// start has no association here.
int open_document(std::string_view document, std::string_view page) {
  if (!platform::file_exists(document)) return platform::kExecFileNotFound;
  int code =
      platform::win_exec(platform::quote_argument(document) + " " + platform::quote_argument(page),
                         platform::kShowNormal);
  return code == platform::kExecBadFormat ? kStartNoAssociation : code;
}

}  // namespace

int start_post_script(std::string_view script, std::string_view page) {
  bool program = script.find(".exe") != std::string_view::npos ||
                 script.find(".EXE") != std::string_view::npos;
  if (!program) return open_document(script, page);
  return platform::win_exec(platform::quote_argument(script) + " " + platform::quote_argument(page),
                            platform::kShowNormal);
}

bool run_post_script(const ConversionRun& run, std::string_view page) {
  int code = start_post_script(run.settings.project.extensions.post_name, page);
  if (code >= kStartSucceeded) return true;
  if (code == kStartNoAssociation) {
    show_message(kNoAssociationText);
    std::string help = platform::join_path(run.settings.converter.main_dir, kAssociationHelp);
    platform::win_help(0, help + ">" + std::string(kAssociationWindow), platform::kHelpContext,
                       kAssociationTopic);
  } else {
    show_message(kCannotRunText);
  }
  return false;
}

}  // namespace html
