// twhost's flows as the user sees them: names, synopses and help texts.
#pragma once
#include <string>
#include <string_view>

namespace host {

struct FlowUsage {
  std::string_view name;
  std::string_view synopsis;  // arguments after the flow's name
  std::string_view summary;   // one line for the flow list
  std::string_view details;   // what `twhost help FLOW` adds
  int min_args = 0;           // positional arguments; -1: the flow checks them
  int max_args = 0;
};

// The flow of this name, nullptr when there is none.
const FlowUsage* find_flow(std::string_view name);
// "call, start, sample, ..." for messages.
std::string flow_names();
// `twhost --help`: synopsis, options and the list of flows.
std::string general_usage();
// `twhost help FLOW` and `twhost FLOW --help`.
std::string flow_usage(const FlowUsage& flow);
// The one-line "usage: twhost FLOW ..." of a flow.
std::string flow_synopsis(const FlowUsage& flow);

}  // namespace host
