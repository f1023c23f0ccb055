#include "wizard/dialogs/colour_number_dialog.h"

#include <cstdio>

#include "html/driver/messages.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/twzhtml/wizard.h"

namespace wizard {
namespace {

long swap_red_blue(long colour) {
  return ((colour & 0xFF) << 16) | (colour & 0xFF00) | ((colour >> 16) & 0xFF);
}

class ColourNumberDialog : public ui::DialogProc {
 public:
  explicit ColourNumberDialog(long colour) : colour_(colour) {}

  void on_init(ui::Dialog& dialog) override {
    dialog.set_text(IDC_COLOUR_NUMBER_VALUE, colour_number_text(colour_));
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify) override {
    if (id == ui::kIdCancel) dialog.end(0);
    if (id != ui::kIdOk) return;
    if (std::optional<long> value = colour_from_number(dialog.text(IDC_COLOUR_NUMBER_VALUE))) {
      colour_ = *value;
      dialog.end(1);
    } else {
      dialog.set_focus(IDC_COLOUR_NUMBER_VALUE);  // not a colour: let the author fix it
    }
  }

  long colour() const { return colour_; }

 private:
  long colour_;
};

}  // namespace

std::string colour_number_text(long windows_colour) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "#%lX", swap_red_blue(windows_colour & 0xFFFFFF));
  return buffer;
}

std::optional<long> colour_from_number(std::string_view typed) {
  std::string_view digits = text::trim(typed);
  if (!digits.empty() && digits[0] == '#') digits.remove_prefix(1);
  if (digits.empty() || digits.size() > 6) return std::nullopt;
  long value = 0;
  for (char c : digits) {
    const int d = c >= '0' && c <= '9'   ? c - '0'
                  : c >= 'a' && c <= 'f' ? c - 'a' + 10
                  : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                         : -1;
    if (d < 0) return std::nullopt;
    value = value * 16 + d;
  }
  return swap_red_blue(value);
}

std::optional<long> ask_colour_number(std::int32_t owner, long windows_colour) {
  ColourNumberDialog proc(windows_colour);
  if (ui::host().run_modal(html::conversion_module(), "DLG_COLOUR_NUMBER", proc, owner) != 1) {
    return std::nullopt;
  }
  return proc.colour();
}

}  // namespace wizard
