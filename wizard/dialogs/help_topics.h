// The topics of the wizard's own help file ("Locations"/"help file") that
// the wizard's dialogs open with their Help buttons; the numbers are the
// product help's (formats/help_contexts.h).
#pragma once
#include <cstdint>

#include "formats/help_contexts.h"
#include "wizard/library_settings.h"

namespace wizard::help_topic {

inline constexpr int kStart = help_contexts::kWizardStart;
inline constexpr int kHeadCode = help_contexts::kHeadCode;
inline constexpr int kCssExamples = help_contexts::kHeadCodeExamples;
// The option dialogs, in the order of their exports.
inline constexpr int kNavButtons = help_contexts::kWizardNavigation;
inline constexpr int kPageLayout = help_contexts::kWizardLayout;
inline constexpr int kTableFormat = help_contexts::kWizardTables;
inline constexpr int kPageProperties = help_contexts::kWizardPageProperties;
inline constexpr int kHtmlHelpToc = help_contexts::kWizardHtmlHelpOptions;
inline constexpr int kToc = help_contexts::kWizardContents;
inline constexpr int kIndex = help_contexts::kWizardIndex;
inline constexpr int kHtmlHelpIndex = help_contexts::kWizardHtmlHelpIndex;
inline constexpr int kHeadings = help_contexts::kWizardHeadings;
inline constexpr int kCrossReferences = help_contexts::kWizardCrossReferences;
inline constexpr int kTranslations = help_contexts::kWizardTranslations;
inline constexpr int kAdvanced = help_contexts::kWizardAdvanced;

}  // namespace wizard::help_topic

namespace wizard {

// Opens topic of the wizard's help file in the help viewer; nothing happens
// when the settings name no help file or the topic is 0.
void show_help_topic(const LibrarySettings& library, std::int32_t owner, int topic);

}  // namespace wizard
