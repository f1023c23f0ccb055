#include "wizard/dialogs/nav_button_dialog.h"

#include <algorithm>

#include "html/driver/messages.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/twzhtml/options.h"
#include "wizard/dialogs/wizard_texts.h"
#include "wizard/limits.h"

namespace wizard {
namespace {

constexpr const char* kTypes[] = {"Home", "Contents", "Index", "E-mail", "Next", "Previous", "Custom"};

bool automatic_address(int type) {
  return type == static_cast<int>(ButtonType::next) || type == static_cast<int>(ButtonType::previous);
}

class NavButtonDialog : public ui::DialogProc {
 public:
  NavButtonDialog(NavButton& button, bool text_buttons) : button_(button), text_buttons_(text_buttons) {}

  void on_init(ui::Dialog& dialog) override {
    for (const char* type : kTypes) dialog.add_item(IDC_BUTTON_TYPE, type);
    dialog.set_selection(IDC_BUTTON_TYPE, button_.type);
    dialog.set_text(IDC_BUTTON_TEXT, button_.alt_text);
    dialog.set_text(IDC_BUTTON_GRAPHIC, button_.graphic);
    dialog.set_text(IDC_BUTTON_URL, automatic_address(button_.type) ? std::string() : button_.url);
    for (int k = 0; k < kPageKinds; ++k) {
      dialog.set_check(IDC_BUTTON_KINDS + k, button_.kinds[static_cast<std::size_t>(k)]);
    }
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify) override {
    if (id == ui::kIdCancel) dialog.end(0);
    if (id == ui::kIdOk) ok(dialog);
  }

 private:
  std::string field(const ui::Dialog& dialog, int id) {
    return text::cut(text::trim(dialog.text(id)), kPathCut);
  }

  bool complain(ui::Dialog& dialog, int message, int focus) {
    html::show_message(html::resource_string(message));
    dialog.set_focus(focus);
    return false;
  }

  bool valid(ui::Dialog& dialog, const NavButton& b) {
    if (b.alt_text.empty()) return complain(dialog, kStrNoButtonText, IDC_BUTTON_TEXT);
    if (!text_buttons_ && b.graphic.empty()) return complain(dialog, kStrNoButtonGraphic, IDC_BUTTON_GRAPHIC);
    if (!automatic_address(b.type) && b.url.empty()) return complain(dialog, kStrNoButtonUrl, IDC_BUTTON_URL);
    return true;
  }

  void ok(ui::Dialog& dialog) {
    NavButton b = button_;
    b.alt_text = field(dialog, IDC_BUTTON_TEXT);
    b.graphic = field(dialog, IDC_BUTTON_GRAPHIC);
    b.type = std::max(0, dialog.selection(IDC_BUTTON_TYPE));
    b.url = automatic_address(b.type) ? std::string(kAutomaticUrl) : field(dialog, IDC_BUTTON_URL);
    for (int k = 0; k < kPageKinds; ++k) {
      b.kinds[static_cast<std::size_t>(k)] = dialog.check(IDC_BUTTON_KINDS + k) ? 1 : 0;
    }
    if (!valid(dialog, b)) return;
    button_ = b;
    dialog.end(1);
  }

  NavButton& button_;
  bool text_buttons_;
};

}  // namespace

bool edit_nav_button(std::int32_t owner, NavButton& button, bool text_buttons) {
  NavButtonDialog proc(button, text_buttons);
  return ui::host().run_modal(html::conversion_module(), "DLG_NAVBUTTON", proc, owner) == 1;
}

}  // namespace wizard
