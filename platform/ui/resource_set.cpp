// ResourceSet lookups and the entry point of the resource-script reader.
#include "platform/text.h"
#include "platform/ui/rc_parser.h"
#include "platform/ui/resources.h"

namespace ui {

const ControlTemplate* DialogTemplate::control(int id) const {
  for (const ControlTemplate& c : controls)
    if (c.id == id) return &c;
  return nullptr;
}

std::string DialogTemplate::identifier() const {
  return name.empty() ? std::to_string(number) : name;
}

ResourceSet ResourceSet::parse(std::string_view script, std::vector<std::string>* errors,
                               const IncludeFiles& files) {
  ResourceSet set;
  rc::Diagnostics diagnostics;
  rc::Symbols symbols;
  rc::IncludeChain chain{&files, {}};
  rc::Parser parser(rc::group_statements(rc::tokenize(script, diagnostics)), diagnostics, set,
                    symbols, chain);
  parser.run();
  if (errors)
    for (std::string& m : diagnostics.messages()) errors->push_back(std::move(m));
  return set;
}

const std::string* ResourceSet::string(int id) const {
  auto it = strings_.find(id);
  return it == strings_.end() ? nullptr : &it->second;
}

namespace {

// "21000" as a number; nullopt for anything else.
std::optional<int> plain_number(std::string_view s) {
  if (s.empty() || s.size() > 9) return std::nullopt;
  int v = 0;
  for (char c : s) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

}  // namespace

const DialogTemplate* ResourceSet::dialog(std::string_view name_or_number) const {
  for (const DialogTemplate& d : dialogs_)
    if (!d.name.empty() && text::iequals(d.name, name_or_number)) return &d;
  if (auto n = plain_number(name_or_number)) return dialog(*n);
  if (auto v = symbol(name_or_number)) return dialog(static_cast<int>(*v));
  return nullptr;
}

const DialogTemplate* ResourceSet::dialog(int number) const {
  if (number < 0) return nullptr;
  for (const DialogTemplate& d : dialogs_)
    if (d.number == number) return &d;
  return nullptr;
}

const std::string* ResourceSet::bitmap(std::string_view name) const {
  auto it = bitmaps_.find(text::to_upper(name));
  return it == bitmaps_.end() ? nullptr : &it->second;
}

void ResourceSet::add_bitmap(std::string name, std::string file) {
  bitmap_data_.erase(text::to_upper(name));  // a later BITMAP line names another file
  bitmaps_[text::to_upper(name)] = std::move(file);
}

const std::string* ResourceSet::bitmap_data(std::string_view name) const {
  auto it = bitmap_data_.find(text::to_upper(name));
  return it == bitmap_data_.end() ? nullptr : &it->second;
}

std::vector<std::string> ResourceSet::bitmap_names() const {
  std::vector<std::string> names;
  names.reserve(bitmaps_.size());
  for (const auto& entry : bitmaps_) names.push_back(entry.first);
  return names;
}

void ResourceSet::add_bitmap_data(std::string name, std::string bytes) {
  bitmap_data_[text::to_upper(name)] = std::move(bytes);
}

std::optional<std::int64_t> ResourceSet::symbol(std::string_view name) const {
  auto it = symbols_.find(name);
  if (it == symbols_.end()) return std::nullopt;
  return it->second;
}

}  // namespace ui
