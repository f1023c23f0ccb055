#include "wizard/dialogs/option_dialog.h"

#include <algorithm>

#include "html/driver/messages.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/twzhtml/options.h"
#include "wizard/dialogs/colour_number_dialog.h"
#include "wizard/dialogs/help_topics.h"

namespace wizard {
namespace {

class OptionDialog : public ui::DialogProc {
 public:
  OptionDialog(ConversionState& state, const OptionPage& page, bool hidden_cancel)
      : state_(state), page_(page), work_(state.project), hidden_cancel_(hidden_cancel) {}

  void on_init(ui::Dialog& dialog) override {
    if (hidden_cancel_) {
      dialog.end(0);
      return;
    }
    if (page_.prepare) page_.prepare(dialog, state_, work_);
    if (page_.selector) {
      if (dialog.selection(page_.selector) < 0) dialog.set_selection(page_.selector, 0);
      record_ = dialog.selection(page_.selector);
    }
    show(dialog);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == ui::kIdCancel) return dialog.end(0);
    if (id == ui::kIdOk) return ok(dialog);
    if (id == IDC_OPTION_HELP) return show_help_topic(state_.library, dialog.handle(), page_.help_topic);
    if (page_.selector && id == page_.selector && notify == ui::Notify::selection) {
      take(dialog);
      record_ = std::max(0, dialog.selection(page_.selector));
      return show(dialog);
    }
    if (page_.command) page_.command(dialog, state_, work_, id);
    for (const Binding& b : page_.bindings) {
      if (b.kind != Bind::colour) continue;
      long& colour = b.colour(work_, record_);
      if (id == b.id) {
        ui::CustomColours custom{};
        auto chosen = ui::host().choose_colour(dialog.handle(), static_cast<std::uint32_t>(colour),
                                               custom);
        if (chosen) colour = static_cast<long>(*chosen);
      } else if (id == b.id + kColourNumberOffset) {
        if (auto typed = ask_colour_number(dialog.handle(), colour)) colour = *typed;
      }
    }
  }

 private:
  void show(ui::Dialog& dialog) {
    if (page_.show_record) page_.show_record(dialog, record_);
    for (const Binding& b : page_.bindings) {
      switch (b.kind) {
        case Bind::check: dialog.set_check(b.id, b.number(work_, record_) ? 1 : 0); break;
        case Bind::radio:
          for (int i = 0; i < b.count; ++i) {
            dialog.set_check(b.id + i, b.number(work_, record_) == i ? 1 : 0);
          }
          break;
        case Bind::number: dialog.set_text(b.id, std::to_string(b.number(work_, record_))); break;
        case Bind::text: dialog.set_text(b.id, b.text(work_, record_)); break;
        case Bind::choice: dialog.set_selection(b.id, b.number(work_, record_)); break;
        case Bind::colour: break;
      }
    }
  }

  // Reads the controls back into the working copy.
  void take(ui::Dialog& dialog) {
    for (const Binding& b : page_.bindings) {
      switch (b.kind) {
        case Bind::check: b.number(work_, record_) = dialog.check(b.id) ? 1 : 0; break;
        case Bind::radio:
          for (int i = 0; i < b.count; ++i) {
            if (dialog.check(b.id + i)) b.number(work_, record_) = i;
          }
          break;
        case Bind::number:
          b.number(work_, record_) = static_cast<int>(text::parse_int(text::trim(dialog.text(b.id))));
          break;
        case Bind::text:
          b.text(work_, record_) = text::cut(text::trim(dialog.text(b.id)), b.cut);
          break;
        case Bind::choice:
          if (dialog.selection(b.id) >= 0) b.number(work_, record_) = dialog.selection(b.id);
          break;
        case Bind::colour: break;
      }
    }
  }

  void ok(ui::Dialog& dialog) {
    take(dialog);
    if (page_.check) {
      if (std::optional<Complaint> complaint = page_.check(work_, state_.project, dialog)) {
        html::show_message(html::resource_string(complaint->message));
        dialog.set_focus(complaint->focus);
        return;  // the dialog stays open
      }
    }
    state_.project = work_;
    if (page_.finish) page_.finish(state_, dialog);
    dialog.end(1);
  }

  ConversionState& state_;
  const OptionPage& page_;
  ProjectSettings work_;
  bool hidden_cancel_;
  int record_ = 0;
};

}  // namespace

int run_option_page(ConversionState& state, const OptionPage& page, std::int32_t owner,
                    bool hidden_cancel) {
  load_conversion_state(state);
  const ProjectSettings loaded = state.project;
  OptionDialog proc(state, page, hidden_cancel);
  const int result = ui::host().run_modal(html::conversion_module(), page.template_name, proc,
                                          owner ? owner : ui::host().main_window());
  // A save with nothing changed would only rewrite the file as it stands.
  if (result == 1 && state.project != loaded) save_project(state);
  return 1;
}

}  // namespace wizard
