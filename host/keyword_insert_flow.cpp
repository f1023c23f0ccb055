#include "host/keyword_insert_flow.h"

#include <cstdio>

#include "host/export_call.h"
#include "host/flows.h"
#include "host/jump_flow.h"
#include "host/user_paths.h"
#include "platform/files.h"
#include "platform/ui/host.h"

namespace host {
namespace {

// Answers for the About box, the start dialog (the project opened) and the
// keyword dialog, OK'd as it opens with the keywords given.
std::string keyword_script(const std::string& project) {
  return "dialog 21000\nclick 1\ndialog DLG_START\nclick 102\nfile " + project + "\ndialog DLG_KEY\nclick 1\n";
}

}  // namespace

std::string keyword_footnote_rtf(char letter, std::string_view keywords) {
  const std::string mark = std::string("{\\cs16\\super ") + letter + "}";
  return mark + "{\\footnote \\pard\\plain \\s15\\fs20 " + mark + " " + rtf_text(keywords) + "}";
}

std::optional<std::string> put_keyword_footnote(std::string_view rtf, std::string_view footnote,
                                                std::string_view at_text) {
  if (!at_text.empty()) {
    const std::string written = rtf_text(at_text);
    const size_t at = rtf.find(written);
    if (at == std::string_view::npos) return std::nullopt;
    return std::string(rtf.substr(0, at)) + std::string(footnote) + std::string(rtf.substr(at));
  }
  const size_t close = rtf.find_last_of('}');
  if (close == std::string_view::npos) return std::nullopt;
  return std::string(rtf.substr(0, close)) + "\\par " + std::string(footnote) + "\r\n" +
         std::string(rtf.substr(close));
}

int run_keyword(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args) {
  std::string project;
  if (!project_argument("keyword", args[0], project)) return kExitFailure;
  const std::string& kind = args[2];
  if (kind != "K" && kind != "A" && kind != "k" && kind != "a") {
    std::fprintf(stderr, "twhost keyword: the kind is K or A, not '%s'\n", kind.c_str());
    return kExitUsage;
  }
  const std::string document = argument_path(args[1]);
  auto rtf = platform::read_file(document);
  if (!rtf) {
    std::fprintf(stderr, "twhost keyword: cannot read %s\n", args[1].c_str());
    return kExitFailure;
  }
  auto insert_key = TW_EXPORT_FUNCTION(libs, InsertKey);
  if (!insert_key) {
    std::fprintf(stderr, "twhost keyword: the authoring library has no InsertKey\n");
    return kExitFailure;
  }
  script.queue(keyword_script(project));
  if (run_start(libs) != 0) return kExitFailure;

  char text[kTextBufferSize], kind_text[8];
  std::snprintf(text, sizeof text, "%s", args[3].c_str());
  std::snprintf(kind_text, sizeof kind_text, "%c", kind[0] == 'a' || kind[0] == 'A' ? 'A' : 'K');
  const int32_t result = insert_key(ui::host().main_window(), text, kind_text);
  std::printf("InsertKey -> %d\n", result);
  if (result != 1 || text[0] == '\0' || text[1] == '\0') {
    if (result == 1) std::fprintf(stderr, "twhost keyword: no keywords to insert\n");
    return kExitFailure;
  }
  std::printf("footnote: %c\nkeywords: %s\n", text[0], text + 1);

  const std::string at_text = args.size() > 4 ? args[4] : "";
  auto changed = put_keyword_footnote(*rtf, keyword_footnote_rtf(text[0], text + 1), at_text);
  if (!changed) {
    if (!at_text.empty()) std::fprintf(stderr, "twhost keyword: \"%s\" is not in %s\n", at_text.c_str(), args[1].c_str());
    else std::fprintf(stderr, "twhost keyword: %s is not an RTF file\n", args[1].c_str());
    return kExitFailure;
  }
  if (!platform::write_file(document, *changed)) {
    std::fprintf(stderr, "twhost keyword: cannot write %s\n", args[1].c_str());
    return kExitFailure;
  }
  std::printf("wrote %s\n", shown_path(document).c_str());
  if (auto save_all = TW_EXPORT_FUNCTION(libs, SaveAll)) save_all(0);
  return kExitSuccess;
}

}  // namespace host
