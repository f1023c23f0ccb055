// Headless UI scripts (TARVENWICK_UI_SCRIPT): a script drives a dialog
// whose buttons open a message box, a file dialog, a colour dialog and a
// nested dialog, as the libraries' dialogs do.
#include <memory>

#include "fuzz/fuzz_support.h"
#include "platform/ui/dialog.h"
#include "platform/ui/host.h"
#include "platform/ui/keys.h"
#include "platform/ui/resources.h"

namespace {

constexpr const char* kScript = R"rc(
#define IDC_TITLE 101
DLG_F DIALOG 10, 10, 240, 160
CAPTION "Fuzz"
BEGIN
  EDITTEXT IDC_TITLE, 50, 5, 100, 12
  EDITTEXT 103, 5, 30, 100, 24, ES_MULTILINE | ES_WANTRETURN
  AUTOCHECKBOX "&Browse", 102, 5, 20, 60, 10
  AUTORADIOBUTTON "A", 201, 5, 42, 30, 10
  AUTORADIOBUTTON "B", 202, 40, 42, 30, 10
  LISTBOX 401, 5, 76, 100, 40, LBS_NOTIFY | LBS_SORT
  COMBOBOX 402, 110, 76, 100, 60, CBS_DROPDOWN
  CONTROL "", 403, "TWTab", WS_TABSTOP, 110, 5, 120, 14
  AUTO3STATE "Tri", 504, 5, 120, 40, 10
  DEFPUSHBUTTON "OK", IDOK, 180, 140, 40, 14
  PUSHBUTTON "Cancel", IDCANCEL, 130, 140, 40, 14
  PUSHBUTTON "&Ask", 501, 5, 140, 30, 14
  PUSHBUTTON "&Nested", 502, 40, 140, 30, 14
END
)rc";

class Proc : public ui::DialogProc, public ui::KeyHook {
 public:
  explicit Proc(std::int32_t module, int depth) : module_(module), depth_(depth) {}
  void on_init(ui::Dialog& d) override {
    for (const char* item : {"Printing", "Editing", "Saving"}) d.add_item(401, item);
    d.add_item(402, "IDH_print");
    d.add_item(403, "Tab");
  }
  // Takes Tab in the title, as a form walks its fields.
  bool on_key(ui::Dialog& d, int id, ui::KeyPress key) override {
    if (id != 101 || key.key != ui::Key::tab) return false;
    d.set_focus(key.shift ? 402 : 103);
    return true;
  }
  void on_command(ui::Dialog& d, int id, ui::Notify notify) override {
    if (id == 501) {
      ui::host().message_box(d.handle(), "Sure?", "Fuzz", ui::kMbYesNoCancel);
      ui::FileDialogRequest request;
      ui::host().file_dialog(d.handle(), request);
      ui::CustomColours custom{};
      ui::host().choose_colour(d.handle(), 0, custom);
      return;
    }
    if (id == 502 && depth_ < 4) {
      Proc inner(module_, depth_ + 1);
      ui::host().run_modal(module_, "DLG_F", inner, d.handle());
      return;
    }
    ui::DialogProc::on_command(d, id, notify);
  }

 private:
  std::int32_t module_;
  int depth_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::root();
  static const std::int32_t module = ui::register_module("fuzz_ui", kScript);
  auto host = std::make_unique<ui::HeadlessHost>();
  ui::HeadlessHost& headless = *host;
  ui::set_host(std::move(host));
  headless.queue_script(fuzz::as_text(data, size));
  Proc proc(module, 0);
  for (int i = 0; i < 3 && !headless.pending_script().empty(); ++i)
    headless.run_modal(module, "DLG_F", proc, headless.main_window());
  return 0;
}
