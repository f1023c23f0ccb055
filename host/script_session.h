// The user's --script and the flows' own answers in one queue of the headless
// host, and afterwards which of the user's lines the run never used.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace host {

class ScriptSession {
 public:
  // Reads and checks the user's script (shown as `shown` in messages) and
  // queues it; false with errors ("FILE:LINE: ...") when a line is unusable.
  bool load(std::string_view text, const std::string& shown, std::vector<std::string>& errors);
  // Queues a flow's own answers after whatever is queued.
  void queue(std::string_view script);
  // After the run: what is wrong with the user's script's use, "" when all of
  // it was used (e.g. its first dialog never opened).
  std::string unused_report() const;

 private:
  struct UserLine {
    int number = 0;
    std::string text;
  };
  std::string shown_;
  std::vector<UserLine> user_lines_;
  size_t queued_ = 0;  // every line queued: the user's and the flows'
};

}  // namespace host
