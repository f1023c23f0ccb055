#include "aids/context_finder.h"

#include <algorithm>
#include <memory>

#include "aids/aids_state.h"
#include "core/messages.h"
#include "platform/text.h"
#include "platform/ui/host.h"
#include "resources/trvwck32/jumps.h"

namespace aids {
namespace {

constexpr int kPiece = IDC_CX_FIND_PIECE;
constexpr int kMatches = IDC_CX_FIND_MATCHES;
constexpr int kTargetContext = IDC_JUMP_CONTEXT;  // the jump dialog's context field

class ContextFinder : public ui::DialogProc {
 public:
  ContextFinder(const AidsState& state, ui::Handle target) : state_(state), target_(target) {}

  void on_init(ui::Dialog& dialog) override { refill(dialog); }

  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    if (id == kPiece && notify == ui::Notify::changed) return refill(dialog);
    if (id == ui::kIdOk || (id == kMatches && notify == ui::Notify::double_clicked)) {
      use(dialog);
      return dialog.end(1);
    }
    if (id == ui::kIdCancel) dialog.end(0);
  }

 private:
  void refill(ui::Dialog& dialog) {
    dialog.clear_items(kMatches);
    for (const auto& c : MatchingContexts(state_.data.topics, text::trim(dialog.text(kPiece))))
      dialog.add_item(kMatches, c);
    if (dialog.item_count(kMatches) > 0) dialog.set_selection(kMatches, 0);
  }

  // The target dialog may have gone meanwhile; then there is nothing to fill.
  void use(ui::Dialog& dialog) {
    const int at = dialog.selection(kMatches);
    ui::Dialog* target = ui::host().find_dialog(target_);
    if (at < 0 || !target) return;
    const std::string context = dialog.item_text(kMatches, at);
    const int item = target->find_item(kTargetContext, context);
    if (item >= 0) target->set_selection(kTargetContext, item);
    else target->set_text(kTargetContext, context);
  }

  const AidsState& state_;
  ui::Handle target_;
};

}  // namespace

std::vector<std::string> MatchingContexts(const project::TopicTable& topics, std::string_view piece) {
  std::vector<std::string> found;
  for (const auto& topic : topics) {
    if (topic.live() && text::icontains(topic.name(), piece)) found.emplace_back(topic.name());
  }
  std::sort(found.begin(), found.end(),
            [](const std::string& a, const std::string& b) { return text::to_lower(a) < text::to_lower(b); });
  return found;
}

ui::Handle OpenContextFinder(AidsState& state, ui::Handle target) {
  if (ui::Handle open = ui::host().find_window("DLG_CX_FIND"); open != 0) ui::host().destroy_window(open);
  return ui::host().create_modeless(core::authoring_module(), "DLG_CX_FIND",
                                    std::make_unique<ContextFinder>(state, target), target);
}

}  // namespace aids
