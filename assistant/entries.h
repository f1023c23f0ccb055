// One entry of the assistant: a single text "ID=NUMBER|POPUP TEXT" (modes 0
// and 1, where ID is "DIALOG_CONTROL" without the "IDH_" prefix) or
// "ID=--|POPUP TEXT" (mode 2, an ID from the include file).
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace assistant {

// Where topic IDs come from.
enum class IdSource { manual = 0, visual_basic = 1, include_file = 2 };

inline constexpr std::string_view kIdPrefix = "IDH_";

// The topic ID as stored: everything before the first "=" (the whole text
// when there is none).
std::string_view entry_id(std::string_view entry);
// The text between the first "=" and the "|" after it (to the end when there
// is no "|"); "" when there is no "=".
std::string_view entry_context(std::string_view entry);
// The popup text after that "|"; "" when there is none.
std::string_view entry_popup(std::string_view entry);
// True when the entry has both "=" and a "|" after it.
bool entry_complete(std::string_view entry);
// The context integer as a number, when the context part is one.
std::optional<long> entry_number(std::string_view entry);
// The topic ID as shown and written: "IDH_" and the ID, or in mode 2 the ID.
std::string shown_id(std::string_view entry, IdSource mode);

// Reads a decimal number as "%ld" does: blanks, an optional sign and digits,
// ignoring what follows; nullopt when no digit starts it.
std::optional<long> read_number(std::string_view text);

// Builds the entry text of a form.
std::string make_entry(std::string_view dialog, std::string_view control,
                       std::string_view context, std::string_view popup);
std::string make_include_entry(std::string_view id, std::string_view popup);

// The dialog and control identifiers of a mode 0 or 1 ID ("DLG_CTL" splits
// at its first "_"; an ID without "_" is all dialog).
struct IdParts {
  std::string dialog, control;
};
IdParts split_id(std::string_view id);

}  // namespace assistant
