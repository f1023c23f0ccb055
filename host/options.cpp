#include "host/options.h"

#include <string_view>

#include "host/usage.h"

namespace host {
namespace {

std::string* value_option(Options& o, std::string_view word) {
  if (word == "--root") return &o.root;
  if (word == "--script") return &o.script;
  if (word == "--transcript") return &o.transcript;
  return nullptr;
}

bool is_help_word(std::string_view word) { return word == "--help" || word == "-h"; }

// After the flow: "--help" anywhere asks for the flow's help.
void read_flow(Options& o, int argc, char** argv, int i) {
  o.flow = argv[i++];
  for (; i < argc; ++i) {
    if (is_help_word(argv[i]) && o.flow != "call") o.action = Action::help;
    else o.args.emplace_back(argv[i]);
  }
  if (o.flow == "help") {
    o.action = Action::help;
    if (o.args.size() > 1) o.error = "help takes one flow, not " + std::to_string(o.args.size());
    o.flow = o.args.empty() ? "" : o.args[0];
    o.args.clear();
  }
  if (!o.error.empty() || o.flow.empty() || find_flow(o.flow)) return;
  o.error = "unknown flow '" + o.flow + "'; the flows are: " + flow_names();
}

}  // namespace

Options parse_options(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    std::string_view word = argv[i];
    if (is_help_word(word)) {
      o.action = Action::help;
    } else if (word == "--version") {
      o.action = Action::version;
    } else if (word == "--append") {
      o.append_transcript = true;
    } else if (word == "--gui") {
      o.gui = true;
    } else if (std::string* target = value_option(o, word)) {
      if (i + 1 >= argc) {
        o.error = std::string(word) + " needs a value";
        return o;
      }
      *target = argv[++i];
    } else if (word.size() > 1 && word[0] == '-') {
      o.error = "unknown option '" + std::string(word) + "'";
      return o;
    } else {
      read_flow(o, argc, argv, i);
      return o;
    }
  }
  if (o.action == Action::run) o.error = "name a flow; the flows are: " + flow_names();
  return o;
}

}  // namespace host
