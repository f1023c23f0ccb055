#include "project/dialogs/topic_finder.h"

#include <algorithm>
#include <numeric>

#include "project/project_state.h"
#include "core/messages.h"
#include "core/project_paths.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "project/topics/context_strings.h"
#include "project/topics/topic_titles.h"

namespace project {
namespace {

constexpr int kMsgIndexOutOfDate = 59;
constexpr int kPageControls[] = {FinderDialog::kShowTitles, FinderDialog::kShowIds,    FinderDialog::kShowDocuments,
                                 FinderDialog::kTitleList,  FinderDialog::kIdList,     FinderDialog::kDocumentList,
                                 FinderDialog::kSearchText, FinderDialog::kSearch,     FinderDialog::kFirst,
                                 FinderDialog::kAutoSearch, FinderDialog::kPageLabel, FinderDialog::kSearchLabel};

// Sorts lines without case and keeps each line's topic beside it.
void sort_lines(std::vector<std::string>& lines, std::vector<int>& topics) {
  std::vector<size_t> order(lines.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    return text::to_lower(lines[a]) < text::to_lower(lines[b]);
  });
  std::vector<std::string> sorted_lines;
  std::vector<int> sorted_topics;
  for (size_t i : order) {
    sorted_lines.push_back(std::move(lines[i]));
    sorted_topics.push_back(topics[i]);
  }
  lines = std::move(sorted_lines);
  topics = std::move(sorted_topics);
}

// A topic file's full path as the word processor opens it, ".doc" in place
// of ".rtf"; the folders keep their spelling.
std::string document_path(const ProjectState& state, int index) {
  std::string path = platform::lower_unless_host_path(core::topic_file_path(state.project_path, state.topic_files.name(index)));
  if (text::iends_with(path, ".rtf")) path.replace(path.size() - 4, 4, ".doc");
  return path;
}

int list_control(FinderList list) {
  return list == FinderList::title ? FinderDialog::kTitleList
         : list == FinderList::id  ? FinderDialog::kIdList
                                   : FinderDialog::kDocumentList;
}

// The part of a line the search looks at.
std::string_view search_key(int list, std::string_view line) {
  if (list == FinderDialog::kTitleList) return line.substr(0, line.rfind('='));
  size_t tab = line.find('\t');
  if (list == FinderDialog::kIdList) return line.substr(0, tab);
  return tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
}

}  // namespace

FinderLines finder_lines(const ProjectState& state) {
  FinderLines out;
  const TopicTable& table = state.data.topics;
  for (int i = 0; i < table.count(); ++i) {
    const Topic& topic = table[i];
    if (!listed_topic(topic)) continue;
    int file = state.topic_files.find_by_number(topic.file);
    if (file < 0) continue;
    std::string name = platform::replace_extension(platform::file_name_of(state.topic_files.name(file)), "");
    std::string context = text::cut(topic.context, kFinderContextMax);
    out.id.push_back(context + "\t" + name);
    out.id_topics.push_back(i);
    out.document.push_back(name + "\t" + context);
    out.document_topics.push_back(i);
  }
  sort_lines(out.id, out.id_topics);
  sort_lines(out.document, out.document_topics);
  return out;
}

int GotoTopic(ProjectState& state, std::int32_t window, std::string& document, std::string& context,
              const FinderPages& pages) {
  window = core::dialog_owner(state, window);
  FinderDialog dialog(state, document, context, pages);
  return ui::host().run_modal(core::authoring_module(), "DLG_GOTO", dialog, window);
}

FinderDialog::FinderDialog(ProjectState& state, std::string& document, std::string& context, FinderPages pages)
    : state_(state), document_(document), context_(context), pages_(std::move(pages)) {}

void FinderDialog::on_init(ui::Dialog& dialog) {
  lines_ = finder_lines(state_);
  for (size_t i = 0; i < lines_.id.size(); ++i)
    dialog.set_item_data(kIdList, dialog.add_item(kIdList, lines_.id[i]), lines_.id_topics[i]);
  for (size_t i = 0; i < lines_.document.size(); ++i)
    dialog.set_item_data(kDocumentList, dialog.add_item(kDocumentList, lines_.document[i]), lines_.document_topics[i]);
  dialog.set_check(kAutoSearch, state_.settings.search_auto ? 1 : 0);
  dialog.set_text(kTabs, kFinderTabs);
  show_list(dialog, state_.topic_session.finder_list == FinderList::title ? FinderList::title : FinderList::id);
  int tab = state_.settings.goto_tab;
  show_tab(dialog, tab >= 0 && tab < kFinderTabCount ? tab : kTopicTab);
  dialog.set_focus(kSearchText);
}

void FinderDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case kTabs:
      if (notify == ui::Notify::selection) show_tab(dialog, dialog.selection(kTabs));
      return;
    case kShowTitles: return show_list(dialog, FinderList::title);
    case kShowIds: return show_list(dialog, FinderList::id);
    case kShowDocuments: return show_list(dialog, FinderList::document);
    case kTitleList:
    case kIdList:
    case kDocumentList:
      if (notify == ui::Notify::double_clicked) go_to(dialog);
      return;
    case kSearch: return search(dialog, dialog.selection(shown_list()));
    case kSearchText:
      if (notify == ui::Notify::changed && dialog.check(kAutoSearch) == 1) search(dialog, -1);
      return;
    case kFirst: return select_first(dialog);
    case kAutoSearch:
      state_.settings.search_auto = dialog.check(kAutoSearch) == 1;
      return;
    case ui::kIdOk: return go_to(dialog);
    default: ui::DialogProc::on_command(dialog, id, notify);
  }
}

void FinderDialog::on_close(ui::Dialog& dialog) {
  int tab = dialog.selection(kTabs);
  if (tab >= 0) state_.settings.goto_tab = tab;
  show_contents_page(dialog, false);
}

// The other tabs' pages belong to the keyword search and the contents
// preview; the topic page shows only on its own tab.
void FinderDialog::show_tab(ui::Dialog& dialog, int tab) {
  if (dialog.selection(kTabs) != tab) dialog.set_selection(kTabs, tab);
  const bool topic_page = tab == kTopicTab;
  for (int id : kPageControls) dialog.show(id, topic_page);
  if (topic_page) show_current_list(dialog);
  show_contents_page(dialog, tab == kContentsTab);
  show_keyword_page(dialog, tab == kKeywordTab);
  state_.settings.goto_tab = tab;
}

void FinderDialog::show_contents_page(ui::Dialog& dialog, bool on) {
  ui::Host& host = ui::host();
  if (!on || !pages_.contents) {
    if (contents_page_ != 0 && host.is_window(contents_page_)) host.destroy_window(contents_page_);
    contents_page_ = 0;
    return;
  }
  if (contents_page_ != 0) return;
  FinderPageHooks hooks;
  hooks.set_caption = [&dialog](std::string_view caption) { dialog.set_caption(caption); };
  hooks.go_to = [this, &dialog](std::string_view context) { go_to_contents_topic(dialog, context); };
  contents_page_ = host.create_modeless(core::authoring_module(), "DLG_CNT_C", pages_.contents(std::move(hooks)),
                                        dialog.handle());
}

// A topic the contents preview chose: its document, when the topic is in one.
void FinderDialog::go_to_contents_topic(ui::Dialog& dialog, std::string_view context) {
  if (go_to_context(dialog, context)) return;
  // A context string no topic file holds: the project's first document, as
  // for a title whose topic is not in the table; the macro looks for it there.
  document_ = state_.topic_files.empty() ? std::string() : document_path(state_, 0);
  context_ = std::string(context);
  dialog.end(1);
}

void FinderDialog::show_list(ui::Dialog& dialog, FinderList list) {
  if (list == FinderList::title) {
    if (state_.options.invalid_index)
      core::show_message(state_, core::resource_string(kMsgIndexOutOfDate), ui::kMbOk | ui::kMbIconExclamation);
    if (!titles_loaded_) {
      for (const std::string& entry : keyword_database_titles(core::companion_file(state_.project_path, ".kdb")))
        dialog.add_item(kTitleList, entry);
      titles_loaded_ = true;
    }
  }
  int from = shown_list();
  state_.topic_session.finder_list = list;
  dialog.set_check(kShowTitles, list == FinderList::title ? 1 : 0);
  dialog.set_check(kShowIds, list == FinderList::id ? 1 : 0);
  dialog.set_check(kShowDocuments, list == FinderList::document ? 1 : 0);
  show_current_list(dialog);
  keep_topic_selected(dialog, from);
}

void FinderDialog::show_current_list(ui::Dialog& dialog) {
  for (FinderList l : {FinderList::title, FinderList::id, FinderList::document})
    dialog.show(list_control(l), l == state_.topic_session.finder_list);
}

int FinderDialog::shown_list() const { return list_control(state_.topic_session.finder_list); }

// Switching between the ID and document lists keeps the chosen topic chosen.
void FinderDialog::keep_topic_selected(ui::Dialog& dialog, int from_list) {
  const int to_list = shown_list();
  if (from_list == to_list || from_list == kTitleList || to_list == kTitleList) return;
  int from = dialog.selection(from_list);
  if (from < 0) return;
  std::int32_t topic = dialog.item_data(from_list, from);
  for (int i = 0; i < dialog.item_count(to_list); ++i) {
    if (dialog.item_data(to_list, i) == topic) return dialog.set_selection(to_list, i);
  }
}

void FinderDialog::search(ui::Dialog& dialog, int from) {
  const int list = shown_list();
  const std::string wanted = text::to_lower(text::trim(dialog.text(kSearchText)));
  for (int i = std::max(from, -1) + 1; i < dialog.item_count(list); ++i) {
    if (text::to_lower(search_key(list, dialog.item_text(list, i))).find(wanted) != std::string::npos) {
      dialog.set_selection(list, i);
      return;
    }
  }
  if (list == kTitleList) dialog.set_selection(list, -1);
}

void FinderDialog::select_first(ui::Dialog& dialog) {
  for (int list : {kTitleList, kIdList, kDocumentList})
    if (dialog.item_count(list) > 0) dialog.set_selection(list, 0);
  dialog.set_focus(kSearchText);
}

void FinderDialog::go_to(ui::Dialog& dialog) {
  if (dialog.selection(kTabs) == kKeywordTab) {
    const core::AidHooks& hooks = state_.aid_hooks;
    if (keyword_page_ != 0 && hooks.keyword_page_choice)
      go_to_context(dialog, hooks.keyword_page_choice(keyword_page_));
    return;
  }
  const int list = shown_list();
  const int selected = dialog.selection(list);
  if (selected < 0) return dialog.end(0);
  const std::string line = dialog.item_text(list, selected);
  if (list != kTitleList) return dialog.end(take_line(line, list == kDocumentList) ? 1 : 0);
  if (go_to_context(dialog, title_entry_context(line))) return;
  // A title whose topic is not in the table: the project's first document.
  document_ = state_.topic_files.empty() ? std::string() : document_path(state_, 0);
  context_.clear();
  dialog.end(1);
}

// The topic with this context string, when the table has it: the finder
// ends with its document.
bool FinderDialog::go_to_context(ui::Dialog& dialog, std::string_view context) {
  for (size_t i = 0; !context.empty() && i < lines_.id.size(); ++i) {
    if (text::iequals(state_.data.topics[lines_.id_topics[i]].name(), context)) {
      dialog.end(take_line(lines_.id[i], false) ? 1 : 0);
      return true;
    }
  }
  return false;
}

// The keyword-search tab's page, made when the tab is first shown.
void FinderDialog::show_keyword_page(ui::Dialog& dialog, bool shown) {
  const core::AidHooks& hooks = state_.aid_hooks;
  if (shown && keyword_page_ == 0 && hooks.open_keyword_page) {
    keyword_page_ = hooks.open_keyword_page(dialog.handle(), [this, &dialog](const std::string& context) {
      if (!go_to_context(dialog, context)) dialog.end(0);
    });
  }
  if (keyword_page_ != 0 && hooks.show_keyword_page) hooks.show_keyword_page(keyword_page_, shown);
}

// "context\tfile" or "file\tcontext" (by_document) as a list has it.
bool FinderDialog::take_line(std::string_view line, bool by_document) {
  size_t tab = line.find('\t');
  if (tab == std::string_view::npos) return false;
  std::string_view context = by_document ? line.substr(tab + 1) : line.substr(0, tab);
  std::string_view file = by_document ? line.substr(0, tab) : line.substr(tab + 1);
  int index = state_.topic_files.find_by_file_name(std::string(file) + ".rtf");
  if (index < 0) return false;
  document_ = document_path(state_, index);
  context_ = std::string(text::trim(context));
  return true;
}

}  // namespace project
