// The resource-script parser: reads statements into a ResourceSet. One
// member function per construct; the dialog constructs are in rc_dialog.cpp.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/rc_expression.h"
#include "platform/ui/rc_statements.h"
#include "platform/ui/resources.h"

namespace ui::rc {

// The files an #include may read, and the files being read now (outermost
// first), so that a file including itself is refused instead of read forever.
struct IncludeChain {
  const IncludeFiles* files = nullptr;
  std::vector<std::string> open;
};

class Parser {
 public:
  // `file` names the script for the includes it makes ("" for a script read
  // on its own, until a #line names it).
  Parser(std::vector<Statement> statements, Diagnostics& diagnostics, ResourceSet& out,
         Symbols& symbols, IncludeChain& chain, std::string file = {});
  void run();

 private:
  // Statement cursor.
  bool done() const { return pos_ >= statements_.size(); }
  const Statement& peek() const { return statements_[pos_]; }
  const Statement& next() { return statements_[pos_++]; }

  void error(int line, const std::string& message) { diagnostics_.report(line, message); }
  // A numeric field; reports "what" and returns nullopt when it cannot be read.
  std::optional<int> number(Tokens field, int line, const std::string& what);
  // A text operand: a string, or a bare name or number taken as written.
  std::optional<std::string> text(Tokens field, int line, const std::string& what);
  // Skips the statements of a block whose BEGIN was just read, nested blocks
  // included.
  void skip_block(int begin_line);
  // True when the statement is BEGIN; reports a missing one otherwise.
  bool expect_begin(const Statement& s, const std::string& what);

  void statement(const Statement& s);
  void directive(const Statement& s);
  void define(const std::string& rest, int line);
  void include(const std::string& rest, int line);
  void line_marker(const std::string& rest);
  void read_included(const std::string& name, const std::string& path, int line);
  // The bytes of a picture embedded beside the script (as hex digits), or nullopt.
  std::optional<std::string> embedded_picture(const std::string& name) const;
  void string_table(const Statement& s);
  void string_entry(const Statement& s);
  void resource(const Statement& s);
  void bitmap(const Statement& s, const std::string& name);
  void skip_resource(const Statement& s);

  // rc_dialog.cpp
  void dialog(const Statement& s);
  bool dialog_header(const Statement& s, size_t first_field, DialogTemplate& d);
  void dialog_option(const Statement& s, DialogTemplate& d, bool& has_style);
  void dialog_body(DialogTemplate& d, int begin_line);
  void control(const Statement& s, DialogTemplate& d);
  bool control_class(Tokens field, int line, ControlTemplate& c);
  bool control_geometry(std::span<const Tokens> f, int line, ControlTemplate& c);
  bool control_style(Tokens field, int line, std::uint32_t& style);

  std::vector<Statement> statements_;
  size_t pos_ = 0;
  Diagnostics& diagnostics_;
  ResourceSet& out_;
  Symbols& symbols_;
  IncludeChain& chain_;
  std::string file_;
};

// Memory options that may follow a resource type (PRELOAD, DISCARDABLE, ...).
bool is_memory_option(const Token& t);
// True for a statement that starts a new resource (STRINGTABLE, "X DIALOG", ...);
// a block missing its END stops there.
bool starts_resource(const Statement& s);

}  // namespace ui::rc
