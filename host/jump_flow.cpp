#include "host/jump_flow.h"

#include <cstdio>

#include "host/export_call.h"
#include "host/flows.h"
#include "host/user_paths.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace host {

std::string rtf_text(std::string_view text) {
  std::string out;
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\\' || c == '{' || c == '}') out += std::string("\\") + c;
    else if (byte >= 0x80) out += text::format("\\'%02x", byte);
    else out += c;
  }
  return out;
}

namespace {

// Answers for the About box, the start dialog (the project opened) and the
// jump dialog, OK'd as it opens with the target given.
std::string jump_script(const std::string& project, bool jump) {
  std::string script = "dialog 21000\nclick 1\ndialog DLG_START\nclick 102\nfile ";
  script += project;
  script += jump ? "\ndialog DLG_INS_JUMP\nclick 1\n" : "\ndialog DLG_INS_DEF\nclick 1\n";
  return script;
}

}  // namespace

std::string hotspot_rtf(std::string_view click_text, std::string_view target, bool jump) {
  std::string rtf(jump ? "{\\uldb " : "{\\ul ");
  rtf += rtf_text(click_text);
  rtf += "}{\\v ";
  rtf += rtf_text(target);
  rtf += '}';
  return rtf;
}

std::optional<std::string> put_hotspot(std::string_view rtf, std::string_view click_text, std::string_view target,
                                       bool jump) {
  const std::string written = rtf_text(click_text);
  const size_t at = written.empty() ? std::string_view::npos : rtf.find(written);
  if (at == std::string_view::npos) return std::nullopt;
  std::string out(rtf.substr(0, at));
  out += hotspot_rtf(click_text, target, jump);
  out += rtf.substr(at + written.size());
  return out;
}

std::optional<std::string> append_hotspot(std::string_view rtf, std::string_view click_text,
                                          std::string_view target, bool jump) {
  const size_t close = rtf.find_last_of('}');
  if (close == std::string_view::npos) return std::nullopt;
  std::string out(rtf.substr(0, close));
  out += "\\par ";
  out += hotspot_rtf(click_text, target, jump);
  out += "\r\n";
  out += rtf.substr(close);
  return out;
}

int run_jump(const Libraries& libs, ScriptSession& script, const std::vector<std::string>& args, bool jump) {
  const char* flow = jump ? "jump" : "popup";
  std::string project;
  if (!project_argument(flow, args[0], project)) return kExitFailure;
  const std::string document = argument_path(args[1]);
  auto rtf = platform::read_file(document);
  if (!rtf) {
    std::fprintf(stderr, "twhost %s: cannot read %s\n", flow, args[1].c_str());
    return kExitFailure;
  }
  auto insert = jump ? TW_EXPORT_FUNCTION(libs, InsertJump) : TW_EXPORT_FUNCTION(libs, InsertDef);
  if (!insert) {
    std::fprintf(stderr, "twhost %s: the authoring library has no %s\n", flow, jump ? "InsertJump" : "InsertDef");
    return kExitFailure;
  }
  script.queue(jump_script(project, jump));
  if (run_start(libs) != 0) return kExitFailure;

  char doc[kTextBufferSize], click[kTextBufferSize], target[kTextBufferSize], format[kTextBufferSize] = "0";
  std::snprintf(doc, sizeof doc, "%s", document.c_str());
  std::snprintf(click, sizeof click, "%s", args.size() > 3 ? args[3].c_str() : "");
  std::snprintf(target, sizeof target, "%s", args[2].c_str());
  const bool selected = click[0] != '\0';
  const int32_t scope = insert(ui::host().main_window(), doc, click, target, format);
  std::printf("%s -> %d\n", jump ? "InsertJump" : "InsertDef", scope);
  if (scope == 0) return kExitFailure;
  std::printf("click text: %s\ntarget: %s\nformat: %s\n", click, target, format);

  auto changed = selected ? put_hotspot(*rtf, click, target, jump) : append_hotspot(*rtf, click, target, jump);
  if (!changed) {
    if (selected) std::fprintf(stderr, "twhost %s: \"%s\" is not in %s\n", flow, click, args[1].c_str());
    else std::fprintf(stderr, "twhost %s: %s is not an RTF file\n", flow, args[1].c_str());
    return kExitFailure;
  }
  if (!platform::write_file(document, *changed)) {
    std::fprintf(stderr, "twhost %s: cannot write %s\n", flow, args[1].c_str());
    return kExitFailure;
  }
  std::printf("wrote %s\n", shown_path(document).c_str());
  // The macro ends its session with SaveAll: a document the command added to
  // the project stays in it.
  if (auto save_all = TW_EXPORT_FUNCTION(libs, SaveAll)) save_all(0);
  return kExitSuccess;
}

}  // namespace host
