// Topic groups: EditGroup lets the user pick topics of the current document
// into an ordered group, to number them as a browse sequence and/or to have
// the word processor insert a list of jumps or pop-ups to them, one
// NextItem call per item.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ui/dialog.h"
#include "project/topics/topic_session.h"

namespace project {
struct ProjectState;
}

namespace project {

// EditGroup's results.
inline constexpr int kGroupCancelled = 0;
inline constexpr int kGroupDefined = 1;
inline constexpr int kGroupNumbered = 2;  // the group became a browse sequence too
// The list the word processor inserts, written into the second text.
inline constexpr std::string_view kListOfJumps = "YES";
inline constexpr std::string_view kListOfPopups = "POP";

// The third text gets the project's browse-buttons preference ("1"/"0");
// after OK the second text gets the list to insert. Returns a result above.
int EditGroup(ProjectState& state, std::int32_t window, std::string_view document, std::string& list,
              std::string& preference);
// The next group item: 1 with its context string and browse text, 0 at the
// end (the group is then released).
int NextItem(ProjectState& state, std::string& context, std::string& browse);

// "DLG_GROUP" ("Edit Topic Groups and Browse Sequences").
class GroupDialog : public ui::DialogProc {
 public:
  static constexpr int kTopics = 101;
  static constexpr int kUnsorted = 102;
  static constexpr int kByBrowse = 103;
  static constexpr int kByContext = 104;
  static constexpr int kAdd = 105;
  static constexpr int kRemove = 106;
  static constexpr int kClear = 107;
  static constexpr int kGroup = 108;
  static constexpr int kMoveUp = 109;
  static constexpr int kMoveDown = 110;
  static constexpr int kJumpList = 111;
  static constexpr int kPopupList = 112;
  static constexpr int kNoList = 113;
  static constexpr int kNumber = 114;
  static constexpr int kSequence = 115;
  static constexpr int kStart = 116;
  static constexpr int kIncrement = 117;

  explicit GroupDialog(ProjectState& state);
  void on_init(ui::Dialog& dialog) override;
  void on_command(ui::Dialog& dialog, int id, ui::Notify notify) override;
  // After OK: the list to insert ("YES", "POP" or "").
  const std::string& list() const { return list_; }

 private:
  void fill_topics(ui::Dialog& dialog, int order);
  void add_selected(ui::Dialog& dialog);
  void move(ui::Dialog& dialog, int step);
  bool accept(ui::Dialog& dialog);
  bool refuse(ui::Dialog& dialog, int message, int focus);
  void store(ui::Dialog& dialog, long start, long increment);

  ProjectState& state_;
  std::string list_;
};

}  // namespace project
