// The progress window both libraries show during long work: a meter in a
// small captioned modeless window, advanced by the work one step at a time,
// and the counter behind the word processor's progress calls.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/dialog.h"

namespace ui {

// Where a library keeps its progress template.
struct ProgressTemplate {
  std::int32_t module = 0;
  std::string name;   // the dialog template
  int meter_id = 0;   // its "ProgMeter" or progress-bar control
};

class ProgressWindow {
 public:
  // Opens the window with the meter at 0 of range steps; an empty caption
  // keeps the template's own.
  ProgressWindow(const ProgressTemplate& from, std::string_view caption, int range);
  // Removes the window.
  ~ProgressWindow();
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  // Advances the meter one step (it stays full past the end of its range).
  void step();
  // Puts the meter at position (0 up to the range).
  void set_position(int position);
  int position() const { return position_; }
  int range() const { return range_; }
  Handle handle() const { return window_; }

 private:
  void show();

  Handle window_ = 0;
  int meter_id_ = 0;
  int range_ = 0;
  int position_ = 0;
};

// The caller-driven progress counter: the caller sets a maximum, then
// advances step by step; the window opens at the first step and goes when
// the caller says so (or with the counter).
class ProgressCounter {
 public:
  explicit ProgressCounter(ProgressTemplate from) : template_(std::move(from)) {}

  // Resets the counter to 0 and sets its maximum (at least 1).
  void reset(int maximum);
  // The progress call: 0 resets the counter, a negative step removes the
  // window, any other step advances the counter by one, wrapping at the
  // maximum. Returns step + 1.
  std::int32_t advance(std::int32_t step);
  int count() const { return count_; }
  int maximum() const { return maximum_; }
  Handle window() const { return window_ ? window_->handle() : 0; }

 private:
  ProgressTemplate template_;
  std::unique_ptr<ProgressWindow> window_;
  int maximum_ = 1;
  int count_ = 0;
};

}  // namespace ui
