#include "assistant/panel.h"

#include "assistant/context_help.h"
#include "assistant/data_file.h"
#include "assistant/file_dialogs.h"
#include "assistant/messages.h"
#include "assistant/options_dialog.h"
#include "assistant/outputs.h"
#include "assistant/pages.h"
#include "platform/files.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "platform/ui/window_state.h"
#include "platform/winhelp.h"

namespace assistant {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kLightGrey = 0xC0C0C0;
constexpr ui::WindowRect kMainRect{0, 0, 466, 329};

}  // namespace

void Panel::on_init(ui::Dialog& dialog) {
  app_.panel = dialog.handle();
  app_.clear_form();
  app_.show_tab(0);
  const std::string& last = app_.settings.last_file;
  if (!last.empty() && platform::file_exists(data_path_of(last))) {
    app_.open_file(data_path_of(last));
  } else {
    app_.settings.last_file.clear();
    app_.model.path.clear();
    app_.set_caption();
  }
  dialog.set_check(kAlwaysOnTop, app_.settings.on_top ? 1 : 0);
  if (app_.settings.on_top) ui::set_topmost(app_.main_window, true);
}

void Panel::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id == kTabs) {
    if (notify == ui::Notify::selection) app_.show_tab(dialog.selection(kTabs) == 1 ? 1 : 0);
    return;
  }
  if (id == ui::kIdCancel) return close(dialog);
  if (notify != ui::Notify::clicked) return;
  switch (id) {
    case kNew: return new_file();
    case kOpen: return open();
    case kSave: app_.save(); return;
    case kOptions: return options();
    case kGenerate: return generate();
    case kTest: return app_.start_test();
    case kAlwaysOnTop: return always_on_top(dialog.check(kAlwaysOnTop) == 1);
    case kFirst: return app_.show_entry(0);
    case kPrevious: return previous();
    case kCommit:
    case kCommitInPlace: app_.commit(id); return;
    case kLast: return app_.show_entry(app_.model.count() - 1);
    case kDelete: return remove();
    case kHelp: return help();
    default: return;
  }
}

void Panel::on_timer(ui::Dialog&, int timer_id) {
  if (timer_id == kTestTimer) app_.test_tick();
}

void Panel::on_close(ui::Dialog&) {
  // The compiler goes on by itself; its end is not waited for.
  app_.panel = 0;
}

void Panel::on_help(ui::Dialog& dialog, int control) { show_control_help(app_.settings, dialog.handle(), control); }

void Panel::new_file() {
  if (!app_.ask_save()) return;
  app_.model.clear();
  app_.model.path.clear();
  app_.model.changed = false;
  app_.forget_data_file();
  app_.clear_form();
  app_.set_caption();
}

void Panel::open() {
  if (!app_.ask_save()) return;
  std::string proposed = app_.model.path.empty() ? "*.ptd" : data_path_of(app_.model.path);
  if (auto path = choose_file(app_.panel, FileChoice::open_data, proposed)) app_.open_file(*path);
}

void Panel::options() {
  if (!run_options(app_)) return;
  app_.load_topic_ids();
  if (ui::Dialog* form = ui::host().find_dialog(app_.form_page)) FormPage::arrange_fields(*form, app_);
  app_.show_entry(app_.model.current);
}

void Panel::generate() {
  if (app_.model.path.empty() && !app_.choose_save_path()) return;
  if (!app_.commit(kCommit)) return;
  if (!write_outputs(app_.model, app_.model.path))
    show_message(app_.panel, "Cannot write " + app_.model.path + ".", ui::kMbOk | ui::kMbIconStop);
}

void Panel::previous() {
  int from = app_.model.current;
  FormValues v = app_.form_values();
  bool typed = !text::trim(app_.model.mode == IdSource::include_file ? v.topic_id : v.control).empty();
  if (typed && !app_.commit(kCommitInPlace)) return;
  app_.show_entry(from > 0 ? from - 1 : 0);
}

void Panel::remove() {
  int at = app_.model.current;
  if (at < 0 || at >= app_.model.count()) return;
  app_.model.remove(at);
  app_.show_entry(at > 0 ? at - 1 : 0);
}

void Panel::always_on_top(bool on) {
  app_.settings.on_top = on;
  ui::set_topmost(app_.main_window, on);
}

// The help finder opens over the program, which gets out of its way.
void Panel::help() {
  platform::win_help(app_.main_window, program_help_path(app_.settings), platform::kHelpFinder, 0);
  ui::minimise(app_.main_window);
}

void Panel::close(ui::Dialog& dialog) {
  if (!app_.ask_save()) return;
  app_.settings.last_file = app_.model.path;
  write_settings(app_.settings);
  dialog.end(0);
}

int run_assistant(App& app) {
  ui::Host& host = ui::host();
  host.register_class("pointip", kWhite);
  host.register_class("TWTab", kLightGrey);
  app.settings = read_settings();
  app.main_window = host.create_window("pointip", kMainRect, 0);
  Panel panel(app);
  host.run_modal(pointip_module(), "1000", panel, app.main_window);
  return 0;
}

}  // namespace assistant
