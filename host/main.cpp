// twhost: plays the word processor's macros against the two libraries.
#include <cstdio>
#include <cstdlib>

#include "host/build_flow.h"
#include "host/convert_flow.h"
#include "host/desktop_flow.h"
#include "host/editor_flows.h"
#include "host/flows.h"
#include "host/installation.h"
#include "host/jump_flow.h"
#include "host/keyword_insert_flow.h"
#include "host/libraries.h"
#include "host/options.h"
#include "host/publish_flow.h"
#include "host/keyword_flow.h"
#include "host/contents_flow.h"
#include "host/outline_flow.h"
#include "host/report_flow.h"
#include "host/script_session.h"
#include "host/session_setup.h"
#include "host/usage.h"
#include "host/user_paths.h"

namespace {

int usage_error(const std::string& flow, const std::string& message) {
  const host::FlowUsage* usage = host::find_flow(flow);
  std::string who = usage ? "twhost " + flow : "twhost";
  std::fprintf(stderr, "%s: %s\n", who.c_str(), message.c_str());
  if (usage) std::fputs(host::flow_synopsis(*usage).c_str(), stderr);
  std::fprintf(stderr, "Try 'twhost %s--help' for more information.\n",
               usage ? (flow + " ").c_str() : "");
  return host::kExitUsage;
}

int show_help(const host::Options& o) {
  const host::FlowUsage* flow = host::find_flow(o.flow);
  std::fputs(flow ? host::flow_usage(*flow).c_str() : host::general_usage().c_str(), stdout);
  return host::kExitSuccess;
}

// The positional arguments of the flows that take a fixed number.
std::string argument_count_error(const host::Options& o) {
  const host::FlowUsage* flow = host::find_flow(o.flow);
  if (!flow || flow->min_args < 0) return {};
  int given = static_cast<int>(o.args.size());
  if (given < flow->min_args) return "missing " + std::string(flow->synopsis);
  if (given > flow->max_args) return "unexpected argument '" + o.args[flow->max_args] + "'";
  return {};
}

int run_flow(const host::Libraries& libs, host::ScriptSession& script, const host::Options& o) {
  if (o.flow == "call") return host::run_call(libs, o.args);
  if (o.flow == "start") return host::run_start(libs);
  if (o.flow == "sample") return host::run_sample(libs, script, o.args[0]);
  if (o.flow == "convert") return host::run_convert(libs, o.args);
  if (o.flow == "publish") return host::run_publish(libs, o.args);
  if (o.flow == "build") return host::run_build(libs, o.args[0]);
  if (o.flow == "report") return host::run_report(libs, script, o.args[0]);
  if (o.flow == "jump") return host::run_jump(libs, script, o.args, true);
  if (o.flow == "popup") return host::run_jump(libs, script, o.args, false);
  if (o.flow == "macros") return host::run_macros(libs, script, o.args);
  if (o.flow == "buttons") return host::run_buttons(libs, script, o.args);
  if (o.flow == "windows") return host::run_windows(libs, script, o.args);
  if (o.flow == "keywords") return host::run_keywords(libs, script, o.args[0]);
  if (o.flow == "distribute") return host::run_distribute(libs, script, o.args);
  if (o.flow == "find") return host::run_find(libs, script, o.args);
  if (o.flow == "contents") return host::run_contents(libs, script, o.args);
  if (o.flow == "outline") return host::run_outline(libs, script, o.args);
  if (o.flow == "keyword") return host::run_keyword(libs, script, o.args);
  if (o.flow == "desktop") return host::run_desktop(libs, script, o.args);
  return usage_error("", "unknown flow '" + o.flow + "'");
}

}  // namespace

int main(int argc, char** argv) {
  host::remember_user_folder();
  host::Options options = host::parse_options(argc, argv);
  if (!options.error.empty()) return usage_error(options.flow, options.error);
  // Help and version touch nothing of the user's.
  if (options.action == host::Action::help) return show_help(options);
  if (options.action == host::Action::version) return host::print_version();
  if (std::string error = argument_count_error(options); !error.empty()) {
    return usage_error(options.flow, error);
  }
  host::ScriptSession script;
  if (int code = host::set_up_session(options, script)) return code;
  host::ensure_installation();
  host::add_installed_programs();
  host::Libraries libs;
  std::string error;
  if (!host::load_libraries(libs, error)) {
    std::fprintf(stderr, "twhost: %s\n", error.c_str());
    return host::kExitFailure;
  }
  int code = run_flow(libs, script, options);
  if (std::string unused = script.unused_report(); !unused.empty()) {
    std::fprintf(stderr, "twhost: %s\n", unused.c_str());
    if (code == host::kExitSuccess) code = host::kExitFailure;
  }
  return code;
}
