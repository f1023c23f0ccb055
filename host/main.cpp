// twhost: plays the word processor's macros against the two libraries.
#include <cstdio>
#include <cstdlib>

#include "host/build_flow.h"
#include "host/convert_flow.h"
#include "host/flows.h"
#include "host/installation.h"
#include "host/libraries.h"
#include "host/options.h"
#include "host/publish_flow.h"
#include "host/report_flow.h"
#include "platform/files.h"
#include "platform/paths.h"
#include "platform/ui/host.h"

namespace {

bool setup_ui(const host::Options& options) {
  auto* headless = ui::headless();
  if (!headless) return true;
  if (!options.transcript.empty()) headless->set_transcript_file(options.transcript);
  if (options.script.empty()) return true;
  auto script = platform::read_file(options.script);
  if (!script) {
    std::fprintf(stderr, "twhost: cannot read the script %s\n", options.script.c_str());
    return false;
  }
  headless->queue_script(*script);
  return true;
}

int run_flow(const host::Libraries& libs, const host::Options& o) {
  if (o.flow == "call") return host::run_call(libs, o.args);
  if (o.flow == "start") return host::run_start(libs);
  if (o.flow == "sample" && o.args.size() == 1) return host::run_sample(libs, o.args[0]);
  if (o.flow == "convert") return host::run_convert(libs, o.args);
  if (o.flow == "publish") return host::run_publish(libs, o.args);
  if (o.flow == "build" && o.args.size() == 1) return host::run_build(libs, o.args[0]);
  if (o.flow == "report" && o.args.size() == 1) return host::run_report(libs, o.args[0]);
  std::fputs(host::usage(), stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  host::Options options = host::parse_options(argc, argv);
  if (!options.error.empty()) {
    std::fprintf(stderr, "twhost: %s\n%s", options.error.c_str(), host::usage());
    return 2;
  }
  if (!options.root.empty()) platform::set_root_folder(options.root);
  if (!setup_ui(options)) return 1;
  host::ensure_installation();
  host::add_installed_programs();
  host::Libraries libs;
  std::string error;
  if (!host::load_libraries(libs, error)) {
    std::fprintf(stderr, "twhost: %s\n", error.c_str());
    return 1;
  }
  return run_flow(libs, options);
}
