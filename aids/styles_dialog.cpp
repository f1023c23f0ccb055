#include "aids/styles_dialog.h"

#include <array>
#include <sstream>

#include "aids/bullet_dialog.h"
#include "core/help_commands.h"
#include "core/messages.h"
#include "core/settings.h"
#include "platform/profile.h"
#include "platform/text.h"
#include "platform/ui/dialog.h"
#include "platform/ui/host.h"
#include "project/project_state.h"
#include "project/topics/project_document.h"
#include "resources/trvwck32/pictures.h"

namespace aids {

namespace {

constexpr int kIdHelp = 9;
constexpr int kOptionRoom = 20;
constexpr std::string_view kOptionSection = "Project";

// The size fields in the order of the caller's text.
constexpr std::array<int, 4> kSizeFields = {IDC_STYLES_TOPIC_FIELD, IDC_STYLES_POPUP_FIELD,
                                            IDC_STYLES_NORMAL_FIELD, IDC_STYLES_SECTION_FIELD};

struct StyleSet {
  std::array<std::string, 4> sizes;
  std::string bullet_indent, number_indent, separator;
};

const StyleSet kWindows31 = {{"12", "12", "10", "10"}, ".25\"", ".25\"", "."};
const StyleSet kWindows95 = {{"8", "8", "8", "8"}, ".15\"", ".15\"", ""};

std::string without_blanks(std::string_view text) {
  std::string out(text);
  std::erase(out, ' ');
  return out;
}

class StylesDialog : public ui::DialogProc {
 public:
  StylesDialog(project::ProjectState& state, StyleSet styles) : state_(state), styles_(std::move(styles)) {}

  void on_init(ui::Dialog& dialog) override {
    show(dialog, styles_);
    dialog.set_check(IDC_STYLES_CURRENT_RADIO, 1);
  }

  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override {
    switch (id) {
      case IDC_STYLES_WIN31_BUTTON: return show(dialog, kWindows31);
      case IDC_STYLES_WIN95_BUTTON: return show(dialog, kWindows95);
      case IDC_STYLES_BULLET_STYLE:
        SelectBullet(state_, dialog.handle());
        return;
      case kIdHelp:
        core::ProductHelpContext(state_, dialog.handle(), kStylesHelpContext);
        return;
      case ui::kIdOk: return accept(dialog);
      default: ui::DialogProc::on_command(dialog, id, notify);
    }
  }

  const StyleSet& styles() const { return styles_; }

 private:
  static void show(ui::Dialog& dialog, const StyleSet& styles) {
    for (std::size_t i = 0; i < kSizeFields.size(); ++i) dialog.set_text(kSizeFields[i], styles.sizes[i]);
    dialog.set_text(IDC_STYLES_BULLET_INDENT, styles.bullet_indent);
    dialog.set_text(IDC_STYLES_NUMBER_INDENT, styles.number_indent);
    dialog.set_text(IDC_STYLES_SEPARATOR, styles.separator);
  }

  void accept(ui::Dialog& dialog) {
    for (std::size_t i = 0; i < kSizeFields.size(); ++i)
      styles_.sizes[i] = std::string(text::trim(dialog.text(kSizeFields[i])));
    styles_.bullet_indent = without_blanks(dialog.text(IDC_STYLES_BULLET_INDENT));
    styles_.number_indent = without_blanks(dialog.text(IDC_STYLES_NUMBER_INDENT));
    styles_.separator = text::cut(text::trim(dialog.text(IDC_STYLES_SEPARATOR)), 1);
    const std::string options = core::option_file_path(state_.project_path);
    platform::write_profile_string(kOptionSection, kBulletIndentKey, styles_.bullet_indent, options);
    platform::write_profile_string(kOptionSection, kNumberIndentKey, styles_.number_indent, options);
    platform::write_profile_string(kOptionSection, kNumberSeparatorKey, styles_.separator, options);
    dialog.end(dialog.check(IDC_STYLES_CURRENT_RADIO + 1) == 1 ? 2 : 1);
  }

  project::ProjectState& state_;
  StyleSet styles_;
};

// The caller's sizes and the option file's indents and separator.
StyleSet current_styles(const project::ProjectState& state, std::string_view sizes) {
  StyleSet styles = kWindows31;
  std::istringstream in{std::string(sizes)};
  for (std::string& size : styles.sizes) {
    std::string word;
    if (in >> word) size = word;
  }
  const std::string options = core::option_file_path(state.project_path);
  styles.bullet_indent = platform::get_profile_string(kOptionSection, kBulletIndentKey, kDefaultIndent, kOptionRoom, options);
  styles.number_indent = platform::get_profile_string(kOptionSection, kNumberIndentKey, kDefaultIndent, kOptionRoom, options);
  styles.separator = platform::get_profile_string(kOptionSection, kNumberSeparatorKey, ".", kOptionRoom, options);
  return styles;
}

}  // namespace

int TWStyles(project::ProjectState& state, std::int32_t window, std::string& sizes, std::string& separator,
             std::string_view document) {
  if (!document.empty() && !project::CheckProjectDocument(state, document)) return 0;
  StylesDialog dialog(state, current_styles(state, sizes));
  const int result = ui::host().run_modal(core::authoring_module(), "DLG_STYLES", dialog,
                                          core::dialog_owner(state, window));
  if (result == 0) return 0;
  const StyleSet& s = dialog.styles();
  sizes = s.sizes[0] + " " + s.sizes[1] + " " + s.sizes[2] + " " + s.sizes[3] + " " + s.bullet_indent + " " +
          s.number_indent;
  separator = s.separator;
  return result;
}

}  // namespace aids
