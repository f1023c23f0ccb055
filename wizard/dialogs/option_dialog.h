// The option dialogs share one procedure: a page describes which control
// shows which option, what must hold before OK is taken, and what else OK
// does. The dialog edits a copy of the project; the project is saved only
// when OK changed something.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"
#include "wizard/conversion_state.h"
#include "wizard/limits.h"

namespace wizard {

// How a control shows an option.
enum class Bind {
  check,     // check box: 0/1
  radio,     // radio buttons from id on, count of them: the index chosen
  number,    // edit field holding a number
  text,      // edit field or combo text
  choice,    // list or combo: the index of the chosen item
  colour,    // colour button: opens the colour chooser; id + kColourNumberOffset by number
};

// The button beside a colour button that asks for the colour by number.
inline constexpr int kColourNumberOffset = 50;

// A page may edit one of several records of a kind (a heading level, a page
// kind); the accessors receive which one the selector shows.
using NumberOption = int& (*)(ProjectSettings&, int record);
using TextOption = std::string& (*)(ProjectSettings&, int record);
using ColourOption = long& (*)(ProjectSettings&, int record);

struct Binding {
  int id = 0;
  Bind kind = Bind::check;
  NumberOption number = nullptr;
  TextOption text = nullptr;
  ColourOption colour = nullptr;
  int count = 0;              // radio buttons
  std::size_t cut = kTextCut; // text fields
};

// What stops OK: the message (a string resource) and the control to fix.
struct Complaint {
  int message = 0;
  int focus = 0;
};

struct OptionPage {
  std::string_view template_name;
  std::span<const Binding> bindings;
  // The list whose selection picks the record the bindings edit (0: none).
  int selector = 0;
  // Fills lists and adjusts the working copy before the options are shown.
  void (*prepare)(ui::Dialog& dialog, const ConversionState& state, ProjectSettings& work) = nullptr;
  // Checks the edited project (against the one loaded) before OK is taken.
  std::optional<Complaint> (*check)(const ProjectSettings& edited, const ProjectSettings& loaded,
                                    const ui::Dialog& dialog) = nullptr;
  // Runs after OK was taken: derived keys, settings outside the project.
  bool (*finish)(ConversionState& state, ui::Dialog& dialog) = nullptr;
  // Commands of the page's own controls (any id the bindings do not take),
  // with the working copy they may edit.
  void (*command)(ui::Dialog& dialog, ConversionState& state, ProjectSettings& work, int id) = nullptr;
  // Adjusts the controls to the record the selector shows.
  void (*show_record)(ui::Dialog& dialog, int record) = nullptr;
  // The topic of the wizard's help file that the Help button opens.
  int help_topic = 0;
};

// Loads the project, runs the page's dialog over owner and saves the project
// when OK changed it. Returns 1; with hidden_cancel the dialog is cancelled
// as soon as it opens (only the load happens).
int run_option_page(ConversionState& state, const OptionPage& page, std::int32_t owner,
                    bool hidden_cancel = false);

// The pages of the option exports.
const OptionPage& nav_buttons_page();
const OptionPage& layout_page();
const OptionPage& table_page();
const OptionPage& document_page();
const OptionPage& html_help_toc_page();
const OptionPage& toc_page();
const OptionPage& index_page();
const OptionPage& html_help_index_page();
const OptionPage& headings_page();
const OptionPage& cross_references_page();
const OptionPage& advanced_page();

}  // namespace wizard
