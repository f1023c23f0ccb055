// Progress of a long flow: on a terminal one bar redrawn in place with counts
// and elapsed time; otherwise one line per stage, and a line now and then
// while a long stage moves.
#pragma once
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace host {

class Progress {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  // A terminal is redrawn at most this often while a stage steps.
  static constexpr std::chrono::milliseconds kRedrawInterval{100};
  // Without a terminal, a moving stage writes a line at most this often.
  static constexpr std::chrono::seconds kLineInterval{5};

  // out: where progress goes (nullptr: nowhere); in_place: redraw one line
  // (a terminal).
  Progress(std::FILE* out, bool in_place, int columns = 80);
  ~Progress() { finish(); }

  // Starts a stage ("exporting"), with the count it goes to and its unit
  // ("files"); total 0 for a stage without counts, unit "%" for a stage
  // whose steps mean nothing to the user and show as a percentage.
  void stage(std::string_view name, int total = 0, std::string_view unit = {});
  // The stage has done this many of its total.
  void step(int done);
  // The stage's meter stands at position of range (a library's progress
  // window); the range may change as the library goes on.
  void meter(int position, int range);
  // Redraws the elapsed time (for waits without steps).
  void tick();
  // Removes the bar, leaving the line empty for what follows.
  void finish();

  // The line a terminal shows, for the given elapsed seconds.
  std::string bar_line(int elapsed_seconds) const;
  // Replaces the clock (tests).
  void set_clock(Clock clock) {
    clock_ = std::move(clock);
    start_ = last_output_ = clock_();
  }

 private:
  void draw();
  void line_now_and_then();
  std::string count_text() const;
  int elapsed_seconds() const;

  std::FILE* out_;
  bool in_place_;
  int columns_;
  bool drawn_ = false;
  std::string stage_, unit_;
  int done_ = 0, total_ = 0;
  Clock clock_ = [] { return std::chrono::steady_clock::now(); };
  std::chrono::steady_clock::time_point start_ = clock_();
  std::chrono::steady_clock::time_point last_output_ = start_;
};

// While it lives, the libraries' progress windows move the meter of the
// current stage: a single export call that runs for long (ProcessFiles)
// shows its progress as the other stages do.
class LibraryMeter {
 public:
  explicit LibraryMeter(Progress& progress);
  ~LibraryMeter();
  LibraryMeter(const LibraryMeter&) = delete;
  LibraryMeter& operator=(const LibraryMeter&) = delete;
};

// "1 jump", "2 jumps": a count and its noun, singular or plural.
std::string counted(long count, std::string_view singular, std::string_view plural = {});

}  // namespace host
