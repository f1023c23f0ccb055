// "DLG_WINPOS": the four numbers of a window's place, typed.
#pragma once
#include <optional>
#include <string_view>

#include "aids/window_units.h"
#include "platform/ui/dialog.h"

namespace core {
struct CoreState;
}

namespace aids {

class WindowPositionDialog : public ui::DialogProc {
 public:
  WindowPositionDialog(core::CoreState& state, UnitRect place) : state_(state), place_(place) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  // After OK: the place typed.
  UnitRect place() const { return place_; }

 private:
  core::CoreState& state_;
  UnitRect place_;
};

// A field's text as a unit: an integer 0-1023 and nothing else around it.
std::optional<int> parse_unit(std::string_view text);

}  // namespace aids
