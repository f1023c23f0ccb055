// Batch conversion: a batch file names documents or wizard projects (or
// wildcard patterns of them); each call takes the next one and prepares its
// project for the caller's conversion.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace html {

struct ConversionRun;

// What a batch file asks for and the items not yet taken.
struct BatchWork {
  std::string template_project;  // the project every document's project copies
  std::string output;            // the output folder, ending in a separator
  int type = 0;                  // 0: items are documents; 1: items are projects
  std::vector<std::string> items;
  std::size_t next = 0;
};

// The items of a "convert" list: plain entries as they stand, each pattern
// ("*", "?") as the files it matches with its folder kept, each file once.
std::vector<std::string> expand_batch_entries(const std::vector<std::string>& entries);

// BatchControl: start != 0 reads the batch file into the work list (1 when
// there is work, else 0, and a temporary batch file is deleted); start == 0
// takes the next item and makes its project current (1), or ends the batch
// (0).
int batch_control(ConversionRun& run, bool start);

}  // namespace html
