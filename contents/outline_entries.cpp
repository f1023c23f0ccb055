#include "contents/outline_entries.h"

#include <algorithm>

#include "contents/entry_fields.h"
#include "platform/paths.h"

namespace contents {
namespace {

constexpr int kFirstHeading = 2;

int heading_level_within(int level, int deepest) {
  return level < kFirstHeading || level > deepest ? kFirstHeading : level;
}

void set_level(ContentsModel& model, size_t index, int level) {
  model.file.entries[index].level = level;
  model.states[index] = initial_state(model.file.entries[index]);
}

}  // namespace

OutlineKind outline_kind(const CntEntry& entry) {
  if (entry.level == 1) return entry.target() == external_target ? OutlineKind::external_document : OutlineKind::document;
  return entry.is_topic() ? OutlineKind::topic_heading : OutlineKind::heading;
}

bool is_document(const CntEntry& entry) { return entry.level == 1; }

void start_outline(ContentsModel& model) {
  start_model(model);
  append_entry(model, make_document_entry(kFirstDocument, false));
}

std::string document_file_name(std::string_view name) {
  // Only the name's own extension goes, not a dot of its folder.
  const std::string_view file = platform::file_name_of(name);
  const auto dot = file.rfind('.');
  const std::string_view stem = dot == std::string_view::npos ? name : name.substr(0, name.size() - file.size() + dot);
  return std::string(stem) + ".doc";
}

CntEntry make_document_entry(std::string_view name, bool external) {
  std::string text = document_file_name(name) + "\t";
  if (external) text += external_target;
  return CntEntry{1, std::move(text), false};
}

CntEntry make_heading_entry(std::string_view heading, std::string_view context, int level) {
  std::string text(heading);
  if (!context.empty()) {
    if (text.empty()) text = "# {" + std::string(context) + "}";
    text += "\t" + std::string(context);
  }
  return CntEntry{level, std::move(text), false};
}

int new_heading_level(const ContentsModel& model, std::optional<size_t> anchor) {
  return heading_level_within(anchor ? entry_at(model, *anchor).level : 1, kOutlineDeepest);
}

// A topic's body goes no deeper than the ninth level.
int new_outline_topic_level(const ContentsModel& model, std::optional<size_t> anchor) {
  return heading_level_within(anchor ? entry_at(model, *anchor).level : 1, kOutlineDeepest - 1);
}

bool is_external_document_at(const ContentsModel& model, std::optional<size_t> anchor) {
  return anchor && *anchor < entry_count(model) &&
         outline_kind(entry_at(model, *anchor)) == OutlineKind::external_document;
}

void shift_outline_entries(ContentsModel& model, const Selection& selection, int by) {
  for (const size_t index : selection) {
    if (index >= entry_count(model) || is_document(entry_at(model, index))) continue;
    set_level(model, index, heading_level_within(entry_at(model, index).level + by, kOutlineDeepest));
  }
}

void set_heading_level_two(ContentsModel& model, const Selection& selection) {
  for (const size_t index : selection) {
    if (index < entry_count(model) && !is_document(entry_at(model, index))) set_level(model, index, kFirstHeading);
  }
}

std::optional<OutlineProblem> check_outline(const ContentsModel& model) {
  bool in_external = false;
  for (size_t i = 0; i < entry_count(model); ++i) {
    const auto& entry = entry_at(model, i);
    if (i == 0 && !is_document(entry)) return OutlineProblem{i, kMsgOutsideDocument};
    if (is_document(entry)) {
      in_external = outline_kind(entry) == OutlineKind::external_document;
    } else if (in_external) {
      return OutlineProblem{i, kMsgExternalHoldsNothing};
    }
  }
  return std::nullopt;
}

void import_contents(ContentsModel& outline, const formats::CntFile& contents) {
  start_outline(outline);
  for (const auto& entry : contents.entries) {
    if (entry.include) continue;
    // The deepest contents books still land inside a document.
    const int level = std::min(entry.level + 1, kOutlineDeepest);
    std::string context;
    // A macro runs in the help viewer; it names no topic of the manual.
    if (entry.is_topic() && !entry.is_macro()) {
      const std::string_view target = entry.target();
      context = std::string(target.substr(0, target.find_first_of(">@")));
    }
    CntEntry imported{level, std::string(entry.title()), false};
    if (!context.empty()) imported.text += "\t" + context;
    append_entry(outline, std::move(imported));
  }
}

}  // namespace contents
