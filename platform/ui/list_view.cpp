#include "platform/ui/list_view.h"

#include <string>

#include "platform/ui/host.h"

namespace ui {
namespace {

void note_call(const Dialog& dialog, const char* call, int list, int value) {
  if (HeadlessHost* headless_host = headless())
    headless_host->note(std::string(call) + " " + dialog.template_name() + " " + std::to_string(list) + " " +
                        std::to_string(value));
}

}  // namespace

void set_item_height(const Dialog& dialog, int list, int pixels) {
  if (auto* views = dynamic_cast<ListViews*>(&host())) return views->set_item_height(dialog.handle(), list, pixels);
  note_call(dialog, "itemheight", list, pixels);
}

void set_top_index(const Dialog& dialog, int list, int index) {
  if (auto* views = dynamic_cast<ListViews*>(&host())) return views->set_top_index(dialog.handle(), list, index);
  note_call(dialog, "topindex", list, index);
}

}  // namespace ui
