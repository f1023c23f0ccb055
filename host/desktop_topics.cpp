#include "host/desktop_topics.h"

#include <cstdio>
#include <string>

#include "host/desktop_project.h"
#include "host/export_call.h"
#include "host/flows.h"
#include "host/user_paths.h"
#include "platform/paths.h"
#include "platform/ui/host.h"

namespace host {
namespace {

int32_t main_window() { return ui::host().main_window(); }


std::string shown_document(const Desktop& d) { return shown_path(platform::to_system_path(d.document)); }

// The topic footnotes as the word processor writes them at a new topic.
void print_footnote(char mark, const char* value) {
  if (value[0] != '\0') std::printf("  %c %s\n", mark, value);
}

// A group's topics as NextItem hands them over, until it says the end.
int print_group_items(const Libraries& libs) {
  constexpr int kMostItems = 100000;  // a guard against a list that never ends
  auto next = TW_EXPORT_FUNCTION(libs, NextItem);
  int count = 0;
  TextBuffer context, browse;
  while (count < kMostItems && next(0, context.text, browse.text) == 1) {
    std::printf("  %s%s%s\n", context.text, browse.text[0] ? "  + " : "", browse.text);
    ++count;
  }
  return count;
}

}  // namespace

int insert_topic(Desktop& d) {
  TextBuffer document(platform::to_system_path(d.document)), title, context, browse, k_keywords, a_keywords, counter,
      footnote, build_tags, window;
  const int32_t result =
      TW_EXPORT_FUNCTION(d.libs, GetTopic)(main_window(), document.text, title.text, context.text, browse.text,
                                           k_keywords.text, a_keywords.text, counter.text, footnote.text,
                                           build_tags.text, window.text);
  std::printf("GetTopic -> %d\n", result);
  if (result != 1 && result != 2) return result == 0 ? kExitSuccess : kExitFailure;
  std::printf("the word processor would start a topic at the insertion point of %s, with the footnotes:\n",
              shown_document(d).c_str());
  print_footnote('#', context.text);
  print_footnote('$', title.text);
  print_footnote('K', k_keywords.text);
  print_footnote('A', a_keywords.text);
  print_footnote('+', browse.text);
  print_footnote('*', build_tags.text);
  print_footnote('>', window.text);
  print_footnote('!', footnote.text);
  return kExitSuccess;
}

int go_to_topic(Desktop& d) {
  TextBuffer document(platform::to_system_path(d.document)), context;
  const int32_t result = TW_EXPORT_FUNCTION(d.libs, GotoTopic)(main_window(), document.text, context.text);
  std::printf("GotoTopic -> %d\n", result);
  if (result == 0) return kExitSuccess;
  std::printf("document to open: %s\ncontext string: %s\n", shown_path(document.text).c_str(), context.text);
  const std::string file = topic_file_named(d.project, document.text);
  if (file.empty()) return kExitSuccess;
  d.document = file;
  std::printf("document: %s (the word processor would show the topic %s)\n", shown_document(d).c_str(),
              context.text);
  return kExitSuccess;
}

int edit_groups(Desktop& d) {
  TextBuffer document(platform::to_system_path(d.document)), preference;
  const int32_t result = TW_EXPORT_FUNCTION(d.libs, EditGroup)(main_window(), document.text, preference.text);
  std::printf("EditGroup -> %d\n", result);
  if (result == 0) return kExitSuccess;
  const std::string list = document.text;
  std::printf("the group's topics:\n");
  print_group_items(d.libs);
  if (result == 2) std::printf("the word processor would give each topic its browse footnote (+) as listed\n");
  if (list == "YES" || list == "POP")
    std::printf("the word processor would insert a list of %s to these topics at the insertion point of %s\n",
                list == "YES" ? "jumps" : "pop-ups", shown_document(d).c_str());
  return kExitSuccess;
}

int delete_topics(Desktop& d) {
  TextBuffer document(platform::to_system_path(d.document));
  const int32_t result = TW_EXPORT_FUNCTION(d.libs, DeleteItem)(main_window(), document.text);
  std::printf("DeleteItem -> %d\n", result);
  if (result == 1)
    std::printf("the topics chosen left the project; their text stays in %s for the author to remove\n",
                shown_document(d).c_str());
  return kExitSuccess;
}

}  // namespace host
