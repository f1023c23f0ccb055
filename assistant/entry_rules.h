// The checks an entry passes before it is added or changed: required fields
// first, then unique topic ID and (modes 0 and 1) unique context integer.
// A refusal names its message and the form field that gets the focus.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "assistant/model.h"
#include "resources/pointip.h"

namespace assistant {

// The entry form's fields (control ids of dialog 1001).
enum FormField : int {
  kDialogField = IDC_FORM_DIALOG_FIELD,
  kControlField = IDC_FORM_CONTROL_FIELD,
  kContextField = IDC_FORM_CONTEXT_FIELD,
  kPopupField = IDC_FORM_POPUP_FIELD,
  kTopicIdList = IDC_FORM_TOPIC_ID_LIST,
};

// What the author typed or chose in the entry form.
struct FormValues {
  std::string dialog, control, context, popup;
  std::string topic_id;  // mode 2: the chosen name
};

struct Refusal {
  std::string message;
  int focus = kControlField;
};

inline constexpr std::string_view kIdUsedText =
    "This Topic ID (context string) has already been used. You must assign a unique value.";
inline constexpr std::string_view kNumberUsedText =
    "This context integer has already been used. You must assign a unique value.";
inline constexpr std::string_view kSelectIdText = "You must select a Topic ID.";
inline constexpr std::string_view kDialogIdText =
    "You must enter a string for the dialog identifier portion of the Topic ID.";
inline constexpr std::string_view kControlIdText =
    "You must enter a string for the control identifier portion of the Topic ID.";
inline constexpr std::string_view kContextText = "You must enter a value for the context integer.";
inline constexpr std::string_view kSeparatorText =
    "A Topic ID cannot contain \"=\" or \"|\".";

// The fields an entry needs, checked in the form's order.
std::optional<Refusal> check_required(const FormValues& values, IdSource mode);
// The entry text the form's values make.
std::string entry_of(const FormValues& values, IdSource mode);
// Whether entry may stand in the model at position self (-1 for a new one):
// no other entry has the same topic ID (compared without case, as the help
// compiler does) or, in modes 0 and 1, the same context integer.
std::optional<Refusal> check_unique(const Model& model, std::string_view entry, int self);

}  // namespace assistant
