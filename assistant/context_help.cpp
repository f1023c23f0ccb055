#include "assistant/context_help.h"

#include <array>

#include "assistant/app.h"
#include "assistant/test_run.h"
#include "platform/winhelp.h"

namespace assistant {
namespace {

// The help file maps each control's popup topic to the control's own id;
// the panel's and the form's ids do not overlap.
constexpr std::array kHelpedControls = {
    IDC_PANEL_ALWAYS_ON_TOP, IDC_PANEL_FIRST,    IDC_PANEL_PREVIOUS,     IDC_PANEL_COMMIT,
    IDC_PANEL_LAST,          IDC_PANEL_COMMIT_IN_PLACE, IDC_PANEL_DELETE, IDC_PANEL_HELP,
    IDC_PANEL_NEW,           IDC_PANEL_OPEN,     IDC_PANEL_SAVE,         IDC_PANEL_OPTIONS,
    IDC_PANEL_GENERATE,      IDC_PANEL_TEST,     IDC_PANEL_TABS,         IDC_FORM_DIALOG_FIELD,
    IDC_FORM_CONTROL_FIELD,  IDC_FORM_CONTEXT_FIELD, IDC_FORM_POPUP_FIELD, IDC_FORM_READ_VB,
    IDC_FORM_PASTE_VB,       IDC_FORM_TOPIC_ID_LIST,
};

}  // namespace

std::optional<int> control_help_context(int control) {
  for (int helped : kHelpedControls)
    if (helped == control) return control;
  return std::nullopt;
}

bool show_control_help(const Settings& settings, std::int32_t window, int control) {
  const std::optional<int> context = control_help_context(control);
  if (!context) return false;
  platform::win_help(window, program_help_path(settings), kHelpContextPopup, static_cast<std::uint32_t>(*context));
  return true;
}

}  // namespace assistant
