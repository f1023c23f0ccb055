// The jump commands behind InsertJump, InsertDef and InsertMidTop.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"
#include "resources/trvwck32/jumps.h"

namespace aids {
struct AidsState;
}

namespace aids {

// Longest click text the dialog takes from the selection.
inline constexpr size_t kClickTextMax = 548;

// InsertJump (jump) and InsertDef (pop-up): the document becomes a topic file
// first (0 when refused). format holds, on entry, the colour of the hotspot
// being edited when no target is given. Returns the scope code after OK with
// click_text, target and format filled, else 0 with them as they came.
int InsertJumpCommand(AidsState& state, std::int32_t window, bool jump, std::string_view document,
                      std::string& click_text, std::string& target, std::string& format);

// InsertMidTop: a jump target in the middle of a topic. The author names a
// new context string (proposed from the selected text); it joins the topic
// table as a topic of the current document, so that jumps may name it, and
// comes back in `context` for the caller's "#" footnote. 1 after OK, else 0.
int InsertMidTopCommand(AidsState& state, std::int32_t window, std::string_view document,
                        std::string& context);

// The "DLG_MID_TOP" dialog: edit 101 holds the new context string.
class MidTopicDialog : public ui::DialogProc {
 public:
  static constexpr int kContext = IDC_MID_TOP_CONTEXT;
  MidTopicDialog(AidsState& state, std::string& context) : state_(state), context_(context) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  bool accept(ui::Dialog& dialog);
  AidsState& state_;
  std::string& context_;
};

}  // namespace aids
