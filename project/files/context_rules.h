// The rules a context string and a context number must meet, shared by the
// commands that create topics and by the imports.
#pragma once
#include <cstdint>
#include <string_view>

#include "project/topics/topic_table.h"

namespace project {

inline constexpr std::string_view kBadContextText =
    "Context strings may contain only letters, digits and underscores.";
inline constexpr std::string_view kNumberRangeText =
    "Context Integer must be from 0 to 32767 (or -1 for no Context ID). ";
inline constexpr std::string_view kHexNumberRangeText =
    "Context Integer must be from 0 to 7fff hex (or ffff for no Context ID). ";
// "Context String has already been used.  You must choose a unique value."
inline constexpr int kContextUsedText = 10027;
// "Warning: First %d characters of context string not unique. ..."
inline constexpr int kPrefixClashText = 10028;
// "Context Integer has already been used."
inline constexpr int kNumberUsedText = 10033;

inline constexpr std::int32_t kMaxContextNumber = 32767;

// Letters, digits, "." and "_" only, and not empty.
bool valid_context_chars(std::string_view name);
// 0 to 32767, or -1 for none.
bool valid_context_number(long number);
// Topic number of another live topic with this context string (no case), -1.
int context_in_use(const TopicTable& table, std::string_view name, int except = -1);
// How many leading characters must differ: 40 from word-processor version 6 on, else 20.
int unique_prefix_length(int word_version);
// Topic number of another live topic whose context string agrees with a
// longer-than-length name in its first `length` characters (no case), -1.
int prefix_clash(const TopicTable& table, std::string_view name, int length, int except = -1);

}  // namespace project
