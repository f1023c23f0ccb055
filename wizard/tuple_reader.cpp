#include "wizard/tuple_reader.h"

#include <climits>

namespace wizard {

namespace {

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool is_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void TupleReader::skip_blanks() {
  while (pos_ < value_.size() && is_blank(value_[pos_])) ++pos_;
}

// Reads "[blanks][sign]digits" as the C library's %d does; a value out of the
// 32-bit range saturates instead of overflowing.
bool TupleReader::read_long(long& out) {
  if (failed_) return false;
  skip_blanks();
  std::size_t p = pos_;
  bool negative = false;
  if (p < value_.size() && (value_[p] == '-' || value_[p] == '+')) negative = value_[p++] == '-';
  if (p >= value_.size() || !is_digit(value_[p])) {
    failed_ = true;
    return false;
  }
  long long n = 0;
  for (; p < value_.size() && is_digit(value_[p]); ++p) {
    if (n <= INT_MAX) n = n * 10 + (value_[p] - '0');
  }
  if (negative) n = -n;
  if (n > INT_MAX) n = INT_MAX;
  if (n < INT_MIN) n = INT_MIN;
  out = static_cast<long>(n);
  pos_ = p;
  return true;
}

void TupleReader::number(int& field) {
  long n = 0;
  if (read_long(n)) field = static_cast<int>(n);
}

void TupleReader::number(long& field) {
  long n = 0;
  if (read_long(n)) field = n;
}

void TupleReader::word(std::string& field) {
  if (failed_) return;
  skip_blanks();
  std::size_t end = pos_;
  while (end < value_.size() && !is_blank(value_[end])) ++end;
  if (end == pos_) {
    failed_ = true;
    return;
  }
  field.assign(value_.substr(pos_, end - pos_));
  pos_ = end;
}

void TupleReader::rest(std::string& field) {
  if (failed_) return;
  skip_blanks();
  std::string_view rest = value_.substr(pos_);
  while (!rest.empty() && is_blank(rest.back())) rest.remove_suffix(1);
  if (rest.empty()) {
    failed_ = true;
    return;
  }
  field.assign(rest);
  pos_ = value_.size();
}

void TupleReader::after_marker(std::string& field) const {
  std::size_t marker = value_.find('>');
  if (marker != std::string_view::npos) field.assign(value_.substr(marker + 1));
}

}  // namespace wizard
