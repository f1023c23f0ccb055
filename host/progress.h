// Progress of a long flow: on a terminal one bar redrawn in place with counts
// and elapsed time; otherwise one line per stage.
#pragma once
#include <chrono>
#include <cstdio>
#include <string>
#include <string_view>

namespace host {

class Progress {
 public:
  // out: where progress goes (nullptr: nowhere); in_place: redraw one line
  // (a terminal).
  Progress(std::FILE* out, bool in_place, int columns = 80);
  ~Progress() { finish(); }

  // Starts a stage ("exporting"), with the count it goes to and its unit
  // ("files"); total 0 for a stage without counts.
  void stage(std::string_view name, int total = 0, std::string_view unit = {});
  // The stage has done this many of its total.
  void step(int done);
  // Redraws the elapsed time (for waits without steps).
  void tick();
  // Removes the bar, leaving the line empty for what follows.
  void finish();

  // The line a terminal shows, for the given elapsed seconds.
  std::string bar_line(int elapsed_seconds) const;

 private:
  void draw();

  std::FILE* out_;
  bool in_place_;
  int columns_;
  bool drawn_ = false;
  std::string stage_, unit_;
  int done_ = 0, total_ = 0;
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

// "1 jump", "2 jumps": a count and its noun, singular or plural.
std::string counted(long count, std::string_view singular, std::string_view plural = {});

}  // namespace host
