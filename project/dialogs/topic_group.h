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
#include "resources/trvwck32/topics.h"

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
  static constexpr int kTopics = IDC_GROUP_TOPICS;
  static constexpr int kUnsorted = IDC_GROUP_UNSORTED;
  static constexpr int kByBrowse = IDC_GROUP_BY_BROWSE;
  static constexpr int kByContext = IDC_GROUP_BY_CONTEXT;
  static constexpr int kAdd = IDC_GROUP_ADD;
  static constexpr int kRemove = IDC_GROUP_REMOVE;
  static constexpr int kClear = IDC_GROUP_CLEAR;
  static constexpr int kGroup = IDC_GROUP_GROUP;
  static constexpr int kMoveUp = IDC_GROUP_MOVE_UP;
  static constexpr int kMoveDown = IDC_GROUP_MOVE_DOWN;
  static constexpr int kJumpList = IDC_GROUP_JUMP_LIST;
  static constexpr int kPopupList = IDC_GROUP_POPUP_LIST;
  static constexpr int kNoList = IDC_GROUP_NO_LIST;
  static constexpr int kNumber = IDC_GROUP_NUMBER;
  static constexpr int kSequence = IDC_GROUP_SEQUENCE;
  static constexpr int kStart = IDC_GROUP_START;
  static constexpr int kIncrement = IDC_GROUP_INCREMENT;

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
