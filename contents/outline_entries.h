// The outline's entry rules on the contents model: level 1 is a document
// (its target "*ext*" for an external one), levels 2-10 are headings, a
// heading with a target carries that topic's body.
#pragma once
#include <optional>
#include <string>
#include <string_view>

#include "contents/contents_edit.h"
#include "formats/cnt_file.h"

namespace contents {

inline constexpr int kOutlineDeepest = 10;
inline constexpr std::string_view kFirstDocument = "main.doc";

enum class OutlineKind { document, external_document, heading, topic_heading };
OutlineKind outline_kind(const CntEntry& entry);
bool is_document(const CntEntry& entry);

// A fresh outline: the one document "main.doc".
void start_outline(ContentsModel& model);

// The document's file name: the name with the extension ".doc".
std::string document_file_name(std::string_view name);
CntEntry make_document_entry(std::string_view name, bool external);
// A heading, with the topic's context string when it has one. A heading
// left empty beside a context string stands for that topic's title.
CntEntry make_heading_entry(std::string_view heading, std::string_view context, int level);

// Levels of new entries after the anchor: the anchor's, else 2.
int new_heading_level(const ContentsModel& model, std::optional<size_t> anchor);
int new_outline_topic_level(const ContentsModel& model, std::optional<size_t> anchor);
bool is_external_document_at(const ContentsModel& model, std::optional<size_t> anchor);

// Headings one level out or in, kept within 2-10 (outside, 2); documents
// stay. set_heading_level_two: every selected heading to level 2.
void shift_outline_entries(ContentsModel& model, const Selection& selection, int by);
void set_heading_level_two(ContentsModel& model, const Selection& selection);

// What keeps an outline from being saved: the entry and its message.
struct OutlineProblem {
  size_t index = 0;
  int message = 0;
};
inline constexpr int kMsgExternalHoldsNothing = 60;
inline constexpr int kMsgOutsideDocument = 61;
std::optional<OutlineProblem> check_outline(const ContentsModel& model);

// Rebuilds the outline from a contents file: "main.doc" first, then every
// entry one level deeper, its target without window and help file. Header
// lines and includes bring nothing.
void import_contents(ContentsModel& outline, const formats::CntFile& contents);

}  // namespace contents
