// Reads the fields of a tuple value ("1 0 >c:\links file.txt") the way the
// wizard stores them: numbers and words separated by blanks, and a text field
// last. A field that is missing or not readable leaves the caller's value as
// it was (the default), and so do all fields after it.
#pragma once
#include <string>
#include <string_view>

namespace wizard {

class TupleReader {
 public:
  explicit TupleReader(std::string_view value) : value_(value) {}

  // Next field as a signed decimal number ("%d", "%ld").
  void number(int& field);
  void number(long& field);
  // Next blank-separated word ("%s" in the middle of a tuple).
  void word(std::string& field);
  // The rest of the value after the fields read so far, leading blanks
  // skipped: a closing text field that may hold blanks (a font face).
  // Unchanged when nothing is left.
  void rest(std::string& field);
  // Everything after the first ">" of the whole value, taken as it stands;
  // unchanged when the value has no ">".
  void after_marker(std::string& field) const;
  // True while every field asked for so far was there.
  bool good() const { return !failed_; }

 private:
  bool read_long(long& out);
  void skip_blanks();

  std::string_view value_;
  std::size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace wizard
