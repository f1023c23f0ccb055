#include "contents/title_updates.h"

#include "contents/contents_file.h"
#include "platform/files.h"
#include "platform/text.h"

namespace contents {

size_t retarget_entries(ContentsModel& model, std::string_view old_context, std::string_view new_context,
                        std::string_view new_title) {
  if (text::trim(old_context).empty()) return 0;
  size_t changed = 0;
  for (auto& entry : model.file.entries) {
    if (!entry.is_topic() || entry.is_macro()) continue;
    const std::string_view target = entry.target();
    const size_t context_end = target.find_first_of("@>");
    if (context_end != std::string_view::npos && target[context_end] == '@') continue;  // another help file
    if (!text::iequals(target.substr(0, context_end), text::trim(old_context))) continue;
    const std::string rest(context_end == std::string_view::npos ? std::string_view() : target.substr(context_end));
    const std::string context(new_context.empty() ? target.substr(0, context_end) : text::trim(new_context));
    const std::string title(new_title.empty() ? entry.title() : new_title);
    entry.text = title + "\t" + context + rest;
    ++changed;
  }
  return changed;
}

bool update_title_or_cx(std::string_view path, std::string_view old_context, std::string_view new_context,
                        std::string_view new_title) {
  ContentsModel model;
  if (!load_contents(model, path)) return true;
  if (retarget_entries(model, old_context, new_context, new_title) == 0) return true;
  return save_contents(model, path);
}

}  // namespace contents
