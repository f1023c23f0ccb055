// What `twhost publish` prints when the run is done.
#pragma once
#include <string>
#include <vector>

#include "host/convert_flow.h"
#include "host/publish_flow.h"

namespace host {

// The start page (or the HTML Help project), the counts, the link check and
// the files the run wrote.
void print_publish_report(const PublishResult& result, const ConvertRequest& request);
// Names laid out in lines of at most `width` columns, each indented by two.
std::string name_columns(const std::vector<std::string>& names, size_t width = 78);

}  // namespace host
