// The keyword-jump options: the choices the project's option file keeps
// (section Project: KA kind, LT type, LC colour, LR prefix, LD not-found
// topic, LW window) and the "DLG_LINK_OPT" dialog that edits them.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "aids/link_text.h"
#include "platform/ui/dialog.h"
#include "resources/trvwck32/jumps.h"

namespace aids {
struct AidsState;
}

namespace aids {

inline constexpr size_t kNotFoundMax = 40;
inline constexpr size_t kLinkWindowMax = 10;

// What a new keyword jump starts with; a missing option file gives these.
struct LinkDefaults {
  bool klink = true;
  int type = 0;
  int colour = 0;
  std::string prefix = "%";
  std::string not_found;
  std::string window;
};

LinkDefaults ReadLinkDefaults(std::string_view option_file);
// "KA" alone: the kind the author used last.
void WriteLinkKind(std::string_view option_file, bool klink);
// "LT", "LC", "LD", "LW" and "LR" in one rewrite of the file.
void WriteLinkDefaults(std::string_view option_file, const LinkDefaults& defaults);

// The options of the link being edited. colour is -1 without custom colour.
struct LinkOptions {
  KeywordLink* link = nullptr;
  int colour = 0;
  bool picture = false;  // pictures and buttons keep their appearance
};

class LinkOptionsDialog : public ui::DialogProc {
 public:
  static constexpr int kJumpIfOne = IDC_LINK_OPT_JUMP_IF_ONE;
  static constexpr int kShowTitle = IDC_LINK_OPT_SHOW_TITLE;
  static constexpr int kAsDefaults = IDC_LINK_OPT_AS_DEFAULTS;
  static constexpr int kNotFound = IDC_LINK_OPT_NOT_FOUND;
  static constexpr int kWindow = IDC_LINK_OPT_WINDOW;
  static constexpr int kUnderline = IDC_LINK_OPT_UNDERLINE;
  static constexpr int kCustomColour = IDC_LINK_OPT_CUSTOM_COLOUR;
  static constexpr int kColour = IDC_LINK_OPT_COLOUR;
  static constexpr int kHelp = IDC_LINK_OPT_HELP;

  LinkOptionsDialog(AidsState& state, LinkOptions& options) : state_(state), options_(options) {}
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;

 private:
  void show_custom(ui::Dialog& dialog);
  void accept(ui::Dialog& dialog);
  AidsState& state_;
  LinkOptions& options_;
};

}  // namespace aids
