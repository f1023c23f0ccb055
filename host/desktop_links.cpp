#include "host/desktop_links.h"

#include <cstdio>
#include <string>

#include "host/export_call.h"
#include "host/flows.h"
#include "host/hotspot_prompt.h"
#include "host/jump_flow.h"
#include "host/user_paths.h"
#include "platform/paths.h"
#include "platform/ui/host.h"

namespace host {
namespace {

int32_t main_window() { return ui::host().main_window(); }


std::string shown_document(const Desktop& d) { return shown_path(platform::to_system_path(d.document)); }

// Where a scope code (InsertJump, InsertMacro) puts the hotspot.
std::string scope_text(int32_t scope, const std::string& click) {
  if (scope == 1) return "in place of the selection \"" + click + "\"";
  std::string where = "at every occurrence of \"" + click + "\"";
  if (scope & 1) where += " (matching case)";
  if (scope >= 4) where += ", asking at each";
  return where;
}

void print_hotspot(const Desktop& d, const std::string& where, const char* click, const char* hidden, bool jump) {
  std::printf("click text: %s\nhidden text: %s\n", click, hidden);
  std::printf("the word processor would insert %s of %s:\n  %s\n", where.c_str(), shown_document(d).c_str(),
              hotspot_rtf(click, hidden, jump).c_str());
}

// The test-button flag leads the format text the hotspot exports return.
void print_test_button(const char* format) {
  if (format[0] == '1') std::printf("and a test button after it\n");
}

}  // namespace

int insert_jump(Desktop& d, bool jump) {
  const std::optional<std::string> click = ask_hotspot_text();
  if (!click) return kExitSuccess;
  TextBuffer document(platform::to_system_path(d.document)), text(*click), target, format("0");
  auto insert = jump ? TW_EXPORT_FUNCTION(d.libs, InsertJump) : TW_EXPORT_FUNCTION(d.libs, InsertDef);
  const int32_t scope = insert(main_window(), document.text, text.text, target.text, format.text);
  std::printf("%s -> %d\n", jump ? "InsertJump" : "InsertDef", scope);
  if (scope == 0) return kExitSuccess;
  print_hotspot(d, scope_text(scope, text.text), text.text, target.text, jump);
  print_test_button(format.text);
  return kExitSuccess;
}

int insert_keyword_jump(Desktop& d) {
  TextBuffer link, click, format, document(platform::to_system_path(d.document));
  const int32_t result =
      TW_EXPORT_FUNCTION(d.libs, InsertLink)(main_window(), link.text, click.text, format.text, document.text);
  std::printf("InsertLink -> %d\n", result);
  if (result == 0) return kExitSuccess;
  print_hotspot(d, "at the insertion point", click.text, link.text, true);
  // The format: test-button flag, decoration digit (1 bullet button, +2 top border), colour index.
  const int decorations = format.text[0] && format.text[1] ? format.text[1] - '0' : 0;
  if (decorations & 1) std::printf("with a bullet button before it\n");
  if (decorations & 2) std::printf("with a border above it\n");
  print_test_button(format.text);
  return kExitSuccess;
}

int insert_macro_hotspot(Desktop& d) {
  const std::optional<std::string> click = ask_hotspot_text();
  if (!click) return kExitSuccess;
  TextBuffer document(platform::to_system_path(d.document)), text(*click), macro, format("0");
  const int32_t scope =
      TW_EXPORT_FUNCTION(d.libs, InsertMacro)(main_window(), document.text, text.text, macro.text, format.text);
  std::printf("InsertMacro -> %d\n", scope);
  if (scope == 0) return kExitSuccess;
  print_hotspot(d, scope_text(scope, text.text), text.text, macro.text, true);
  return kExitSuccess;
}

int insert_button(Desktop& d) {
  TextBuffer document(platform::to_system_path(d.document)), text, target, ignored, test, ignored2;
  const int32_t result = TW_EXPORT_FUNCTION(d.libs, InsertButton)(main_window(), document.text, text.text,
                                                                    target.text, ignored.text, test.text,
                                                                    ignored2.text);
  std::printf("InsertButton -> %d\n", result);
  if (result == 0) return kExitSuccess;
  std::printf("button text: %s\n", target.text);
  std::printf("the word processor would insert at the insertion point of %s the field:\n  %s\n",
              shown_document(d).c_str(), text.text);
  print_test_button(test.text);
  return kExitSuccess;
}

}  // namespace host
