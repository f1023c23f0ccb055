#include "html/pages/context_resolver.h"

#include "html/driver/conversion_run.h"
#include "html/text/markup.h"
#include "platform/text.h"

namespace html {

namespace {

// The context of an entry "page#context#" or "page#context#%".
std::string_view entry_context(std::string_view entry) {
  if (!entry.empty() && entry.back() == '%') entry.remove_suffix(1);
  if (entry.empty() || entry.back() != '#') return {};
  entry.remove_suffix(1);
  std::size_t hash = entry.rfind('#');
  if (hash == std::string_view::npos) return {};
  return entry.substr(hash + 1);
}

// The context of a key "#context#", or nothing when the key has another form.
bool key_context(std::string_view key, std::string_view& context) {
  if (key.size() < 2 || key.front() != '#' || key.back() != '#') return false;
  context = key.substr(1, key.size() - 2);
  return context.find('#') == std::string_view::npos;
}

}  // namespace

std::string context_key(std::string_view context) { return "#" + std::string(context) + "#"; }

void ContextResolver::add(std::string_view entry) {
  entries_.emplace_back(entry);
  std::string context = text::to_upper(entry_context(entry));
  if (!context.empty()) first_by_context_.emplace(std::move(context), entries_.size() - 1);
}

void ContextResolver::clear() {
  entries_.clear();
  first_by_context_.clear();
}

const std::string* ContextResolver::find(std::string_view key) const {
  std::string_view context;
  if (key_context(key, context)) {
    auto it = first_by_context_.find(text::to_upper(context));
    return it == first_by_context_.end() ? nullptr : &entries_[it->second];
  }
  for (const std::string& entry : entries_) {
    if (contains_nocase(entry, key)) return &entry;
  }
  return nullptr;
}

bool ContextResolver::knows(std::string_view key) const { return find(key) != nullptr; }

std::string ContextResolver::resolve(std::string_view key) const {
  const std::string* entry = find(key);
  if (entry == nullptr) return std::string(key);
  std::string_view e = *entry;
  std::string result;
  if (!e.empty() && e.back() == '%') {
    result = std::string(page_of_target(e));
  } else {
    result = std::string(e.substr(0, e.size() - 1));
  }
  return std::string(text::trim_right(result));
}

std::string resolve_context(const ConversionRun& run, std::string_view key) {
  return run.publish.contexts.resolve(key);
}

}  // namespace html
