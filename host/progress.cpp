#include "host/progress.h"

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
  if (total > 0) line += " (" + std::to_string(total) + " " + std::string(unit) + ")";
  std::fprintf(out_, "%s\n", line.c_str());
  std::fflush(out_);
}

void Progress::step(int done) {
  done_ = done;
  if (in_place_ && out_) draw();
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

std::string Progress::bar_line(int elapsed_seconds) const {
  std::string line;
  if (total_ > 0) {
    int filled = done_ >= total_ ? kBarWidth : done_ * kBarWidth / total_;
    line = "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') + "] " +
           std::to_string(done_) + "/" + std::to_string(total_) + " " + unit_ + "  ";
  }
  line += stage_ + "  " + elapsed_text(elapsed_seconds);
  if (static_cast<int>(line.size()) >= columns_) line.resize(columns_ > 1 ? columns_ - 1 : 0);
  return line;
}

void Progress::draw() {
  auto elapsed = std::chrono::steady_clock::now() - start_;
  int seconds = static_cast<int>(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count());
  std::fprintf(out_, "\r\x1b[K%s", bar_line(seconds).c_str());
  std::fflush(out_);
  drawn_ = true;
}

std::string counted(long count, std::string_view singular, std::string_view plural) {
  std::string noun = count == 1      ? std::string(singular)
                     : plural.empty() ? std::string(singular) + "s"
                                      : std::string(plural);
  return std::to_string(count) + " " + noun;
}

}  // namespace host
