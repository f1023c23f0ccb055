#include "aids/hotspot_companion.h"

#include <memory>

#include "aids/aids_state.h"
#include "aids/macro_editor.h"
#include "aids/related_targets.h"
#include "core/messages.h"
#include "platform/foreign_windows.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "platform/ui/window_state.h"
#include "resources/trvwck32/project.h"

namespace aids {

namespace {

// The Hotspot Editor's windows that take a binding.
const std::vector<std::string> kEditorWindows = {"Attributes", "Preferences"};

class HotspotCompanion : public ui::DialogProc {
 public:
  explicit HotspotCompanion(AidsState& state) : state_(state) {}

  void on_init(ui::Dialog& dialog) override {
    contexts_ = project_context_strings(state_, "");
    for (const std::string& context : contexts_) dialog.add_item(IDC_CX_CONTEXT_LIST, context);
    for (const auto& window : state_.data.windows) dialog.add_item(IDC_CX_WINDOW, window.name);
    ui::set_topmost(dialog.handle(), true);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    switch (id) {
      case IDC_CX_FIND: return find(dialog);
      case IDC_CX_CONTEXT_LIST:
        if (notify == ui::Notify::double_clicked) hand_over_context(dialog);
        return;
      case IDC_CX_MACRO: return hand_over_macro(dialog);
      case ui::kIdOk:
      case ui::kIdCancel: return dialog.end(0);
      default: return;
    }
  }

 private:
  void find(ui::Dialog& dialog) {
    const std::string piece(text::trim(dialog.text(IDC_CX_SEARCH)));
    if (piece.empty()) return;
    const int at = find_next_item(contexts_, piece, dialog.selection(IDC_CX_CONTEXT_LIST));
    if (at >= 0) dialog.set_selection(IDC_CX_CONTEXT_LIST, at);
  }

  void hand_over_context(ui::Dialog& dialog) {
    const int at = dialog.selection(IDC_CX_CONTEXT_LIST);
    if (at < 0) return;
    const std::string window(text::trim(dialog.text(IDC_CX_WINDOW)));
    platform::paste_into_titled_window(kEditorWindows,
                                       companion_binding(dialog.item_text(IDC_CX_CONTEXT_LIST, at), window));
  }

  void hand_over_macro(ui::Dialog& dialog) {
    std::string macro;
    if (EditMacros(state_, dialog.handle(), MacroMode::hotspot, macro) != 1) return;
    std::string_view bare = text::trim(macro);
    if (!bare.empty() && bare.front() == '!') bare.remove_prefix(1);
    if (!bare.empty()) platform::paste_into_titled_window(kEditorWindows, bare);
  }

  AidsState& state_;
  std::vector<std::string> contexts_;
};

}  // namespace

std::string companion_binding(std::string_view context, std::string_view window) {
  std::string binding(text::trim(context));
  if (!text::trim(window).empty()) binding += ">" + std::string(text::trim(window));
  return binding;
}

int find_next_item(const std::vector<std::string>& items, std::string_view piece, int after) {
  const int count = static_cast<int>(items.size());
  for (int step = 1; step <= count; ++step) {
    const int at = ((after < 0 ? -1 : after) + step) % count;
    if (text::icontains(items[static_cast<std::size_t>(at)], piece)) return at;
  }
  return -1;
}

ui::Handle OpenHotspotCompanion(AidsState& state, ui::Handle owner) {
  if (ui::Handle open = ui::host().find_window("DLG_CX"); open != 0) ui::host().destroy_window(open);
  return ui::host().create_modeless(core::authoring_module(), "DLG_CX", std::make_unique<HotspotCompanion>(state),
                                    owner);
}

}  // namespace aids
