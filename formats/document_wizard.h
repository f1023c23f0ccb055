// The document wizard's start, which both libraries export in the same
// shape (InitDocWiz, InitWizProgress, WizProgress): the wizard's starting
// document put beside the caller's document, and the caller-driven progress
// counter. Each library keeps its own counter and progress template; the
// steps are the same.
#pragma once
#include <cstdint>
#include <string_view>

#include "platform/ui/progress_window.h"

namespace formats {

// Puts the starting document "wiz_init.doc" into the folder of path (a copy
// of "wiz_init.mst" from main_directory) unless it is there already.
// Returns 0 when count is -2 (the caller's "do nothing"), else 1.
int prepare_document_wizard(std::string_view main_directory, std::string_view path, int count);

// InitDocWiz: prepares the starting document, then resets the counter with
// count as its maximum. 0 when count is -2 (nothing happens), else 1.
std::int32_t init_document_wizard(ui::ProgressCounter& progress, std::string_view main_directory,
                                  std::string_view path, std::int32_t count);

// InitWizProgress: resets the counter with maximum. Returns 1.
std::int32_t init_wizard_progress(ui::ProgressCounter& progress, std::int32_t maximum);

}  // namespace formats
