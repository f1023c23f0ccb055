#include "aids/link_dialog.h"

#include <cstdio>

#include "aids/jump_preferences.h"
#include "aids/keyword_commands.h"
#include "aids/keyword_dialogs.h"
#include "aids/keyword_list.h"
#include "aids/keyword_search.h"
#include "aids/link_options.h"
#include "aids/related_targets.h"
#include "core/help_commands.h"
#include "aids/aids_state.h"
#include "core/messages.h"
#include "project/topics/project_document.h"
#include "core/settings.h"
#include "platform/text.h"
#include "formats/help_contexts.h"
#include "platform/ui/host.h"

namespace aids {
namespace {

constexpr int kMsgNoKeywords = 2000;   // "You must choose at least one keyword to define the link."
constexpr int kMsgNoClickText = 2001;  // "You must specify the hotspot text for the link."
constexpr int kLinkHelpContext = help_contexts::kKeywordLink;
constexpr std::string_view kNeedsWin95Text =
    "This feature is available only if you are using the Windows 95 help compiler or the Windows 95 "
    "Emulation DLL.";

// Unprintable characters become blanks; the text is trimmed.
std::string printable(std::string_view s) {
  std::string out(s);
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
  }
  return std::string(text::trim(out));
}

}  // namespace

// The option file's choices, then the link being edited over them.
void LinkDialog::start_values() {
  const LinkDefaults d = ReadLinkDefaults(core::option_file_path(state_.project_path));
  link_.klink = d.klink;
  link_.type = d.type;
  link_.prefix = d.prefix;
  link_.not_found = d.not_found;
  link_.window = d.window;
  colour_ = d.colour;
  bullet_ = state_.options.link_browse;
  border_ = state_.options.link_local;
  if (!LooksLikeKeywordLink(request_.link_text)) return;
  ParseKeywordLink(request_.link_text, link_);
  int colour = 0, decorations = 0;
  if (std::sscanf(request_.format.c_str(), "%d %d", &colour, &decorations) == 2) {
    colour_ = colour;
    bullet_ = (decorations & 1) != 0;
    border_ = (decorations & 2) != 0;
  }
}

void LinkDialog::on_init(ui::Dialog& dialog) {
  handle_ = dialog.handle();
  start_values();
  dialog.set_check(kKLink, link_.klink ? 1 : 0);
  dialog.set_check(kALink, link_.klink ? 0 : 1);
  load_keywords(dialog);
  for (const auto& k : link_.keywords) dialog.add_item(kChosen, k);
  dialog.add_item(kClickText, "Related Topics");
  dialog.add_item(kClickText, "See Also");
  if (picture()) {
    dialog.set_text(kClickText, request_.button ? "<BUTTON>" : "<GRAPHIC>");
    dialog.enable(kClickText, false);
    dialog.show(kBullet, false);
    dialog.show(kBorder, false);
  } else if (!request_.click_text.empty()) {
    dialog.set_text(kClickText, request_.click_text);
  } else {
    dialog.set_selection(kClickText, 0);
  }
  dialog.set_check(kBullet, bullet_ ? 1 : 0);
  dialog.set_check(kBorder, border_ ? 1 : 0);
}

const std::string& LinkDialog::keyword_project() const {
  return keywords_project_.empty() ? state_.project_path : keywords_project_;
}

// Another project's sorted caches are not ours to trust: its lists come
// from its databases.
void LinkDialog::load_keywords(ui::Dialog& dialog) {
  dialog.clear_items(kKeywords);
  dialog.clear_items(kTopics);
  const KeywordKind kind = dialog.check(kALink) == 1 ? KeywordKind::a : KeywordKind::k;
  const bool current = keywords_project_.empty();
  const KeywordState no_cache;
  for (const auto& k : LoadKeywordList(keyword_project(), current, kind, current ? state_.keywords : no_cache).entries)
    dialog.add_item(kKeywords, k);
}

void LinkDialog::load_targets(std::string_view project_path) {
  ui::Dialog* dialog = handle_ != 0 ? ui::host().find_dialog(handle_) : nullptr;
  if (dialog == nullptr) return;
  keywords_project_ = is_current_project(state_, project_path) ? "" : std::string(project_path);
  dialog->set_text(kTypeAhead, "");
  load_keywords(*dialog);
}

// The list window goes with the dialog; the dialog reloads nothing then.
void LinkDialog::on_close(ui::Dialog&) {
  cancelled_ = true;
  CloseRelatedProjectsList();
  handle_ = 0;
}

// Selects the first keyword that starts with what was typed.
void LinkDialog::type_ahead(ui::Dialog& dialog) {
  const std::string typed(text::trim(dialog.text(kTypeAhead)));
  if (typed.empty()) return;
  for (int i = 0, n = dialog.item_count(kKeywords); i < n; ++i) {
    if (text::istarts_with(dialog.item_text(kKeywords, i), typed)) return dialog.set_selection(kKeywords, i);
  }
}

// A keyword already chosen is only selected.
void LinkDialog::add_keyword(ui::Dialog& dialog) {
  const int at = dialog.selection(kKeywords);
  if (at < 0) return;
  const std::string keyword = dialog.item_text(kKeywords, at);
  int present = -1;
  for (int i = 0, n = dialog.item_count(kChosen); i < n && present < 0; ++i) {
    if (dialog.item_text(kChosen, i) == keyword) present = i;
  }
  if (present < 0) present = dialog.add_item(kChosen, keyword);
  dialog.set_selection(kChosen, present);
}

std::string LinkDialog::chosen_keywords(const ui::Dialog& dialog) const {
  std::string out;
  for (int i = 0, n = dialog.item_count(kChosen); i < n; ++i) out += (i ? ";" : "") + dialog.item_text(kChosen, i);
  return out;
}

void LinkDialog::show_topics(ui::Dialog& dialog, const std::string& keywords) {
  dialog.clear_items(kTopics);
  const KeywordKind kind = dialog.check(kALink) == 1 ? KeywordKind::a : KeywordKind::k;
  for (const auto& topic : FindTopicsByKeywords(keyword_project(), kind, keywords))
    dialog.add_item(kTopics, topic.list_item());
}

// What the jump would find, in the topics-found dialog the KLink test uses;
// the topic chosen there leads nowhere from here.
void LinkDialog::test_link(ui::Dialog& dialog) {
  WarnIfIndexOutOfDate(state_);
  const KeywordKind kind = dialog.check(kALink) == 1 ? KeywordKind::a : KeywordKind::k;
  std::string chosen;
  ShowTopicsFound(dialog.handle(), FindTopicsByKeywords(keyword_project(), kind, chosen_keywords(dialog)), chosen,
                  true);
}

void LinkDialog::open_options(ui::Dialog& dialog) {
  LinkOptions options{&link_, colour_, picture()};
  LinkOptionsDialog options_dialog(state_, options);
  if (ui::host().run_modal(core::authoring_module(), "DLG_LINK_OPT", options_dialog, dialog.handle()) == 1)
    colour_ = options.colour;
}

void LinkDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  switch (id) {
    case kKLink:
    case kALink:
      return load_keywords(dialog);
    case kTypeAhead:
      if (notify == ui::Notify::changed) type_ahead(dialog);
      return;
    case kKeywords:
      if (notify == ui::Notify::double_clicked) add_keyword(dialog);
      return;
    case kAdd:
      return add_keyword(dialog);
    case kRemove:
      if (int at = dialog.selection(kChosen); at >= 0) dialog.delete_item(kChosen, at);
      return;
    case kShowTopics:
      if (int at = dialog.selection(kKeywords); at >= 0) show_topics(dialog, dialog.item_text(kKeywords, at));
      return;
    case kTest:
      return test_link(dialog);
    case kOptions:
      return open_options(dialog);
    case kRelatedProjects:
      OpenRelatedProjectsList(state_, *this, dialog.handle(), "");
      return;
    case ui::kIdCancel:
      cancelled_ = true;
      return ui::DialogProc::on_command(dialog, id, notify);
    case kHelp:
      core::ProductHelpContext(state_, dialog.handle(), kLinkHelpContext);
      return;
    case ui::kIdOk:
      if (accept(dialog)) dialog.end(1);
      return;
    default:
      return ui::DialogProc::on_command(dialog, id, notify);
  }
}

bool LinkDialog::refuse(ui::Dialog& dialog, int message, int focus) {
  core::show_message(state_, core::resource_string(message), ui::kMbOk | ui::kMbIconStop);
  dialog.set_focus(focus);
  return false;
}

bool LinkDialog::accept(ui::Dialog& dialog) {
  if (dialog.item_count(kChosen) == 0) return refuse(dialog, kMsgNoKeywords, kKeywords);
  const std::string click = picture() ? std::string() : std::string(text::trim(dialog.text(kClickText)));
  if (!picture() && click.empty()) return refuse(dialog, kMsgNoClickText, kClickText);
  link_.klink = dialog.check(kALink) != 1;
  link_.keywords.clear();
  for (int i = 0, n = dialog.item_count(kChosen); i < n; ++i) link_.keywords.push_back(dialog.item_text(kChosen, i));
  WriteLinkKind(core::option_file_path(state_.project_path), link_.klink);
  const bool bullet = !picture() && dialog.check(kBullet) == 1;
  const bool border = !picture() && dialog.check(kBorder) == 1;
  request_.link_text = ComposeKeywordLink(link_);
  request_.click_text = click;
  request_.format = LinkFormat(InsertTestButtons(state_.data), bullet, border, colour_);
  return true;
}

int RunLinkDialog(AidsState& state, std::int32_t window, LinkRequest& request) {
  LinkDialog dialog(state, request);
  return ui::host().run_modal(core::authoring_module(), "DLG_LINK", dialog, core::dialog_owner(state, window)) == 1
             ? 1
             : 0;
}

int InsertLinkCommand(AidsState& state, std::int32_t window, std::string_view document,
                      LinkRequest& request) {
  if (!state.win95_compiler && !state.data.project.emulation) {
    core::show_message(state, kNeedsWin95Text, ui::kMbOk | ui::kMbIconStop);
    return 0;
  }
  if (!project::CheckProjectDocument(state, document)) return 0;
  WarnIfIndexOutOfDate(state);
  request.link_text = printable(request.link_text);
  request.click_text = printable(request.click_text);
  LinkRequest edited = request;
  if (RunLinkDialog(state, window, edited) == 0) return 0;
  request = edited;
  return state.win95_compiler ? 2 : 1;
}

}  // namespace aids
