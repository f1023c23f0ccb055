// Browse sequences: the "sequence:number" texts, the numbers the topic
// dialog proposes next to a chosen topic, and the browse settings.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "project/files/project_data.h"
#include "project/topics/topic_table.h"

namespace project {
struct ProjectState;
}

namespace project {

// The project preference (a preference word of the data file) that makes
// the topic dialog propose browse number 0 whatever the neighbours hold.
inline constexpr int kWordZeroBrowseProposal = 0;
// How far before the first topic of a sequence a topic placed before it goes.
inline constexpr std::int32_t kBeforeFirstStep = 2;

// Messages of the browse settings.
inline constexpr int kMsgBrowseWidth = 10023;
inline constexpr int kMsgBrowseIncrement = 10024;
inline constexpr int kMsgBrowseWidthChanged = 10025;

// "sequence:number" with the number zero-padded to width ("%s:%0*ld").
std::string format_browse_text(std::string_view sequence, int width, std::int32_t number);
// The topic's browse text, "" when it has no (defined) sequence.
std::string browse_text_of(const TopicTable& table, const Topic& topic);
// Splits "sequence:number" (blanks around either part dropped); false when
// the text is not of that form.
bool parse_browse_text(std::string_view text, std::string& sequence, std::int32_t& number);

// Where a new topic goes relative to the chosen one.
enum class Placement { after, before };

// The browse text proposed for a topic placed after or before the topic at
// `position` of the browse-ordered topic list `order` (topic numbers): ""
// when that topic has no sequence. `zero` is the preference that forces 0.
std::string propose_browse_text(const TopicTable& table, const std::vector<int>& order, int position,
                                Placement placement, bool zero);
// Whether the project's preference forces proposed numbers to 0.
bool zero_browse_proposals(const ProjectData& data);

// Checks and takes the browse settings a dialog holds: width 3 to 6 and an
// increment of at least 1; a changed width reminds the user to re-import
// the topic files. False (after the message) when a value is refused.
bool ApplyBrowseSettings(ProjectState& state, std::string_view width, std::string_view increment);

}  // namespace project
