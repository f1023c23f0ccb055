#include "host/progress.h"

#include "platform/ui/host.h"

namespace host {
namespace {

constexpr int kBarWidth = 24;

std::string elapsed_text(int seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%d:%02d", seconds / 60, seconds % 60);
  return text;
}

}  // namespace

Progress::Progress(std::FILE* out, bool in_place, int columns)
    : out_(out), in_place_(in_place), columns_(columns) {}

void Progress::stage(std::string_view name, int total, std::string_view unit) {
  stage_ = name;
  unit_ = unit;
  total_ = total;
  done_ = 0;
  if (!out_) return;
  if (in_place_) {
    draw();
    return;
  }
  std::string line(name);
  if (total > 0 && unit_ != "%") line += " (" + std::to_string(total) + " " + std::string(unit) + ")";
  std::fprintf(out_, "%s\n", line.c_str());
  std::fflush(out_);
  last_output_ = clock_();
}

void Progress::step(int done) {
  done_ = done;
  if (!out_) return;
  if (!in_place_) {
    line_now_and_then();
  } else if (done_ >= total_ || clock_() - last_output_ >= kRedrawInterval) {
    draw();
  }
}

void Progress::meter(int position, int range) {
  total_ = range;
  step(position);
}

void Progress::tick() {
  if (in_place_ && out_) draw();
}

void Progress::finish() {
  if (!in_place_ || !drawn_ || !out_) return;
  std::fputs("\r\x1b[K", out_);
  std::fflush(out_);
  drawn_ = false;
}

std::string Progress::count_text() const {
  if (unit_ == "%") return std::to_string(static_cast<long long>(done_) * 100 / total_) + "%";
  return std::to_string(done_) + "/" + std::to_string(total_) + " " + unit_;
}

std::string Progress::bar_line(int elapsed_seconds) const {
  std::string line;
  if (total_ > 0) {
    int filled = done_ >= total_ ? kBarWidth
                                 : static_cast<int>(static_cast<long long>(done_) * kBarWidth / total_);
    line = "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "] " +
           count_text() + "  ";
  }
  line += stage_ + "  " + elapsed_text(elapsed_seconds);
  if (static_cast<int>(line.size()) >= columns_) line.resize(columns_ > 1 ? columns_ - 1 : 0);
  return line;
}

int Progress::elapsed_seconds() const {
  auto elapsed = clock_() - start_;
  return static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count());
}

// A log or a pipe gets the stage's count once in a while, so that a long
// stage is seen to move without flooding the output.
void Progress::line_now_and_then() {
  if (total_ <= 0 || done_ >= total_ || clock_() - last_output_ < kLineInterval) return;
  std::fprintf(out_, "  %s: %s, %s\n", stage_.c_str(), count_text().c_str(),
               elapsed_text(elapsed_seconds()).c_str());
  std::fflush(out_);
  last_output_ = clock_();
}

void Progress::draw() {
  std::fprintf(out_, "\r\x1b[K%s", bar_line(elapsed_seconds()).c_str());
  std::fflush(out_);
  drawn_ = true;
  last_output_ = clock_();
}

LibraryMeter::LibraryMeter(Progress& progress) {
  ui::set_progress_observer([&progress](std::string_view, int position, int range) {
    if (range > 0) progress.meter(position, range);
  });
}

LibraryMeter::~LibraryMeter() { ui::set_progress_observer({}); }

std::string counted(long count, std::string_view singular, std::string_view plural) {
  std::string noun = count == 1      ? std::string(singular)
                     : plural.empty() ? std::string(singular) + "s"
                                      : std::string(plural);
  return std::to_string(count) + " " + noun;
}

}  // namespace host
