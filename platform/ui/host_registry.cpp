// The process-wide UI host. The first use makes a headless host that takes
// its script and transcript files from the environment; tests and twhost
// replace or configure it.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/ui/host.h"

namespace ui {

namespace {

// Never destroyed: at exit, windows may still hold procedures from libraries
// that are already unloaded. The transcript is on disk line by line anyway.
std::unique_ptr<Host>& current() {
  static auto* host = new std::unique_ptr<Host>;
  return *host;
}

std::unique_ptr<Host> host_from_environment() {
  auto host = std::make_unique<HeadlessHost>();
  if (const char* transcript = std::getenv("TARVENWICK_UI_TRANSCRIPT"); transcript && *transcript)
    host->set_transcript_file(transcript);
  if (const char* script = std::getenv("TARVENWICK_UI_SCRIPT"); script && *script) {
    std::ifstream in(script, std::ios::binary);
    if (!in) {
      host->note(std::string("script file ") + script + " cannot be read");
    } else {
      std::ostringstream text;
      text << in.rdbuf();
      host->queue_script(text.str());
    }
  }
  return host;
}

ProgressObserver& progress_observer() {
  static ProgressObserver observer;
  return observer;
}

}  // namespace

void set_progress_observer(ProgressObserver observer) { progress_observer() = std::move(observer); }

void report_progress(std::string_view caption, int position, int range) {
  if (progress_observer()) progress_observer()(caption, position, range);
}

Host& host() {
  if (!current()) current() = host_from_environment();
  return *current();
}

void set_host(std::unique_ptr<Host> host) {
  // The old host goes only after the new one is in place, so anything its
  // windows do while they are destroyed reaches the new host.
  std::unique_ptr<Host> old = std::move(current());
  current() = std::move(host);
  old.reset();
}

HeadlessHost* headless() { return dynamic_cast<HeadlessHost*>(&host()); }

}  // namespace ui
