#include "aids/keyword_entry.h"

#include "aids/aids_state.h"
#include "aids/keyword_list_window.h"
#include "core/help_commands.h"
#include "core/messages.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace aids {
namespace {

// The project's extra keyword-footnote letters beyond K and A (at most five).
constexpr size_t kExtraLettersMax = 5;

class KeywordEntryDialog : public ui::DialogProc {
 public:
  KeywordEntryDialog(AidsState& state, std::string& text, char letter)
      : state_(state), text_(text), letter_(letter) {}

  void on_init(ui::Dialog& dialog) override {
    dialog.set_text(kKeyTextField, text_);
    dialog.add_item(kKeyTypeList, "K");
    dialog.add_item(kKeyTypeList, "A");
    size_t extra = 0;
    for (char c : state_.data.project.multikey_chars) {
      if (c == 'K' || c == 'A' || extra == kExtraLettersMax) continue;
      dialog.add_item(kKeyTypeList, std::string(1, c));
      ++extra;
    }
    dialog.set_selection(kKeyTypeList, letter_ == 'A' ? 1 : 0);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify) override {
    switch (id) {
      case ui::kIdOk: accept(dialog); break;
      case ui::kIdCancel: dialog.end(0); break;
      case kKeyDeleteButton: dialog.end(kKeyDeleted); break;
      case kKeyHelpButton: core::ProductHelpContext(state_, dialog.handle(), kKeyHelpContext); break;
      case kKeyGlobalListButton: open_keyword_list(dialog); break;
      default: break;
    }
  }

 private:
  void accept(ui::Dialog& dialog) {
    int chosen = dialog.selection(kKeyTypeList);
    std::string letter = chosen < 0 ? std::string(1, letter_) : dialog.item_text(kKeyTypeList, chosen);
    text_ = letter + text::cut(dialog.text(kKeyTextField), kKeyTextMax);
    dialog.end(1);
  }

  // The list adds to this dialog's keywords; it takes the chosen letter's kind.
  void open_keyword_list(ui::Dialog& dialog) {
    int chosen = dialog.selection(kKeyTypeList);
    core::KeywordListRequest request;
    request.owner = dialog.handle();
    request.target_window = dialog.handle();
    request.target_control = kKeyTextField;
    request.a_kind = chosen >= 0 ? dialog.item_text(kKeyTypeList, chosen) == "A" : letter_ == 'A';
    OpenKeywordList(state_, request);
  }

  AidsState& state_;
  std::string& text_;
  char letter_;
};

}  // namespace

std::string KeywordSelection(std::string_view selection) {
  size_t end = 0;
  while (end < selection.size() && static_cast<unsigned char>(selection[end]) >= 0x20 && selection[end] != 0x7F)
    ++end;
  return std::string(text::trim(selection.substr(0, end)));
}

int InsertKeyword(AidsState& state, std::int32_t window, std::string& text, std::string_view kind_text) {
  const std::int32_t owner = core::dialog_owner(state, window);
  std::string edited = KeywordSelection(text);
  KeywordEntryDialog dialog(state, edited, !kind_text.empty() && kind_text.front() == 'A' ? 'A' : 'K');
  int result = ui::host().run_modal(core::authoring_module(), "DLG_KEY", dialog, owner);
  if (result == 1) text = edited;
  return result;
}

}  // namespace aids
