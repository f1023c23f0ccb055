// The page writer's table step: TABLE tags get the project's border, spacing,
// padding, width and border colour; inside tables, cells get the background
// colour, the table font and a trailing non-breaking space, and the export's
// fonts may be removed. Tables marked "<!nf>" keep their own form.
#pragma once
#include <string>
#include <vector>

#include "html/text/read_on.h"
#include "wizard/project_settings.h"

namespace html {

// Marks a line whose tables the writer leaves as they are.
inline constexpr std::string_view kNoFormatMark = "<!nf>";

class TableStep {
 public:
  // The table options and the table font settings of the project.
  explicit TableStep(const wizard::PageSettings& s);
  // Rewrites the tables of one buffer, reading on where a TABLE tag ends on
  // a later line. The open tables carry over to the next buffer.
  void apply(std::string& buffer, ReadOn& more);

 private:
  std::size_t table_tag(std::string& buffer, std::size_t at, ReadOn& more);
  std::size_t cell_tag(std::string& buffer, std::size_t at);
  bool inside() const { return !open_.empty() && !open_.back(); }

  const wizard::PageSettings& s_;
  std::string font_tag_;    // with "ftabfont" 2: the font set in every cell
  std::vector<bool> open_;  // the open tables, true for those marked "<!nf>"
};

}  // namespace html
