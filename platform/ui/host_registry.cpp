// The process-wide UI host and how it is chosen. The GUI host lives in a
// module of its own (the only code that links Qt), loaded at run time; a
// machine without it runs headless and says nothing about it.
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/dynlib.h"
#include "platform/program.h"
#include "platform/text.h"
#include "platform/ui/host.h"

namespace ui {

namespace {

constexpr const char* kGuiModule = "libtw_gui_host.so";
constexpr const char* kGuiFactory = "tw_gui_host_create";
using GuiFactory = HeadlessHost* (*)(int scripted);

// Never destroyed: at exit, windows may still hold procedures from libraries
// that are already unloaded. The transcript is on disk line by line anyway.
std::unique_ptr<Host>& current() {
  static auto* host = new std::unique_ptr<Host>;
  return *host;
}

HostChoice& requested() {
  static HostChoice choice = HostChoice::automatic;
  return choice;
}

bool env_set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

std::string env_value(const char* name) {
  const char* value = std::getenv(name);
  return value ? text::to_lower(value) : std::string();
}

// The GUI host from its module, or nullptr when the module is missing or
// Qt cannot start. The module stays loaded: the host object lives in it.
std::unique_ptr<HeadlessHost> load_gui_host(bool scripted) {
  static GuiFactory factory = [] {
    std::string error;
    std::string folder = platform::platform_library_folder();
    auto module = platform::SharedLibrary::open((folder.empty() ? "" : folder + "/") + kGuiModule, error);
    if (!module) return GuiFactory{};
    auto made = reinterpret_cast<GuiFactory>(module->symbol(kGuiFactory));
    module.release();
    return made;
  }();
  if (!factory) return nullptr;
  return std::unique_ptr<HeadlessHost>(factory(scripted ? 1 : 0));
}

bool display_available() { return env_set("DISPLAY") || env_set("WAYLAND_DISPLAY"); }

std::unique_ptr<HeadlessHost> choose_host() {
  const std::string wanted = env_value("TARVENWICK_UI_HOST");
  const bool scripted = env_set("TARVENWICK_UI_SCRIPT");
  if (wanted == "gui") {
    if (auto gui = load_gui_host(scripted)) return gui;
  } else if (wanted != "headless" && !scripted && requested() != HostChoice::headless &&
             (requested() == HostChoice::gui || display_available())) {
    if (auto gui = load_gui_host(false)) return gui;
  }
  return std::make_unique<HeadlessHost>();
}

std::unique_ptr<Host> host_from_environment() {
  auto host = choose_host();
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

void request_host(HostChoice choice) { requested() = choice; }

std::unique_ptr<HeadlessHost> make_scripted_host() {
  if (env_value("TARVENWICK_UI_HOST") == "gui")
    if (auto gui = load_gui_host(true)) return gui;
  return std::make_unique<HeadlessHost>();
}

HeadlessHost* headless() { return dynamic_cast<HeadlessHost*>(&host()); }

}  // namespace ui
