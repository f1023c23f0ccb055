#include "assistant/entry_rules.h"

#include "platform/text.h"

namespace assistant {

namespace {

bool has_separator(std::string_view s) {
  return s.find_first_of("=|") != std::string_view::npos;
}

Refusal refuse(std::string_view message, int focus) { return {std::string(message), focus}; }

}  // namespace

std::optional<Refusal> check_required(const FormValues& values, IdSource mode) {
  if (mode == IdSource::include_file) {
    if (text::trim(values.topic_id).empty()) return refuse(kSelectIdText, kTopicIdList);
    return std::nullopt;
  }
  if (text::trim(values.dialog).empty()) return refuse(kDialogIdText, kDialogField);
  if (text::trim(values.control).empty()) return refuse(kControlIdText, kControlField);
  // A separator inside an identifier would split the stored entry wrongly.
  if (has_separator(values.dialog)) return refuse(kSeparatorText, kDialogField);
  if (has_separator(values.control)) return refuse(kSeparatorText, kControlField);
  // A context integer that is no number would reach the header file as it stands.
  if (!read_number(values.context)) return refuse(kContextText, kContextField);
  return std::nullopt;
}

std::string entry_of(const FormValues& values, IdSource mode) {
  if (mode == IdSource::include_file) return make_include_entry(text::trim(values.topic_id), values.popup);
  std::string number = std::to_string(*read_number(values.context));
  return make_entry(text::trim(values.dialog), text::trim(values.control), number, values.popup);
}

std::optional<Refusal> check_unique(const Model& model, std::string_view entry, int self) {
  std::string_view id = entry_id(entry);
  std::optional<long> number = entry_number(entry);
  bool numbered = model.mode != IdSource::include_file && number.has_value();
  for (int i = 0; i < model.count(); ++i) {
    if (i == self) continue;
    if (text::iequals(entry_id(model.entry(i)), id)) return refuse(kIdUsedText, kControlField);
  }
  if (!numbered) return std::nullopt;
  for (int i = 0; i < model.count(); ++i) {
    if (i == self) continue;
    if (entry_number(model.entry(i)) == number) return refuse(kNumberUsedText, kContextField);
  }
  return std::nullopt;
}

}  // namespace assistant
