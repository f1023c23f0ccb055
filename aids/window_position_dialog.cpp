#include "aids/window_position_dialog.h"

#include <string>

#include "aids/window_editor.h"
#include "core/messages.h"
#include "platform/text.h"
#include "resources/trvwck32/windows.h"

namespace aids {
namespace {

struct Field {
  int id;
  int UnitRect::*value;
};
constexpr Field kFields[] = {{IDC_WINPOS_X, &UnitRect::x},
                             {IDC_WINPOS_W, &UnitRect::width},
                             {IDC_WINPOS_Y, &UnitRect::y},
                             {IDC_WINPOS_H, &UnitRect::height}};

}  // namespace

std::optional<int> parse_unit(std::string_view text) {
  const std::string_view digits = text::trim(text);
  if (digits.empty() || digits.size() > 4) return std::nullopt;
  int value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  if (value > kUnitMax) return std::nullopt;
  return value;
}

void WindowPositionDialog::on_init(ui::Dialog& dialog) {
  for (const Field& f : kFields) dialog.set_text(f.id, std::to_string(place_.*f.value));
}

void WindowPositionDialog::on_command(ui::Dialog& dialog, int id, ui::Notify notify) {
  if (id != ui::kIdOk) return ui::DialogProc::on_command(dialog, id, notify);
  UnitRect typed;
  for (const Field& f : kFields) {
    auto value = parse_unit(dialog.text(f.id));
    if (!value) {
      core::show_message(state_, core::resource_string(kWindowRangeText), ui::kMbOk | ui::kMbIconExclamation);
      dialog.set_focus(f.id);
      return;
    }
    typed.*f.value = *value;
  }
  place_ = typed;
  dialog.end(1);
}

}  // namespace aids
