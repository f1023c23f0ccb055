// The clean-up of every line of the word processor's HTML, in order: the
// export's habits removed, the style translations and web links applied.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "html/splitter/split_options.h"
#include "html/splitter/translations.h"

namespace html {

// What the clean-up carries from line to line.
struct CleanupState {
  bool list_item_since_kept_ol = true;  // an "<LI" was met since the last "<OL>" kept
  bool has_keywords = false;            // a keyword marker was met
};

// Cleans one line (or a line with its continuation lines) in place. Returns
// text that must be written before it (the start of a table translation).
std::string clean_line(std::string& line, const SplitOptions& options,
                       const std::vector<Translation>& translations, CleanupState& state);

// Step by step, for the clean-up and its tests.
void fix_footnote_links(std::string& line, std::string_view footnote_page);
void fix_lower_case(std::string& line, bool word97);
void collapse_spaces(std::string& line);
void remove_export_anchors(std::string& line);
void clean_word97_lists(std::string& line, const SplitOptions& options, CleanupState& state);
// "!!lfct" n "!!" and "!te" n into the translations' texts; returns the text
// to write out first (see clean_line).
std::string apply_translations(std::string& line, const std::vector<Translation>& translations,
                               bool word2000);
// "!!lfcp" text "!!" address "!pe!" into a link.
void apply_web_links(std::string& line, std::string_view target);

}  // namespace html
