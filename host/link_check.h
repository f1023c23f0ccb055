// Walks a published folder and checks that every link reaches an existing
// page and anchor, as a reader clicking through the site would.
#pragma once
#include <string>
#include <vector>

namespace host {

struct LinkReport {
  int pages = 0;                       // HTML files walked
  int links = 0;                       // local links checked
  std::vector<std::string> broken;     // "page: target (why)"
};

// Checks HREF and SRC targets of every .htm/.html file in the folder (host
// path). Web addresses, mail and script links are not followed.
LinkReport check_links(const std::string& folder);

}  // namespace host
