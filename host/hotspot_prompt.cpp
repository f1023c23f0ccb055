#include "host/hotspot_prompt.h"

#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "platform/ui/host.h"
#include "platform/ui/resources.h"
#include "resources/twhost.h"

extern const char tw_rc_twhost[];
extern const char* const tw_rc_twhost_files[];

namespace host {
namespace {

std::int32_t twhost_module() { return ui::register_module("twhost", tw_rc_twhost, tw_rc_twhost_files); }

class HotspotTextPrompt : public ui::DialogProc {
 public:
  void on_init(ui::Dialog& dialog) override { dialog.set_focus(IDC_HOTSPOT_TEXT); }
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == ui::kIdOk) text = std::string(text::trim(dialog.text(IDC_HOTSPOT_TEXT)));
    ui::DialogProc::on_command(dialog, id, notify);
  }
  std::string text;
};

}  // namespace

std::optional<std::string> ask_hotspot_text() {
  HotspotTextPrompt prompt;
  ui::Host& h = ui::host();
  if (h.run_modal(twhost_module(), "DLG_HOTSPOT_TEXT", prompt, h.main_window()) == 0) return std::nullopt;
  return prompt.text;
}

}  // namespace host
