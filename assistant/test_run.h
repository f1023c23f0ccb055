// "Test": writes the test files and project into the main directory, runs
// Help Workshop on them when the data changed since the last test compile,
// waits (polled by a 500-millisecond timer) until it has ended, then asks
// the help viewer for the popup of the entry under test.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "assistant/model.h"
#include "assistant/settings.h"

namespace assistant {

inline constexpr int kTestTimer = 1;
inline constexpr int kTestTimerPeriod = 500;
// WinHelp's context-popup command.
inline constexpr int kHelpContextPopup = 8;
inline constexpr std::string_view kCompilerMissingText =
    "Unable to locate or run the Windows 95 help compiler.";

struct TestPaths {
  std::string project, rtf, header, help;
};
TestPaths test_paths(const Settings& settings);

// What the caller does with its timer after a step.
enum class TimerChange { none, start, stop };

class TestRun {
 public:
  bool compiling() const { return compiling_; }
  // The compiler's process while a compile is under way, else 0.
  int process() const { return process_; }
  // Takes the context integer of the popup to show once the compile is over
  // (the entry just committed), before step() runs for a click.
  void set_popup_context(std::optional<long> context) { context_ = context; }
  // One step of the command (a click, or a timer tick while compiling).
  TimerChange step(Model& model, const Settings& settings, std::int32_t window);

 private:
  bool start_compile(Model& model, const Settings& settings, std::int32_t window);
  void show_popup(const Settings& settings, std::int32_t window);

  bool compiling_ = false;
  int process_ = 0;
  std::optional<long> context_;
};

}  // namespace assistant
