#include "html/driver/messages.h"
#include "resources/twzhtml/wizard.h"
#include "wizard/dialogs/wizard_entry.h"

namespace wizard {

ui::ProgressTemplate wizard_progress_template() {
  return {html::conversion_module(), "DLG_WIZ_PROGRESS", IDC_WIZ_PROGRESS_METER};
}

}  // namespace wizard
