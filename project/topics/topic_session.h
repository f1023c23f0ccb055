// What the topic commands keep between calls: the group EditGroup defined,
// which NextItem hands out one item at a time, and the list the topic
// finder showed last.
#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace project {

// One item of a group: its context string and browse text ("" without).
struct GroupItem {
  std::string context;
  std::string browse;
};

// The topic finder's three lists.
enum class FinderList { title, id, document };

struct TopicSession {
  std::vector<GroupItem> group;
  size_t next_group_item = 0;
  FinderList finder_list = FinderList::id;
};

}  // namespace project
