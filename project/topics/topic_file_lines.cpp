#include "project/topics/topic_file_lines.h"

#include "platform/paths.h"

namespace project {

bool TopicFileLines::open(std::string_view path, std::uint64_t offset) {
  std::string host = platform::to_host_path(path);
  if (host.empty()) return false;
  file_.open(host, std::ios::binary);
  if (!file_.is_open()) return false;
  if (offset > 0) file_.seekg(static_cast<std::streamoff>(offset));
  return file_.good();
}

// CR LF, LF and a lone CR all end a line; the piece keeps at most
// kScanLineMax - 1 bytes, as a line buffer of kScanLineMax with its terminator.
bool TopicFileLines::next(std::string& piece, bool& line_end) {
  piece.clear();
  line_end = false;
  if (!file_.is_open()) return false;
  std::streambuf* in = file_.rdbuf();
  using traits = std::streambuf::traits_type;
  bool any = false;
  while (piece.size() < kScanLineMax - 1) {
    int c = in->sbumpc();
    if (c == traits::eof()) return any;
    any = true;
    if (c == '\n') {
      line_end = true;
      return true;
    }
    if (c == '\r') {
      if (in->sgetc() == '\n') in->sbumpc();
      line_end = true;
      return true;
    }
    piece.push_back(static_cast<char>(c));
  }
  return true;
}

}  // namespace project
