#include "html/text/line_reader.h"


namespace html {

bool LineReader::open(std::string_view path, std::uint64_t offset) {
  close();
  // Only regular files: a folder opens on some systems but never reads.
  return file_.open(path, offset);
}

void LineReader::close() {
  file_.close();
  window_.clear();
  pos_ = 0;
}

bool LineReader::refill() {
  if (!file_.is_open()) return false;
  window_.resize(kWindowBytes);
  window_.resize(file_.read(window_.data(), window_.size()));
  pos_ = 0;
  return !window_.empty();
}

std::optional<std::string> LineReader::read_line(std::size_t max_bytes) {
  if (!file_.is_open() || max_bytes == 0) return std::nullopt;
  std::string line;
  while (line.size() < max_bytes) {
    if (pos_ >= window_.size() && !refill()) break;
    std::string_view rest(window_.data() + pos_, window_.size() - pos_);
    std::size_t want = std::min(rest.size(), max_bytes - line.size());
    std::size_t lf = rest.substr(0, want).find('\n');
    std::size_t take = lf == std::string_view::npos ? want : lf + 1;
    line.append(rest.substr(0, take));
    pos_ += take;
    if (lf != std::string_view::npos) break;
  }
  if (line.empty()) return std::nullopt;
  return line;
}

std::optional<std::string> LineReader::read_cut_line(std::size_t max_bytes) {
  std::optional<std::string> line = read_line(max_bytes);
  if (!line || line->empty() || line->back() == '\n') return line;
  // Skip the rest of an overlong line, so that it is not read as a record.
  for (;;) {
    std::optional<std::string> piece = read_line(kWindowBytes);
    if (!piece || piece->back() == '\n') break;
  }
  return line;
}

std::string_view without_line_end(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  return line;
}

}  // namespace html
