// Context strings: finding topics by them and making new ones from topic
// titles (the checks of typed ones are in context_rules.h).
#pragma once
#include <string>
#include <string_view>

#include "project/topics/topic_table.h"

namespace project {

// Words of a title that go into a generated context string.
inline constexpr size_t kFirstWordMax = 37;
inline constexpr size_t kOtherWordMax = 15;
inline constexpr size_t kGeneratedFill = 36;  // words are added until this is passed

// Topic number of the live topic with this context string (no case), -1.
int FindTopic(const TopicTable& table, std::string_view name);
// Marks a topic's entry removed: "#" takes the place of its leading blank.
void RemoveTopicEntry(TopicTable& table, int topic);
// True for a topic the lists show: live and in a topic file.
bool listed_topic(const Topic& topic);

// Topic number of a live topic other than `except` whose context string
// agrees with name in the first `length` characters (no case), -1; unlike
// prefix_clash this holds for short names too, which must then be equal.
int topic_agreeing(const TopicTable& table, std::string_view name, int length, int except = -1);

// Accented Latin-1 letters folded to plain lower-case ones, every other
// character that is no ASCII letter or digit a blank; trimmed, and blanks
// turned into "_".
std::string fold_context_candidate(std::string_view candidate);
// A context string for a title: the prefix and the title's first words,
// with "n1", "n2", ... after the prefix until no topic agrees with it in
// the first `length` characters.
std::string ContextFromTitle(const TopicTable& table, std::string_view title, int length);

}  // namespace project
