// The topic table: every topic of the project in creation order (the topic
// number is the index), with its context string, context number, topic file
// and browse position, plus the browse-sequence names and the counters that
// new topics draw from. Stored in the project data file.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace project {

// Topic-file number of a topic that is in no topic file (never listed).
inline constexpr int kNoFile = -7;
// Context number of a topic without a context ID.
inline constexpr std::int32_t kNoNumber = -1;
// Browse sequence of a topic without one, and of an undefined entry.
inline constexpr int kNoSequence = -1;
inline constexpr int kUndefinedSequence = -10;
// Option index of a topic without further options.
inline constexpr int kNoOptions = -1;

inline constexpr int kMaxTopics = 32767;  // the data file counts them in 16 bits
inline constexpr int kContextMax = 83;    // stored characters, leading blank included
inline constexpr int kSequenceNameMax = 21;
inline constexpr int kMaxSequences = 127;  // indexes are 8-bit signed
inline constexpr int kPrefixMax = 7;
inline constexpr int kDefaultBrowseWidth = 4;
inline constexpr int kDefaultBrowseIncrement = 5;
inline constexpr int kMinBrowseWidth = 3;
inline constexpr int kMaxBrowseWidth = 6;
inline constexpr std::int32_t kFirstContextNumber = 1000;
inline constexpr std::string_view kDefaultPrefix = "IDH_";
inline constexpr std::string_view kFirstSequence = "alpha";

// One topic. The context string is kept with one leading blank, as the data
// file and the map files carry it; a first character "#" marks an entry that
// is no longer a live context string.
struct Topic {
  std::string context;
  int option_index = kNoOptions;  // 0 or more: the topic has further options
  int file = kNoFile;             // number in the topic-file list
  char wizard_mark = ' ';         // 'W' when created while the topic wizard ran
  int browse_sequence = kNoSequence;
  std::int32_t browse_number = 0;
  std::int32_t number = kNoNumber;  // context number

  // True unless the entry was removed ("#...") or never had a context string.
  bool live() const;
  // The context string without its leading blank.
  std::string_view name() const;
};

// The context string as stored: one leading blank, cut to the stored length.
std::string stored_context(std::string_view name);

class TopicTable {
 public:
  int count() const { return static_cast<int>(topics_.size()); }
  bool empty() const { return topics_.empty(); }
  Topic& operator[](int index) { return topics_[static_cast<size_t>(index)]; }
  const Topic& operator[](int index) const { return topics_[static_cast<size_t>(index)]; }
  std::vector<Topic>::iterator begin() { return topics_.begin(); }
  std::vector<Topic>::iterator end() { return topics_.end(); }
  std::vector<Topic>::const_iterator begin() const { return topics_.begin(); }
  std::vector<Topic>::const_iterator end() const { return topics_.end(); }

  // Appends a record as it is; returns its topic number, -1 when the table is full.
  int push_back(Topic topic);
  // Removes every topic and sequence; counters back to a new project's.
  void clear();

  // Topic number of the live topic with this context string (no case; the
  // given string without its leading blank), -1 when none.
  int find(std::string_view name) const;
  // Index of the browse sequence with this name (no case), -1 when none.
  int find_sequence(std::string_view name) const;
  // Index of the sequence, added when new; -1 when the list is full.
  int add_sequence(std::string_view name);
  const std::vector<std::string>& sequences() const { return sequences_; }
  std::vector<std::string>& sequences() { return sequences_; }

  // The next free context number, which then moves on by one; once the
  // numbers run out at the top, the lowest one no live topic has.
  std::int32_t take_next_number();
  std::int32_t next_number() const { return next_number_; }
  void set_next_number(std::int32_t n) { next_number_ = n; }
  // Moves the next free number past n (it stops at the largest number).
  void raise_next_number(std::int32_t n);
  // True when another topic than `except` already has this context number.
  bool number_in_use(std::int32_t n, int except = -1) const;

  int browse_width = kDefaultBrowseWidth;
  int browse_increment = kDefaultBrowseIncrement;
  // Set once a browse number of the project has been processed: from then on
  // the width no longer grows with longer numbers.
  bool browse_numbers_in_use = false;
  std::string prefix{kDefaultPrefix};  // proposed in front of new context strings

 private:
  std::vector<Topic> topics_;
  std::vector<std::string> sequences_;
  std::int32_t next_number_ = kFirstContextNumber;
};

// What AddOrUpdateTopic was given: a context string and a browse text
// ("" or "sequence:number").
struct TopicUpdate {
  std::string_view name;
  std::string_view browse_text;
  int file = kNoFile;
  bool give_number = true;  // false: a new topic gets no context number
};

// Adds a new topic (with the next free context number) or updates the
// existing one with this context string; the browse text's sequence is added
// when new and its number is padded on the right with zeros to the browse
// width. Returns the topic number, -1 for an empty context string.
int AddOrUpdateTopic(TopicTable& table, const TopicUpdate& update);

// What the author is told when a new topic does not fit the table, which
// holds as many topics as the data file can count.
std::string topic_table_full_text(std::string_view name);

// A browse number as the table keeps it: digits padded on the right with
// zeros and cut to width ("7" with width 4 is 7000).
std::int32_t pad_browse_number(std::string_view digits, int width);

}  // namespace project
