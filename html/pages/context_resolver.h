// resolve_context: where a context string's topic is. The context map's
// entries ("page#context#", with "%" after them when the anchor lies near
// the top of its page) are indexed once per run so that every jump costs one
// look-up instead of a walk over the map.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace html {

struct ConversionRun;

class ContextResolver {
 public:
  // Appends one context map entry, in the map's insertion order.
  void add(std::string_view entry);
  void clear();
  std::size_t size() const { return entries_.size(); }

  // For a key "#" + context + "#": the first entry that holds the context
  // (compared without regard to case, as the help compilers do) with its
  // trailing "#" removed ("page#context"), or the page name alone when the
  // entry is marked "%"; trailing blanks cut. A miss returns the key.
  std::string resolve(std::string_view key) const;
  // True when resolve would find the key.
  bool knows(std::string_view key) const;

 private:
  const std::string* find(std::string_view key) const;

  std::vector<std::string> entries_;
  std::unordered_map<std::string, std::size_t> first_by_context_;  // capitals -> entry
};

// The key of a context string: "#" + context + "#".
std::string context_key(std::string_view context);

// The run's context map look-up for a key "#" + context + "#": the page and
// anchor ("page#context", or the page alone for an anchor near its page's
// top), or the key unchanged when no page carries the context.
std::string resolve_context(const ConversionRun& run, std::string_view key);

}  // namespace html
