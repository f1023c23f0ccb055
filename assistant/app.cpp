#include "assistant/app.h"

#include "assistant/arrange.h"
#include "assistant/data_file.h"
#include "assistant/file_dialogs.h"
#include "assistant/form_commit.h"
#include "assistant/include_scan.h"
#include "assistant/messages.h"
#include "assistant/pages.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/text.h"
#include "platform/ui/host.h"

extern const char tw_rc_pointip[];
extern const char* const tw_rc_pointip_files[];

namespace assistant {

namespace {

constexpr std::string_view kSaveQuestion = "Do you want to save your changes to the current file?";

ui::Dialog* window(ui::Handle handle) { return handle ? ui::host().find_dialog(handle) : nullptr; }

FormValues values_of_entry(std::string_view entry, IdSource mode) {
  FormValues v;
  v.popup = std::string(entry_popup(entry));
  if (mode == IdSource::include_file) {
    v.topic_id = std::string(entry_id(entry));
    return v;
  }
  IdParts parts = split_id(entry_id(entry));
  v.dialog = parts.dialog;
  v.control = parts.control;
  v.context = std::string(entry_context(entry));
  return v;
}

}  // namespace

std::int32_t pointip_module() {
  static const std::int32_t module = ui::register_module("pointip", tw_rc_pointip, tw_rc_pointip_files);
  return module;
}

App::App() { stored_form_.context = std::to_string(kFirstContext); }

FormValues App::form_values() const {
  if (ui::Dialog* form = window(form_page)) return FormPage::read_values(*form);
  return stored_form_;
}

void App::set_form(const FormValues& values) {
  stored_form_ = values;
  if (ui::Dialog* form = window(form_page)) FormPage::write_values(*form, values, *this);
  if (ui::Dialog* p = window(panel))
    p->enable(kCommit, model.mode != IdSource::include_file || !values.topic_id.empty());
}

void App::clear_form() {
  FormValues blank;
  blank.context = std::to_string(model.next_context());
  model.current = model.count();
  set_form(blank);
  refresh();
}

void App::show_entry(int index) {
  if (index < 0 || index >= model.count()) return clear_form();
  model.current = index;
  set_form(values_of_entry(model.entry(index), model.mode));
  refresh();
}

void App::show_tab(int tab) {
  ui::Host& host = ui::host();
  if (tab == 0) {
    if (list_page) host.destroy_window(list_page);
    list_page = 0;
    if (!form_page) form_page = host.create_modeless(pointip_module(), "1001", std::make_unique<FormPage>(*this), panel);
  } else {
    if (form_page) host.destroy_window(form_page);  // keeps its values
    form_page = 0;
    if (!list_page) list_page = host.create_modeless(pointip_module(), "1002", std::make_unique<ListPage>(*this), panel);
  }
  tabs.select(tab);
  if (ui::Dialog* p = window(panel)) p->set_selection(kTabs, tab);
  host.paint(panel, kTabs, [this](ui::Painter& painter) { tabs.paint(painter); });
}

void App::refresh() {
  if (ui::Dialog* form = window(form_page))
    form->set_text(kPosition, text::format("%d/%d", model.current + 1, model.count()));
  if (ui::Dialog* list = window(list_page)) ListPage::fill(*list, *this);
}

void App::set_caption() {
  std::string caption = model.path.empty()
                            ? text::format("%s - untitled", std::string(kProgramCaption).c_str())
                            : text::format("%s - %s", std::string(kProgramCaption).c_str(),
                                           std::string(platform::file_name_of(data_path_of(model.path))).c_str());
  if (main_window) ui::host().set_window_title(main_window, caption);
}

void App::load_topic_ids() {
  topic_ids = model.mode == IdSource::include_file ? scan_include_file(model.include_file)
                                                   : std::vector<std::string>();
}

void App::focus_field(int field) {
  if (ui::Dialog* form = window(form_page)) form->set_focus(field);
}

bool App::commit(int command) {
  int before = model.current;
  CommitResult r = commit_form(model, form_values(), before);
  if (r.outcome == CommitOutcome::refused) {
    show_message(panel, r.refusal->message, ui::kMbOk | ui::kMbIconStop);
    if (!form_page) show_tab(0);
    focus_field(r.refusal->focus);
    return false;
  }
  // A blank form keeps the entry committed before it as the one to test.
  if (r.index >= 0) {
    committed_context_ = model.mode == IdSource::include_file ? std::optional<long>(r.index + 10)
                                                             : entry_number(model.entry(r.index));
  }
  if (command == kCommitInPlace) {
    clear_form();
  } else if (command == kCommit && r.outcome == CommitOutcome::added) {
    clear_form();
  } else if (command == kCommit && r.outcome == CommitOutcome::replaced) {
    show_entry(r.index + 1);
  } else {
    refresh();
  }
  return true;
}

bool App::ask_save() {
  if (!model.changed) return true;
  int answer = show_message(panel, kSaveQuestion, ui::kMbYesNoCancel | ui::kMbIconQuestion);
  if (answer == ui::kIdCancel) return false;
  if (answer == ui::kIdYes) return save();
  return true;
}

bool App::choose_save_path() {
  std::optional<std::string> chosen = choose_file(panel, FileChoice::save_data, data_path_of(model.path));
  if (!chosen) return false;
  model.path = kept_path_of(*chosen);
  data_stamp_.reset();  // the author agreed to replace what is there
  return true;
}

bool App::save() {
  if (!commit(kCommit)) return false;
  if (model.path.empty() && !choose_save_path()) return false;
  std::string path = data_path_of(model.path);
  SaveStatus status = write_data_file(path, model, data_stamp_);
  if (status == SaveStatus::changed_on_disk) {
    show_message(panel, path + " was changed by another program since it was opened. Save your work under another name.",
                 ui::kMbOk | ui::kMbIconStop);
    return false;
  }
  if (status == SaveStatus::failed) {
    show_message(panel, "Cannot write " + path + ".", ui::kMbOk | ui::kMbIconStop);
    return false;
  }
  model.changed = false;
  set_caption();
  return true;
}

void App::open_file(const std::string& data_path) {
  if (!read_data_file(data_path, model, &data_stamp_)) {
    show_message(panel, "Cannot open " + data_path + ".", ui::kMbOk | ui::kMbIconStop);
    return;
  }
  model.path = kept_path_of(data_path);
  model.changed = false;
  model.test_stale = true;
  load_topic_ids();
  if (ui::Dialog* form = window(form_page)) FormPage::arrange_fields(*form, *this);
  show_entry(0);
  set_caption();
}

void App::start_test() {
  if (!test.compiling()) {
    if (!commit(kCommit)) return;
    test.set_popup_context(committed_context_);
  }
  test_tick();
}

void App::test_tick() {
  TimerChange change = test.step(model, settings, panel);
  ui::Dialog* p = window(panel);
  if (!p) return;
  if (change == TimerChange::start) p->set_timer(kTestTimer, kTestTimerPeriod);
  if (change == TimerChange::stop) p->kill_timer(kTestTimer);
}

}  // namespace assistant
